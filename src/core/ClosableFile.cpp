#include "ClosableFile.h"

namespace {
ClosableFile* sharedTextFile = nullptr;
}

void RegisterSharedTextFile(ClosableFile* file) {
    sharedTextFile = file;
}

ClosableFile* RegisteredSharedTextFile() {
    return sharedTextFile;
}
