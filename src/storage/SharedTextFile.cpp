#include "SharedTextFile.h"

#include "Exceptions.h"

#include <cerrno>

SharedTextFile::~SharedTextFile() {
    // Nothing can be reported any more: a file left open is simply let go.
    if (m_file.isOpen())
        m_file.close();
}

void SharedTextFile::openRead(const QString& fileName) {
    open(fileName, QIODevice::ReadOnly, InOut::Operation::OpenRead);
}

void SharedTextFile::openWrite(const QString& fileName) {
    open(fileName, QIODevice::WriteOnly | QIODevice::Truncate, InOut::Operation::OpenWrite);
}

void SharedTextFile::open(const QString& fileName, QIODevice::OpenMode mode,
                          InOut::Operation operation) {
    if (m_file.isOpen())
        close();
    m_file.setFileName(fileName);
    errno = 0;
    if (!m_file.open(mode)) {
        const int osError = errno;
        InOut::raise(operation, m_file, osError);
    }
}

void SharedTextFile::close() {
    if (!m_file.isOpen())
        return;
    bool flushed = true;
    int osError = 0;
    if (m_file.openMode() & QIODevice::WriteOnly) {
        errno = 0;
        flushed = m_file.flush();
        osError = errno;
    }
    const int number = flushed ? 0
                               : InOut::numberFor(InOut::Operation::Close, osError, m_file.error(),
                                                  m_file.fileName());
    m_file.close();
    if (number != 0)
        InOut::raise(number);
}

SharedTextFile::ReadResult SharedTextFile::readLine(QByteArray& line) {
    if (!m_file.isOpen() || !(m_file.openMode() & QIODevice::ReadOnly))
        InOut::raise(m_file.isOpen() ? InOut::FileNotOpenForInput : InOut::FileNotOpen);
    if (m_file.atEnd())
        return ReadResult::End;

    // Reads into the buffer, growing it up to the longest line read whole.
    if (line.size() < 4096)
        line.resize(4096);
    qsizetype length = 0;
    bool tooLong = false;
    for (;;) {
        errno = 0;
        const qint64 got = m_file.readLine(line.data() + length, line.size() - length);
        if (got < 0) {
            if (m_file.atEnd())
                break;
            const int osError = errno;
            InOut::raise(InOut::Operation::Read, m_file, osError);
        }
        length += got;
        if (length > 0 && line[length - 1] == '\n')
            break;
        if (m_file.atEnd())
            break;
        // The buffer filled up before the line's end.
        if (line.size() < MaxLineLength + 2) {
            line.resize(std::min<qsizetype>(line.size() * 2, MaxLineLength + 2));
        } else {
            tooLong = true;
            length = 0;
        }
    }
    if (tooLong)
        return ReadResult::TooLong;
    if (length > 0 && line[length - 1] == '\n')
        --length;
    if (length > 0 && line[length - 1] == '\r')
        --length;
    if (length > MaxLineLength)
        return ReadResult::TooLong;
    line.truncate(length);
    return ReadResult::Line;
}

void SharedTextFile::writeLine(QStringView text) {
    if (!m_file.isOpen() || !(m_file.openMode() & QIODevice::WriteOnly))
        InOut::raise(m_file.isOpen() ? InOut::FileNotOpenForOutput : InOut::FileNotOpen);
    QByteArray bytes = text.toUtf8();
    bytes.append("\r\n", 2);
    errno = 0;
    if (m_file.write(bytes) != bytes.size()) {
        const int osError = errno;
        InOut::raise(InOut::Operation::Write, m_file, osError);
    }
}
