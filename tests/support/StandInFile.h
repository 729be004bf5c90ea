#pragma once

#include "ClosableFile.h"
#include "Exceptions.h"

#include <QStringList>

// Stands in for the record storage's shared text file: records each close in a log that the
// test shares with its message boxes, so the order of the two shows.
class StandInFile : public ClosableFile {
public:
    explicit StandInFile(QStringList& log, bool isOpenNow = true)
        : open(isOpenNow)
        , m_log(log) {}
    bool isOpen() const override { return open; }
    void close() override {
        m_log << QStringLiteral("close");
        if (closeFails) {
            // A failing close leaves the file as it was: the hook must not try again and again.
            throw EInOutError(101, QStringLiteral("Disk write error"));
        }
        open = false;
    }

    bool open;
    bool closeFails = false;

private:
    QStringList& m_log;
};
