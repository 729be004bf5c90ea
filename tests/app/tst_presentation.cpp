#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

// The part of an image that differs from the background: the drawn text.
struct Ink {
    QRect bounds;     // empty when nothing was drawn
    QColor strongest; // the ink pixel farthest from the background
};

int distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

Ink inkOf(const QImage& image, const QRect& area, QColor background) {
    Ink ink;
    int best = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = distance(c, background);
            if (d == 0)
                continue;
            ink.bounds |= QRect(x, y, 1, 1);
            if (d > best) {
                best = d;
                ink.strongest = c;
            }
        }
    return ink;
}

// Receives the links that the desktop would open.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

int textWidth(const TStringGridView* grid, const QString& text) {
    return QFontMetrics(grid->font()).horizontalAdvance(text);
}

// The width every column of a grid must have: its widest text plus 5.
QList<int> fittedWidths(const TStringGridView* grid, int columns) {
    QList<int> widths;
    for (int c = 0; c < columns; ++c) {
        int widest = 0;
        for (int r = 0; r < grid->grid().rowCount(); ++r)
            widest = std::max(widest, textWidth(grid, grid->grid().cell(c, r)));
        widths << widest + 5;
    }
    return widths;
}

QList<int> shownWidths(const TStringGridView* grid, int columns) {
    QList<int> widths;
    for (int c = 0; c < columns; ++c)
        widths << grid->horizontalHeader()->sectionSize(c);
    return widths;
}

} // namespace

class TestPresentation : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<TForm1> form;

    // Shows the window at the designed size of a desktop screen.
    void showForm() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->setWindowState(Qt::WindowNoState);
        form->resize(1600, 900);
        QCoreApplication::processEvents();
        // The early payments are shown only while their panel is open.
        form->CategoryPanel4->expand();
        // Let the first painting and the fitting it starts run.
        QCoreApplication::processEvents();
        form->Grafik->grab();
        form->DosPlat->grab();
        QCoreApplication::processEvents();
    }

    // Fills the schedule grid as a build leaves it: headers, body and totals.
    void fillGrafik() {
        StringGrid& g = form->Grafik->grid();
        g.setColCount(7);
        g.setRowCount(4);
        const QStringList rows[] = {
            {"№", "Дата", "Месячный платёж", "Основной долг", "Проценты", "Остаток долга",
             "корр. процентов"},
            {"1", "15.02.2020", "8 884,88", "7 884,88", "1000,00", "92115,12", ""},
            {"2", "16.03.2020", "8884,88", "7963,73", "921,15", "84151,39", "-123456789012345,55"},
            {"", "Итого:", "17769,76", "15848,61", "1921,15", "", ""},
        };
        for (int r = 0; r < 4; ++r)
            g.setRow(r, rows[r]);
    }

