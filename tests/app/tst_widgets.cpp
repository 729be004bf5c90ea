// The window's own widgets: the grid view over a string grid, key-hooked edits, up-downs,
// collapsible panels, the status bar, checking from code, and the message boxes.
#include "ControlHelpers.h"
#include "Exceptions.h"
#include "QtMessageService.h"
#include "TCategoryPanel.h"
#include "TEdit.h"
#include "TLinkLabel.h"
#include "TStatusBar.h"
#include "TStringGridView.h"
#include "TUpDown.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

Q_DECLARE_METATYPE(UpDownDirection)

namespace {

// A grid view shown on screen, with a header row, one fixed column, 3 columns and 4 rows.
std::unique_ptr<TStringGridView> makeGrid(int fixedCols = 0) {
    auto view = std::make_unique<TStringGridView>();
    StringGrid& g = view->grid();
    g.setColCount(3);
    g.setRowCount(4);
    g.setFixedRows(1);
    g.setFixedCols(fixedCols);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            g.setCell(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
    view->setDefaultColWidth(60);
    view->setDefaultRowHeight(16);
    view->resize(300, 200);
    view->show();
    return view;
}

QPoint centerOf(const TStringGridView& view, int col, int row) {
    return view.cellRect(col, row).center();
}

// Which widget a point of the grid view lies on, and where in it.
QPair<QWidget*, QPoint> target(TStringGridView& view, QPoint p) {
    QWidget* w = view.childAt(p);
    if (!w)
        w = &view;
    return {w, w->mapFrom(&view, p)};
}

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    // Grid view.
    void modelFollowsTheGrid();
    void headerRowShowsRowZero_data();
    void headerRowShowsRowZero();
    void setCurrentCellAsksTheHook_data();
    void setCurrentCellAsksTheHook();
    void setCurrentCellOutsideTheBodyFails_data();
    void setCurrentCellOutsideTheBodyFails();
    void keyboardMoveAsksTheHook();
    void mouseClickSelectsAndReportsThePoint_data();
    void mouseClickSelectsAndReportsThePoint();
    void rightButtonLeavesTheSelection();
    void currentCellSurvivesAReset();
    void rowSelectSpansTheColumns();
    void typingOpensTheEditor();
    void editorKeysGoThroughTheHook_data();
    void editorKeysGoThroughTheHook();
    void editingOffKeepsCellsReadOnly();
    void getEditTextShapesTheEditor();
    void drawHookSeesEveryCell();
    void columnWidthsSurviveAReset();

    // Key-hooked edit box and memo.
    void editKeyHook_data();
    void editKeyHook();
    void shortcutsBypassTheHook();
    void replacementIsTypedAsAKeyIs();
    void memoKeyHook();

    // Up-down.
    void upDownStopsAtItsEnds();
    void upDownArrowsClick();

    // Panels, status bar, checking from code.
    void categoryPanel();
    void statusBarPanels();
    void statusBarTextsAreReadable();
    void setCheckedCanUncheckARadioButton();

    // Failing hooks.
    void failingHookGoesToTheErrorHandler_data();
    void failingHookGoesToTheErrorHandler();
    void failureWithoutAHandlerIsLogged();

    // Message boxes.
    void plainMessageBox();
    void questionBox();
    void boxesBelongToTheWindow();
};

void WidgetsTest::modelFollowsTheGrid() {
    auto view = makeGrid();
    auto* tester = new QAbstractItemModelTester(
        view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, view.get());
    Q_UNUSED(tester);
    StringGrid& g = view->grid();
    QCOMPARE(view->model()->rowCount(), 3);
    g.setRowCount(10);
    g.setCell(2, 9, QStringLiteral("last"));
    QCOMPARE(view->model()->rowCount(), 9);
    QCOMPARE(view->model()->index(8, 2).data().toString(), QStringLiteral("last"));
    g.setColCount(5);
    QCOMPARE(view->model()->columnCount(), 5);
    g.setRowCount(1);
    QCOMPARE(view->model()->rowCount(), 0);
    g.setFixedRows(0);
    QCOMPARE(view->model()->rowCount(), 1);
    g.setRowCount(3);
    g.exchangeRows(0, 2);
    g.deleteRow(1);
    QCOMPARE(view->model()->rowCount(), 2);
    {
        StringGrid::UpdateBlock block(g);
        g.setRowCount(6);
        g.setCell(0, 5, QStringLiteral("x"));
    }
    QCOMPARE(view->model()->rowCount(), 6);
    QCOMPARE(view->model()->index(5, 0).data().toString(), QStringLiteral("x"));
}

void WidgetsTest::headerRowShowsRowZero_data() {
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<bool>("headerShown");
    QTest::addColumn<int>("bodyRows");
    QTest::addColumn<QString>("firstBodyCell");

    QTest::newRow("fixed row as header") << 1 << true << 3 << "0:1";
    QTest::newRow("no fixed row: every row is body") << 0 << false << 4 << "0:0";
}

void WidgetsTest::headerRowShowsRowZero() {
    QFETCH(int, fixedRows);
    auto view = makeGrid();
    view->grid().setFixedRows(fixedRows);
    QTEST(!view->horizontalHeader()->isHidden(), "headerShown");
    QTEST(view->model()->rowCount(), "bodyRows");
    QTEST(view->model()->index(0, 0).data().toString(), "firstBodyCell");
    if (fixedRows == 1) {
        QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("1:0"));
        view->grid().setCell(1, 0, QStringLiteral("Дата"));
        QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Дата"));
    }
}

