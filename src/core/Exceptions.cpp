#include "Exceptions.h"

Exception::Exception(const char* className, QString message)
    : m_className(QString::fromLatin1(className))
    , m_message(std::move(message))
    , m_what((m_className + QStringLiteral(": ") + m_message).toUtf8()) {}
