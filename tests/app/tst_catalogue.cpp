// Saving, the record catalogue, the upcoming payments, the activation sequence and the
// catalogue commands, in a temporary working folder.
#include "ControlHelpers.h"
#include "LineCoder.h"
#include "RecordFiles.h"
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString Access = QStringLiteral("Ошибка доступа к файлу");
const QString EmptyTotal = QStringLiteral("Всего осталось оплатить: 0,00 руб.");
const QStringList ListHeader{"Наименование", "Дата оформления"};
const QStringList PaymentsHeader{"Дата платежа", "Сумма платежа", "Наименование"};

QDate today() {
    return QDate::currentDate();
}

QString dateText(QDate date) {
    return DateText::DateToStr(date);
}

// Keeps every activation from the window, as an X server without a window manager does.
class NoActivation : public QObject {
public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        return event->type() == QEvent::WindowActivate;
    }
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

QStringList rows(const StringGrid& grid, int first) {
    QStringList out;
    for (int r = first; r < grid.rowCount(); ++r)
        out << grid.row(r).join(u'|');
    return out;
}

} // namespace

class CatalogueWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        // The working folder lies inside the temporary one, so that nothing written or deleted
        // beside it goes unnoticed.
        QVERIFY(QDir(m_dir->path()).mkdir("work"));
        m_folder = m_dir->path() + "/work";
        m_messages = std::make_unique<ScriptedMessages>();
        m_form = std::make_unique<TForm1>(*m_messages);
        m_form->setWorkingFolder(m_folder);
    }
    void cleanup() {
        m_form.reset();
        m_messages.reset();
        m_dir.reset();
    }

    void emptyFolder();
    void startupListsRecordsWithoutUserAction_data();
    void startupListsRecordsWithoutUserAction();
    void activationRunsOnceAfterStartup();
    void activationTwiceGivesTheSame();
    void saveListReload();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void saveSortsAndReselects();
    void emptyNameSavesNothing();
    void refusedNames_data();
    void refusedNames();
    void failingRenameKeepsTheOldRecord();
    void sortingByHeaderClicks();
    void upcomingPayments();
    void hidingFinishedLoans();
    void deletion_data();
    void deletion();
    void deletionRefusals();
    void damagedRecordStopsTheSequence();
    void recordRenamedOutsideTheProgram();
    void folderNamedLikeARecord();
    void popupItemOfferedOverRecords();
    void progressGaugeClamps();

