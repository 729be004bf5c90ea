#pragma once

#include "LineCoder.h"
#include "RecordFormat.h"

#include <QStringList>

#include <optional>

class MessageService;
class SharedTextFile;

// Reading a record file, in three steps that every reader of record files shares:
//   1. ReadRecordLines: every line decoded with its position as key (the whole-file check);
//   2. DetectLayout: which layout the file has, from its "DosPlat" marker;
//   3. InterpretRecord: the values, line by line, into a Record.
// Readers that need only a few lines (the catalogue) take steps 1 and 2 and then look at the
// lines themselves with FieldLine / LineOf, LineValue and HasOwnKey.
namespace Storage {

// The lines of a file, decoded. failedLine is -1 when every line passed; otherwise lines holds
// the lines before it and check says why it failed (a line longer than any record line counts
// as failing the check digit).
struct DecodedLines {
    QStringList lines; // plain lines, keys included
    int failedLine = -1;
    DecodeCheck check = DecodeCheck::Passed;
};

// Reads the open file from where it stands to its end, decoding line n with the key n, and
// stops at the first line that fails. Raises the line coder's EConvertError and the file's
// EInOutError.
DecodedLines DecodeRecordLines(SharedTextFile& file);

// The same, showing the integrity message when a line fails: the lines when all passed,
// nothing after the message otherwise.
std::optional<QStringList> ReadRecordLines(SharedTextFile& file, MessageService& messages);

// The layout of a file: older when line 37 reads "DosPlat0037", current when line 80 reads
// "DosPlat0080" (the first of the two that matches decides); the layout of the file read before
// (previous) when neither does.
RecordLayout DetectLayout(const QStringList& plainLines, RecordLayout previous);

// What interpreting the lines gave.
struct RecordRead {
    enum class Failure {
        None,
        // Line failedLine cannot be read: its key is not its position, a marker is wrong, a
        // grid size is negative or above 10,000, or the file ends inside a section (failedLine
        // is then the number of the first missing line; when a grid size already shows that
        // the file is too short, reading stops at that size's line).
        Unreadable,
        // Line failedLine holds a grid size that is not a decimal integer; conversionMessage
        // is the message of the conversion error to raise.
        Conversion,
    };

    Record record;
    RecordLayout layout = RecordLayout::Current;
    // The number of lines of the file.
    int lineCount = 0;
    // The lines whose values are in record: all lines when reading went through, the lines
    // before failedLine otherwise. A loader applies exactly these, in file order.
    int linesRead = 0;
    Failure failure = Failure::None;
    int failedLine = -1;
    QString conversionMessage;
};

// Interprets the decoded lines of a file in the given layout. A grid's cells are checked against
// the lines present before its size is accepted, so a damaged size allocates nothing: no grid
// can be larger than the file. The early-payments section ends after its cells or at the first
// line whose value is "Grafik"; the schedule section holds exactly its cells; lines after it
// are only checked for their keys.
RecordRead InterpretRecord(const QStringList& plainLines, RecordLayout layout);

// The three steps on the open file. Nothing when a line fails the whole-file check (the
// integrity message has been shown); layoutIndicator is the layout of the file read before and
// becomes the layout of this one.
std::optional<RecordRead> ReadRecord(SharedTextFile& file, MessageService& messages,
                                     RecordLayout& layoutIndicator);

// What the user is told when a record file cannot be opened, and when its line number line
// cannot be read.
QString FileAccessMessage();
QString UnreadableLineMessage(int line);

} // namespace Storage
