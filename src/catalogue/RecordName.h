#pragma once

#include <QString>

// A record is stored in the working folder under its name followed by ".sdg", so the name
// must be a plain file name there: nothing outside the folder may ever be written or deleted
// through it.
namespace Catalogue {

inline const QString RecordExtension = QStringLiteral(".sdg");

// Why the name cannot be a record's file name, in Russian, or the empty text when it can. The
// empty name is not judged here: saving and deleting have their own message for it.
// Refused: "/" and "\", the names "." and "..", control characters (line breaks, tabs and
// the like), blanks at the start or the end, and a name whose file name is longer than the
// file system allows.
QString RecordNameProblem(const QString& name);

// The message shown when a command refuses a name: the command's own first line, then the
// reason from RecordNameProblem.
QString RefusedNameMessage(const QString& lead, const QString& problem);

} // namespace Catalogue
