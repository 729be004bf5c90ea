#include "TForm1.h"

#include "GridUpkeep.h"
#include "QtMessageService.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QScreen>

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
    , m_ownMessages(std::make_unique<QtMessageService>(this))
    , m_messages(*m_ownMessages) {
    create();
}

TForm1::TForm1(MessageService& messages, QWidget* parent)
    : QMainWindow(parent)
    , m_messages(messages) {
    create();
}

TForm1::~TForm1() {
    // The controls go first, while the services their handlers use are still there.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TForm1::create() {
    setObjectName(QStringLiteral("Form1"));
    buildControls();
    buildScheduleOutputs();
    // The early-payments table shows its column titles from the start.
    Calc::DosPlatClear(DosPlat->grid());
    wireEvents();
    guarded(&m_errors, this, [this] { FormCreate(this); });
}

void TForm1::FormCreate(QObject* /*sender*/) {
    // The size first: resizing a maximized window would take its maximized state away.
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        resize(screen->size());
    setWindowState(windowState() | Qt::WindowMaximized);
}

bool TForm1::event(QEvent* e) {
    const bool result = QMainWindow::event(e);
    // The activation sequence runs when the window first becomes active, not on later
    // activations (closing a message box, coming back from another program). Where nothing
    // activates a shown window by itself (an X server without a window manager), the first
    // showing starts it once the window is up; whichever comes first runs it, once.
    if (e->type() == QEvent::WindowActivate)
        firstActivation();
    else if (e->type() == QEvent::Show && !m_activated && !m_activationQueued) {
        m_activationQueued = true;
        QMetaObject::invokeMethod(this, &TForm1::firstActivation, Qt::QueuedConnection);
    }
    return result;
}

void TForm1::firstActivation() {
    if (m_activated)
        return;
    m_activated = true;
    guarded(&m_errors, this, [this] { FormActivate(this); });
}