private:
    TForm1& f() { return *m_form; }
    QString path(const QString& fileName) const { return m_folder + "/" + fileName; }
    QStringList folderEntries() const {
        return QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name);
    }
    QStringList listRows() const { return rows(m_form->List->grid(), 1); }
    QStringList paymentRows() const { return rows(m_form->DataPlateja->grid(), 1); }

    // Shows the window and lets its first activation run.
    void start() {
        f().show();
        f().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QCoreApplication::processEvents();
    }

    // Types the worked-example loan under a name and builds its schedule.
    void typeLoan(const QString& name, const QString& amount = QStringLiteral("100000")) {
        fillWorkedExampleLoan(f());
        f().ESummCred->setText(amount);
        f().EName->setText(name);
        f().BBGrafClick(f().BBGraf);
        QVERIFY(f().BSave->isEnabled());
    }

    // A click on the header cell of a catalogue column, as the user makes it.
    void clickHeader(int col) {
        QHeaderView* header = f().List->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(col) + 3, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // A click on a catalogue row.
    void clickRow(int row) {
        const QRect cell = f().List->cellRect(0, row);
        QVERIFY(cell.isValid());
        const QPoint at = f().List->viewport()->mapFrom(f().List, cell.center());
        QTest::mouseClick(f().List->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
};

// No record: the headers, no payment, a total of nothing and cleared fields.
void CatalogueWindowTest::emptyFolder() {
    start();
    QCOMPARE(f().List->grid().rowCount(), 1);
    QCOMPARE(f().List->grid().row(0), ListHeader);
    QCOMPARE(f().DataPlateja->grid().rowCount(), 1);
    QCOMPARE(f().DataPlateja->grid().row(0), PaymentsHeader);
    QCOMPARE(f().LOplatit->text(), EmptyTotal);
    QCOMPARE(f().LOplatit->toolTip(), EmptyTotal);
    QCOMPARE(f().EName->text(), QString());
    QCOMPARE(f().PCSpiski->currentWidget(), f().TS1);
    QVERIFY(!f().BSave->isEnabled());
}

// Started with records in the working folder, the window lists them, fills the payments and
// their total and loads the first listed record, without any user action; also where nothing
// activates the shown window.
void CatalogueWindowTest::startupListsRecordsWithoutUserAction_data() {
    QTest::addColumn<bool>("activated");
    QTest::newRow("activated by the system") << true;
    QTest::newRow("never activated") << false;
}
void CatalogueWindowTest::startupListsRecordsWithoutUserAction() {
    QFETCH(bool, activated);
    const QDate first = today().addMonths(-2);
    RecordFiles::Write(
        m_folder, "Авто",
        RecordFiles::Loan("Авто", QDate(2020, 1, 10), RecordFiles::Monthly(first, 4), "1000,00"));
    RecordFiles::Write(
        m_folder, "Дача",
        RecordFiles::Loan("Дача", QDate(2019, 5, 6), RecordFiles::Monthly(today(), 2), "250,50"));
    if (activated) {
        start();
    } else {
        NoActivation filter;
        f().installEventFilter(&filter);
        f().show();
        QTRY_COMPARE(f().List->grid().cell(0, 0), ListHeader[0]);
        f().removeEventFilter(&filter);
    }
    QStringList listed = listRows();
    listed.sort();
    QCOMPARE(listed, (QStringList{"Авто|10.01.2020", "Дача|06.05.2019"}));
    QStringList expected{dateText(today()) + "|1000,00|Авто", dateText(today()) + "|250,50|Дача",
                         dateText(today().addMonths(1)) + "|1000,00|Авто",
                         dateText(today().addMonths(1)) + "|250,50|Дача"};
    QStringList payments = paymentRows();
    // Payments of one date may stand in either order; the dates are in order.
    for (int k = 0; k < payments.size(); ++k)
        QCOMPARE(payments[k].left(10), expected[k].left(10));
    payments.sort();
    expected.sort();
    QCOMPARE(payments, expected);
    QCOMPARE(f().LOplatit->text(), QStringLiteral("Всего осталось оплатить: 2'501,00 руб."));
    // The first listed record was loaded, then the fields cleared: only its name stays.
    QCOMPARE(f().List->row(), 1);
    QCOMPARE(f().EName->text(), f().List->grid().cell(0, 1));
    QCOMPARE(f().ESummCred->text(), QString());
    QCOMPARE(f().Grafik->grid().cell(1, 1), QString());
    QVERIFY(!f().BSave->isEnabled());
    QVERIFY(f().CategoryPanel1->collapsed());
    QCOMPARE(m_messages->takeMessages(), QStringList());
}

// The sequence runs once after start-up however the window comes up, and not again when the
// window is activated later: a folder that fails shows its message once.
void CatalogueWindowTest::activationRunsOnceAfterStartup() {
    QVERIFY(QDir(m_folder).mkdir("x.sdg"));
    start();
    QCOMPARE(m_messages->takeMessages(), QStringList{Access});
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCoreApplication::processEvents();
    QCOMPARE(m_messages->takeMessages(), QStringList());
}

void CatalogueWindowTest::activationTwiceGivesTheSame() {
    RecordFiles::Write(m_folder, "a",
                       RecordFiles::Loan("a", QDate(2020, 1, 1), RecordFiles::Monthly(today(), 3)));
    RecordFiles::Write(m_folder, "b",
                       RecordFiles::Loan("b", QDate(2020, 2, 1), RecordFiles::Monthly(today(), 2)));
    start();
    const QStringList list = rows(f().List->grid(), 0);
    const QStringList payments = rows(f().DataPlateja->grid(), 0);
    const QString total = f().LOplatit->text();
    f().FormActivate(&f());
    QCOMPARE(rows(f().List->grid(), 0), list);
    QCOMPARE(rows(f().DataPlateja->grid(), 0), payments);
    QCOMPARE(f().LOplatit->text(), total);
}

// A new record is written under its name, listed, selected and loaded back.
void CatalogueWindowTest::saveListReload() {
    start();
    typeLoan(QStringLiteral("Холодильник"));
    f().SMemo->setPlainText(QStringLiteral("первая строка\r\nвторая \"строка\""));
    const QStringList schedule = rows(f().Grafik->grid(), 0);
    f().BSaveClick(f().BSave);

    QCOMPARE(m_messages->takeMessages(), QStringList());
    QCOMPARE(folderEntries(), QStringList{"Холодильник.sdg"});
    // 81 fixed lines, the empty early-payments table (three columns, two rows), the schedule's
    // marker and its 7 x 14 cells.
    const QByteArray saved = fileBytes(path("Холодильник.sdg"));
    QCOMPARE(saved.count("\r\n"), 81 + 3 * 2 + 1 + 7 * 14);
    QCOMPARE(
        Storage::DecodeLine(QString::fromLatin1(saved.split('\r').at(8).trimmed()), 8, *m_messages),
        QStringLiteral("Холодильник0008"));
    QCOMPARE(listRows(), QStringList{"Холодильник|15.01.2020"});
    QCOMPARE(f().List->row(), 1);
    QCOMPARE(f().EName->text(), QStringLiteral("Холодильник"));
    QCOMPARE(f().ESummCred->text(), QStringLiteral("100000"));
    QCOMPARE(f().EProcent1->text(), QStringLiteral("0"));
    QCOMPARE(f().ESrok1->text(), QStringLiteral("0"));
    QCOMPARE(f().SMemo->toPlainText(), QStringLiteral("первая строка\nвторая \"строка\""));
    QCOMPARE(rows(f().Grafik->grid(), 0), schedule);
    QVERIFY(f().BSave->isEnabled());
    QCOMPARE(f().Progress->value(), 0);
    QCOMPARE(f().Progress->maximum(), 100);
}

// Saving under an existing name asks first; only Yes replaces the record, and either way no
// temporary file is left.
void CatalogueWindowTest::overwriteQuestion_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}
void CatalogueWindowTest::overwriteQuestion() {
    QFETCH(bool, yes);
    start();
    typeLoan(QStringLiteral("Кредит"));
    f().BSaveClick(f().BSave);
    const QByteArray before = fileBytes(path("Кредит.sdg"));

    typeLoan(QStringLiteral("Кредит"), QStringLiteral("200000"));
    m_messages->answers << yes;
    f().BSaveClick(f().BSave);
    QCOMPARE(
        m_messages->questions,
        QStringList{QStringLiteral("Запись \"Кредит \"уже существует.\n\r\n\rПерезаписать???")});
    QCOMPARE(m_messages->takeMessages(), QStringList());
    QCOMPARE(folderEntries(), QStringList{"Кредит.sdg"});
    QCOMPARE(fileBytes(path("Кредит.sdg")) == before, !yes);
    QCOMPARE(f().ESummCred->text(), yes ? QStringLiteral("200000") : QStringLiteral("100000"));
}

// After a save the catalogue is sorted by name and the record selected before saving is
// selected again and loaded, here with its new content.
void CatalogueWindowTest::saveSortsAndReselects() {
    for (const char* name : {"в", "б", "а"})
        RecordFiles::Write(
            m_folder, name,
            RecordFiles::Loan(name, QDate(2020, 1, 1), RecordFiles::Monthly(today(), 2)));
    start();
    clickRow(f().List->grid().column(0).indexOf("б"));
    QCOMPARE(f().EName->text(), QStringLiteral("б"));
    typeLoan(QStringLiteral("б"), QStringLiteral("300000"));
    m_messages->answers << true;
    f().BSaveClick(f().BSave);
    QCOMPARE(f().List->grid().row(0), (QStringList{"Наименование ▲", "Дата оформления"}));
    QCOMPARE(f().List->grid().column(0).mid(1), (QStringList{"а", "б", "в"}));
    QCOMPARE(f().List->row(), 2);
    QCOMPARE(f().EName->text(), QStringLiteral("б"));
    QCOMPARE(f().ESummCred->text(), QStringLiteral("300000"));
    QCOMPARE(m_messages->takeMessages(), QStringList());
}

// Without a name nothing is written and the catalogue is not rebuilt.
void CatalogueWindowTest::emptyNameSavesNothing() {
    start();
    typeLoan(QString());
    RecordFiles::Write(m_folder, "later", RecordFiles::Loan("later", QDate(2020, 1, 1), {today()}));
    f().BSaveClick(f().BSave);
    QCOMPARE(m_messages->takeMessages(), QStringList{"Не заполнено поле: Наименование"});
    QCOMPARE(folderEntries(), QStringList{"later.sdg"});
    QCOMPARE(f().List->grid().rowCount(), 1);
    QCOMPARE(f().Progress->value(), 0);
}

// A name that cannot be a plain file name of the working folder is refused before anything is
// written, inside the folder or outside it.
void CatalogueWindowTest::refusedNames_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << "../x";
    QTest::newRow("sub folder") << "a/b";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("line break") << "a\nb";
    QTest::newRow("trailing blank") << "a ";
}
void CatalogueWindowTest::refusedNames() {
    QFETCH(QString, name);
    start();
    typeLoan(name);
    f().BSaveClick(f().BSave);
    const QStringList messages = m_messages->takeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith("Невозможно сохранить запись.\n\rНаименование"),
             qPrintable(messages[0]));
    QCOMPARE(folderEntries(), QStringList());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"work"});
}

