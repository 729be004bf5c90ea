#include "RecordReader.h"

#include "Exceptions.h"
#include "MessageService.h"
#include "NumberText.h"
#include "SharedTextFile.h"

namespace Storage {

DecodedLines DecodeRecordLines(SharedTextFile& file) {
    DecodedLines decoded;
    QByteArray buffer;
    for (int n = 0;; ++n) {
        const SharedTextFile::ReadResult read = file.readLine(buffer);
        if (read == SharedTextFile::ReadResult::End)
            break;
        if (read == SharedTextFile::ReadResult::TooLong) {
            decoded.failedLine = n;
            decoded.check = DecodeCheck::CheckDigit;
            break;
        }
        DecodeCheck check = DecodeCheck::Passed;
        QString plain = DecodeLineChecked(QByteArrayView(buffer), n, check);
        if (check != DecodeCheck::Passed) {
            decoded.failedLine = n;
            decoded.check = check;
            break;
        }
        decoded.lines << std::move(plain);
    }
    return decoded;
}

std::optional<QStringList> ReadRecordLines(SharedTextFile& file, MessageService& messages) {
    DecodedLines decoded = DecodeRecordLines(file);
    if (decoded.failedLine >= 0) {
        messages.showMessage(IntegrityMessage());
        return std::nullopt;
    }
    return std::move(decoded.lines);
}

RecordLayout DetectLayout(const QStringList& plainLines, RecordLayout previous) {
    for (const RecordLayout layout : {RecordLayout::Older, RecordLayout::Current}) {
        const int marker = MarkerLine(layout);
        if (plainLines.size() > marker && plainLines[marker] == PlainLine(DosPlatMarker, marker))
            return layout;
    }
    return previous;
}

namespace {

class Interpreter {
public:
    Interpreter(const QStringList& lines, RecordLayout layout)
        : m_lines(lines)
        , m_count(static_cast<int>(lines.size())) {
        m_read.layout = layout;
        m_read.lineCount = m_count;
    }

    RecordRead run() {
        if (fixedPart() && sections())
            trailingLines();
        if (m_read.failure == RecordRead::Failure::None)
            m_read.linesRead = m_count;
        return std::move(m_read);
    }

private:
    // Stops at line stop (the lines before it are read) and reports line reported.
    bool fail(int stop, int reported,
              RecordRead::Failure failure = RecordRead::Failure::Unreadable) {
        m_read.failure = failure;
        m_read.failedLine = reported;
        m_read.linesRead = stop;
        return false;
    }
    bool fail(int n) { return fail(n, n); }

    QString value(int n) const { return LineValue(m_lines[n]).toString(); }

    // A grid size: a decimal integer (else a conversion error), neither negative nor above
    // the lines a file can have. When the second size of a grid is known, its cells must fit
    // in the lines after the "DosPlat" marker; if they do not, the file ends inside a section
    // and the first missing line is reported, before the grid would have been enlarged.
    bool size(int n, int& target, const GridRecord* completes) {
        int count = 0;
        try {
            count = NumberText::StrToInt(value(n));
        } catch (const EConvertError& error) {
            m_read.conversionMessage = error.message();
            return fail(n, n, RecordRead::Failure::Conversion);
        }
        if (count < 0 || count > MaxRecordLines)
            return fail(n, n);
        if (completes) {
            const qint64 cells = qint64(completes->colCount) * count;
            const qint64 room = qint64(m_count) - MarkerLine(m_read.layout) - 2;
            if (cells > std::max<qint64>(room, 0))
                return fail(n, m_count);
        }
        target = count;
        return true;
    }