void WidgetsTest::setCurrentCellAsksTheHook_data() {
    QTest::addColumn<bool>("allow");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");

    QTest::newRow("allowed move") << true << 2 << 3;
    QTest::newRow("refused move stays") << false << 0 << 1;
}

void WidgetsTest::setCurrentCellAsksTheHook() {
    QFETCH(bool, allow);
    auto view = makeGrid();
    QCOMPARE(view->col(), 0);
    QCOMPARE(view->row(), 1);
    QList<QPoint> asked;
    view->setSelectCellHook([&](int c, int r, bool& canSelect) {
        asked << QPoint(c, r);
        canSelect = allow;
    });
    view->setCurrentCell(2, 3);
    QCOMPARE(asked, QList<QPoint>{QPoint(2, 3)});
    QTEST(view->col(), "col");
    QTEST(view->row(), "row");
    const GridRect expected{view->col(), view->row(), view->col(), view->row()};
    QCOMPARE(view->selection(), expected);
    // Making the current cell current again asks nothing.
    view->setRow(view->row());
    QCOMPARE(asked.size(), 1);
}

void WidgetsTest::setCurrentCellOutsideTheBodyFails_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");

    QTest::newRow("header row") << 1 << 0;
    QTest::newRow("fixed column") << 0 << 2;
    QTest::newRow("below the last row") << 1 << 4;
    QTest::newRow("right of the last column") << 3 << 1;
}

void WidgetsTest::setCurrentCellOutsideTheBodyFails() {
    QFETCH(int, col);
    QFETCH(int, row);
    auto view = makeGrid(1);
    QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, view->setCurrentCell(col, row));
    QCOMPARE(view->col(), 1);
    QCOMPARE(view->row(), 1);
}

void WidgetsTest::keyboardMoveAsksTheHook() {
    auto view = makeGrid(1);
    QList<QPoint> asked;
    bool allow = true;
    view->setSelectCellHook([&](int c, int r, bool& canSelect) {
        asked << QPoint(c, r);
        canSelect = allow;
    });
    view->setFocus();
    QTest::keyClick(view.get(), Qt::Key_Down);
    QCOMPARE(asked, QList<QPoint>{QPoint(1, 2)});
    QCOMPARE(view->row(), 2);
    allow = false;
    QTest::keyClick(view.get(), Qt::Key_Right);
    QCOMPARE(view->col(), 1);
    QCOMPARE(view->currentIndex().column(), 1);
    // The fixed column cannot be entered.
    allow = true;
    QTest::keyClick(view.get(), Qt::Key_Left);
    QCOMPARE(view->col(), 1);
}

