#include "Exceptions.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

Exception::Exception(const char* className, QString message, int code)
    : m_className(QString::fromLatin1(className))
    , m_message(std::move(message))
    , m_code(code)
    , m_what((m_className + QStringLiteral(": ") + m_message).toUtf8()) {}

namespace InOut {
namespace {

bool isOpening(Operation operation) {
    return operation == Operation::OpenRead || operation == Operation::OpenWrite;
}

// A file that cannot be found is "path not found" when its folder is missing too.
int missingFileNumber(const QString& path) {
    if (path.isEmpty())
        return FileNotFound;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return PathNotFound;
    return FileNotFound;
}

// The cause of a failed open, rename or removal read from the file system itself, for when
// the operating system's error is not known.
int numberFromPath(Operation operation, const QString& path) {
    if (path.isEmpty())
        return AccessDenied;
    const QFileInfo info(path);
    if (operation == Operation::OpenWrite)
        return info.absoluteDir().exists() ? AccessDenied : PathNotFound;
    if (!info.exists())
        return missingFileNumber(path);
    return AccessDenied;
}

int numberFromOsError(Operation operation, int osError, const QString& path) {
    switch (osError) {
    case ENOENT:
        // Writing a file fails with "no such entry" only when its folder is missing.
        return operation == Operation::OpenWrite ? int(PathNotFound) : missingFileNumber(path);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return PathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
        return AccessDenied;
    case EROFS:
        return WriteProtected;
    case EMFILE:
    case ENFILE:
        return TooManyOpenFiles;
    case EBADF:
        return InvalidHandle;
    case EEXIST:
        return FileExists;
    case EBUSY:
    case ETXTBSY:
        return SharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskWriteError;
    case EIO:
        return operation == Operation::Read ? int(ReadFault) : int(WriteFault);
    default:
        return 0;
    }
}

int numberFromOperation(Operation operation, const QString& path) {
    switch (operation) {
    case Operation::Read:
        return DiskReadError;
    case Operation::Write:
    case Operation::Close:
        return DiskWriteError;
    case Operation::Seek:
        return 25; // seek error
    default:
        return numberFromPath(operation, path);
    }
}

} // namespace

int numberFor(Operation operation, int osError, QFileDevice::FileError error, const QString& path) {
    if (const int number = numberFromOsError(operation, osError, path))
        return number;
    switch (error) {
    case QFileDevice::ReadError:
        return DiskReadError;
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return DiskWriteError;
    case QFileDevice::ResourceError:
        return isOpening(operation) ? int(TooManyOpenFiles) : int(DiskWriteError);
    case QFileDevice::PermissionsError:
        return AccessDenied;
    case QFileDevice::PositionError:
        return 25;
    default:
        return numberFromOperation(operation, path);
    }
}

QString message(int number) {
    switch (number) {
    case 2:
        return QStringLiteral("File not found");
    case 3:
        return QStringLiteral("Path not found");
    case 4:
        return QStringLiteral("Too many open files");
    case 5:
        return QStringLiteral("File access denied");
    case 6:
        return QStringLiteral("Invalid file handle");
    case 12:
        return QStringLiteral("Invalid file access code");
    case 15:
        return QStringLiteral("Invalid drive number");
    case 16:
        return QStringLiteral("Cannot remove current directory");
    case 17:
        return QStringLiteral("Cannot rename across drives");
    case 18:
        return QStringLiteral("No more files");
    case 100:
        return QStringLiteral("Disk read error");
    case 101:
        return QStringLiteral("Disk write error");
    case 102:
        return QStringLiteral("File not assigned");
    case 103:
        return QStringLiteral("File not open");
    case 104:
        return QStringLiteral("File not open for input");
    case 105:
        return QStringLiteral("File not open for output");
    case 106:
        return QStringLiteral("Invalid numeric format");
    case 150:
        return QStringLiteral("Disk is write-protected");
    case 151:
        return QStringLiteral("Unknown unit");
    case 152:
        return QStringLiteral("Drive not ready");
    case 153:
        return QStringLiteral("Unknown command");
    case 154:
        return QStringLiteral("CRC error in data");
    case 155:
        return QStringLiteral("Bad drive request structure length");
    case 156:
        return QStringLiteral("Disk seek error");
    case 157:
        return QStringLiteral("Unknown media type");
    case 158:
        return QStringLiteral("Sector not found");
    case 159:
        return QStringLiteral("Printer out of paper");
    case 160:
        return QStringLiteral("Device write fault");
    case 161:
        return QStringLiteral("Device read fault");
    case 162:
        return QStringLiteral("Hardware failure");
    default:
        return QStringLiteral("I/O error %1").arg(number);
    }
}

void raise(int number) {
    throw EInOutError(number, message(number));
}

void raise(Operation operation, const QFileDevice& file, int osError) {
    // Reading, writing or moving within a file that is not open, or not open that way.
    if (!isOpening(operation) && operation != Operation::Rename && operation != Operation::Remove) {
        if (!file.isOpen())
            raise(FileNotOpen);
        if (operation == Operation::Read && !file.isReadable())
            raise(FileNotOpenForInput);
        if (operation == Operation::Write && !file.isWritable())
            raise(FileNotOpenForOutput);
    }
    raise(numberFor(operation, osError, file.error(), file.fileName()));
}

} // namespace InOut
