#pragma once

#include <QString>

// The FileVersion text of the version information embedded in a program file; empty text
// when the file has none or cannot be read. Nothing is reported.
QString MyVersion(const QString& fileName);

// The short program version: FileVersion cut before its second "." ("1.3.0.0" gives "1.3");
// a text with fewer than two dots is kept whole ("2.0").
QString CutVersion(const QString& fileVersion);