void WidgetsTest::mouseClickSelectsAndReportsThePoint_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("moves");

    QTest::newRow("body cell") << 2 << 3 << true;
    QTest::newRow("header cell reports without moving") << 1 << 0 << false;
}

void WidgetsTest::mouseClickSelectsAndReportsThePoint() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, moves);
    auto view = makeGrid();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QList<QPoint> released;
    QList<Qt::MouseButton> activated;
    view->setMouseUpHook(
        [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { released << QPoint(x, y); });
    view->setMouseActivateHook([&](Qt::MouseButton b) { activated << b; });
    const QPoint p = centerOf(*view, col, row);
    const auto [widget, local] = target(*view, p);
    QTest::mouseClick(widget, Qt::LeftButton, {}, local);
    QCOMPARE(activated, QList<Qt::MouseButton>{Qt::LeftButton});
    QCOMPARE(released.size(), 1);
    int c = -1;
    int r = -1;
    QVERIFY(view->mouseToCell(released[0].x(), released[0].y(), c, r));
    QCOMPARE(c, col);
    QCOMPARE(r, row);
    QCOMPARE(view->col() == col && view->row() == row, moves);
}

void WidgetsTest::rightButtonLeavesTheSelection() {
    auto view = makeGrid();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QMenu menu;
    menu.addAction(QStringLiteral("x"));
    view->setPopupMenu(&menu);
    QStringList order;
    view->setMouseActivateHook([&](Qt::MouseButton) { order << "activate"; });
    view->setMouseUpHook([&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        order << (menu.isVisible() ? "up after menu" : "up");
    });
    const auto [widget, local] = target(*view, centerOf(*view, 2, 3));
    QTest::mouseClick(widget, Qt::RightButton, {}, local);
    QCOMPARE(order, (QStringList{"activate", "up"}));
    QTRY_VERIFY(menu.isVisible());
    menu.close();
    QCOMPARE(view->col(), 0);
    QCOMPARE(view->row(), 1);
}

void WidgetsTest::currentCellSurvivesAReset() {
    auto view = makeGrid();
    view->setCurrentCell(2, 2);
    view->grid().setRowCount(8);
    QCOMPARE(view->col(), 2);
    QCOMPARE(view->row(), 2);
    QCOMPARE(view->currentIndex(), view->model()->index(1, 2));
    // Fewer rows: the current row moves up to the last one.
    view->grid().setRowCount(2);
    QCOMPARE(view->row(), 1);
    view->grid().setRowCount(1);
    QCOMPARE(view->row(), -1);
}

void WidgetsTest::rowSelectSpansTheColumns() {
    auto view = makeGrid(1);
    view->setRowSelect(true);
    view->setCurrentCell(1, 3);
    const GridRect expected{1, 3, 2, 3};
    QCOMPARE(view->selection(), expected);
    view->setSelection(GridRect{0, 1, 2, 2});
    QCOMPARE(view->selection(), (GridRect{1, 1, 2, 2}));
}

void WidgetsTest::typingOpensTheEditor() {
    auto view = makeGrid();
    view->setEditing(true);
    view->setCurrentCell(1, 2);
    QList<bool> editorOpen;
    view->setKeyHook([&](QChar&) { editorOpen << view->editorMode(); });
    view->setFocus();
    QTest::keyClick(view.get(), Qt::Key_5, {}, 5);
    // The key is seen first on the grid, then again inside the editor it opened.
    QCOMPARE(editorOpen, (QList<bool>{false, true}));
    QVERIFY(view->editorMode());
    TEdit* editor = view->inplaceEditor();
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("5"));
    // The cell follows the editor as the user types.
    QCOMPARE(view->grid().cell(1, 2), QStringLiteral("5"));
    QTest::keyClicks(editor, "7");
    QCOMPARE(view->grid().cell(1, 2), QStringLiteral("57"));
    // Enter closes the editor and keeps the text.
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!view->editorMode());
    QCOMPARE(view->grid().cell(1, 2), QStringLiteral("57"));
    QCOMPARE(view->col(), 1);
    QCOMPARE(view->row(), 2);
}