// The rename that puts the new record in place fails (a folder holds the name): the user is
// told, what stood there is intact and no temporary file is left.
void CatalogueWindowTest::failingRenameKeepsTheOldRecord() {
    QVERIFY(QDir(m_folder).mkpath("x.sdg"));
    RecordFiles::WriteLines(path("x.sdg"), "inside", {"kept"});
    const QByteArray inside = fileBytes(path("x.sdg/inside"));
    start();
    QCOMPARE(m_messages->takeMessages(), QStringList{Access});
    typeLoan(QStringLiteral("x"));
    m_messages->answers << true;
    f().BSaveClick(f().BSave);
    const QStringList messages = m_messages->takeMessages();
    QVERIFY(!messages.isEmpty());
    QVERIFY2(
        messages[0].startsWith("Не удалось переименовать временный файл \"$base\" в \"x.sdg\": "),
        qPrintable(messages[0]));
    QVERIFY(messages[0].endsWith("Запись не сохранена. Прежняя запись не изменена."));
    QCOMPARE(messages.mid(1), (QStringList{Access, Access}));
    QCOMPARE(folderEntries(), QStringList{"x.sdg"});
    QCOMPARE(fileBytes(path("x.sdg/inside")), inside);
}

// Header clicks sort by name ascending, descending, ascending, then by issue date; the record
// selected before stays selected and loaded.
void CatalogueWindowTest::sortingByHeaderClicks() {
    for (const auto& [name, issued] :
         {std::pair{"Бета", QDate(2019, 12, 31)}, std::pair{"Альфа", QDate(2020, 2, 1)},
          std::pair{"Гамма", QDate(2019, 6, 15)}})
        RecordFiles::Write(m_folder, name,
                           RecordFiles::Loan(name, issued, RecordFiles::Monthly(today(), 2)));
    start();
    const int alpha = f().List->grid().column(0).indexOf("Альфа");
    clickRow(alpha);
    QCOMPARE(f().EName->text(), QStringLiteral("Альфа"));
    QVERIFY(f().List->rowSelect());

    const auto check = [&](const QStringList& headers, const QStringList& names) {
        QCOMPARE(f().List->grid().row(0), headers);
        QCOMPARE(f().List->grid().column(0).mid(1), names);
        QCOMPARE(f().List->grid().cell(0, f().List->row()), QStringLiteral("Альфа"));
        QCOMPARE(f().EName->text(), QStringLiteral("Альфа"));
        QCOMPARE(f().ESummCred->text(), QStringLiteral("100000"));
    };
    const QStringList byName{"Альфа", "Бета", "Гамма"};
    const QStringList byNameDown{"Гамма", "Бета", "Альфа"};
    clickHeader(0);
    check({"Наименование ▲", "Дата оформления"}, byName);
    clickHeader(0);
    check({"Наименование ▼", "Дата оформления"}, byNameDown);
    clickHeader(0);
    check({"Наименование ▲", "Дата оформления"}, byName);
    clickHeader(1);
    check({"Наименование", "Дата оформления ▲"}, {"Гамма", "Бета", "Альфа"});
    clickHeader(1);
    check({"Наименование", "Дата оформления ▼"}, {"Альфа", "Бета", "Гамма"});
    QCOMPARE(m_messages->takeMessages(), QStringList());
}

