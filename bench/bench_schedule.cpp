// Speed of a schedule build: 360 monthly payments with 10 early payments, insurance and an SMS
// package paid on top of the loan. A spinner click rebuilds the schedule, which should fit in
// one screen frame.
#include "BenchLoan.h"
#include "BenchMain.h"
#include "QtMessageService.h"
#include "Schedule.h"
#include "StringGrid.h"
#include "TForm1.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using BenchLoan::EarlyPaymentCount;
using BenchLoan::fillEarlyPayments;

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

QString nextRate(int k);

// The same with a new rate at every build, as a run of spinner clicks makes it: every amount
// text differs from the one in its cell.
void BM_ScheduleComputationNewRate(benchmark::State& state) {
    Calc::LoanTerms t = terms();
    StringGrid grafik(7, 2);
    StringGrid dosPlat(2, 2);
    fillEarlyPayments(dosPlat);
    QStringList rates;
    for (int k = 0; k < 1000; ++k)
        rates << nextRate(k);
    qsizetype k = 0;
    for (auto _ : state) {
        t.procent0 = rates[k++ % rates.size()];
        const Calc::ScheduleTotals totals = Calc::BuildSchedule(t, grafik, dosPlat);
        benchmark::DoNotOptimize(totals);
    }
    if (grafik.rowCount() != 360 + EarlyPaymentCount + 2)
        state.SkipWithError("unexpected schedule size");
}
BENCHMARK(BM_ScheduleComputationNewRate)->Unit(benchmark::kMicrosecond);

struct Window {
    QtMessageService messages;
    TForm1 form{messages};

    Window() {
        form.show();
        QApplication::processEvents();
        BenchLoan::fill(form);
        form.BBGrafClick(form.BBGraf);
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

// One click as the user makes it, measured from outside: the click comes in, the schedule is
// rebuilt, the columns are fitted and the window is painted again before the next click.
// Every iteration must repaint the schedule, so its painting is counted.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// The widest text of each column plus the margin of 5, measured as the window measures it.
bool columnsFitted(TStringGridView* grid) {
    const QFontMetrics metrics(grid->font());
    for (int c = 0; c < grid->grid().colCount(); ++c) {
        int widest = 0;
        for (int r = 0; r < grid->grid().rowCount(); ++r)
            widest = std::max(widest, metrics.horizontalAdvance(grid->grid().cell(c, r)));
        if (grid->colWidth(c) != widest + 5)
            return false;
    }
    return true;
}

// Each build changes the amounts as a run of spinner clicks does: the rate moves up by 0,0001
// at a time, so no amount text repeats that of an earlier build.
QString nextRate(int k) {
    return QString::number(12.5 + 0.0001 * k, 'f', 4).replace(u'.', u',');
}

// Clicks the build button and lets the window fit and paint, as the event loop would before
// the user's next action.
[[gnu::noinline]] void clickAndSettle(Window& w) {
    w.form.BBGraf->click();
    QApplication::processEvents();
    QApplication::processEvents();
}

void BM_ClickFittedAndPainted(benchmark::State& state) {
    Window w;
    PaintCounter counter;
    w.form.Grafik->viewport()->installEventFilter(&counter);
    int k = 0;
    for (auto _ : state) {
        w.form.EProcent0->setText(nextRate(k++));
        clickAndSettle(w);
    }
    if (counter.paints < static_cast<int>(state.iterations()))
        state.SkipWithError("the schedule was not repainted after every click");
    if (!columnsFitted(w.form.Grafik))
        state.SkipWithError("the schedule columns are not fitted");
}
BENCHMARK(BM_ClickFittedAndPainted)->Unit(benchmark::kMicrosecond);

// The computation once, for counting its instructions.
[[gnu::noinline]] void computeOnce(const Calc::LoanTerms& t, StringGrid& grafik,
                                   const StringGrid& dosPlat) {
    benchmark::DoNotOptimize(Calc::BuildSchedule(t, grafik, dosPlat));
}

// "--count N": a fixed number of clicks and of computations, without timing, for an
// instruction counter (bench/callgrind.sh) that collects inside clickAndSettle and computeOnce.
int countedRuns(int count) {
    {
        Window w;
        w.form.EProcent0->setText(nextRate(1000));
        w.form.BBGraf->click(); // warm-up, not counted
        QApplication::processEvents();
        for (int k = 0; k < count; ++k) {
            w.form.EProcent0->setText(nextRate(k));
            clickAndSettle(w);
        }
    }
    const Calc::LoanTerms t = terms();
    StringGrid grafik(7, 2);
    StringGrid dosPlat(2, 2);
    fillEarlyPayments(dosPlat);
    Calc::BuildSchedule(t, grafik, dosPlat); // warm-up, not counted
    for (int k = 0; k < count; ++k)
        computeOnce(t, grafik, dosPlat);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Bench::OffscreenUnlessSet();
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--count") == 0)
        return countedRuns(QByteArray(argv[2]).toInt());
    return Bench::RunBenchmarks(argc, argv);
}