void WidgetsTest::editorKeysGoThroughTheHook_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    // The hook turns "," into "." and swallows letters.
    QTest::newRow("digits pass") << "12"
                                 << "12";
    QTest::newRow("comma is replaced") << "1,5"
                                       << "1.5";
    QTest::newRow("letters are swallowed") << "1a2b"
                                           << "12";
}

void WidgetsTest::editorKeysGoThroughTheHook() {
    QFETCH(QString, keys);
    auto view = makeGrid();
    view->setEditing(true);
    view->setKeyHook([](QChar& key) {
        if (key == u',')
            key = u'.';
        else if (key.isLetter())
            key = QChar();
    });
    view->setFocus();
    view->showEditor();
    TEdit* editor = view->inplaceEditor();
    QVERIFY(editor);
    QCOMPARE(editor->selectedText(), QStringLiteral("0:1"));
    QTest::keyClicks(editor, keys);
    QTEST(editor->text(), "text");
    QTEST(view->grid().cell(0, 1), "text");
}

void WidgetsTest::editingOffKeepsCellsReadOnly() {
    auto view = makeGrid();
    int hookCalls = 0;
    view->setKeyHook([&](QChar&) { ++hookCalls; });
    view->setFocus();
    QTest::keyClicks(view.get(), "9");
    QTest::keyClick(view.get(), Qt::Key_F2);
    QCOMPARE(hookCalls, 1);
    QVERIFY(!view->editorMode());
    QCOMPARE(view->grid().cell(0, 1), QStringLiteral("0:1"));
    // Editing switched on while the cell is current opens the editor on the next key.
    view->setEditing(true);
    QTest::keyClicks(view.get(), "9");
    QVERIFY(view->editorMode());
    view->setEditing(false);
    QVERIFY(!view->editorMode());
    QCOMPARE(view->grid().cell(0, 1), QStringLiteral("9"));
}

void WidgetsTest::getEditTextShapesTheEditor() {
    auto view = makeGrid();
    view->setEditing(true);
    QList<QPoint> asked;
    view->setGetEditTextHook([&](int c, int r, QString& value) {
        asked << QPoint(c, r);
        value += QStringLiteral(",00");
    });
    view->setCurrentCell(2, 3);
    view->showEditor();
    QVERIFY(view->inplaceEditor());
    QCOMPARE(asked, QList<QPoint>{QPoint(2, 3)});
    QCOMPARE(view->inplaceEditor()->text(), QStringLiteral("2:3,00"));
    // Only the editor shows it until the user types.
    QCOMPARE(view->grid().cell(2, 3), QStringLiteral("2:3"));
}

void WidgetsTest::drawHookSeesEveryCell() {
    auto view = makeGrid();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QSet<QPair<int, int>> drawn;
    view->setDrawCellHook([&](int c, int r, const QRect& rect, QPainter& painter) {
        drawn.insert({c, r});
        painter.fillRect(rect, Qt::white);
    });
    view->grab();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            QVERIFY2(drawn.contains({c, r}), qPrintable(QStringLiteral("%1,%2").arg(c).arg(r)));
}

void WidgetsTest::columnWidthsSurviveAReset() {
    auto view = makeGrid();
    view->setColWidth(0, 85);
    view->setColWidth(2, 5);
    view->grid().setColCount(4);
    QCOMPARE(view->colWidth(0), 85);
    QCOMPARE(view->columnWidth(0), 85);
    QCOMPARE(view->columnWidth(2), 5);
    QCOMPARE(view->colWidth(3), 60);
    QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, view->setColWidth(4, 10));
}

