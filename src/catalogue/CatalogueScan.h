#pragma once

#include "RecordFormat.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <exception>
#include <vector>

class SharedTextFile;

// The catalogue scan: every record file of the working folder read once, giving the rows of
// the record catalogue and the payments still due over all records.
namespace Catalogue {

// One catalogue row as the catalogue shows it: the record's file name without ".sdg" and the
// loan's issue date as stored. Both are empty for a finished loan hidden from the catalogue;
// the issue date is empty for a record that was not read (the scan ended before it) or that
// has no issue date line.
struct CatalogueRow {
    QString name;
    QString issueDate;
    // The loan's last payment lies before today.
    bool finished = false;
};

// A payment due today or later: its date and amount as the record's schedule holds them, and
// the name stored in the record (which may differ from its file name).
struct UpcomingPayment {
    QString date;
    QString amount;
    QString recordName;
};

// What ended the scan early.
struct ScanFailure {
    enum class Kind {
        None,
        Access,     // the record file cannot be opened or read
        Integrity,  // a line fails its check: the line coder's integrity message
        Unreadable, // a line the catalogue reads does not end in its own key
        Error,      // an error for the error report (a date or a count that is not one, ...)
    };
    Kind kind = Kind::None;
    int row = -1;  // the failing record's index in CatalogueScan::rows
    int line = -1; // for Unreadable: the zero-based line number
    std::exception_ptr error;

    explicit operator bool() const { return kind != Kind::None; }
    // The message the user sees (nothing for Error, which goes to the error report).
    QString message() const;
};

struct CatalogueScan {
    std::vector<CatalogueRow> rows; // every listed entry, in the file system's order
    // In catalogue order and, within a record, in schedule order; not yet sorted by date.
    std::vector<UpcomingPayment> payments;
    ScanFailure failure;
};

// Lists the "*.sdg" entries of the folder and reads each in turn through the shared text file.
// A payment counts as upcoming when today is not later than its date; a loan whose last
// payment is earlier than today is finished, and hidden when hideFinished is set. Every record
// read sets the layout indicator to its layout (a record without a layout marker is read in
// the layout of the one before). The first record that fails ends the scan: what was read up
// to that point stays in the result (the failing record's issue date and payments too, when
// they came before the failure).
CatalogueScan ScanCatalogue(const QString& folder, SharedTextFile& file, QDate today,
                            bool hideFinished, Storage::RecordLayout& layoutIndicator);

} // namespace Catalogue
