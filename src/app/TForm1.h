#pragma once

#include "ExportDialogs.h"
#include "Guarded.h"
#include "MessageService.h"
#include "RecordFormat.h"
#include "SharedTextFile.h"
#include "SpinnerStep.h"
#include "TCategoryPanel.h"
#include "TEdit.h"
#include "TLinkLabel.h"
#include "TStatusBar.h"
#include "TStringGridView.h"
#include "TUpDown.h"
#include "Version.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <exception>
#include <memory>
#include <optional>
#include <span>

class QPainter;
class ScheduleChart;

// The program's one window. Its named controls hold all loan data: every handler reads and
// writes the loan through them and converts texts to numbers at each use.
//
// Every control is a public member named as the control is; its objectName is the same name.
// Handlers take the control that raised the event (sender) first, then the event's arguments:
//   clicks:           void XClick(QObject* sender)
//   key typed:        void XKeyPress(QObject* sender, QChar& key)
//                     (set key to QChar() to refuse it, to another character to replace it)
//   up-down click:    void UD...Click(QObject* sender, UpDownDirection direction)
//   cell selection:   void XSelectCell(QObject* sender, int col, int row, bool& canSelect)
//   editor text:      void XGetEditText(QObject* sender, int col, int row, QString& value)
//   cell painting:    void XDrawCell(QObject* sender, int col, int row, const QRect& rect,
//                                    QPainter& painter)   (after the grid's default painting)
//   status panel:     void StatusDrawPanel(QObject* sender, int panel, const QRect& rect,
//                                          QPainter& painter)
//   mouse released:   void XMouseUp(QObject* sender, Qt::MouseButton button,
//                                   Qt::KeyboardModifiers shift, int x, int y)
//   mouse activation: void ListMouseActivate(QObject* sender, Qt::MouseButton button)
// Grid coordinates are (column, row) from 0 with the header row 0 included; mouse points are
// in the grid widget's own coordinates. Every call from Qt runs through guarded() with the
// window's error handler, which the window hands to its controls and which reports through
// Error.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The window with the program's own message boxes, shown over this window.
    explicit TForm1(QWidget* parent = nullptr);
    // The window with the given message boxes (tests pass scripted ones); they must outlive
    // the window.
    explicit TForm1(MessageService& messages, QWidget* parent = nullptr);
    ~TForm1() override;

    MessageService& messages() { return m_messages; }
    // The one file object through which record files are read and written; the error hook
    // closes it when an error interrupts the operation that had it open.
    SharedTextFile& sharedTextFile() { return m_sharedTextFile; }

    // The layout of the record file read last: reset to the older layout by FormActivate, set
    // by every reader of record files.
    Storage::RecordLayout RecordLayoutIndicator = Storage::RecordLayout::Older;
    ErrorHandler& errors() { return m_errors; }

    // The working folder, which holds the record files: the process's current directory when
    // the window is created.
    const QString& workingFolder() const { return m_workingFolder; }
    void setWorkingFolder(const QString& folder) { m_workingFolder = folder; }

    // The short program version ("1.3"), written into every saved record; set by FormActivate
    // from the program file's version information, which it reads only the first time.
    QString ProgVersion;

    // ---- Start-up and activation (TForm1.cpp) ----
    void FormCreate(QObject* sender);
    // Runs once when the window first becomes active; other handlers call it directly.
    void FormActivate(QObject* sender);
    // MyVersion(fileName) and CutVersion(fileVersion): see Version.h.

    // ---- Option switches (Form1Switches.cpp) ----
    void StrahNoClick(QObject* sender);
    void StrahYesVKredClick(QObject* sender);
    void StrahYesNoKredClick(QObject* sender);
    void SMSNoClick(QObject* sender);
    void SMSYesVKredClick(QObject* sender);
    void SMSYesNoKredClick(QObject* sender);
    void CSubbClick(QObject* sender);
    void CVoskClick(QObject* sender);
    void EPereSelect(QObject* sender);
    void EVidCredClick(QObject* sender);
    void ETipClick(QObject* sender);
    void ETipSelect(QObject* sender);
    void CategoryPanelGroupClose();

    // ---- Schedule (Form1Schedule.cpp) ----
    void BBGrafClick(QObject* sender);
    void GrafikClear(QObject* sender);
    void GrafikClearFull(QObject* sender);
    void ClearGrafikClick(QObject* sender);
    void GrafikSelectCell(QObject* sender, int col, int row, bool& canSelect);
    void GrafikMouseUp(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                       int y);
    void DosPlatGetEditText(QObject* sender, int col, int row, QString& value);
    void DosPlatSelectCell(QObject* sender, int col, int row, bool& canSelect);
    void AddDosPlatClick(QObject* sender);
    void ClearDosPlatClick(QObject* sender);
    void ZapolnitSummu(QObject* sender);

    // ---- Input filters and spinners (Form1Filters.cpp) ----
    void SrokKeyPress(QObject* sender, QChar& key);
    void EProcentRiska0KeyPress(QObject* sender, QChar& key);
    void SummKeyPress(QObject* sender, QChar& key);
    void SMemoKeyPress(QObject* sender, QChar& key);
    // The rate spinners, one for each decimal place of the three rate fields, are built,
    // wired and handled from this one table.
    struct RateSpinner {
        const char* name; // the member's name, and the control's objectName
        TUpDown* TForm1::*control;
        TEdit* TForm1::*field; // the rate field it steps
        long double step;      // its place value
        SpinnerStep::LowerBound bound;
    };
    static std::span<const RateSpinner> RateSpinners();
    // A click on any rate spinner: steps its field by its place value.
    void UDProcentClick(QObject* sender, UpDownDirection direction);

    // ---- Grid presentation and status line (Form1Presentation.cpp) ----
    void GrafikDrawCell(QObject* sender, int col, int row, const QRect& rect, QPainter& painter);
    void DosPlatDrawCell(QObject* sender, int col, int row, const QRect& rect, QPainter& painter);
    void AutoSizeCol(TStringGridView* grid, int column);
    void AutoSizeCols(TStringGridView* grid);
    // Column 0 fitted with AutoSizeCol, every further column as wide as its header text + 5.
    void FitColumnsToHeaders(TStringGridView* grid);
    void StatusDrawPanel(QObject* sender, int panel, const QRect& rect, QPainter& painter);
    void MailToClick(QObject* sender);

    // ---- Error hook (Form1Errors.cpp) ----
    // The report of the window's error handler: every exception that no handler caught.
    void Error(QObject* sender, std::exception_ptr error);

    // ---- Storage and catalogue (Form1Records.cpp) ----
    void BSaveClick(QObject* sender);
    // Empties the name, then clears the loan fields.
    void BClearDataClick(QObject* sender);
    // Puts every loan field except the name into its empty state and disables saving.
    void ClearData(QObject* sender);
    // Puts the record open in the shared text file into the window (Form1Loading.cpp).
    void ListLoadData(QObject* sender);
    void ListMouseUp(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                     int y);
    void ListMouseActivate(QObject* sender, Qt::MouseButton button);
    void HideCredClick(QObject* sender);
    void DelRecClick(QObject* sender);
    // Empties the upcoming payments completely, their header row included.
    void ClearDataPlatejaClick(QObject* sender);

    // ---- Schedule export and chart (Form1Export.cpp) ----
    // Enables the items of PopGrafik when the grid holds a finished schedule.
    void PopGrafikPopup(QObject* sender);
    void KopirovatClick(QObject* sender);
    void SohranitCSVClick(QObject* sender);
    void PechatClick(QObject* sender);
    void SohranitPDFClick(QObject* sender);
    // The file and print dialogs of the export commands; tests replace them.
    ExportDialogs exportDialogs;

    // ---- Controls ----
    QWidget* PanelLeft = nullptr;
    QWidget* PanelLeftRight = nullptr;
    QWidget* PanelLeftLeft = nullptr;
    QWidget* PanelRight = nullptr;
    QMenu* PopMenu = nullptr;
    QAction* DelRec = nullptr;

    // Schedule area.
    TStatusBar* Status = nullptr;
    TStringGridView* Grafik = nullptr;
    QPushButton* ClearGrafik = nullptr;
    QPushButton* BBGraf = nullptr;
    QMenu* PopGrafik = nullptr; // popup menu of Grafik
    QAction* Kopirovat = nullptr;
    QAction* SohranitCSV = nullptr;
    QAction* Pechat = nullptr;
    QAction* SohranitPDF = nullptr;

    // Lists.
    QTabWidget* PCSpiski = nullptr;
    QWidget* TS1 = nullptr;
    TStringGridView* List = nullptr;
    QCheckBox* HideCred = nullptr;
    QWidget* TS2 = nullptr;
    TStringGridView* DataPlateja = nullptr;
    QLabel* LOplatit = nullptr;
    QWidget* TS3 = nullptr;
    QLabel* Label1 = nullptr;
    QWidget* TSDiagramma = nullptr;
    ScheduleChart* Diagramma = nullptr;

    // Record editor.
    QLabel* LName = nullptr;
    TEdit* EName = nullptr;
    QPushButton* BSave = nullptr;
    QPushButton* BClearData = nullptr;
    QProgressBar* Progress = nullptr;
    QTabWidget* PCCredaIVklada = nullptr;
    QWidget* TSCredit = nullptr;
    TCategoryPanelGroup* CategoryPanelGroup1 = nullptr;
    QWidget* TSVklad = nullptr;
    QLabel* Label2 = nullptr;
    TCategoryPanel* CategoryPanel1 = nullptr;
    TCategoryPanel* CategoryPanel2 = nullptr;
    TCategoryPanel* CategoryPanel3 = nullptr;
    TCategoryPanel* CategoryPanel4 = nullptr;
    TCategoryPanel* CategoryPanel5 = nullptr;

    // "Параметры".
    QLabel* LData = nullptr;
    QDateEdit* EDataVydachi = nullptr;
    QLabel* LCreditor = nullptr;
    QComboBox* ECreditor = nullptr;
    QLabel* LVidCred = nullptr;
    QComboBox* EVidCred = nullptr;
    QLabel* LTip = nullptr;
    QComboBox* ETip = nullptr;
    QLabel* LSummCred = nullptr;
    TEdit* ESummCred = nullptr;
    QGroupBox* GBProcent0 = nullptr;
    QLabel* LMemo = nullptr;
    TMemo* SMemo = nullptr;
    QLabel* LProcent0 = nullptr;
    QWidget* PProcent0 = nullptr;
    TEdit* EProcent0 = nullptr;
    QLabel* LSrok0 = nullptr;
    TEdit* ESrok0 = nullptr;
    QLabel* LProcentRiska0 = nullptr;
    QWidget* PProcentRiska0 = nullptr;
    TEdit* EProcentRiska0 = nullptr;
    QLabel* LDataPlateja = nullptr;
    QDateEdit* EDataPlateja = nullptr;
    QLabel* LProcent1 = nullptr;
    QWidget* PProcent1 = nullptr;
    TEdit* EProcent1 = nullptr;
    QLabel* LSrok1 = nullptr;
    TEdit* ESrok1 = nullptr;
    TUpDown* UDProcent0_10_0000 = nullptr;
    TUpDown* UDProcent0_01_0000 = nullptr;
    QLabel* LProcent0_00_0000 = nullptr;
    TUpDown* UDProcent0_00_1000 = nullptr;
    TUpDown* UDProcent0_00_0100 = nullptr;
    TUpDown* UDProcent0_00_0010 = nullptr;
    TUpDown* UDProcent0_00_0001 = nullptr;
    TUpDown* UDProcentRiska0_10_0000 = nullptr;
    TUpDown* UDProcentRiska0_01_0000 = nullptr;
    QLabel* LProcentRiska0_00_0000 = nullptr;
    TUpDown* UDProcentRiska0_00_1000 = nullptr;
    TUpDown* UDProcentRiska0_00_0100 = nullptr;
    TUpDown* UDProcentRiska0_00_0010 = nullptr;
    TUpDown* UDProcentRiska0_00_0001 = nullptr;
    TUpDown* UDProcent1_10_0000 = nullptr;
    TUpDown* UDProcent1_01_0000 = nullptr;
    QLabel* LProcent1_00_0000 = nullptr;
    TUpDown* UDProcent1_00_1000 = nullptr;
    TUpDown* UDProcent1_00_0100 = nullptr;
    TUpDown* UDProcent1_00_0010 = nullptr;
    TUpDown* UDProcent1_00_0001 = nullptr;

    // "Переодичность".
    QComboBox* EPere = nullptr;
    QCheckBox* CSubb = nullptr;
    QCheckBox* CVosk = nullptr;
    QCheckBox* CPraz = nullptr;
    QRadioButton* R_30 = nullptr;
    QRadioButton* R_31 = nullptr;
    QCheckBox* C360 = nullptr;

    // "Дополнительные платежи (SMS и прочее)".
    QGroupBox* Strah = nullptr;
    QRadioButton* StrahNo = nullptr;
    QRadioButton* StrahYesVKred = nullptr;
    QRadioButton* StrahYesNoKred = nullptr;
    QLabel* SummStrah = nullptr;
    TEdit* StrahSumm = nullptr;
    QLabel* ColStrah = nullptr;
    TEdit* StrahCol = nullptr;
    QGroupBox* SMS = nullptr;
    QRadioButton* SMSNo = nullptr;
    QRadioButton* SMSYesVKred = nullptr;
    QRadioButton* SMSYesNoKred = nullptr;
    QLabel* SummSMS = nullptr;
    TEdit* SMSSumm = nullptr;
    QGroupBox* Dop = nullptr;
    QLabel* ColDop = nullptr;
    QLabel* SummDop = nullptr;
    TEdit* DopSumm = nullptr;

    // "Учесть досрочные платежи".
    TStringGridView* DosPlat = nullptr;
    QPushButton* AddDosPlat = nullptr;
    QPushButton* ClearDosPlat = nullptr;

    // "О программе".
    TMemo* Instruction = nullptr;
    TLinkLabel* MailTo = nullptr;

protected:
    bool event(QEvent* event) override;

private:
    void create();
    void buildControls();
    void buildScheduleOutputs();
    void wireEvents();
    // Runs the activation sequence unless it has run since start-up.
    void firstActivation();
    // Grafik and DosPlat: painted by their draw handlers, columns fitted as their texts change.
    void setUpGridPresentation();

    // Set when the window shows its own message boxes.
    std::unique_ptr<MessageService> m_ownMessages;
    MessageService& m_messages;
    SharedTextFile m_sharedTextFile;
    ErrorHandler m_errors{[this](QObject* sender, std::exception_ptr error) {
        Error(sender, std::move(error));
    }};
    // The folder that holds the record files; see workingFolder().
    QString m_workingFolder = QDir::currentPath();
    bool m_activated = false;
    bool m_activationQueued = false;
    // The FileVersion of the program file, once FormActivate has read it.
    std::optional<QString> m_programFileVersion;
    // The DosPlat cell the user left last, which ZapolnitSummu completes; the header cell
    // (0, 0) until the user leaves a cell, and the header is never completed.
    int m_dosPlatLeftCol = 0;
    int m_dosPlatLeftRow = 0;
};