private slots:
    void init() {
        messages = std::make_unique<ScriptedMessages>();
        form = std::make_unique<TForm1>(*messages);
    }
    void cleanup() {
        form.reset();
        messages.reset();
    }

    // Every cell is painted on the window background; body texts stand flush right, header
    // texts centred, whatever the default painting put there before.
    void drawCell_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("centred");
        QTest::newRow("header") << 3 << 0 << "Основной долг" << true;
        QTest::newRow("fixed number column header") << 0 << 0 << "№" << true;
        QTest::newRow("body amount") << 3 << 1 << "7884,88" << false;
        QTest::newRow("fixed date column") << 1 << 1 << "15.02.2020" << false;
        QTest::newRow("fixed number column") << 0 << 2 << "12" << false;
        QTest::newRow("totals caption") << 1 << 3 << "Итого:" << false;
    }
    void drawCell() {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(bool, centred);
        for (TStringGridView* grid : {form->Grafik, form->DosPlat}) {
            grid->grid().setColCount(std::max(grid->grid().colCount(), col + 1));
            grid->grid().setRowCount(4);
            grid->grid().setCell(col, row, text);
            const QColor background = grid->palette().color(QPalette::Base);
            const QColor defaultPaint(0, 200, 0);
            QImage image(300, 40, QImage::Format_RGB32);
            image.fill(defaultPaint);
            const QRect cell(20, 10, 200, 18);
            {
                QPainter painter(&image);
                painter.setFont(grid->font());
                painter.setPen(grid->palette().color(QPalette::Text));
                if (grid == form->Grafik)
                    form->GrafikDrawCell(grid, col, row, cell, painter);
                else
                    form->DosPlatDrawCell(grid, col, row, cell, painter);
            }
            // Nothing of the default painting stays inside the cell, nothing outside is touched.
            const Ink ink = inkOf(image, cell, background);
            QVERIFY(!ink.bounds.isEmpty());
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    QVERIFY(image.pixelColor(x, y) != defaultPaint);
            QCOMPARE(inkOf(image, QRect(0, 0, 300, 10), defaultPaint).bounds, QRect());
            QCOMPARE(inkOf(image, QRect(0, 0, 20, 40), defaultPaint).bounds, QRect());
            // One line, vertically centred.
            QVERIFY(ink.bounds.height() <= cell.height());
            QVERIFY(std::abs((ink.bounds.top() - cell.top()) -
                             (cell.bottom() - ink.bounds.bottom())) <= 4);
            const int leftGap = ink.bounds.left() - cell.left();
            const int rightGap = cell.right() - ink.bounds.right();
            if (centred) {
                QVERIFY2(std::abs(leftGap - rightGap) <= 3,
                         qPrintable(QStringLiteral("%1 / %2").arg(leftGap).arg(rightGap)));
            } else {
                QVERIFY2(rightGap <= 3, qPrintable(QString::number(rightGap)));
                QVERIFY(leftGap > rightGap);
            }
        }
    }

    // The painting covers the view's selection highlight, so a selected cell must still show
    // its text, in a colour that stands out from the background.
    void selectedCellStaysReadable() {
        fillGrafik();
        form->Grafik->setCurrentCell(3, 1);
        const QColor background = form->Grafik->palette().color(QPalette::Base);
        QImage image(200, 30, QImage::Format_RGB32);
        const QRect cell(0, 5, 150, 18);
        {
            QPainter painter(&image);
            painter.setFont(form->Grafik->font());
            // The view hands a selected cell the highlighted text colour.
            painter.setPen(form->Grafik->palette().color(QPalette::HighlightedText));
            form->GrafikDrawCell(form->Grafik, 3, 1, cell, painter);
        }
        const Ink ink = inkOf(image, cell, background);
        QVERIFY(!ink.bounds.isEmpty());
        QVERIFY2(distance(ink.strongest, background) > 200, qPrintable(ink.strongest.name()));
    }

    void autoSizeCol_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("widestRow");
        QTest::newRow("body wider than header") << QStringList{"№", "1234567,89", "5"} << 1;
        QTest::newRow("header wider than body") << QStringList{"корр. процентов", "1", ""} << 0;
        QTest::newRow("widest in the last row") << QStringList{"Дата", "1", "Итого: 99999999"} << 2;
        QTest::newRow("empty column") << QStringList{"", "", ""} << -1;
    }
    void autoSizeCol() {
        QFETCH(QStringList, texts);
        QFETCH(int, widestRow);
        for (TStringGridView* grid : {form->Grafik, form->DosPlat, form->DataPlateja, form->List}) {
            grid->grid().setRowCount(static_cast<int>(texts.size()));
            for (int r = 0; r < texts.size(); ++r)
                grid->grid().setCell(1, r, texts[r]);
            form->AutoSizeCol(grid, 1);
            const int expected = widestRow < 0 ? 5 : textWidth(grid, texts[widestRow]) + 5;
            QCOMPARE(grid->colWidth(1), expected);
            QCOMPARE(grid->horizontalHeader()->sectionSize(1), expected);
        }
    }

    // The user sees every column of the schedule as wide as its widest text plus 5, after
    // every change of the texts, without anyone asking for it.
    void grafikFollowsItsTexts() {
        showForm();
        fillGrafik();
        QCoreApplication::processEvents();
        QCOMPARE(shownWidths(form->Grafik, 7), fittedWidths(form->Grafik, 7));
        // A body text wider than its header decides the width.
        QCOMPARE(form->Grafik->colWidth(6), textWidth(form->Grafik, "-123456789012345,55") + 5);

        // One wider cell widens its column only.
        form->Grafik->grid().setCell(4, 2, QStringLiteral("123456789012,34"));
        QCoreApplication::processEvents();
        QCOMPARE(shownWidths(form->Grafik, 7), fittedWidths(form->Grafik, 7));

        // Emptying shrinks each column to its remaining texts; an empty column is 5 wide.
        form->Grafik->grid().clearCells();
        form->Grafik->grid().setCell(1, 0, QStringLiteral("Дата"));
        QCoreApplication::processEvents();
        const QList<int> widths = shownWidths(form->Grafik, 7);
        QCOMPARE(widths, fittedWidths(form->Grafik, 7));
        QCOMPARE(widths[0], 5);
        QCOMPARE(widths[1], textWidth(form->Grafik, "Дата") + 5);
        QCOMPARE(widths[6], 5);
    }

    // After a build every column is as wide as its widest text plus 5; "Очистить график"
    // shrinks them all back to 5.
    void widthsAfterBuildAndClear() {
        showForm();
        fillWorkedExampleLoan(*form);
        form->StrahYesNoKred->setChecked(true);
        form->StrahSumm->setText(QStringLiteral("1200"));
        form->StrahCol->setText(QStringLiteral("12"));
        form->BBGraf->click();
        QCOMPARE(messages->takeMessages(), QStringList());
        QCoreApplication::processEvents();
        const int columns = form->Grafik->grid().colCount();
        QVERIFY(columns > 7);
        const QList<int> built = shownWidths(form->Grafik, columns);
        QCOMPARE(built, fittedWidths(form->Grafik, columns));
        for (int w : built)
            QVERIFY(w > 5);

        form->ClearGrafik->click();
        QCoreApplication::processEvents();
        QCOMPARE(form->Grafik->grid().colCount(), 7);
        QCOMPARE(shownWidths(form->Grafik, 7), QList<int>(7, 5));
    }

    // The schedule and early-payment grids are painted by their draw handlers alone; the
    // grids' own painting beneath would make no pixel different, a selection and the current
    // cell included.
    void gridsLookTheSameWithoutTheirOwnPainting() {
        showForm();
        fillWorkedExampleLoan(*form);
        form->BBGraf->click();
        form->DosPlat->grid().setRow(1, {"01.04.2020", "20000"});
        QCoreApplication::processEvents();
        form->Grafik->setFocus();
        form->Grafik->setCurrentCell(3, 2);
        form->Grafik->setSelection({2, 2, 4, 5});
        form->DosPlat->setCurrentCell(1, 1);
        for (TStringGridView* grid : {form->Grafik, form->DosPlat}) {
            QVERIFY(!grid->defaultDrawing());
            const QImage alone = grid->grab().toImage();
            grid->setDefaultDrawing(true);
            const QImage overPainted = grid->grab().toImage();
            grid->setDefaultDrawing(false);
            QVERIFY(!alone.isNull());
            QCOMPARE(alone, overPainted);
        }
    }

    // Early payments fit their three columns the same way.
    void dosPlatFollowsItsTexts() {
        showForm();
        StringGrid& g = form->DosPlat->grid();
        g.setRowCount(3);
        g.setRow(0, {"Дата", "Сумма", "Уменьшить"});
        g.setRow(1, {"01.02.2015", "150000,00", "платёж"});
        g.setRow(2, {"01.03.2015", "5", "срок"});
        QCoreApplication::processEvents();
        QCOMPARE(shownWidths(form->DosPlat, 3), fittedWidths(form->DosPlat, 3));
        g.setRowCount(1);
        QCoreApplication::processEvents();
        QCOMPARE(shownWidths(form->DosPlat, 3), fittedWidths(form->DosPlat, 3));
    }

    // A catalogue name wider than List widens the left side just enough.
    void listWidensPanelLeft() {
        showForm();
        const int before = form->PanelLeft->width();
        StringGrid& g = form->List->grid();
        // The activation left the catalogue of the empty working folder: its header only.
        g.setRowCount(2);
        g.setRow(0, {"Наименование", "Дата"});
        g.setRow(1, {QString(60, u'Ш'), "01.02.2015"});
        form->AutoSizeCol(form->List, 1);
        form->AutoSizeCol(form->List, 0);
        QCoreApplication::processEvents();
        QVERIFY(form->PanelLeft->width() > before);
        QVERIFY(!form->List->horizontalScrollBarShown());
        // Exactly enough: the columns fill the visible width.
        QCOMPARE(form->List->viewport()->width(), form->List->horizontalHeader()->length());
        QCOMPARE(form->PanelRight->width(),
                 form->centralWidget()->width() - form->PanelLeft->width());
    }

    // A name wider than the screen leaves the schedule a third of the window.
    void listWideningIsCapped() {
        showForm();
        StringGrid& g = form->List->grid();
        g.setRowCount(2);
        g.setRow(1, {QString(2000, u'Ш'), "01.02.2015"});
        form->AutoSizeCol(form->List, 0);
        QCoreApplication::processEvents();
        const int window = form->centralWidget()->width();
        QVERIFY(form->PanelLeft->width() > 557);
        QVERIFY2(form->PanelRight->width() * 3 >= window,
                 qPrintable(QStringLiteral("%1 of %2").arg(form->PanelRight->width()).arg(window)));
        QVERIFY(form->PanelLeft->width() * 3 <= window * 2);
    }

    // A narrow catalogue leaves PanelLeft as it is.
    void narrowListKeepsPanelLeft() {
        showForm();
        const int before = form->PanelLeft->width();
        form->List->grid().setRowCount(2);
        form->List->grid().setRow(1, {"Микроволновка", "01.02.2015"});
        form->AutoSizeCol(form->List, 0);
        form->AutoSizeCol(form->List, 1);
        QCoreApplication::processEvents();
        QCOMPARE(form->PanelLeft->width(), before);
    }

    void otherGridsNeverMovePanelLeft() {
        showForm();
        const int before = form->PanelLeft->width();
        const QString wide(400, u'Ш');
        for (TStringGridView* grid : {form->Grafik, form->DosPlat, form->DataPlateja}) {
            grid->grid().setCell(0, grid->grid().rowCount() - 1, wide);
            form->AutoSizeCol(grid, 0);
            QCoreApplication::processEvents();
            grid->grab();
            QCoreApplication::processEvents();
            QCOMPARE(form->PanelLeft->width(), before);
        }
    }

    // The totals: panel 0 in black, panel 1 in red, bold, from the top-left corner.
    void statusPanels_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("total debt in black") << 0 << "Сумма долга: 106603,28" << QColor(0, 0, 0);
        QTest::newRow("overpayment in red") << 1 << "Переплата: 6603,28" << QColor(255, 0, 0);
    }
    void statusPanels() {
        QFETCH(int, panel);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        form->Status->setPanelText(panel, text);
        const QColor face = form->Status->palette().color(QPalette::Button);
        QImage image(200, 30, QImage::Format_RGB32);
        image.fill(face);
        const QRect rect(10, 5, 148, 17);
        QFont usedFont;
        {
            QPainter painter(&image);
            painter.setClipRect(rect);
            form->StatusDrawPanel(form->Status, panel, rect, painter);
            usedFont = painter.font();
        }
        const Ink ink = inkOf(image, image.rect(), face);
        QVERIFY(!ink.bounds.isEmpty());
        QCOMPARE(ink.strongest, colour);
        QVERIFY(rect.contains(ink.bounds));
        QVERIFY2(ink.bounds.left() - rect.left() <= 2,
                 qPrintable(QString::number(ink.bounds.left())));
        QVERIFY2(ink.bounds.top() - rect.top() <= 5, qPrintable(QString::number(ink.bounds.top())));
        const QFontInfo info(usedFont);
        QVERIFY(info.bold());
        QCOMPARE(info.pointSize(), 8);
        QVERIFY2(info.family() == QLatin1String("Arial") ||
                     info.family() == QLatin1String("Liberation Sans"),
                 qPrintable(info.family()));
    }

    // The same totals on the window's own status bar.
    void statusBarShowsTotals() {
        showForm();
        form->Status->setPanelText(0, QStringLiteral("Сумма долга: 106603,28"));
        form->Status->setPanelText(1, QStringLiteral("Переплата: 6603,28"));
        const QImage image = form->Status->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QColor face = form->Status->palette().color(QPalette::Button);
        const auto area = [&](int panel) {
            const QRect r = form->Status->panelRect(panel);
            return QRect(QPoint(r.left() * ratio, r.top() * ratio),
                         QPoint((r.right() + 1) * ratio - 1, (r.bottom() + 1) * ratio - 1));
        };
        QCOMPARE(inkOf(image, area(0), face).strongest, QColor(0, 0, 0));
        QCOMPARE(inkOf(image, area(1), face).strongest, QColor(255, 0, 0));
    }

    void emptyStatusPanelDrawsNothing() {
        const QColor face = form->Status->palette().color(QPalette::Button);
        QImage image(200, 30, QImage::Format_RGB32);
        image.fill(face);
        {
            QPainter painter(&image);
            form->StatusDrawPanel(form->Status, 0, QRect(0, 0, 150, 19), painter);
        }
        QCOMPARE(inkOf(image, image.rect(), face).bounds, QRect());
    }

    // The mail link opens a new message to the developer with the program's subject.
    void mailLink() {
        LinkCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        form->MailTo->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.urls.size(), 1);
        const QUrl url = catcher.urls.first();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QVERIFY(url.path().contains(u'@'));
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Программа Ссудограф"));
        QCOMPARE(url.query(QUrl::FullyEncoded),
                 QStringLiteral("subject=%D0%9F%D1%80%D0%BE%D0%B3%D1%80%D0%B0%D0%BC%D0%BC%D0%B0%20"
                                "%D0%A1%D1%81%D1%83%D0%B4%D0%BE%D0%B3%D1%80%D0%B0%D1%84"));
        QCOMPARE(messages->takeMessages(), QStringList());
    }

    // Without a mail program the click shows nothing.
    void mailLinkWithoutMailProgram() {
        form->MailTo->click();
        QCOMPARE(messages->takeMessages(), QStringList());
        QCOMPARE(messages->questions, QStringList());
    }
};

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
