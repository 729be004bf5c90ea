#include "ScriptedMessages.h"