// Payments from today on, over all records, in date order; payments of yesterday are gone.
void CatalogueWindowTest::upcomingPayments() {
    RecordFiles::Write(m_folder, "a",
                       RecordFiles::Loan("Первый", QDate(2020, 1, 1),
                                         {today().addDays(-1), today(), today().addDays(3)},
                                         "1234,50"));
    RecordFiles::Write(m_folder, "b",
                       RecordFiles::Loan("Второй", QDate(2020, 1, 1),
                                         {today().addDays(-1), today().addDays(1)}, "5000,00"));
    start();
    QStringList dates;
    for (int r = 1; r < f().DataPlateja->grid().rowCount(); ++r)
        dates << f().DataPlateja->grid().cell(0, r);
    QCOMPARE(dates, (QStringList{dateText(today()), dateText(today().addDays(1)),
                                 dateText(today().addDays(3))}));
    QVERIFY(paymentRows().contains(dateText(today().addDays(1)) + "|5000,00|Второй"));
    QCOMPARE(f().LOplatit->text(), QStringLiteral("Всего осталось оплатить: 7'469,00 руб."));
}

// A loan whose last payment was yesterday is hidden while the switch is on; one whose last
// payment is today stays listed.
void CatalogueWindowTest::hidingFinishedLoans() {
    RecordFiles::Write(m_folder, "Вчера",
                       RecordFiles::Loan("Вчера", QDate(2020, 1, 1),
                                         {today().addMonths(-1), today().addDays(-1)}));
    RecordFiles::Write(
        m_folder, "Сегодня",
        RecordFiles::Loan("Сегодня", QDate(2020, 1, 2), {today().addMonths(-1), today()}));
    start();
    QCOMPARE(listRows().size(), 2);
    f().HideCred->click();
    QCOMPARE(listRows(), QStringList{"Сегодня|02.01.2020"});
    QCOMPARE(paymentRows(), QStringList{dateText(today()) + "|1000,00|Сегодня"});
    QCOMPARE(f().DataPlateja->grid().row(0), PaymentsHeader);
    f().HideCred->click();
    QCOMPARE(listRows().size(), 2);
}