// The hook sees the typed character and may replace or swallow it.
void WidgetsTest::editKeyHook_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("selection"); // characters selected from the cursor on
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<QChar>("replacement"); // '\0' swallows, '?' keeps the key
    QTest::addColumn<QChar>("seen");
    QTest::addColumn<QString>("result");

    const QChar keep = u'?';
    QTest::newRow("kept digit at the caret")
        << "12" << 1 << 0 << int(Qt::Key_5) << "5" << keep << QChar(u'5') << "152";
    QTest::newRow("replaced point becomes a comma")
        << "12" << 2 << 0 << int(Qt::Key_Period) << "." << QChar(u',') << QChar(u'.') << "12,";
    QTest::newRow("replacement replaces the selection")
        << "1234" << 1 << 2 << int(Qt::Key_Period) << "." << QChar(u',') << QChar(u'.') << "1,4";
    QTest::newRow("swallowed letter")
        << "12" << 2 << 0 << int(Qt::Key_A) << "a" << QChar() << QChar(u'a') << "12";
    QTest::newRow("backspace is code 8")
        << "12" << 2 << 0 << int(Qt::Key_Backspace) << "" << keep << QChar(8) << "1";
    QTest::newRow("swallowed backspace does nothing")
        << "12" << 2 << 0 << int(Qt::Key_Backspace) << "" << QChar() << QChar(8) << "12";
    QTest::newRow("enter is code 13")
        << "12" << 2 << 0 << int(Qt::Key_Return) << "" << keep << QChar(13) << "12";
}

void WidgetsTest::editKeyHook() {
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, selection);
    QFETCH(int, key);
    QFETCH(QString, keyText);
    QFETCH(QChar, replacement);
    TEdit edit;
    edit.setText(text);
    if (selection > 0)
        edit.setSelection(cursor, selection);
    else
        edit.setCursorPosition(cursor);
    QChar seen;
    edit.setKeyHook([&](QChar& k) {
        seen = k;
        if (replacement != u'?')
            k = replacement;
    });
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, keyText);
    QCoreApplication::sendEvent(&edit, &press);
    QTEST(seen, "seen");
    QTEST(edit.text(), "result");
}

void WidgetsTest::shortcutsBypassTheHook() {
    TEdit edit;
    edit.setText(QStringLiteral("abc"));
    int calls = 0;
    edit.setKeyHook([&](QChar& k) {
        ++calls;
        k = QChar();
    });
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit.selectedText(), QStringLiteral("abc"));
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral("bc"));
    QCOMPARE(calls, 0);
    // A hook that fails swallows its key.
    edit.setKeyHook([](QChar&) { throw EConvertError(QStringLiteral("bad")); });
    QTest::keyClicks(&edit, "x");
    QCOMPARE(edit.text(), QStringLiteral("bc"));
}

// A replaced character meets the same checks as a typed one: the validator, read-only.
void WidgetsTest::replacementIsTypedAsAKeyIs() {
    TEdit edit;
    edit.setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), &edit));
    edit.setKeyHook([](QChar& k) { k = k == u'a' ? u'5' : u','; });
    QTest::keyClicks(&edit, "a.a");
    QCOMPARE(edit.text(), QStringLiteral("55"));
    edit.setReadOnly(true);
    QTest::keyClicks(&edit, "a");
    QCOMPARE(edit.text(), QStringLiteral("55"));
}

void WidgetsTest::memoKeyHook() {
    TMemo memo;
    memo.setKeyHook([](QChar& k) {
        if (k == u'x')
            k = QChar();
        else if (k == u'y')
            k = u'z';
    });
    QTest::keyClicks(&memo, "axbyc");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, "d");
    QCOMPARE(memo.lines(), (QStringList{"abzc", "d"}));
}

