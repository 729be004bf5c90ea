// Speed of a schedule build: 360 monthly payments with 10 early payments, insurance and an SMS
// package paid on top of the loan. A spinner click rebuilds the schedule, which should fit in
// one screen frame.
#include "ControlHelpers.h"
#include "QtMessageService.h"
#include "Schedule.h"
#include "StringGrid.h"
#include "TForm1.h"

#include <QApplication>
#include <QHeaderView>

#include <benchmark/benchmark.h>

namespace {

constexpr int EarlyPaymentCount = 10;

QString earlyDate(int k) {
    // Every third year, on the 1st of a month between two payments on the 15th.
    return QDate(2021 + 3 * k, 1 + k, 1).toString(QStringLiteral("dd.MM.yyyy"));
}

Calc::LoanTerms terms() {
    Calc::LoanTerms t;
    t.summCred = "3000000";
    t.srok0 = "360";
    t.procent0 = "12,5";
    t.procentRiska0 = "0";
    t.procent1 = "0";
    t.srok1 = "0";
    t.dataVydachi = QDate(2020, 1, 15);
    t.dataPlateja = QDate(2020, 2, 15);
    t.strahYesNoKred = true;
    t.strahSumm = "30000";
    t.strahCol = "12";
    t.smsYesNoKred = true;
    t.smsSumm = "3600";
    return t;
}

void fillEarlyPayments(StringGrid& dosPlat) {
    dosPlat.setRowCount(EarlyPaymentCount + 1);
    for (int k = 0; k < EarlyPaymentCount; ++k)
        dosPlat.setRow(k + 1, {earlyDate(k), "10000"});
}

// The computation alone: dates, early payments, amounts and totals on plain grids.
void BM_ScheduleComputation(benchmark::State& state) {
    const Calc::LoanTerms t = terms();
    StringGrid grafik(7, 2);
    StringGrid dosPlat(2, 2);
    fillEarlyPayments(dosPlat);
    for (auto _ : state) {
        const Calc::ScheduleTotals totals = Calc::BuildSchedule(t, grafik, dosPlat);
        benchmark::DoNotOptimize(totals);
    }
    if (grafik.rowCount() != 360 + EarlyPaymentCount + 2)
        state.SkipWithError("unexpected schedule size");
}
BENCHMARK(BM_ScheduleComputation)->Unit(benchmark::kMicrosecond);

struct Window {
    QtMessageService messages;
    TForm1 form{messages};

    Window() {
        form.show();
        QApplication::processEvents();
        TForm1& f = form;
        f.ECreditor->setCurrentIndex(7);
        f.ETip->setCurrentIndex(0);
        f.ESummCred->setText("3000000");
        f.EProcent0->setText("12,5");
        f.ESrok0->setText("360");
        f.EDataVydachi->setDate(QDate(2020, 1, 15));
        f.EDataPlateja->setDate(QDate(2020, 2, 15));
        f.EPere->setCurrentIndex(0);
        SetChecked(f.R_30, false);
        SetChecked(f.R_31, false);
        SetChecked(f.StrahYesNoKred, true);
        f.StrahSumm->setText("30000");
        f.StrahCol->setText("12");
        SetChecked(f.SMSYesNoKred, true);
        f.SMSSumm->setText("3600");
        fillEarlyPayments(f.DosPlat->grid());
        f.BBGrafClick(f.BBGraf);
        QApplication::processEvents();
    }
};

// The build command as a click runs it, with the window shown.
void BM_BuildCommand(benchmark::State& state) {
    Window w;
    for (auto _ : state)
        w.form.BBGrafClick(w.form.BBGraf);
    if (w.form.Grafik->grid().rowCount() != 360 + EarlyPaymentCount + 2)
        state.SkipWithError("unexpected schedule size");
}
BENCHMARK(BM_BuildCommand)->Unit(benchmark::kMicrosecond);

// The build command followed by the painting of the schedule it changed.
void BM_BuildCommandAndPaint(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.form.BBGrafClick(w.form.BBGraf);
        w.form.Grafik->viewport()->repaint();
        w.form.Grafik->horizontalHeader()->viewport()->repaint();
        w.form.Status->repaint();
    }
}
BENCHMARK(BM_BuildCommandAndPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
