#pragma once

#include <QString>

#include <exception>

// Every failure that no handler deals with travels as one of these typed exceptions to the
// window's error hook: a type name, an English message and, for the coded kinds, a number.
class Exception : public std::exception {
public:
    Exception(const char* className, QString message);

    const QString& className() const noexcept { return m_className; }
    const QString& message() const noexcept { return m_message; }
    // Error code shown by the report; 0 for the kinds that carry none.
    virtual int code() const noexcept { return 0; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_className;
    QString m_message;
    QByteArray m_what;
};

#define SUDOGRAF_EXCEPTION(Name, Base)                                                             \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        explicit Name(QString message, const char* className = #Name)                              \
            : Base(std::move(message), className) {}                                               \
    };

// Base for kinds raised with a type name other than their own C++ name.
class ENamedException : public Exception {
public:
    ENamedException(QString message, const char* className)
        : Exception(className, std::move(message)) {}
};

SUDOGRAF_EXCEPTION(EConvertError, ENamedException)
SUDOGRAF_EXCEPTION(EMathError, ENamedException)
SUDOGRAF_EXCEPTION(EZeroDivide, EMathError)
SUDOGRAF_EXCEPTION(EInvalidOp, EMathError)
SUDOGRAF_EXCEPTION(EOverflow, EMathError)
SUDOGRAF_EXCEPTION(EListError, ENamedException)
SUDOGRAF_EXCEPTION(EStringListError, ENamedException)
SUDOGRAF_EXCEPTION(EInvalidGridOperation, ENamedException)

// Input/output failure of a file, with its operating-system style error number.
class EInOutError : public Exception {
public:
    EInOutError(int errorCode, QString message)
        : Exception("EInOutError", std::move(message)), m_errorCode(errorCode) {}
    int errorCode() const noexcept { return m_errorCode; }
    int code() const noexcept override { return m_errorCode; }

private:
    int m_errorCode;
};