void WidgetsTest::upDownStopsAtItsEnds() {
    TUpDown ud;
    QList<UpDownDirection> clicks;
    ud.setClickHook([&](UpDownDirection d) { clicks << d; });
    for (int i = 0; i < 1000; ++i)
        QVERIFY(ud.click(UpDownDirection::Up));
    QCOMPARE(clicks.size(), 1000);
    QVERIFY(!ud.click(UpDownDirection::Up));
    QCOMPARE(clicks.size(), 1000);
    QVERIFY(ud.click(UpDownDirection::Down));
    QCOMPARE(clicks.last(), UpDownDirection::Down);
    QVERIFY(ud.click(UpDownDirection::Up));
    QVERIFY(!ud.click(UpDownDirection::Up));
    ud.setPosition(-1000);
    QVERIFY(!ud.click(UpDownDirection::Down));
    QCOMPARE(ud.position(), -1000);
}

void WidgetsTest::upDownArrowsClick() {
    TUpDown ud;
    ud.show();
    QList<UpDownDirection> clicks;
    ud.setClickHook([&](UpDownDirection d) { clicks << d; });
    QTest::mouseClick(ud.upButton(), Qt::LeftButton);
    QTest::mouseClick(ud.downButton(), Qt::LeftButton);
    QTest::mouseClick(ud.downButton(), Qt::LeftButton);
    QCOMPARE(clicks, (QList<UpDownDirection>{UpDownDirection::Up, UpDownDirection::Down,
                                             UpDownDirection::Down}));
    QCOMPARE(ud.position(), -1);
    // The arrow keys do nothing.
    QVERIFY(ud.focusPolicy() == Qt::NoFocus);
    QCOMPARE(ud.size(), QSize(17, 21));
}

void WidgetsTest::categoryPanel() {
    TCategoryPanel panel(QStringLiteral("Параметры"), 200);
    auto* child = new QLabel(QStringLiteral("x"), panel.body());
    panel.bodyLayout()->addWidget(child);
    panel.show();
    QVERIFY(!panel.collapsed());
    QCOMPARE(panel.height(), 200);
    QTest::mouseClick(panel.header(), Qt::LeftButton);
    QVERIFY(panel.collapsed());
    QCOMPARE(panel.height(), TCategoryPanel::HeaderHeight);
    QVERIFY(!child->isVisible());
    panel.expand();
    QCOMPARE(panel.height(), 200);
    QVERIFY(child->isVisible());
    QCOMPARE(panel.caption(), QStringLiteral("Параметры"));
}

void WidgetsTest::statusBarPanels() {
    TStatusBar bar;
    bar.setPanelWidths({150, 150});
    bar.resize(400, 19);
    bar.setPanelText(1, QStringLiteral("Переплата: 1,00"));
    QCOMPARE(bar.panelText(1), QStringLiteral("Переплата: 1,00"));
    QVERIFY_THROWS_EXCEPTION(EListError, bar.setPanelText(2, QStringLiteral("x")));
    QList<QPair<int, QRect>> drawn;
    bar.setDrawPanelHook(
        [&](int panel, const QRect& rect, QPainter&) { drawn << qMakePair(panel, rect); });
    bar.grab();
    QCOMPARE(drawn.size(), 2);
    QCOMPARE(drawn[0].first, 0);
    QCOMPARE(drawn[1].first, 1);
    QVERIFY(drawn[0].second.right() < drawn[1].second.left());
    QCOMPARE(drawn[1].second.left(), 151);
}

// The panel texts are readable without the painting: the property and the accessible name
// follow every change, and only a change.
void WidgetsTest::statusBarTextsAreReadable() {
    TStatusBar bar;
    QSignalSpy changes(&bar, &TStatusBar::panelTextsChanged);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&bar);
    QVERIFY(accessible);
    const auto readable = [&] {
        return QPair(bar.property("panelTexts").toStringList(),
                     accessible->text(QAccessible::Name));
    };
    bar.setPanelWidths({150, 150});
    QCOMPARE(readable(), QPair(QStringList{"", ""}, QString()));
    bar.setPanelText(1, QStringLiteral("Переплата: 1,00"));
    QCOMPARE(readable(), QPair(QStringList{"", "Переплата: 1,00"}, QString("Переплата: 1,00")));
    bar.setPanelText(0, QStringLiteral("Сумма долга: 5,00"));
    QCOMPARE(readable(), QPair(QStringList{"Сумма долга: 5,00", "Переплата: 1,00"},
                               QString("Сумма долга: 5,00; Переплата: 1,00")));
    bar.setPanelText(0, QStringLiteral("Сумма долга: 5,00"));
    QCOMPARE(changes.size(), 3);
    QCOMPARE(changes.last().first().toStringList(), bar.panelTexts());
    bar.setPanelText(0, QString());
    bar.setPanelText(1, QString());
    QCOMPARE(readable(), QPair(QStringList{"", ""}, QString()));
}

