#include "Exceptions.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

namespace {

// Runs a failing file operation and returns the number of the EInOutError it raised
// (-1 when it raised none), checking the error's type name and message on the way.
template <typename F> int raisedNumber(F&& operation) {
    try {
        operation();
    } catch (const EInOutError& e) {
        if (e.className() != QStringLiteral("EInOutError") ||
            e.message() != InOut::message(e.errorCode()) || e.code() != e.errorCode())
            return -2;
        return e.errorCode();
    }
    return -1;
}

} // namespace

class TestInOutError : public QObject {
    Q_OBJECT
private slots:
    void messages_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("2") << 2 << "File not found";
        QTest::newRow("3") << 3 << "Path not found";
        QTest::newRow("5") << 5 << "File access denied";
        QTest::newRow("100") << 100 << "Disk read error";
        QTest::newRow("101") << 101 << "Disk write error";
        QTest::newRow("103") << 103 << "File not open";
        QTest::newRow("104") << 104 << "File not open for input";
        QTest::newRow("105") << 105 << "File not open for output";
        QTest::newRow("without a message of its own") << 29 << "I/O error 29";
    }
    void messages() {
        QFETCH(int, number);
        QFETCH(QString, message);
        QCOMPARE(InOut::message(number), message);
        QCOMPARE(raisedNumber([&] { InOut::raise(number); }), number);
    }

    // Real failures of the file operations the record storage performs.
    void realFailures_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("number");
        QTest::newRow("reading a missing record") << "missing file" << 2;
        QTest::newRow("reading from a missing folder") << "missing folder read" << 3;
        QTest::newRow("writing into a missing folder") << "missing folder write" << 3;
        QTest::newRow("opening a folder as a file") << "folder" << 5;
        QTest::newRow("reading a file that is not open") << "read closed" << 103;
        QTest::newRow("writing a file that is not open") << "write closed" << 103;
        QTest::newRow("reading a file open for writing") << "read write-only" << 104;
        QTest::newRow("writing a file open for reading") << "write read-only" << 105;
        QTest::newRow("disk full") << "full" << 101;
        QTest::newRow("renaming a missing file") << "rename missing" << 2;
    }
    void realFailures() {
        QFETCH(QString, what);
        QFETCH(int, number);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile existing(dir.filePath(QStringLiteral("loan.sdg")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("line\r\n");
        existing.close();

        const int raised = raisedNumber([&] {
            using InOut::Operation;
            if (what == "missing file" || what == "missing folder read" || what == "folder") {
                QFile file(what == "missing file"          ? dir.filePath("absent.sdg")
                           : what == "missing folder read" ? dir.filePath("absent/absent.sdg")
                                                           : dir.path());
                if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
                    const int osError = errno;
                    InOut::raise(Operation::OpenRead, file, osError);
                }
            } else if (what == "missing folder write") {
                QFile file(dir.filePath("absent/$base"));
                if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
                    const int osError = errno;
                    InOut::raise(Operation::OpenWrite, file, osError);
                }
            } else if (what == "read closed") {
                InOut::raise(Operation::Read, existing, 0);
            } else if (what == "write closed") {
                InOut::raise(Operation::Write, existing, 0);
            } else if (what == "read write-only") {
                QFile file(dir.filePath("$base"));
                QVERIFY(file.open(QIODevice::WriteOnly));
                InOut::raise(Operation::Read, file, 0);
            } else if (what == "write read-only") {
                QVERIFY(existing.open(QIODevice::ReadOnly));
                InOut::raise(Operation::Write, existing, 0);
            } else if (what == "full") {
                QFile file(QStringLiteral("/dev/full"));
                if (!file.exists())
                    QSKIP("no full device here");
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("line\r\n");
                if (!file.flush()) {
                    const int osError = errno;
                    InOut::raise(Operation::Write, file, osError);
                }
            } else if (what == "rename missing") {
                QFile file(dir.filePath("$base"));
                if (!file.rename(dir.filePath("moved.sdg"))) {
                    const int osError = errno;
                    InOut::raise(Operation::Rename, file, osError);
                }
            }
        });
        QCOMPARE(raised, number);
    }

    // Causes the operating system reports, and Qt's error kinds when it reports none.
    void numbers_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("osError");
        QTest::addColumn<int>("fileError");
        QTest::addColumn<int>("number");
        const int open = int(InOut::Operation::OpenRead);
        const int create = int(InOut::Operation::OpenWrite);
        const int read = int(InOut::Operation::Read);
        const int write = int(InOut::Operation::Write);
        const int close = int(InOut::Operation::Close);
        QTest::newRow("permission") << open << EACCES << int(QFileDevice::OpenError) << 5;
        QTest::newRow("not permitted") << create << EPERM << int(QFileDevice::OpenError) << 5;
        QTest::newRow("read-only file system")
            << create << EROFS << int(QFileDevice::OpenError) << 19;
        QTest::newRow("too many open files") << open << EMFILE << int(QFileDevice::OpenError) << 4;
        QTest::newRow("name too long") << open << ENAMETOOLONG << int(QFileDevice::OpenError) << 3;
        QTest::newRow("device fault reading") << read << EIO << int(QFileDevice::ReadError) << 30;
        QTest::newRow("device fault writing") << write << EIO << int(QFileDevice::WriteError) << 29;
        QTest::newRow("disk full on close")
            << close << ENOSPC << int(QFileDevice::WriteError) << 101;
        QTest::newRow("locked by another program")
            << create << EBUSY << int(QFileDevice::OpenError) << 32;
        QTest::newRow("unknown cause, read error")
            << read << 0 << int(QFileDevice::ReadError) << 100;
        QTest::newRow("unknown cause, write error")
            << write << 0 << int(QFileDevice::WriteError) << 101;
        QTest::newRow("unknown cause, permissions")
            << create << 0 << int(QFileDevice::PermissionsError) << 5;
        QTest::newRow("unknown cause, nothing said on write")
            << write << 0 << int(QFileDevice::NoError) << 101;
        QTest::newRow("unrelated errno ignored")
            << read << EINTR << int(QFileDevice::ReadError) << 100;
    }
    void numbers() {
        QFETCH(int, operation);
        QFETCH(int, osError);
        QFETCH(int, fileError);
        QFETCH(int, number);
        QCOMPARE(InOut::numberFor(InOut::Operation(operation), osError,
                                  QFileDevice::FileError(fileError)),
                 number);
    }
};

QTEST_GUILESS_MAIN(TestInOutError)
#include "tst_inouterror.moc"