// Deleting asks first; either answer rebuilds the catalogue and clears the fields.
void CatalogueWindowTest::deletion_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}
void CatalogueWindowTest::deletion() {
    QFETCH(bool, yes);
    RecordFiles::Write(m_folder, "a", RecordFiles::Loan("a", QDate(2020, 1, 1), {today()}));
    start();
    clickRow(1);
    QCOMPARE(f().ESummCred->text(), QStringLiteral("100000"));
    m_messages->answers << yes;
    f().DelRecClick(f().DelRec);
    QCOMPARE(m_messages->questions,
             QStringList{"Вы действительно хотите удалить выбраный кредитный график???"});
    QCOMPARE(folderEntries(), yes ? QStringList() : QStringList{"a.sdg"});
    QCOMPARE(listRows().size(), yes ? 0 : 1);
    QCOMPARE(f().ESummCred->text(), QString());
    QCOMPARE(m_messages->takeMessages(), QStringList());
}

// Deleting needs a name that is a record's file name; a deletion that fails is reported.
void CatalogueWindowTest::deletionRefusals() {
    RecordFiles::Write(m_dir->path(), "x", RecordFiles::Loan("x", QDate(2020, 1, 1), {today()}));
    start();
    f().EName->setText(QString());
    f().DelRecClick(f().DelRec);
    QCOMPARE(m_messages->takeMessages(), QStringList{"Невозможно выполнить команду"});

    f().EName->setText("../x");
    f().DelRecClick(f().DelRec);
    const QStringList refused = m_messages->takeMessages();
    QCOMPARE(refused.size(), 1);
    QVERIFY2(refused[0].startsWith("Невозможно удалить запись.\n\r"), qPrintable(refused[0]));
    QVERIFY(QFile::exists(m_dir->path() + "/x.sdg"));

    f().EName->setText("нет такой");
    m_messages->answers << true;
    f().DelRecClick(f().DelRec);
    QCOMPARE(m_messages->takeMessages(),
             QStringList{"Не удалось удалить файл \"нет такой.sdg\": Файл не найден"});
    QCOMPARE(m_messages->questions.size(), 1);
}

