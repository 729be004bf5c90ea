// Dates typed into the date pickers as dd.mm.yyyy: taken on Enter or on leaving the field,
// refused when they do not exist, while the picker keeps showing the long date format.
#include "RegionalSettings.h"
#include "ScriptedMessages.h"
#include "TDatePicker.h"
#include "TForm1.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Finish { Enter, FocusOut, Escape };

void finish(QWidget* picker, Finish how) {
    switch (how) {
    case Finish::Enter:
        QTest::keyClick(picker, Qt::Key_Return);
        break;
    case Finish::FocusOut: {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(picker, &out);
        break;
    }
    case Finish::Escape:
        QTest::keyClick(picker, Qt::Key_Escape);
        break;
    }
}

QString shownText(QDateEdit* picker) {
    return picker->findChild<QLineEdit*>()->text();
}

} // namespace

Q_DECLARE_METATYPE(Finish)

class DatePickerTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_picker = std::make_unique<TDatePicker>();
        m_picker->setLocale(Regional::locale());
        m_picker->setDisplayFormat(Regional::LongDateFormat);
        m_picker->setCalendarPopup(true);
        m_picker->setDate(Start);
    }
    void cleanup() { m_picker.reset(); }

    void typedDate_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<Finish>("how");
        QTest::addColumn<QDate>("date");
        const QDate unchanged = Start;
        QTest::newRow("dd.mm.yyyy on Enter") << "11.01.2027" << Finish::Enter << QDate(2027, 1, 11);
        QTest::newRow("d.m.yyyy on Enter") << "1.2.2027" << Finish::Enter << QDate(2027, 2, 1);
        QTest::newRow("on leaving the field")
            << "29.02.2024" << Finish::FocusOut << QDate(2024, 2, 29);
        QTest::newRow("commas count as full stops")
            << "11,01,2027" << Finish::Enter << QDate(2027, 1, 11);
        QTest::newRow("letters and a third day digit are swallowed")
            << "1x11.01.2027" << Finish::Enter << QDate(2027, 1, 11);
        QTest::newRow("29 February of a common year") << "29.02.2023" << Finish::Enter << unchanged;
        QTest::newRow("31 April, on leaving the field")
            << "31.04.2027" << Finish::FocusOut << unchanged;
        QTest::newRow("month 13") << "11.13.2027" << Finish::Enter << unchanged;
        QTest::newRow("day 0") << "00.01.2027" << Finish::Enter << unchanged;
        QTest::newRow("no year") << "11.01" << Finish::Enter << unchanged;
        QTest::newRow("a two-digit year") << "11.01.27" << Finish::FocusOut << unchanged;
        QTest::newRow("Escape drops the entry") << "11.01.2027" << Finish::Escape << unchanged;
    }
    void typedDate() {
        QFETCH(QString, keys);
        QFETCH(Finish, how);
        QFETCH(QDate, date);
        QSignalSpy changed(m_picker.get(), &QDateEdit::dateChanged);
        QTest::keyClicks(m_picker.get(), keys);
        QVERIFY(m_picker->isTyping());
        QCOMPARE(m_picker->date(), Start); // nothing is taken while typing
        finish(m_picker.get(), how);
        QCOMPARE(m_picker->date(), date);
        QCOMPARE(changed.size(), date == Start ? 0 : 1);
        QVERIFY(!m_picker->isTyping());
        QCOMPARE(shownText(m_picker.get()), Regional::longDate(date));
    }

    void entryIsEditedBeforeItIsTaken() {
        QTest::keyClicks(m_picker.get(), "11.01.2028");
        QTest::keyClick(m_picker.get(), Qt::Key_Backspace);
        QTest::keyClicks(m_picker.get(), "7");
        QTest::keyClick(m_picker.get(), Qt::Key_Home);
        QTest::keyClick(m_picker.get(), Qt::Key_Delete);
        QTest::keyClicks(m_picker.get(), "2");
        QCOMPARE(shownText(m_picker.get()), QStringLiteral("21.01.2027"));
        QTest::keyClick(m_picker.get(), Qt::Key_Up); // stepping belongs to the shown date
        QCOMPARE(shownText(m_picker.get()), QStringLiteral("21.01.2027"));
        QTest::keyClick(m_picker.get(), Qt::Key_Enter);
        QCOMPARE(m_picker->date(), QDate(2027, 1, 21));

        // A click in the entry places the cursor and leaves the entry as typed.
        m_picker->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_picker.get()));
        QTest::keyClicks(m_picker.get(), "11.02.2027");
        auto* line = m_picker->findChild<QLineEdit*>();
        const int afterMonthsFirstDigit = line->fontMetrics().horizontalAdvance(u"11.0"_s) + 3;
        QTest::mouseClick(line, Qt::LeftButton, {},
                          QPoint(afterMonthsFirstDigit, line->height() / 2));
        QTest::keyClick(m_picker.get(), Qt::Key_Backspace);
        QTest::keyClicks(m_picker.get(), "1");
        QCOMPARE(shownText(m_picker.get()), QStringLiteral("11.12.2027"));
        QTest::keyClick(m_picker.get(), Qt::Key_Enter);
        QCOMPARE(m_picker->date(), QDate(2027, 12, 11));
    }

    void pastedDateIsAnEntry() {
        QApplication::clipboard()->setText(QStringLiteral(" 03.04.2026 "));
        QTest::keyClick(m_picker.get(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(m_picker->isTyping());
        QTest::keyClick(m_picker.get(), Qt::Key_Enter);
        QCOMPARE(m_picker->date(), QDate(2026, 4, 3));
    }

    void shownDateStillStepsWithTheArrows() {
        QTest::keyClick(m_picker.get(), Qt::Key_Up);
        QVERIFY(!m_picker->isTyping());
        QVERIFY(m_picker->date() != Start);
        QCOMPARE(shownText(m_picker.get()), Regional::longDate(m_picker->date()));
    }

    void typedIntoTheFirstPaymentDateOfTheWindow() {
        ScriptedMessages messages;
        TForm1 form(messages);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.EDataPlateja->setFocus();
        QTest::keyClicks(form.EDataPlateja, "11.01.2027");
        QTest::keyClick(form.EDataPlateja, Qt::Key_Enter);
        QCOMPARE(form.EDataPlateja->date(), QDate(2027, 1, 11));
        QCOMPARE(shownText(form.EDataPlateja), QStringLiteral("11 января 2027 г."));
        // A date typed into the issue date is taken when the focus moves on.
        form.EDataVydachi->setFocus();
        QTest::keyClicks(form.EDataVydachi, "5.12.2026");
        form.ESummCred->setFocus();
        QTRY_COMPARE(form.EDataVydachi->date(), QDate(2026, 12, 5));
        QCOMPARE(messages.takeMessages(), QStringList());
    }

private:
    static inline const QDate Start{2020, 2, 15};
    std::unique_ptr<TDatePicker> m_picker;
};

QTEST_MAIN(DatePickerTest)
#include "tst_datepicker.moc"
