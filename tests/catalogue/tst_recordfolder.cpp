// The record files of a working folder: listing, putting a saved record in place without ever
// losing the old one, deleting.
#include "RecordFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

} // namespace

class RecordFolderTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_folder = m_dir->path();
    }

    // Every entry ending in ".sdg" is listed, folders and hidden files too, in the order the
    // file system gives them; other names and other spellings of the extension are not.
    void listsEntriesInFileSystemOrder() {
        for (const char* name : {"Машина.sdg", "b.sdg", "a.sdg", ".hidden.sdg", "z.sdg.bak",
                                 "$base", "UPPER.SDG", "plain", "x.sdg2"})
            writeFile(m_folder + "/" + QString::fromUtf8(name), "x");
        QVERIFY(QDir(m_folder).mkdir("folder.sdg"));

        // The same folder read by another route, in its own order.
        QStringList expected;
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(QFile::encodeName(m_folder).toStdString()))) {
            const QString name = QString::fromStdString(entry.path().filename().string());
            if (name.endsWith(".sdg"))
                expected << name.chopped(4);
        }
        QCOMPARE(Catalogue::ListRecordNames(m_folder), expected);
        QStringList sorted = expected;
        sorted.sort();
        QCOMPARE(sorted, (QStringList{".hidden", "a", "b", "folder", "Машина"}));
    }

    void emptyFolderListsNothing() {
        QCOMPARE(Catalogue::ListRecordNames(m_folder), QStringList());
    }

    void newRecordTakesItsName() {
        writeFile(Catalogue::TemporaryFilePath(m_folder), "new");
        QCOMPARE(Catalogue::SyncToDisk(Catalogue::TemporaryFilePath(m_folder)), QString());
        QCOMPARE(Catalogue::MoveTemporaryToRecord(m_folder, "a", false), QString());
        QCOMPARE(readFile(Catalogue::RecordFilePath(m_folder, "a")), QByteArray("new"));
        QVERIFY(!QFile::exists(Catalogue::TemporaryFilePath(m_folder)));
    }

    void replacingSwapsTheWholeFile() {
        writeFile(Catalogue::RecordFilePath(m_folder, "a"), "old content, longer");
        writeFile(Catalogue::TemporaryFilePath(m_folder), "new");
        QCOMPARE(Catalogue::MoveTemporaryToRecord(m_folder, "a", true), QString());
        QCOMPARE(readFile(Catalogue::RecordFilePath(m_folder, "a")), QByteArray("new"));
        QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList{"a.sdg"});
    }

    // A record that appeared meanwhile is never replaced without the user's consent.
    void newRecordNeverReplacesAnExistingOne() {
        writeFile(Catalogue::RecordFilePath(m_folder, "a"), "old");
        writeFile(Catalogue::TemporaryFilePath(m_folder), "new");
        const QString message = Catalogue::MoveTemporaryToRecord(m_folder, "a", false);
        QVERIFY(message.contains("Не удалось переименовать временный файл \"$base\" в \"a.sdg\""));
        QVERIFY2(message.contains("Файл уже существует"), qPrintable(message));
        QCOMPARE(readFile(Catalogue::RecordFilePath(m_folder, "a")), QByteArray("old"));
        QVERIFY(!QFile::exists(Catalogue::TemporaryFilePath(m_folder)));
    }

    // A rename that fails leaves what stood under the name untouched and no temporary file.
    void failedRenameKeepsTheOldEntry() {
        const QString target = Catalogue::RecordFilePath(m_folder, "a");
        QVERIFY(QDir(m_folder).mkdir("a.sdg"));
        writeFile(target + "/inside", "kept");
        writeFile(Catalogue::TemporaryFilePath(m_folder), "new");
        const QString message = Catalogue::MoveTemporaryToRecord(m_folder, "a", true);
        QVERIFY2(message.startsWith("Не удалось переименовать временный файл"),
                 qPrintable(message));
        QVERIFY(message.contains("Запись не сохранена. Прежняя запись не изменена."));
        QCOMPARE(readFile(target + "/inside"), QByteArray("kept"));
        QVERIFY(!QFile::exists(Catalogue::TemporaryFilePath(m_folder)));
    }

    void removingTheTemporaryFile() {
        QCOMPARE(Catalogue::RemoveTemporary(m_folder), QString()); // none there
        writeFile(Catalogue::TemporaryFilePath(m_folder), "x");
        QCOMPARE(Catalogue::RemoveTemporary(m_folder), QString());
        QVERIFY(!QFile::exists(Catalogue::TemporaryFilePath(m_folder)));
    }

    void deleting_data() {
        QTest::addColumn<int>("entry"); // 0 a file, 1 nothing, 2 a folder
        QTest::addColumn<QString>("message");
        QTest::newRow("record file") << 0 << "";
        QTest::newRow("missing") << 1 << "Не удалось удалить файл \"a.sdg\": Файл не найден";
        QTest::newRow("folder") << 2
                                << "Не удалось удалить файл \"a.sdg\": В доступе к файлу отказано";
    }
    void deleting() {
        QFETCH(int, entry);
        QFETCH(QString, message);
        const QString path = Catalogue::RecordFilePath(m_folder, "a");
        if (entry == 0)
            writeFile(path, "x");
        if (entry == 2)
            QVERIFY(QDir(m_folder).mkdir("a.sdg"));
        QCOMPARE(Catalogue::DeleteRecord(m_folder, "a"), message);
        QCOMPARE(QFileInfo(path).isDir(), entry == 2);
        QVERIFY(!QFileInfo(path).isFile());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

QTEST_APPLESS_MAIN(RecordFolderTest)
#include "tst_recordfolder.moc"
