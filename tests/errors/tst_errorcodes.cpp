#include "ErrorCodeTable.h"

#include <QTest>

#include <set>

class TestErrorCodes : public QObject {
    Q_OBJECT
private slots:
    void text_data() {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QString>("text");
        const QString none = QStringLiteral("Нет описания ошибки");
        QTest::newRow("2 file not found") << 2u << "Файл не найден";
        QTest::newRow("103 file not open") << 103u << "Файл не открыт";
        QTest::newRow("219 invalid typecast") << 219u << "Неверное приведение типа";
        QTest::newRow("1 first described") << 1u << "Неверный номер DOS-функции";
        QTest::newRow("162 last of the device block") << 162u << "Аппаратный сбой";
        QTest::newRow("200 division by zero") << 200u << "Деление на ноль";
        QTest::newRow("0 no description") << 0u << none;
        QTest::newRow("14 gap between described codes") << 14u << none;
        QTest::newRow("218 gap before 219") << 218u << none;
        QTest::newRow("255 end of the first range") << 255u << none;
        QTest::newRow("53 network name") << 53u << "Сетевое имя не найдено";
        QTest::newRow("67 same text as 53") << 67u << "Сетевое имя не найдено";
        QTest::newRow("19 write protected") << 19u << "Диск защищен от записи";
        QTest::newRow("150 same text as 19") << 150u << "Диск защищен от записи";
        QTest::newRow("256 listed without description") << 256u << none;
        QTest::newRow("41628 listed without description") << 41628u << none;
        QTest::newRow("2768 floating text") << 2768u
                                            << "Число не является допустимым значением с "
                                               "плавающей точкой";
        QTest::newRow("14144 longest text") << 14144u
                                            << "Неверное значение ввода. Используйте клавишу "
                                               "escape, чтобы отменить изменения";
        QTest::newRow("31104 last boolean code") << 31104u << "Булево значение является числом";
        QTest::newRow("26128 division by 0 among data codes") << 26128u << "Ошибка деления на 0";
        QTest::newRow("65464 highest listed code") << 65464u << "Ошибка деления на 0";
        QTest::newRow("54224 field not found") << 54224u << "Требуемое поле в таблице не найдено";
        QTest::newRow("22336 empty text") << 22336u << "";
        QTest::newRow("24672 empty text") << 24672u << "";
        QTest::newRow("300 unknown") << 300u << "Ошибка 300 (неизвестное значение)";
        QTest::newRow("65535 unknown") << 65535u << "Ошибка 65535 (неизвестное значение)";
        QTest::newRow("22337 next to a listed code")
            << 22337u << "Ошибка 22337 (неизвестное значение)";
        QTest::newRow("70000 beyond 16 bits") << 70000u << "Ошибка 70000 (неизвестное значение)";
    }
    void text() {
        QFETCH(uint, code);
        QFETCH(QString, text);
        const QString actual = ErrorCodeText(code);
        QCOMPARE(actual, text);
        QVERIFY(!actual.isNull());
    }

    void tableShape() {
        const std::vector<ErrorCodeRow>& table = ErrorCodeTable();
        QCOMPARE(table.size(), std::size_t(474));

        std::set<quint16> codes;
        int described = 0;
        int extended = 0;
        QList<quint16> empty;
        for (const ErrorCodeRow& row : table) {
            QVERIFY2(codes.insert(row.code).second, qPrintable(QString::number(row.code)));
            if (row.code <= 255 && row.text != QStringLiteral("Нет описания ошибки"))
                ++described;
            if (row.code > 255)
                ++extended;
            if (row.text.isEmpty())
                empty << row.code;
        }
        for (int code = 0; code <= 255; ++code)
            QVERIFY(codes.count(quint16(code)));
        QCOMPARE(described, 108);
        QCOMPARE(extended, 218);
        QCOMPARE(empty, (QList<quint16>{22336, 22368, 24672}));
        // Ordered by code, as the lookup by bisection needs.
        QVERIFY(std::is_sorted(
            table.begin(), table.end(),
            [](const ErrorCodeRow& a, const ErrorCodeRow& b) { return a.code < b.code; }));
    }

    void everyRowIsFound() {
        for (const ErrorCodeRow& row : ErrorCodeTable())
            QCOMPARE(ErrorCodeText(row.code), row.text);
    }
};

QTEST_GUILESS_MAIN(TestErrorCodes)
#include "tst_errorcodes.moc"
