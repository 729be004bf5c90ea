// The decisions of the key filters of the number fields, key by key and typed as words.
#include "KeyFilters.h"

#include <QTest>

using namespace KeyFilters;

Q_DECLARE_METATYPE(KeyFilters::SummEditor)

namespace {

// The key as a one-character text; "BS", "CR", "TAB" and "ESC" name control keys.
QChar keyOf(const QString& name) {
    if (name == QLatin1String("BS"))
        return Backspace;
    if (name == QLatin1String("CR"))
        return Enter;
    if (name == QLatin1String("TAB"))
        return QChar(9);
    if (name == QLatin1String("ESC"))
        return QChar(27);
    return name.at(0);
}

// The outcome as text: "" refused, otherwise the character to insert (control keys named).
QString outcome(QChar c) {
    if (c.isNull())
        return QString();
    if (c == Backspace)
        return QStringLiteral("BS");
    if (c == Enter)
        return QStringLiteral("CR");
    return QString(c);
}

// Types the keys one after the other at the end of the text, as a user does, letting each one
// pass the filter first; backspace deletes the character before the caret.
template <typename Filter> QString typeKeys(QString text, const QString& keys, Filter filter) {
    for (QChar key : keys) {
        const QChar result = filter(Field{text, static_cast<int>(text.size())}, key);
        if (result.isNull())
            continue;
        if (result == Backspace)
            text.chop(1);
        else
            text.append(result);
    }
    return text;
}

} // namespace

