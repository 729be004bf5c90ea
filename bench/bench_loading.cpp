// Speed of loading a record: 360 monthly payments with insurance and SMS columns, about 3,400
// coded lines, put back into the window with its grids filled and fitted. A click on a catalogue
// row should show the loan without a noticeable pause.
#include "BenchLoan.h"
#include "BenchMain.h"
#include "LoanFieldControls.h"
#include "QtMessageService.h"
#include "RecordReader.h"
#include "RecordWriter.h"
#include "SharedTextFile.h"
#include "TForm1.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

struct Window {
    QtMessageService messages;
    TForm1 form{messages};
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Ипотека.sdg"));
    int lines = 0;

    Window() {
        form.show();
        QApplication::processEvents();
        TForm1& f = form;
        f.EName->setText("Ипотека");
        BenchLoan::fillTerms(f);
        f.BBGrafClick(f.BBGraf);

        QRandomGenerator random(1);
        const QStringList plain = Storage::RecordLines(WindowRecord(f), QDate(2024, 1, 1), random);
        lines = int(plain.size());
        f.sharedTextFile().openWrite(path);
        Storage::WriteLines(f.sharedTextFile(), plain, 0, plain.size());
        f.sharedTextFile().close();
        f.BClearDataClick(f.BClearData);
        QApplication::processEvents();
    }

    void clear() {
        form.ClearData(form.List);
        QApplication::processEvents();
    }
    void load() {
        form.sharedTextFile().openRead(path);
        form.ListLoadData(form.List);
    }
};

// The whole-file check alone: every line read and decoded.
void BM_DecodeRecordFile(benchmark::State& state) {
    Window w;
    SharedTextFile file;
    for (auto _ : state) {
        file.openRead(w.path);
        const Storage::DecodedLines decoded = Storage::DecodeRecordLines(file);
        file.close();
        benchmark::DoNotOptimize(decoded.lines.size());
    }
    state.counters["lines"] = w.lines;
}
BENCHMARK(BM_DecodeRecordFile)->Unit(benchmark::kMicrosecond);

// The values taken from the decoded lines into a record.
void BM_InterpretRecord(benchmark::State& state) {
    Window w;
    SharedTextFile file;
    file.openRead(w.path);
    const QStringList lines = Storage::DecodeRecordLines(file).lines;
    file.close();
    for (auto _ : state) {
        const Storage::RecordRead read =
            Storage::InterpretRecord(lines, Storage::RecordLayout::Current);
        benchmark::DoNotOptimize(read.linesRead);
    }
}
BENCHMARK(BM_InterpretRecord)->Unit(benchmark::kMicrosecond);

// ListLoadData into the shown window: check, layout, values, grids filled, columns fitted.
void BM_ListLoadData(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        state.PauseTiming();
        w.clear();
        state.ResumeTiming();
        w.load();
    }
    if (w.form.Grafik->grid().rowCount() != 362 || w.form.Grafik->grid().colCount() != 9)
        state.SkipWithError("unexpected schedule size");
    state.counters["lines"] = w.lines;
}
BENCHMARK(BM_ListLoadData)->Unit(benchmark::kMicrosecond);

// The same followed by the painting of the loaded schedule.
void BM_ListLoadDataAndPaint(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        state.PauseTiming();
        w.clear();
        state.ResumeTiming();
        w.load();
        QApplication::processEvents();
        w.form.Grafik->viewport()->repaint();
    }
}
BENCHMARK(BM_ListLoadDataAndPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return Bench::Main(argc, argv);
}