void WidgetsTest::setCheckedCanUncheckARadioButton() {
    QWidget group;
    auto* a = new QRadioButton(&group);
    auto* b = new QRadioButton(&group);
    a->setChecked(true);
    QList<bool> toggles;
    QObject::connect(a, &QRadioButton::toggled, &group, [&](bool on) { toggles << on; });
    SetChecked(a, false);
    QVERIFY(!a->isChecked());
    QVERIFY(!b->isChecked());
    QCOMPARE(toggles, QList<bool>{false});
    // The group is still exclusive afterwards.
    SetChecked(a, true);
    b->setChecked(true);
    QVERIFY(!a->isChecked());
}

// Every control runs its hooks through the error handler it was handed: a failure reaches the
// handler once, with the control as the sender, and the control acts as for a refused event.
void WidgetsTest::failingHookGoesToTheErrorHandler_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("edit box key: swallowed") << "TEdit";
    QTest::newRow("memo key: swallowed") << "TMemo";
    QTest::newRow("up-down click") << "TUpDown";
    QTest::newRow("link click") << "TLinkLabel";
    QTest::newRow("status panel drawing") << "TStatusBar";
    QTest::newRow("grid cell selection: refused") << "select";
    QTest::newRow("grid key: swallowed") << "gridKey";
    QTest::newRow("grid cell editor key: swallowed") << "editorKey";
    QTest::newRow("grid cell the grid refuses: kept") << "setData";
}

