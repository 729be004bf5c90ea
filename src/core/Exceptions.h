#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <exception>

// Every failure that no handler deals with travels as one of these typed exceptions to the
// window's error hook: a type name, an English message and, for the coded kinds, a number.
//
// The type name is part of the error report's text, and the report recognises a kind by that
// exact name only: a kind derived from a listed one but carrying its own name is reported
// under its own name, without the entry of its base.
class Exception : public std::exception {
public:
    Exception(const char* className, QString message, int code = 0);

    const QString& className() const noexcept { return m_className; }
    const QString& message() const noexcept { return m_message; }
    // The number the error carries: the input/output error number of EInOutError, the fixed
    // code of the other coded kinds (see below), 0 for the kinds that carry none. The report
    // prints it as an unsigned 16-bit value.
    int code() const noexcept { return m_code; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_className;
    QString m_message;
    int m_code;
    QByteArray m_what;
};

// Declares a kind of error named after its C++ class. The class can also be raised under
// another type name (and code), which the report then prints instead.
#define SUDOGRAF_EXCEPTION_CODED(Name, Base, Code)                                                 \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        explicit Name(QString message, const char* className = #Name, int code = Code)             \
            : Base(std::move(message), className, code) {}                                         \
    };

#define SUDOGRAF_EXCEPTION(Name, Base) SUDOGRAF_EXCEPTION_CODED(Name, Base, 0)

// Base for kinds raised with a type name other than their own C++ name.
class ENamedException : public Exception {
public:
    ENamedException(QString message, const char* className, int code = 0)
        : Exception(className, std::move(message), code) {}
};

// The codes of the coded kinds other than EInOutError are the run-time error numbers whose
// descriptions say the same thing: 200 division by zero, 205 floating-point overflow,
// 207 invalid floating-point operation, 216 general protection fault, 219 invalid typecast,
// 201 range check (an index outside a list or a grid), 106 invalid numeric format.

// A text that is not a number or a date.
SUDOGRAF_EXCEPTION_CODED(EConvertError, ENamedException, 106)

// Faults of the processor: floating-point and integer arithmetic, memory access.
SUDOGRAF_EXCEPTION(EExternal, ENamedException)
SUDOGRAF_EXCEPTION(EMathError, EExternal)
SUDOGRAF_EXCEPTION_CODED(EZeroDivide, EMathError, 200)
SUDOGRAF_EXCEPTION_CODED(EInvalidOp, EMathError, 207)
SUDOGRAF_EXCEPTION_CODED(EOverflow, EMathError, 205)
SUDOGRAF_EXCEPTION(EUnderflow, EMathError)
SUDOGRAF_EXCEPTION(EIntError, EExternal)
SUDOGRAF_EXCEPTION(EDivByZero, EIntError)
SUDOGRAF_EXCEPTION(ERangeError, EIntError)
SUDOGRAF_EXCEPTION(EIntOverflow, EIntError)
SUDOGRAF_EXCEPTION_CODED(EAccessViolation, EExternal, 216)

// Memory exhaustion.
SUDOGRAF_EXCEPTION(EHeapException, ENamedException)
SUDOGRAF_EXCEPTION(EOutOfMemory, EHeapException)

// A value used as a type it is not.
SUDOGRAF_EXCEPTION_CODED(EInvalidCast, ENamedException, 219)

// Index outside a list or a grid.
SUDOGRAF_EXCEPTION_CODED(EListError, ENamedException, 201)
SUDOGRAF_EXCEPTION(EStringListError, ENamedException)
SUDOGRAF_EXCEPTION_CODED(EInvalidGridOperation, ENamedException, 201)

// Arguments a routine does not accept, and failures reported by the operating system.
SUDOGRAF_EXCEPTION(EArgumentException, ENamedException)
SUDOGRAF_EXCEPTION(EArgumentOutOfRangeException, EArgumentException)
SUDOGRAF_EXCEPTION(EOSError, ENamedException)

// Input/output failure of a file, with its error number: 2 file not found, 3 path not found,
// 5 access denied, 101 disk write error, 103 file not open and the others of the error code
// table's first part. InOut below chooses the number for a failed file operation.
class EInOutError : public Exception {
public:
    EInOutError(int errorCode, QString message)
        : Exception("EInOutError", std::move(message), errorCode) {}
    int errorCode() const noexcept { return code(); }
};

// Input/output errors of the record files. A failed operation on a QFile is turned into the
// error number that describes it, and EInOutError is raised with that number and its English
// message. Take errno right after the failing call, before anything else can change it:
//
//     if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
//         const int osError = errno;
//         InOut::raise(InOut::Operation::OpenRead, file, osError);
//     }
namespace InOut {

enum class Operation {
    OpenRead,  // opening an existing file to read it
    OpenWrite, // creating or rewriting a file
    Read,
    Write,
    Close, // closing, which flushes what was written
    Rename,
    Remove,
    Seek,
};

// Error numbers the program raises.
enum Number : int {
    FileNotFound = 2,
    PathNotFound = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    InvalidHandle = 6,
    WriteProtected = 19,
    WriteFault = 29,
    ReadFault = 30,
    SharingViolation = 32,
    FileExists = 80,
    DiskReadError = 100,
    DiskWriteError = 101,
    FileNotOpen = 103,
    FileNotOpenForInput = 104,
    FileNotOpenForOutput = 105,
};

// The number for a failed operation: from the operating system's error (errno) when it
// names the cause, otherwise from Qt's error kind, the operation and, for a failed open,
// whether the file and its folder exist.
int numberFor(Operation operation, int osError, QFileDevice::FileError error,
              const QString& path = {});

// English message of an error number: "File not found" for 2, "I/O error 112" for a number
// without a message of its own.
QString message(int number);

// Raises EInOutError with the number and its message.
[[noreturn]] void raise(int number);
[[noreturn]] void raise(Operation operation, const QFileDevice& file, int osError);

} // namespace InOut
