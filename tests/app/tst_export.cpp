// The schedule's popup menu: copying, CSV and PDF files written whole or not at all,
// printing, and the items disabled while there is no schedule.
#include "ScheduleText.h"
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Pages of a PDF file: its page objects ("/Type /Page", not the page tree "/Pages").
int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![a-zA-Z]))"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++count;
    return count;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text of a PDF's page as poppler's pdftotext gives it; empty when the tool is missing.
QString pdfText(const QString& path, int page) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess run;
    run.start(tool, {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                     QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void itemsFollowTheSchedule();
    void copyPutsTheGridOnTheClipboard();
    void csvIsWrittenUnderTheChosenName();
    void cancelledDialogWritesNothing();
    void failingWriteLeavesNoFile_data();
    void failingWriteLeavesNoFile();
    void pdfOf360Payments();
    void printGoesToTheChosenPrinter();

private:
    void build(const QString& payments = QStringLiteral("12")) {
        fillWorkedExampleLoan(*m_form);
        m_form->ESrok0->setText(payments);
        m_form->EName->setText(QStringLiteral("Микроволновка"));
        QTest::mouseClick(m_form->BBGraf, Qt::LeftButton);
        QVERIFY(Report::HasSchedule(m_form->Grafik->grid()));
    }
    // The save dialog answers with this path (empty: cancelled) and records what it offered.
    void answerSaveDialog(const QString& path) {
        m_form->exportDialogs.saveFileName =
            [this, path](QWidget*, const QString&, const QString& suggested, const QString&) {
                m_offered << suggested;
                return path;
            };
    }
    QStringList filesIn(const QString& dir) const {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_offered;
};

void ExportTest::init() {
    m_messages = std::make_unique<ScriptedMessages>();
    m_form = std::make_unique<TForm1>(*m_messages);
    m_dir = std::make_unique<QTemporaryDir>();
    m_offered.clear();
    // No real dialog may open: a test that reaches one without scripting it fails.
    m_form->exportDialogs.saveFileName = [](QWidget*, const QString&, const QString&,
                                            const QString&) {
        QTest::qFail("unexpected save dialog", __FILE__, __LINE__);
        return QString();
    };
    m_form->exportDialogs.choosePrinter = [](QWidget*, QPrinter&) {
        QTest::qFail("unexpected print dialog", __FILE__, __LINE__);
        return false;
    };
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void ExportTest::cleanup() {
    m_form.reset();
    m_messages.reset();
    m_dir.reset();
}

void ExportTest::itemsFollowTheSchedule() {
    const QList<QAction*> items = m_form->PopGrafik->actions();
    QStringList captions;
    for (QAction* a : items)
        if (!a->isSeparator())
            captions << a->objectName() + u'=' + a->text();
    QCOMPARE(captions, QStringList({"Kopirovat=Копировать", "SohranitCSV=Сохранить в CSV…",
                                    "Pechat=Печать…", "SohranitPDF=Сохранить в PDF…"}));
    QCOMPARE(m_form->Grafik->popupMenu(), m_form->PopGrafik);
    const auto enabled = [this] {
        return QList<bool>{m_form->Kopirovat->isEnabled(), m_form->SohranitCSV->isEnabled(),
                           m_form->Pechat->isEnabled(), m_form->SohranitPDF->isEnabled()};
    };
    QCOMPARE(enabled(), QList<bool>(4, false));
    build();
    QCOMPARE(enabled(), QList<bool>(4, true));
    QTest::mouseClick(m_form->ClearGrafik, Qt::LeftButton);
    QCOMPARE(enabled(), QList<bool>(4, false));
    // A build that fails leaves no totals row and no export.
    build();
    m_form->EProcent0->setText(QStringLiteral("1,2,3"));
    QTest::mouseClick(m_form->BBGraf, Qt::LeftButton);
    QCOMPARE(m_messages->takeMessages().size(), 1); // the error report
    QCOMPARE(enabled(), QList<bool>(4, false));
    // Triggered anyway (a shortcut, a stale menu), a disabled item does nothing.
    m_form->SohranitCSV->trigger();
    m_form->SohranitPDF->trigger();
    QVERIFY(m_offered.isEmpty());
}

void ExportTest::copyPutsTheGridOnTheClipboard() {
    build();
    QGuiApplication::clipboard()->clear();
    m_form->Kopirovat->trigger();
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), 15); // 14 rows and the end of the last one
    QCOMPARE(lines[0], QStringLiteral("№\tДата\tМесячный платёж\tОсновной долг\tПроценты\t"
                                      "Остаток долга\tкорр. процентов"));
    QCOMPARE(lines[1], QStringLiteral("1\t15.02.2020\t8884,88\t7868,49\t1016,39\t92131,51\t"));
    QCOMPARE(lines[13], QStringLiteral("\tИтого:\t106603,28\t100000,00\t6603,28\t\t"));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             Report::TabSeparatedText(m_form->Grafik->grid()));
}

