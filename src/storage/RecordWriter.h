#pragma once

#include "RecordFormat.h"

#include <QDate>
#include <QStringList>

#include <functional>

class QRandomGenerator;
class SharedTextFile;

// Writing a record in the current layout.
namespace Storage {

// Why the record cannot be written so that it reads back, or the empty text when it can: a
// file holds at most 10,000 lines, a plain line at most 16,666 code units, and no value may hold
// the code unit 0. Saving asks this before it writes anything.
QString RecordLimitProblem(const Record& record);

// The plain lines of the record, each value followed by its key: the version, the save date in
// line 0001, fresh random fillers, the fields, the status texts, the grid sizes, the
// early-payments section after its "DosPlat" marker and the schedule section after its
// "Grafik" marker.
QStringList RecordLines(const Record& record, QDate saveDate, QRandomGenerator& random);

// Writes the plain lines first .. end - 1 coded into the open file, each ending in CR LF, and
// calls afterLine with each line's number once it is written.
void WriteLines(SharedTextFile& file, const QStringList& plainLines, qsizetype first, qsizetype end,
                const std::function<void(int)>& afterLine = {});

} // namespace Storage