class TestKeyFilters : public QObject {
    Q_OBJECT
private slots:
    void srokKey_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digit 0") << "0"
                                 << "0";
        QTest::newRow("digit 9") << "9"
                                 << "9";
        QTest::newRow("backspace") << "BS"
                                   << "BS";
        QTest::newRow("letter refused") << "a"
                                        << "";
        QTest::newRow("cyrillic letter refused") << "ж"
                                                 << "";
        QTest::newRow("comma refused") << ","
                                       << "";
        QTest::newRow("full stop refused") << "."
                                           << "";
        QTest::newRow("minus refused") << "-"
                                       << "";
        QTest::newRow("enter refused") << "CR"
                                       << "";
        QTest::newRow("tab refused") << "TAB"
                                     << "";
        QTest::newRow("space refused") << " "
                                       << "";
        QTest::newRow("arabic-indic digit refused") << QString(QChar(0x0663)) << "";
    }
    void srokKey() {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(outcome(SrokKey(keyOf(key))), expected);
    }

    void procentKey_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("seventh decimal refused") << "1,123456" << 8 << "7"
                                                 << "";
        QTest::newRow("seventh decimal refused amid the decimals") << "1,123456" << 4 << "7"
                                                                   << "";
        QTest::newRow("seventh decimal refused right behind the comma") << "1,123456" << 2 << "7"
                                                                        << "";
        QTest::newRow("sixth decimal accepted") << "1,12345" << 7 << "6"
                                                << "6";
        QTest::newRow("digit before the comma of six decimals") << "1,123456" << 1 << "7"
                                                                << "7";
        QTest::newRow("digit at the start of six decimals") << "1,123456" << 0 << "7"
                                                            << "7";
        QTest::newRow("whole digits unlimited") << "123456789012" << 12 << "3"
                                                << "3";
        QTest::newRow("minus at the start") << "5" << 0 << "-"
                                            << "-";
        QTest::newRow("second minus at the start") << "-5" << 0 << "-"
                                                   << "-";
        QTest::newRow("minus into an empty field") << "" << 0 << "-"
                                                   << "-";
        QTest::newRow("minus behind the start refused") << "5" << 1 << "-"
                                                        << "";
        QTest::newRow("full stop becomes comma") << "12" << 2 << "."
                                                 << ",";
        QTest::newRow("comma accepted") << "12" << 1 << ","
                                        << ",";
        QTest::newRow("second comma refused") << "1,5" << 3 << ","
                                              << "";
        QTest::newRow("full stop behind a comma refused") << "1,5" << 1 << "."
                                                          << "";
        QTest::newRow("separator as first character refused") << "12" << 0 << ","
                                                              << "";
        QTest::newRow("separator into an empty field refused") << "" << 0 << "."
                                                               << "";
        QTest::newRow("separator behind a lone minus") << "-" << 1 << ","
                                                       << ",";
        QTest::newRow("backspace with six decimals") << "1,123456" << 8 << "BS"
                                                     << "BS";
        QTest::newRow("backspace in an empty field") << "" << 0 << "BS"
                                                     << "BS";
        QTest::newRow("enter refused") << "12" << 2 << "CR"
                                       << "";
        QTest::newRow("letter refused") << "12" << 2 << "e"
                                        << "";
        QTest::newRow("plus refused") << "12" << 0 << "+"
                                      << "";
        QTest::newRow("escape refused") << "12" << 2 << "ESC"
                                        << "";
    }
    void procentKey() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(outcome(ProcentKey(Field{text, caret}, keyOf(key))), expected);
    }

    void summKey_data() {
        QTest::addColumn<SummEditor>("editor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const auto box = SummEditor::EditBox;
        const auto grafik = SummEditor::GrafikCell;
        const auto dosPlat = SummEditor::DosPlatCell;
        const auto date = SummEditor::DosPlatDate;
        const auto none = SummEditor::None;

        // Two decimals at most, the caret (or the start of a selection) decides.
        QTest::newRow("third decimal refused") << box << "12,34" << 5 << "5"
                                               << "";
        QTest::newRow("digit before the comma accepted") << box << "12,34" << 2 << "5"
                                                         << "5";
        QTest::newRow("selected decimals still refuse a digit") << box << "12,34" << 3 << "5"
                                                                << "";
        QTest::newRow("second decimal accepted") << box << "12,3" << 4 << "4"
                                                 << "4";
        QTest::newRow("third decimal refused in a cell") << grafik << "1,25" << 4 << "0"
                                                         << "";

        // One decimal separator, never first.
        QTest::newRow("full stop becomes comma") << box << "12" << 2 << "."
                                                 << ",";
        QTest::newRow("comma accepted") << box << "12" << 2 << ","
                                        << ",";
        QTest::newRow("second comma refused") << box << "12," << 3 << ","
                                              << "";
        QTest::newRow("full stop behind a comma refused") << box << "12," << 3 << "."
                                                          << "";
        QTest::newRow("separator as first character refused") << box << "12" << 0 << "."
                                                              << "";
        QTest::newRow("separator into an empty field refused") << box << "" << 0 << ","
                                                               << "";
        QTest::newRow("separator behind a lone minus in a box") << box << "-5" << 1 << ","
                                                                << ",";
        QTest::newRow("separator behind a leading minus in a cell refused")
            << grafik << "-5" << 1 << ","
            << "";
        QTest::newRow("separator behind minus digit in a cell") << grafik << "-5" << 2 << ","
                                                                << ",";

        // The minus sign.
        QTest::newRow("minus amid an amount in a box") << box << "12" << 1 << "-"
                                                       << "-";
        QTest::newRow("second minus in a box") << box << "-12" << 0 << "-"
                                               << "-";
        QTest::newRow("minus at the end of a box") << box << "12" << 2 << "-"
                                                   << "-";
        QTest::newRow("minus first in an empty Grafik cell") << grafik << "" << 0 << "-"
                                                             << "-";
        QTest::newRow("minus first in a DosPlat cell") << dosPlat << "12" << 0 << "-"
                                                       << "-";
        QTest::newRow("minus behind the start of a cell refused") << dosPlat << "12" << 1 << "-"
                                                                  << "";
        QTest::newRow("second minus in a Grafik cell refused") << grafik << "-12" << 0 << "-"
                                                               << "";
        QTest::newRow("second minus in a DosPlat cell refused") << dosPlat << "-" << 1 << "-"
                                                                << "";

        // No second zero behind a leading zero, in the grid cells only.
        QTest::newRow("zero behind a leading zero in a Grafik cell refused")
            << grafik << "0" << 1 << "0"
            << "";
        QTest::newRow("zero behind a leading zero in a DosPlat cell refused")
            << dosPlat << "0" << 1 << "0"
            << "";
        QTest::newRow("five behind a leading zero in a cell") << grafik << "0" << 1 << "5"
                                                              << "5";
        QTest::newRow("zero behind a leading minus zero refused") << dosPlat << "-0" << 2 << "0"
                                                                  << "";
        QTest::newRow("five behind a leading minus zero") << grafik << "-0" << 2 << "5"
                                                          << "5";
        QTest::newRow("zero before a leading zero") << grafik << "0" << 0 << "0"
                                                    << "0";
        QTest::newRow("zero behind a zero that is not leading") << grafik << "10" << 2 << "0"
                                                                << "0";
        QTest::newRow("zero behind a leading zero in a box") << box << "0" << 1 << "0"
                                                             << "0";

        // The date column of DosPlat takes full stops.
        QTest::newRow("date column full stop") << date << "01" << 2 << "."
                                               << ".";
        QTest::newRow("date column comma becomes full stop") << date << "01" << 2 << ","
                                                             << ".";
        QTest::newRow("date column second full stop") << date << "01.02" << 5 << "."
                                                      << ".";
        QTest::newRow("amount column comma") << dosPlat << "01" << 2 << "."
                                             << ",";
        QTest::newRow("date column full stop first refused") << date << "" << 0 << "."
                                                             << "";

        // A key on a grid whose editor is not open yet: everything counts as 0.
        QTest::newRow("no editor digit") << none << "12,34" << 5 << "5"
                                         << "5";
        QTest::newRow("no editor separator refused") << none << "12" << 2 << ","
                                                     << "";
        QTest::newRow("no editor minus") << none << "-1" << 2 << "-"
                                         << "-";

        // Enter passes on, backspace always passes, anything else is refused.
        QTest::newRow("enter in a box") << box << "12" << 2 << "CR"
                                        << "CR";
        QTest::newRow("enter in a Grafik cell") << grafik << "1,5" << 3 << "CR"
                                                << "CR";
        QTest::newRow("backspace behind two decimals") << box << "12,34" << 5 << "BS"
                                                       << "BS";
        QTest::newRow("backspace in a cell") << dosPlat << "0" << 1 << "BS"
                                             << "BS";
        QTest::newRow("letter refused") << box << "12" << 2 << "a"
                                        << "";
        QTest::newRow("space refused") << grafik << "12" << 2 << " "
                                       << "";
        QTest::newRow("tab refused") << box << "12" << 2 << "TAB"
                                     << "";
        QTest::newRow("escape refused") << dosPlat << "12" << 2 << "ESC"
                                        << "";
    }
    void summKey() {
        QFETCH(SummEditor, editor);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(outcome(SummKey(editor, Field{text, caret}, keyOf(key))), expected);
    }

    // Whole words typed key by key.
    void typing_data() {
        QTest::addColumn<SummEditor>("editor");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date typed into the date column") << SummEditor::DosPlatDate << "01,02.2015"
                                                         << "01.02.2015";
        QTest::newRow("same keys in the amount column") << SummEditor::DosPlatCell << "01,02.2015"
                                                        << "01,02";
        QTest::newRow("amount with a full stop in a box") << SummEditor::EditBox << "1500.505"
                                                          << "1500,50";
        QTest::newRow("minus zeros in a cell") << SummEditor::GrafikCell << "-00,5-"
                                               << "-0,5";
        QTest::newRow("backspace frees a decimal") << SummEditor::EditBox << "1,23\b4"
                                                   << "1,24";
    }
    void typing() {
        QFETCH(SummEditor, editor);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        keys.replace(u'\b', Backspace);
        const auto filter = [editor](const Field& f, QChar k) {
            return SummKey(editor, f, k);
        };
        QCOMPARE(typeKeys(QString(), keys, filter), expected);
    }

    void procentTyping() {
        QCOMPARE(typeKeys(QString(), QStringLiteral("-12.12345678"), ProcentKey),
                 QStringLiteral("-12,123456"));
    }

    void grafikEnter_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("lone minus is emptied") << "-" << true;
        QTest::newRow("correction rebuilds") << "1,5" << false;
        QTest::newRow("negative correction rebuilds") << "-1,5" << false;
        QTest::newRow("empty cell rebuilds") << "" << false;
    }
    void grafikEnter() {
        QFETCH(QString, cell);
        QFETCH(bool, emptied);
        QCOMPARE(GrafikEnter(cell) == GrafikEnterAction::EmptyCell, emptied);
    }

    void memoTakesEveryKey_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("letter") << "ж";
        QTest::newRow("enter") << "CR";
        QTest::newRow("comma") << ",";
        QTest::newRow("escape") << "ESC";
    }
    void memoTakesEveryKey() {
        QFETCH(QString, key);
        QCOMPARE(SMemoKey(keyOf(key)), keyOf(key));
    }
};

QTEST_GUILESS_MAIN(TestKeyFilters)
#include "tst_keyfilters.moc"