// A record that fails its checks ends the sequence: its message once, the names listed so far,
// no headers, no total, the fields not cleared.
void CatalogueWindowTest::damagedRecordStopsTheSequence() {
    QStringList lines = RecordFiles::PlainLines(
        RecordFiles::Loan("a", QDate(2020, 1, 1), RecordFiles::Monthly(today(), 2)));
    lines.swapItemsAt(14, 15);
    RecordFiles::WriteLines(m_folder, "a.sdg", lines);
    f().ESummCred->setText("5");
    start();
    QCOMPARE(m_messages->takeMessages(), QStringList{Storage::IntegrityMessage()});
    QCOMPARE(f().List->grid().rowCount(), 2);
    QCOMPARE(f().List->grid().row(1), (QStringList{"a", ""}));
    QCOMPARE(f().List->grid().row(0), (QStringList{"", ""}));
    QCOMPARE(f().DataPlateja->grid().rowCount(), 1);
    QCOMPARE(f().DataPlateja->grid().row(0), (QStringList{"", "", ""}));
    QCOMPARE(f().LOplatit->text(), QStringLiteral("Всего осталось оплатить: 0,00 руб"));
    QCOMPARE(f().ESummCred->text(), QStringLiteral("5"));
}

// The catalogue lists the file's name; the payments and the loaded record show the name
// stored inside.
void CatalogueWindowTest::recordRenamedOutsideTheProgram() {
    RecordFiles::Write(m_folder, "другое",
                       RecordFiles::Loan("Кредит", QDate(2020, 1, 1), {today()}));
    start();
    QCOMPARE(listRows(), QStringList{"другое|01.01.2020"});
    QCOMPARE(paymentRows(), QStringList{dateText(today()) + "|1000,00|Кредит"});
    QCOMPARE(f().EName->text(), QStringLiteral("Кредит"));
}

// A folder named like a record is listed, then cannot be read.
void CatalogueWindowTest::folderNamedLikeARecord() {
    QVERIFY(QDir(m_folder).mkdir("x.sdg"));
    start();
    QCOMPARE(m_messages->takeMessages(), QStringList{Access});
    QCOMPARE(listRows(), QStringList{"x|"});
}

// "Удалить выделенную запись" is offered for a right click over a catalogue listing a record.
void CatalogueWindowTest::popupItemOfferedOverRecords() {
    start();
    f().ListMouseActivate(f().List, Qt::RightButton);
    QVERIFY(!f().DelRec->isVisible());
    RecordFiles::Write(m_folder, "a", RecordFiles::Loan("a", QDate(2020, 1, 1), {today()}));
    f().FormActivate(&f());
    f().ListMouseActivate(f().List, Qt::RightButton);
    QVERIFY(f().DelRec->isVisible());
    f().ListMouseActivate(f().List, Qt::LeftButton);
    QVERIFY(!f().DelRec->isVisible());

    f().ClearDataPlatejaClick(&f());
    QCOMPARE(f().DataPlateja->grid().rowCount(), 1);
    QCOMPARE(f().DataPlateja->grid().colCount(), 3);
    QCOMPARE(f().DataPlateja->grid().row(0), (QStringList{"", "", ""}));
}

// Positions beyond the gauge's range show it full or empty.
void CatalogueWindowTest::progressGaugeClamps() {
    f().Progress->setMaximum(1000);
    SetPosition(f().Progress, 1500);
    QCOMPARE(f().Progress->value(), 1000);
    SetPosition(f().Progress, 400);
    QCOMPARE(f().Progress->value(), 400);
    SetPosition(f().Progress, -3);
    QCOMPARE(f().Progress->value(), 0);
}

QTEST_MAIN(CatalogueWindowTest)
#include "tst_catalogue.moc"
