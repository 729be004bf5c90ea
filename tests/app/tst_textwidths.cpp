// Text widths as column fitting measures them: every width must equal what QFontMetrics gives
// for the same text and font, whatever was measured before it.
#include "TextWidths.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

class TestTextWidths : public QObject {
    Q_OBJECT

private slots:
    void sameAsFontMetrics_data() {
        QTest::addColumn<QFont>("font");
        QTest::newRow("default font") << QFont();
        QTest::newRow("DejaVu Sans 9") << QFont(QStringLiteral("DejaVu Sans"), 9);
        QTest::newRow("Liberation Sans 11 bold")
            << QFont(QStringLiteral("Liberation Sans"), 11, QFont::Bold);
        QTest::newRow("DejaVu Serif 10 italic")
            << QFont(QStringLiteral("DejaVu Serif"), 10, -1, true);
        QTest::newRow("DejaVu Sans Mono 8") << QFont(QStringLiteral("DejaVu Sans Mono"), 8);
        QTest::newRow("Liberation Serif 13") << QFont(QStringLiteral("Liberation Serif"), 13);
    }
    // Texts of one pattern in a row (one measured text stands for the others when the font
    // allows it), texts repeated, and texts of every other kind in between.
    void sameAsFontMetrics() {
        QFETCH(QFont, font);
        const QStringList texts = {
            "1",
            "7",
            "11",
            "111",
            "888",
            "8884,88",
            "1111,11",
            "7868,49",
            "-1016,39",
            "-1,11",
            "15.02.2020",
            "11.11.2011",
            "28.08.2088",
            "8 884,88",
            "1 111,11",
            "106603,28",
            "",
            "0,00",
            "-",
            ",",
            "№",
            "Дата",
            "Итого:",
            "Итого: 1111",
            "корр. процентов",
            "Месячный платёж",
            "  SMS  ",
            "SMS",
            "Страховка",
            "1,5e-5",
            "12345678901234567890",
            "123456789012345678901234",
            "1111,11",
            "8884,88",
            "AV 1/7",
            "ff 11 fi",
            "Te.1",
            "7.7.7.7",
            "W-1",
        };
        TextWidths widths(font);
        const QFontMetrics metrics(font);
        for (int round = 0; round < 2; ++round)
            for (const QString& text : texts)
                QCOMPARE(widths.width(text), metrics.horizontalAdvance(text));
    }

    // A new font forgets the widths of the old one.
    void fontChangeStartsAgain() {
        TextWidths widths(QFont(QStringLiteral("DejaVu Sans"), 8));
        const QString text = QStringLiteral("8884,88");
        const int small = widths.width(text);
        const QFont large(QStringLiteral("DejaVu Sans"), 20);
        widths.setFont(large);
        QCOMPARE(widths.width(text), QFontMetrics(large).horizontalAdvance(text));
        QVERIFY(widths.width(text) > small);
        QCOMPARE(widths.width(QStringLiteral("1111,11")),
                 QFontMetrics(large).horizontalAdvance(QStringLiteral("1111,11")));
    }
};

QTEST_MAIN(TestTextWidths)
#include "tst_textwidths.moc"
