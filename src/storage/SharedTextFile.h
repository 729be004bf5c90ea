#pragma once

#include "ClosableFile.h"
#include "Exceptions.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringView>

// The program's one text file object: every record file is read and the temporary file of a
// save is written through it, one file at a time. The window owns it and hands it to the error
// handling, which closes it when an error interrupts the operation that had it open.
//
// Every line written ends in CR LF. Reading takes LF or CR LF as a line's end; a last line
// without one is a line too. Failed file operations raise EInOutError with the number of the
// cause (2 file not found, 5 access denied, 101 disk write error, 103 file not open, ...).
class SharedTextFile : public ClosableFile {
public:
    // The longest line read whole. No line the program writes comes near it (a coded line of
    // the longest plain line has about 100,000 letters); a longer one is reported as such and
    // skipped, so that a damaged file cannot fill the memory.
    static constexpr qsizetype MaxLineLength = 1 << 20;

    SharedTextFile() = default;
    SharedTextFile(const SharedTextFile&) = delete;
    SharedTextFile& operator=(const SharedTextFile&) = delete;
    ~SharedTextFile() override;

    // Opens an existing file for reading, at its start. A file still open is closed first.
    void openRead(const QString& fileName);
    // Creates the file, or empties an existing one, for writing.
    void openWrite(const QString& fileName);

    bool isOpen() const override { return m_file.isOpen(); }
    QString fileName() const { return m_file.fileName(); }
    // Closes the file, writing out what is still buffered. The file counts as closed even when
    // that fails (the failure is raised).
    void close() override;

    enum class ReadResult {
        Line,    // line holds the next line without its line end
        TooLong, // the next line was longer than MaxLineLength; it has been skipped
        End,     // no more lines
    };
    // Reads the next line. The buffer is reused from call to call.
    ReadResult readLine(QByteArray& line);

    // Writes the text (whose characters are written as UTF-8) followed by CR LF.
    void writeLine(QStringView text);

private:
    void open(const QString& fileName, QIODevice::OpenMode mode, InOut::Operation operation);

    QFile m_file;
};
