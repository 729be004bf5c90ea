#include "RecordFolder.h"

#include "ErrorCodeTable.h"
#include "Exceptions.h"
#include "MessageService.h"
#include "RecordName.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif
#if defined(Q_OS_WIN)
#include <io.h>
#endif

namespace Catalogue {
namespace {

// Whether the folder holds an entry of that path, a dangling symbolic link included.
bool entryExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

// The Russian description of a failed file operation.
QString reason(InOut::Operation operation, int osError, QFileDevice::FileError error,
               const QString& path) {
    return ErrorCodeText(static_cast<unsigned>(InOut::numberFor(operation, osError, error, path)));
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

// Makes a finished rename in the folder last through a power loss. Where the folder cannot be
// synchronised the rename has still happened; nothing is reported.
void syncFolder([[maybe_unused]] const QString& folder) {
#if defined(Q_OS_UNIX)
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

// Renames without replacing: fails with EEXIST when the target exists. Returns errno, or 0.
int renameNoReplace(const QString& from, const QString& to) {
#if defined(Q_OS_LINUX)
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                    QFile::encodeName(to).constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // The file system cannot rename without replacing: a hard link can only be new.
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) {
        ::unlink(QFile::encodeName(from).constData());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP)
        return errno;
#endif
    if (entryExists(to))
        return EEXIST;
    std::error_code ec;
    std::filesystem::rename(nativePath(from), nativePath(to), ec);
    return ec.value();
}

} // namespace

QString RecordFilePath(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + RecordExtension);
}

QString TemporaryFilePath(const QString& folder) {
    return QDir(folder).filePath(TemporaryFileName);
}

QStringList ListRecordNames(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, {QStringLiteral("*") + RecordExtension},
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot |
                        QDir::CaseSensitive);
    while (it.hasNext()) {
        const QString fileName = it.nextFileInfo().fileName();
        names << fileName.left(fileName.size() - RecordExtension.size());
    }
    return names;
}

bool RecordExists(const QString& folder, const QString& name) {
    return entryExists(RecordFilePath(folder, name));
}

FileOutcome SyncToDisk(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        const int osError = errno;
        return QStringLiteral("Не удалось открыть файл ") + quoted(QFileInfo(path).fileName()) +
               QStringLiteral(": ") +
               reason(InOut::Operation::OpenRead, osError, file.error(), path);
    }
#if defined(Q_OS_UNIX)
    const int result = ::fsync(file.handle());
#elif defined(Q_OS_WIN)
    const int result = ::_commit(file.handle());
#else
    const int result = file.flush() ? 0 : -1;
#endif
    if (result != 0) {
        const int osError = errno;
        return QStringLiteral("Не удалось записать файл ") + quoted(QFileInfo(path).fileName()) +
               QStringLiteral(" на диск: ") +
               reason(InOut::Operation::Write, osError, QFileDevice::WriteError, path);
    }
    return {};
}

QString NotSavedNote(bool recordKept) {
    QString note = MessageLineBreak + QStringLiteral("Запись не сохранена.");
    if (recordKept)
        note += QStringLiteral(" Прежняя запись не изменена.");
    return note;
}

FileOutcome MoveTemporaryToRecord(const QString& folder, const QString& name, bool replace) {
    const QString from = TemporaryFilePath(folder);
    const QString to = RecordFilePath(folder, name);
    int osError = 0;
    if (replace) {
        // One rename replaces the old record: there is no moment without a record file.
        std::error_code ec;
        std::filesystem::rename(nativePath(from), nativePath(to), ec);
        osError = ec.value();
    } else {
        osError = renameNoReplace(from, to);
    }
    if (osError == 0) {
        syncFolder(folder);
        return {};
    }
    QString message = QStringLiteral("Не удалось переименовать временный файл ") +
                      quoted(TemporaryFileName) + QStringLiteral(" в ") +
                      quoted(name + RecordExtension) + QStringLiteral(": ") +
                      reason(InOut::Operation::Rename, osError, QFileDevice::RenameError, to) +
                      NotSavedNote(replace);
    if (const FileOutcome removed = RemoveTemporary(folder); !removed.isEmpty())
        message += MessageLineBreak + removed;
    return message;
}

FileOutcome RemoveTemporary(const QString& folder) {
    const QString path = TemporaryFilePath(folder);
    if (!entryExists(path))
        return {};
    QFile file(path);
    if (file.remove())
        return {};
    return QStringLiteral("Не удалось удалить временный файл ") + quoted(TemporaryFileName) +
           QStringLiteral(": ") + reason(InOut::Operation::Remove, 0, file.error(), path);
}

FileOutcome DeleteRecord(const QString& folder, const QString& name) {
    const QString path = RecordFilePath(folder, name);
    QFile file(path);
    if (file.remove())
        return {};
    // A folder under the record's name is not a record file, and is never removed.
    const QFileInfo info(path);
    const QString why = info.isDir() ? ErrorCodeText(InOut::AccessDenied)
                                     : reason(InOut::Operation::Remove, 0, file.error(), path);
    return QStringLiteral("Не удалось удалить файл ") + quoted(name + RecordExtension) +
           QStringLiteral(": ") + why;
}

} // namespace Catalogue
