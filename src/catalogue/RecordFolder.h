#pragma once

#include <QString>
#include <QStringList>

// The record files of the working folder: every saved loan is the file "<name>.sdg" there. The
// folder is always handed in; nothing here reads the process's current directory.
namespace Catalogue {

// The temporary file a save writes completely before it becomes the record file.
inline const QString TemporaryFileName = QStringLiteral("$base");

// The path of the record file of a name, and of the temporary file.
QString RecordFilePath(const QString& folder, const QString& name);
QString TemporaryFilePath(const QString& folder);

// The names of every entry of the folder whose name ends in ".sdg" (the extension cut off),
// in the order the file system gives them: directories and hidden entries included, the
// extension matched exactly as it is written.
QStringList ListRecordNames(const QString& folder);

// Whether anything (a file or a folder) stands under the name.
bool RecordExists(const QString& folder, const QString& name);

// The outcome of a file operation: empty when it succeeded, otherwise the Russian message
// that tells the user what failed and why.
using FileOutcome = QString;

// Writes the file's content to the disk itself (not only to the system's buffers), so that a
// rename that follows cannot leave a record file without its content after a power loss.
FileOutcome SyncToDisk(const QString& path);

// Puts the completely written temporary file in place of the record file, in one atomic
// rename: at every moment the record file is either the old one whole or the new one whole.
// replace false: the record must not exist yet, and an existing one is never replaced.
// On failure the temporary file is removed and the record file stays as it was.
// The end of every message of a save that failed: the record is not saved, and a record of
// that name that existed is unchanged.
QString NotSavedNote(bool recordKept);

FileOutcome MoveTemporaryToRecord(const QString& folder, const QString& name, bool replace);

// Removes the temporary file, if there is one.
FileOutcome RemoveTemporary(const QString& folder);

// Deletes the record file of a name.
FileOutcome DeleteRecord(const QString& folder, const QString& name);

} // namespace Catalogue