    bool fixedPart() {
        const std::vector<LayoutLine>& layout = LayoutLines(m_read.layout);
        Record& record = m_read.record;
        for (int n = 0; n < static_cast<int>(layout.size()); ++n) {
            if (n >= m_count)
                return false; // the file ends before its sections: what it has is loaded
            const LayoutLine& line = layout[size_t(n)];
            const bool keyChecked =
                !(line.kind == LineKind::Ignored ||
                  (line.kind == LineKind::Version && m_read.layout == RecordLayout::Current));
            if (keyChecked && !HasOwnKey(m_lines[n], n))
                return fail(n);
            switch (line.kind) {
            case LineKind::Version:
                record.version = value(n);
                break;
            case LineKind::Page:
                record.pageId = value(n);
                break;
            case LineKind::LoanField:
                record[line.field] = value(n);
                break;
            case LineKind::Status0:
                record.status0 = value(n);
                break;
            case LineKind::Status1:
                record.status1 = value(n);
                break;
            case LineKind::DosPlatCols:
                if (!size(n, record.dosPlat.colCount, nullptr))
                    return false;
                break;
            case LineKind::DosPlatRows:
                if (!size(n, record.dosPlat.rowCount, &record.dosPlat))
                    return false;
                break;
            case LineKind::GrafikCols:
                if (!size(n, record.grafik.colCount, nullptr))
                    return false;
                break;
            case LineKind::GrafikRows:
                if (!size(n, record.grafik.rowCount, &record.grafik))
                    return false;
                break;
            case LineKind::Marker:
                if (LineValue(m_lines[n]) != DosPlatMarker)
                    return fail(n);
                break;
            case LineKind::Reserved:
            case LineKind::Filler:
            case LineKind::Ignored:
                break;
            }
        }
        m_next = static_cast<int>(layout.size());
        return true;
    }

    // The next line of a section: it must be there and carry its own key.
    bool sectionLine(int n) {
        if (n >= m_count || !HasOwnKey(m_lines[n], n))
            return fail(n);
        return true;
    }

    bool sections() {
        Record& record = m_read.record;
        int n = m_next;
        const qint64 dosPlatCells = qint64(record.dosPlat.colCount) * record.dosPlat.rowCount;
        record.dosPlat.cells.reserve(size_t(dosPlatCells));
        for (qint64 i = 0; i < dosPlatCells; ++i, ++n) {
            if (!sectionLine(n))
                return false;
            if (LineValue(m_lines[n]) == GrafikMarker)
                break;
            record.dosPlat.cells.push_back(value(n));
        }
        if (!sectionLine(n) || LineValue(m_lines[n]) != GrafikMarker)
            return fail(n);
        ++n;
        const qint64 grafikCells = qint64(record.grafik.colCount) * record.grafik.rowCount;
        record.grafik.cells.reserve(size_t(grafikCells));
        for (qint64 i = 0; i < grafikCells; ++i, ++n) {
            if (!sectionLine(n))
                return false;
            record.grafik.cells.push_back(value(n));
        }
        m_next = n;
        return true;
    }

    bool trailingLines() {
        for (int n = m_next; n < m_count; ++n)
            if (!HasOwnKey(m_lines[n], n))
                return fail(n);
        return true;
    }

    const QStringList& m_lines;
    const int m_count;
    int m_next = 0;
    RecordRead m_read;
};

} // namespace

RecordRead InterpretRecord(const QStringList& plainLines, RecordLayout layout) {
    return Interpreter(plainLines, layout).run();
}

std::optional<RecordRead> ReadRecord(SharedTextFile& file, MessageService& messages,
                                     RecordLayout& layoutIndicator) {
    const std::optional<QStringList> lines = ReadRecordLines(file, messages);
    if (!lines)
        return std::nullopt;
    layoutIndicator = DetectLayout(*lines, layoutIndicator);
    return InterpretRecord(*lines, layoutIndicator);
}

QString FileAccessMessage() {
    return QStringLiteral("Ошибка доступа к файлу");
}

QString UnreadableLineMessage(int line) {
    return QStringLiteral("Невозможно прочитать строку №") + QString::number(line);
}

} // namespace Storage
