// Arbitrary bytes against the line coder and the record reader. The first byte chooses:
//   0: the bytes as one coded line, decoded with a key taken from the next two bytes;
//   1: the bytes (as UTF-16 code units) as a plain line: coding it and decoding it gives it back;
//   2: the bytes as a whole record file, read as the loader reads it; a record read whole is
//      written again and must read back the same.
// Nothing may crash, leak, hang, overflow or allocate beyond the file's size.
#include "Exceptions.h"
#include "LineCoder.h"
#include "MessageService.h"
#include "RecordReader.h"
#include "RecordWriter.h"
#include "SharedTextFile.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

class SilentMessages : public MessageService {
public:
    void showMessage(const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
};

void check(bool condition) {
    if (!condition)
        abort();
}

void decodeOneLine(const uint8_t* data, size_t size) {
    if (size < 2)
        return;
    const int key = (data[0] | data[1] << 8) % 10000;
    Storage::DecodeCheck checkResult = Storage::DecodeCheck::Passed;
    try {
        const QString plain = Storage::DecodeLineChecked(
            QByteArrayView(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)), key,
            checkResult);
        if (checkResult == Storage::DecodeCheck::Passed) {
            // What passes carries its key and codes back to a line that decodes the same.
            check(!plain.isEmpty());
            Storage::DecodeCheck again = Storage::DecodeCheck::Passed;
            check(Storage::DecodeLineChecked(Storage::EncodeLine(plain), key, again) == plain);
            check(again == Storage::DecodeCheck::Passed);
        } else {
            check(plain.isEmpty());
        }
    } catch (const EConvertError&) {
    }
}

void roundTripPlainLine(const uint8_t* data, size_t size) {
    QString plain;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = char16_t(data[i] | data[i + 1] << 8);
        plain += QChar(unit == 0 ? char16_t(1) : unit);
    }
    plain += QStringLiteral("0042");
    Storage::DecodeCheck result = Storage::DecodeCheck::Passed;
    const QString decoded = Storage::DecodeLineChecked(Storage::EncodeLine(plain), 42, result);
    if (plain.size() <= Storage::MaxPlainLineLength)
        check(result == Storage::DecodeCheck::Passed && decoded == plain);
    else
        check(result == Storage::DecodeCheck::Length);
}

bool complete(const Storage::GridRecord& grid) {
    return qint64(grid.cells.size()) == qint64(grid.colCount) * grid.rowCount;
}

void readRecord(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("record.sdg"));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    SilentMessages messages;
    SharedTextFile file;
    try {
        file.openRead(path);
        Storage::RecordLayout layout =
            size % 2 ? Storage::RecordLayout::Current : Storage::RecordLayout::Older;
        const std::optional<Storage::RecordRead> read = Storage::ReadRecord(file, messages, layout);
        file.close();
        if (!read)
            return;
        const Storage::Record& record = read->record;
        // No grid larger than the file.
        check(qint64(record.dosPlat.colCount) * record.dosPlat.rowCount <= qint64(size));
        check(qint64(record.grafik.colCount) * record.grafik.rowCount <= qint64(size));
        check(record.dosPlat.colCount <= Storage::MaxRecordLines);
        check(record.grafik.rowCount <= Storage::MaxRecordLines);
        if (read->failure != Storage::RecordRead::Failure::None || !complete(record.dosPlat) ||
            !complete(record.grafik) || !Storage::RecordLimitProblem(record).isEmpty())
            return;
        // A record read whole writes again and reads back the same.
        QRandomGenerator random(1);
        const QStringList lines = Storage::RecordLines(record, QDate(2024, 1, 1), random);
        Storage::RecordLayout again = Storage::DetectLayout(lines, Storage::RecordLayout::Older);
        check(again == Storage::RecordLayout::Current);
        const Storage::RecordRead reread = Storage::InterpretRecord(lines, again);
        check(reread.failure == Storage::RecordRead::Failure::None);
        Storage::Record expected = record;
        if (read->layout == Storage::RecordLayout::Older)
            expected.pageId = Storage::CurrentPageId;
        check(reread.record == expected);
    } catch (const EConvertError&) {
    } catch (const EInOutError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    switch (data[0] % 3) {
    case 0:
        decodeOneLine(data + 1, size - 1);
        break;
    case 1:
        roundTripPlainLine(data + 1, size - 1);
        break;
    default:
        readRecord(data + 1, size - 1);
        break;
    }
    return 0;
}