void ExportTest::csvIsWrittenUnderTheChosenName() {
    build();
    const QString chosen = m_dir->filePath(QStringLiteral("график"));
    answerSaveDialog(chosen);
    QTemporaryDir workingFolder;
    m_form->setWorkingFolder(workingFolder.path());
    m_form->SohranitCSV->trigger();
    // The dialog offers the loan's name in the working folder.
    QCOMPARE(m_offered, QStringList{workingFolder.filePath(QStringLiteral("Микроволновка.csv"))});
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("график.csv")});
    const QByteArray bytes = readAll(chosen + QStringLiteral(".csv"));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                             "Наименование;Микроволновка\r\nКредитор;Банк СберБанк\r\n"));
    QVERIFY(bytes.endsWith(";Итого:;106603,28;100000,00;6603,28;;\r\n"));

    // Saving again replaces the file whole.
    m_form->ESrok0->setText(QStringLiteral("6"));
    QTest::mouseClick(m_form->BBGraf, Qt::LeftButton);
    m_form->SohranitCSV->trigger();
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("график.csv")});
    const QByteArray again = readAll(chosen + QStringLiteral(".csv"));
    QVERIFY(again.contains("Срок кредита (кол-во платежей);6\r\n"));
    QCOMPARE(again.count("\r\n"), 8 + 8); // 7 terms, an empty line, header, 6 rows, totals
}

void ExportTest::cancelledDialogWritesNothing() {
    build();
    answerSaveDialog(QString());
    m_form->SohranitCSV->trigger();
    m_form->SohranitPDF->trigger();
    QCOMPARE(m_offered.size(), 2);
    QVERIFY(m_offered[1].endsWith(QStringLiteral("Микроволновка.pdf")));
    QCOMPARE(filesIn(m_dir->path()), QStringList());
    m_form->exportDialogs.choosePrinter = [](QWidget*, QPrinter&) {
        return false;
    };
    m_form->Pechat->trigger();
}

void ExportTest::failingWriteLeavesNoFile_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("folderMissing");
    QTest::newRow("CSV into a missing folder") << "SohranitCSV"
                                               << "нет/график.csv" << true;
    QTest::newRow("PDF into a missing folder") << "SohranitPDF"
                                               << "нет/график.pdf" << true;
    QTest::newRow("CSV over a folder") << "SohranitCSV"
                                       << "папка.csv" << false;
    QTest::newRow("PDF over a folder") << "SohranitPDF"
                                       << "папка.pdf" << false;
}

void ExportTest::failingWriteLeavesNoFile() {
    QFETCH(QString, item);
    QFETCH(QString, target);
    QFETCH(bool, folderMissing);
    build();
    const QString path = m_dir->filePath(target);
    if (!folderMissing)
        QVERIFY(QDir(m_dir->path()).mkdir(target)); // the name is taken by a folder
    const QStringList before = filesIn(m_dir->path());
    answerSaveDialog(path);
    m_form->findChild<QAction*>(item)->trigger();
    QCOMPARE(m_messages->takeMessages(),
             QStringList{QStringLiteral("Не удалось сохранить файл «%1». Проверьте, что папка "
                                        "существует и доступна для записи и что на диске есть "
                                        "место.")
                             .arg(QDir::toNativeSeparators(path))});
    QCOMPARE(filesIn(m_dir->path()), before); // no file, no temporary left behind
    QCOMPARE(QFileInfo(path).isDir(), !folderMissing);
}

void ExportTest::pdfOf360Payments() {
    build(QStringLiteral("360"));
    QCOMPARE(m_form->Grafik->grid().rowCount(), 362);
    const QString path = m_dir->filePath(QStringLiteral("график.pdf"));
    answerSaveDialog(path);
    m_form->SohranitPDF->trigger();
    const QByteArray pdf = readAll(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdfPageCount(pdf), 8);
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("график.pdf")});

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the page texts are not checked");
    const QString first = pdfText(path, 1);
    for (const char* text :
         {"График платежей: Микроволновка", "Кредитор: Банк СберБанк",
          "Сумма кредита: 100000,00 руб.", "Процентная ставка: 12 %",
          "Срок кредита (кол-во платежей): 360", "Дата выдачи кредита: 15.01.2020",
          "Месячный платёж", "Остаток долга", "15.02.2020", "Страница 1 из 8"})
        QVERIFY2(first.contains(QString::fromUtf8(text)), text);
    QVERIFY(!first.contains(QStringLiteral("Итого:")));
    const QString second = pdfText(path, 2);
    QVERIFY(second.contains(QStringLiteral("Месячный платёж"))); // the header row again
    QVERIFY(second.contains(QStringLiteral("Страница 2 из 8")));
    QVERIFY(!second.contains(QStringLiteral("Кредитор")));
    const QString last = pdfText(path, 8);
    QVERIFY(last.contains(QStringLiteral("Итого:")));
    QVERIFY(last.contains(QStringLiteral("15.01.2050")));
    QVERIFY(last.contains(QStringLiteral("Страница 8 из 8")));
}

void ExportTest::printGoesToTheChosenPrinter() {
    build();
    const QString path = m_dir->filePath(QStringLiteral("печать.pdf"));
    QPageSize offered;
    m_form->exportDialogs.choosePrinter = [&](QWidget*, QPrinter& printer) {
        offered = printer.pageLayout().pageSize();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    m_form->Pechat->trigger();
    QCOMPARE(offered.id(), QPageSize::A4);
    QCOMPARE(pdfPageCount(readAll(path)), 1);

    // A printer that cannot start is reported.
    m_form->exportDialogs.choosePrinter = [&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir->filePath(QStringLiteral("нет/печать.pdf")));
        return true;
    };
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    m_form->Pechat->trigger();
    QCOMPARE(
        m_messages->takeMessages(),
        QStringList{QStringLiteral("Не удалось напечатать график платежей: принтер недоступен.")});
}

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