void TForm1::wireEvents() {
    const auto onClick = [this](QAbstractButton* b, void (TForm1::*handler)(QObject*)) {
        connect(b, &QAbstractButton::clicked, this,
                [this, b, handler] { guarded(&m_errors, b, [&] { (this->*handler)(b); }); });
    };
    // A check box runs its click handler whenever its state changes, by the user or by code.
    const auto onToggle = [this](QAbstractButton* b, void (TForm1::*handler)(QObject*)) {
        connect(b, &QAbstractButton::toggled, this,
                [this, b, handler](bool) { guarded(&m_errors, b, [&] { (this->*handler)(b); }); });
    };
    // A radio button runs its click handler whenever it becomes checked.
    const auto onChecked = [this](QAbstractButton* b, void (TForm1::*handler)(QObject*)) {
        connect(b, &QAbstractButton::toggled, this, [this, b, handler](bool checked) {
            if (checked)
                guarded(&m_errors, b, [&] { (this->*handler)(b); });
        });
    };
    // Only a user's selection runs handlers: the click handler, then the select handler.
    const auto onUserSelect = [this](QComboBox* c, void (TForm1::*click)(QObject*),
                                     void (TForm1::*select)(QObject*)) {
        connect(c, &QComboBox::activated, this, [this, c, click, select](int) {
            if (click)
                guarded(&m_errors, c, [&] { (this->*click)(c); });
            if (select)
                guarded(&m_errors, c, [&] { (this->*select)(c); });
        });
    };
    const auto onKey = [this](auto* control, void (TForm1::*handler)(QObject*, QChar&)) {
        control->setErrorHandler(&m_errors);
        control->setKeyHook(
            [this, control, handler](QChar& key) { (this->*handler)(control, key); });
    };
    const auto onSpin = [this](TUpDown* ud, void (TForm1::*handler)(QObject*, UpDownDirection)) {
        ud->setErrorHandler(&m_errors);
        ud->setClickHook(
            [this, ud, handler](UpDownDirection direction) { (this->*handler)(ud, direction); });
    };
    // The controls that run hooks report their failures to this window.
    for (GuardedControl* control :
         std::initializer_list<GuardedControl*>{Grafik, List, DataPlateja, DosPlat, Status, MailTo})
        control->setErrorHandler(&m_errors);

    // Schedule area.
    Grafik->setDrawCellHook([this](int col, int row, const QRect& rect, QPainter& painter) {
        GrafikDrawCell(Grafik, col, row, rect, painter);
    });
    onKey(Grafik, &TForm1::SummKeyPress);
    Grafik->setMouseUpHook([this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                  int y) { GrafikMouseUp(Grafik, button, shift, x, y); });
    Grafik->setSelectCellHook([this](int col, int row, bool& canSelect) {
        GrafikSelectCell(Grafik, col, row, canSelect);
    });
    Status->setDrawPanelHook([this](int panel, const QRect& rect, QPainter& painter) {
        StatusDrawPanel(Status, panel, rect, painter);
    });
    onClick(ClearGrafik, &TForm1::ClearGrafikClick);
    onClick(BBGraf, &TForm1::BBGrafClick);

    // Lists.
    List->setMouseActivateHook([this](Qt::MouseButton button) { ListMouseActivate(List, button); });
    List->setMouseUpHook([this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
        ListMouseUp(List, button, shift, x, y);
    });
    onToggle(HideCred, &TForm1::HideCredClick);
    connect(DelRec, &QAction::triggered, this,
            [this] { guarded(&m_errors, DelRec, [&] { DelRecClick(DelRec); }); });

    // Record editor.
    onClick(BSave, &TForm1::BSaveClick);
    onClick(BClearData, &TForm1::BClearDataClick);
    onUserSelect(EVidCred, &TForm1::EVidCredClick, nullptr);
    onUserSelect(ETip, &TForm1::ETipClick, &TForm1::ETipSelect);
    onUserSelect(EPere, nullptr, &TForm1::EPereSelect);
    onKey(ESummCred, &TForm1::SummKeyPress);
    onKey(EProcent0, &TForm1::EProcentRiska0KeyPress);
    onKey(EProcentRiska0, &TForm1::EProcentRiska0KeyPress);
    onKey(EProcent1, &TForm1::EProcentRiska0KeyPress);
    onKey(ESrok0, &TForm1::SrokKeyPress);
    onKey(ESrok1, &TForm1::SrokKeyPress);
    onKey(SMemo, &TForm1::SMemoKeyPress);

    for (const RateSpinner& spinner : RateSpinners())
        onSpin(this->*spinner.control, &TForm1::UDProcentClick);

    // Periodicity.
    onToggle(CSubb, &TForm1::CSubbClick);
    onToggle(CVosk, &TForm1::CVoskClick);

    // Add-on payments.
    onChecked(StrahNo, &TForm1::StrahNoClick);
    onChecked(StrahYesVKred, &TForm1::StrahYesVKredClick);
    onChecked(StrahYesNoKred, &TForm1::StrahYesNoKredClick);
    onKey(StrahSumm, &TForm1::SummKeyPress);
    onKey(StrahCol, &TForm1::SrokKeyPress);
    onChecked(SMSNo, &TForm1::SMSNoClick);
    onChecked(SMSYesVKred, &TForm1::SMSYesVKredClick);
    onChecked(SMSYesNoKred, &TForm1::SMSYesNoKredClick);
    onKey(SMSSumm, &TForm1::SummKeyPress);
    onKey(DopSumm, &TForm1::SummKeyPress);

    // Early payments.
    DosPlat->setDrawCellHook([this](int col, int row, const QRect& rect, QPainter& painter) {
        DosPlatDrawCell(DosPlat, col, row, rect, painter);
    });
    DosPlat->setGetEditTextHook(
        [this](int col, int row, QString& value) { DosPlatGetEditText(DosPlat, col, row, value); });
    onKey(DosPlat, &TForm1::SummKeyPress);
    DosPlat->setSelectCellHook([this](int col, int row, bool& canSelect) {
        DosPlatSelectCell(DosPlat, col, row, canSelect);
    });
    onClick(AddDosPlat, &TForm1::AddDosPlatClick);
    onClick(ClearDosPlat, &TForm1::ClearDosPlatClick);

    // About.
    MailTo->setClickHook([this] { MailToClick(MailTo); });

    setUpGridPresentation();
}
