#include "CatalogueScan.h"

#include "DateText.h"
#include "Exceptions.h"
#include "NumberText.h"
#include "RecordFolder.h"
#include "RecordReader.h"
#include "SharedTextFile.h"

namespace Catalogue {
namespace {

// Closes the shared file when a record has been read, whichever way the reading ended.
class ClosingGuard {
public:
    explicit ClosingGuard(SharedTextFile& file)
        : m_file(file) {}
    ~ClosingGuard() {
        if (m_file.isOpen()) {
            try {
                m_file.close();
            } catch (...) {
                // A file opened for reading has nothing to write out.
            }
        }
    }
    ClosingGuard(const ClosingGuard&) = delete;
    ClosingGuard& operator=(const ClosingGuard&) = delete;

private:
    SharedTextFile& m_file;
};

class RecordScan {
public:
    RecordScan(CatalogueScan& scan, int row, QDate today, bool hideFinished)
        : m_scan(scan)
        , m_row(row)
        , m_today(today)
        , m_hideFinished(hideFinished) {}

    // False when the record ends the scan; m_scan.failure then says why.
    bool run(const QString& folder, SharedTextFile& file, Storage::RecordLayout& layoutIndicator) {
        ClosingGuard closing(file);
        Storage::DecodedLines decoded;
        try {
            file.openRead(RecordFilePath(folder, row().name));
            decoded = Storage::DecodeRecordLines(file);
        } catch (const EInOutError&) {
            return fail(ScanFailure::Kind::Access);
        }
        if (decoded.failedLine >= 0)
            return fail(ScanFailure::Kind::Integrity);
        m_lines = &decoded.lines;
        layoutIndicator = Storage::DetectLayout(decoded.lines, layoutIndicator);
        return fields(layoutIndicator) && payments(layoutIndicator);
    }

private:
    CatalogueRow& row() { return m_scan.rows[static_cast<size_t>(m_row)]; }
    int lineCount() const { return static_cast<int>(m_lines->size()); }
    QString value(int n) const { return Storage::LineValue((*m_lines)[n]).toString(); }

    bool fail(ScanFailure::Kind kind, int line = -1) {
        m_scan.failure.kind = kind;
        m_scan.failure.row = m_row;
        m_scan.failure.line = line;
        return false;
    }

    // The lines the catalogue takes from the fixed part, in file order; each must end in its
    // own key. A file that ends before one of them simply lacks it.
    bool fields(Storage::RecordLayout layout) {
        using Storage::LineKind;
        const int nameLine = Storage::FieldLine(Storage::Field::EName, layout);
        const int dateLine = Storage::FieldLine(Storage::Field::EDataVydachi, layout);
        const int colsLine = Storage::LineOf(LineKind::GrafikCols, layout);
        const int rowsLine = Storage::LineOf(LineKind::GrafikRows, layout);
        for (const int n : {nameLine, dateLine, colsLine, rowsLine}) {
            if (n >= lineCount())
                return true;
            if (!Storage::HasOwnKey((*m_lines)[n], n))
                return fail(ScanFailure::Kind::Unreadable, n);
            if (n == nameLine)
                m_recordName = value(n);
            else if (n == dateLine)
                row().issueDate = value(n);
            else if (n == colsLine)
                m_columns = NumberText::StrToInt(value(n));
        }
        return true;
    }

    // The schedule section follows its "Grafik" marker, the first line after the early
    // payments' marker that holds that word; a name or a note that reads "Grafik" is no
    // marker. Its rows hold m_columns cells each: row k's date is the line marker + k *
    // columns + 2, its payment the line after. The last two rows are the last payment and the
    // totals: the totals row is never read, and the last payment's date tells whether the
    // loan is finished.
    bool payments(Storage::RecordLayout layout) {
        const int v = m_columns;
        if (v <= 0)
            return true;
        int marker = -1;
        for (int n = Storage::MarkerLine(layout) + 1; n < lineCount(); ++n)
            if (Storage::LineValue((*m_lines)[n]) == Storage::GrafikMarker) {
                marker = n;
                break;
            }
        if (marker < 0)
            return true;
        const qint64 lastDate = qint64(lineCount()) - 2 * qint64(v) + 1;
        const qint64 firstDate = qint64(marker) + v + 2;
        for (qint64 d = firstDate; d <= lastDate && d < lineCount(); d += v) {
            const int n = static_cast<int>(d);
            const QString date = value(n);
            if (m_today <= DateText::StrToDate(date))
                m_scan.payments.push_back(
                    {date, n + 1 < lineCount() ? value(n + 1) : QString(), m_recordName});
        }
        if (lastDate >= firstDate && lastDate < lineCount() &&
            DateText::StrToDate(value(static_cast<int>(lastDate))) < m_today) {
            row().finished = true;
            if (m_hideFinished) {
                row().name.clear();
                row().issueDate.clear();
            }
        }
        return true;
    }

    CatalogueScan& m_scan;
    const int m_row;
    const QDate m_today;
    const bool m_hideFinished;
    const QStringList* m_lines = nullptr;
    QString m_recordName;
    int m_columns = 0;
};

} // namespace

QString ScanFailure::message() const {
    switch (kind) {
    case Kind::Access:
        return Storage::FileAccessMessage();
    case Kind::Integrity:
        return Storage::IntegrityMessage();
    case Kind::Unreadable:
        return Storage::UnreadableLineMessage(line);
    default:
        return {};
    }
}

CatalogueScan ScanCatalogue(const QString& folder, SharedTextFile& file, QDate today,
                            bool hideFinished, Storage::RecordLayout& layoutIndicator) {
    CatalogueScan scan;
    for (const QString& name : ListRecordNames(folder))
        scan.rows.push_back({name, QString(), false});
    for (int row = 0; row < static_cast<int>(scan.rows.size()); ++row) {
        try {
            if (!RecordScan(scan, row, today, hideFinished).run(folder, file, layoutIndicator))
                break;
        } catch (...) {
            scan.failure.kind = ScanFailure::Kind::Error;
            scan.failure.row = row;
            scan.failure.error = std::current_exception();
            break;
        }
    }
    return scan;
}

} // namespace Catalogue
