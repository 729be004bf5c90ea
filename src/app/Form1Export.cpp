// The schedule beyond the window: its popup menu (copy, CSV, print, PDF) and the chart tab.
#include "ExportDialogs.h"
#include "Guarded.h"
#include "ScheduleChart.h"
#include "SchedulePrintout.h"
#include "ScheduleText.h"
#include "TForm1.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

const QString SaveFailed = QStringLiteral("Не удалось сохранить файл «%1». Проверьте, что папка "
                                          "существует и доступна для записи и что на диске "
                                          "есть место.");
const QString PrintFailed =
    QStringLiteral("Не удалось напечатать график платежей: принтер недоступен.");

Report::LoanSummary summaryFromWindow(const TForm1& f) {
    Report::LoanSummary s;
    s.name = f.EName->text();
    s.lender = f.ECreditor->currentText();
    s.amount = f.ESummCred->text();
    s.rate = f.EProcent0->text();
    s.term = f.ESrok0->text();
    s.secondRate = f.EProcent1->text();
    s.secondFrom = f.ESrok1->text();
    s.issued = f.EDataVydachi->date();
    s.firstPayment = f.EDataPlateja->date();
    return s;
}

// The file the save dialog offers: the loan's name in the window's working folder, with the
// characters a file name cannot hold replaced.
QString suggestedPath(const TForm1& f, const QString& suffix) {
    QString base = f.EName->text().trimmed();
    for (QChar& c : base)
        if (c < u' ' || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = u'_';
    if (base.isEmpty())
        base = QStringLiteral("График платежей");
    return QDir(f.workingFolder()).filePath(base + u'.' + suffix);
}

// A name typed without any extension gets the file type's own.
QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + suffix : path;
}

// Writes the file under a temporary name in its folder and gives it its name only once it is
// complete, so a failure leaves no half-written file and an older file of that name intact.
bool saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void setUpPage(QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

} // namespace

void TForm1::buildScheduleOutputs() {
    exportDialogs = ExportDialogs::standard();

    PopGrafik = new QMenu(this);
    PopGrafik->setObjectName(QStringLiteral("PopGrafik"));
    const auto item = [this](const char* name, const QString& caption,
                             void (TForm1::*handler)(QObject*)) {
        auto* action = new QAction(caption, PopGrafik);
        action->setObjectName(QLatin1String(name));
        PopGrafik->addAction(action);
        connect(action, &QAction::triggered, this, [this, action, handler] {
            guarded(&m_errors, action, [&] { (this->*handler)(action); });
        });
        return action;
    };
    Kopirovat = item("Kopirovat", QStringLiteral("Копировать"), &TForm1::KopirovatClick);
    SohranitCSV =
        item("SohranitCSV", QStringLiteral("Сохранить в CSV…"), &TForm1::SohranitCSVClick);
    PopGrafik->addSeparator();
    Pechat = item("Pechat", QStringLiteral("Печать…"), &TForm1::PechatClick);
    SohranitPDF =
        item("SohranitPDF", QStringLiteral("Сохранить в PDF…"), &TForm1::SohranitPDFClick);
    Grafik->setPopupMenu(PopGrafik);

    TSDiagramma = new QWidget(PCSpiski);
    TSDiagramma->setObjectName(QStringLiteral("TSDiagramma"));
    auto* layout = new QVBoxLayout(TSDiagramma);
    layout->setContentsMargins(0, 0, 0, 0);
    Diagramma = new ScheduleChart(Grafik->grid(), TSDiagramma);
    Diagramma->setObjectName(QStringLiteral("Diagramma"));
    layout->addWidget(Diagramma);
    PCSpiski->addTab(TSDiagramma, QStringLiteral("Диаграмма"));

    // The items act on a finished schedule only; they follow every change of the grid.
    const auto follow = [this] {
        guarded(&m_errors, PopGrafik, [&] { PopGrafikPopup(PopGrafik); });
    };
    connect(&Grafik->grid(), &StringGrid::reset, this, follow);
    connect(&Grafik->grid(), &StringGrid::cellChanged, this, follow);
    connect(PopGrafik, &QMenu::aboutToShow, this, follow);
    PopGrafikPopup(PopGrafik);
}

void TForm1::PopGrafikPopup(QObject* /*sender*/) {
    const bool built = Report::HasSchedule(Grafik->grid());
    for (QAction* action : {Kopirovat, SohranitCSV, Pechat, SohranitPDF})
        action->setEnabled(built);
}

void TForm1::KopirovatClick(QObject* /*sender*/) {
    if (!Report::HasSchedule(Grafik->grid()))
        return;
    QGuiApplication::clipboard()->setText(Report::TabSeparatedText(Grafik->grid()));
}

void TForm1::SohranitCSVClick(QObject* /*sender*/) {
    if (!Report::HasSchedule(Grafik->grid()))
        return;
    QString path = exportDialogs.saveFileName(this, QStringLiteral("Сохранить график в CSV"),
                                              suggestedPath(*this, QStringLiteral("csv")),
                                              QStringLiteral("Файлы CSV (*.csv)"));
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral("csv"));
    const QByteArray bytes = Report::CsvFileBytes(Grafik->grid(), summaryFromWindow(*this));
    if (!saveAtomically(path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); }))
        messages().showMessage(SaveFailed.arg(QDir::toNativeSeparators(path)));
}

void TForm1::SohranitPDFClick(QObject* /*sender*/) {
    if (!Report::HasSchedule(Grafik->grid()))
        return;
    QString path = exportDialogs.saveFileName(this, QStringLiteral("Сохранить график в PDF"),
                                              suggestedPath(*this, QStringLiteral("pdf")),
                                              QStringLiteral("Документы PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral("pdf"));
    const Report::LoanSummary loan = summaryFromWindow(*this);
    const bool saved = saveAtomically(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        setUpPage(writer);
        writer.setTitle(SchedulePrintout::Heading(loan));
        writer.setCreator(QStringLiteral("Ссудограф"));
        return SchedulePrintout::Print(writer, loan, Grafik->grid(), Grafik->font()) > 0;
    });
    if (!saved)
        messages().showMessage(SaveFailed.arg(QDir::toNativeSeparators(path)));
}

void TForm1::PechatClick(QObject* /*sender*/) {
    if (!Report::HasSchedule(Grafik->grid()))
        return;
    const Report::LoanSummary loan = summaryFromWindow(*this);
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer);
    printer.setDocName(SchedulePrintout::Heading(loan));
    printer.setCreator(QStringLiteral("Ссудограф"));
    if (!exportDialogs.choosePrinter(this, printer))
        return;
    if (SchedulePrintout::Print(printer, loan, Grafik->grid(), Grafik->font()) == 0 ||
        printer.printerState() == QPrinter::Error)
        messages().showMessage(PrintFailed);
}