void WidgetsTest::failingHookGoesToTheErrorHandler() {
    QFETCH(QString, control);
    QList<QObject*> senders;
    QStringList errors;
    ErrorHandler handler([&](QObject* sender, std::exception_ptr error) {
        senders << sender;
        try {
            std::rethrow_exception(error);
        } catch (const Exception& e) {
            errors << e.message();
        }
    });
    const auto fail = [] {
        throw EConvertError(QStringLiteral("bad"));
    };
    QObject* expectedSender = nullptr;

    if (control == "TEdit" || control == "TMemo") {
        std::unique_ptr<QWidget> edit;
        if (control == "TEdit") {
            auto* e = new TEdit;
            e->setErrorHandler(&handler);
            e->setKeyHook([&](QChar&) { fail(); });
            edit.reset(e);
        } else {
            auto* m = new TMemo;
            m->setErrorHandler(&handler);
            m->setKeyHook([&](QChar&) { fail(); });
            edit.reset(m);
        }
        QTest::keyClicks(edit.get(), "x");
        QCOMPARE(edit->property(control == "TEdit" ? "text" : "plainText").toString(), QString());
        expectedSender = edit.get();
        QCOMPARE(senders, QList<QObject*>{expectedSender});
    } else if (control == "TUpDown") {
        TUpDown ud;
        ud.setErrorHandler(&handler);
        ud.setClickHook([&](UpDownDirection) { fail(); });
        ud.upButton()->click();
        QCOMPARE(senders, QList<QObject*>{&ud});
    } else if (control == "TLinkLabel") {
        TLinkLabel link(QStringLiteral("Написать"));
        link.setErrorHandler(&handler);
        link.setClickHook(fail);
        link.click();
        QCOMPARE(senders, QList<QObject*>{&link});
    } else if (control == "TStatusBar") {
        TStatusBar bar;
        bar.setPanelWidths({150});
        bar.resize(200, 19);
        bar.setErrorHandler(&handler);
        bar.setDrawPanelHook([&](int, const QRect&, QPainter&) { fail(); });
        bar.grab();
        QCOMPARE(senders, QList<QObject*>{&bar});
    } else {
        auto view = makeGrid();
        view->setErrorHandler(&handler);
        view->setEditing(true);
        view->setCurrentCell(1, 1);
        if (control == "select") {
            view->setSelectCellHook([&](int, int, bool&) { fail(); });
            view->setCurrentCell(2, 2);
            QCOMPARE(view->col(), 1);
            QCOMPARE(view->row(), 1);
            QCOMPARE(senders, QList<QObject*>{view.get()});
        } else if (control == "gridKey") {
            view->setKeyHook([&](QChar&) { fail(); });
            QTest::keyClick(view.get(), Qt::Key_5);
            QVERIFY(!view->editorMode());
            QCOMPARE(senders, QList<QObject*>{view.get()});
        } else if (control == "editorKey") {
            view->showEditor();
            TEdit* editor = view->inplaceEditor();
            QVERIFY(editor);
            view->setKeyHook([&](QChar&) { fail(); });
            QTest::keyClick(editor, Qt::Key_5);
            QCOMPARE(editor->text(), QStringLiteral("1:1"));
            QCOMPARE(senders, QList<QObject*>{editor});
        } else if (control == "setData") {
            QObject::connect(&view->grid(), &StringGrid::cellChanged, view.get(), fail);
            const QModelIndex index = view->model()->index(0, 1);
            QVERIFY(!view->model()->setData(index, QStringLiteral("x")));
            QCOMPARE(senders, QList<QObject*>{view.get()});
        }
    }
    QCOMPARE(errors, QStringList{QStringLiteral("bad")});
}

// A control outside any window has no error handler: a failing hook is logged and goes no
// further.
void WidgetsTest::failureWithoutAHandlerIsLogged() {
    TUpDown ud;
    int clicks = 0;
    ud.setClickHook([&](UpDownDirection) {
        ++clicks;
        throw EConvertError(QStringLiteral("bad"));
    });
    QTest::ignoreMessage(QtWarningMsg, "Unhandled error: EConvertError: bad");
    QVERIFY(ud.click(UpDownDirection::Up));
    QCOMPARE(clicks, 1);
}

void WidgetsTest::plainMessageBox() {
    const QtMessageService service;
    const std::unique_ptr<QMessageBox> box(
        service.makeMessageBox(QStringLiteral("Первая\n\rвторая")));
    QCOMPARE(box->windowTitle(), QStringLiteral("Ссудограф"));
    QCOMPARE(box->text(), QStringLiteral("Первая\nвторая"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box->windowModality() != Qt::NonModal);
}

void WidgetsTest::questionBox() {
    const QtMessageService service;
    const std::unique_ptr<QMessageBox> box(
        service.makeQuestionBox(QStringLiteral("Удалить?\n\rТочно?")));
    QCOMPARE(box->windowTitle(), QStringLiteral("ВНИМАНИЕ!!!"));
    QCOMPARE(box->text(), QStringLiteral("Удалить?\nТочно?"));
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label);
    QVERIFY(label->alignment() & Qt::AlignRight);
    QVERIFY(box->windowModality() != Qt::NonModal);
}

// The boxes stand over the program's window whether or not it is active.
void WidgetsTest::boxesBelongToTheWindow() {
    QWidget window;
    const QtMessageService service(&window);
    QVERIFY(QApplication::activeWindow() != &window);
    const std::unique_ptr<QMessageBox> message(service.makeMessageBox(QStringLiteral("a")));
    const std::unique_ptr<QMessageBox> question(service.makeQuestionBox(QStringLiteral("b")));
    QCOMPARE(message->parentWidget(), &window);
    QCOMPARE(question->parentWidget(), &window);
}

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
