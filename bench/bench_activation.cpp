// Speed of the activation sequence, which reads every record file of the working folder: the
// catalogue, the payments still due over all loans with their total, the first record loaded.
// Each record is a loan of 360 monthly payments with insurance and an SMS package on top;
// the loans were issued over the last ten years, so most of their payments are still due.
// Measured with 50, 200 and 800 records, beside one plain decoding pass over the same files.
#include "BenchMain.h"
#include "QtMessageService.h"
#include "RecordFolder.h"
#include "RecordReader.h"
#include "RecordWriter.h"
#include "Schedule.h"
#include "SharedTextFile.h"
#include "StringGrid.h"
#include "TForm1.h"

#include <QApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

// The record of loan k: issued k months before today (k below 120), 360 monthly payments.
Storage::Record loanRecord(int k) {
    const QDate issued = QDate::currentDate().addMonths(-(k % 120)).addDays(-(k % 28));
    Calc::LoanTerms t;
    t.summCred = QString::number(1000000 + 1000 * k);
    t.srok0 = "360";
    t.procent0 = "12,5";
    t.procentRiska0 = "0";
    t.procent1 = "0";
    t.srok1 = "0";
    t.dataVydachi = issued;
    t.dataPlateja = issued.addMonths(1);
    t.strahYesNoKred = true;
    t.strahSumm = "30000";
    t.strahCol = "12";
    t.smsYesNoKred = true;
    t.smsSumm = "3600";
    StringGrid grafik(7, 2);
    grafik.setFixedRows(1);
    StringGrid dosPlat(2, 2);
    dosPlat.setRow(0, {"Дата", "Сумма"});
    const Calc::ScheduleTotals totals = Calc::BuildSchedule(t, grafik, dosPlat);

    Storage::Record record;
    record.version = "1.3";
    for (const Storage::LoanField& field : Storage::LoanFields)
        record[field.field] = field.clearedValue.toString();
    record[Storage::Field::EName] = QStringLiteral("Кредит %1").arg(k, 4, 10, QLatin1Char('0'));
    record[Storage::Field::EDataVydachi] = issued.toString("dd.MM.yyyy");
    record[Storage::Field::EDataPlateja] = t.dataPlateja.toString("dd.MM.yyyy");
    record[Storage::Field::ESummCred] = t.summCred;
    record[Storage::Field::EProcent0] = t.procent0;
    record[Storage::Field::ESrok0] = t.srok0;
    record[Storage::Field::StrahNo] = Storage::FlagFalse;
    record[Storage::Field::StrahYesNoKred] = Storage::FlagTrue;
    record[Storage::Field::StrahSumm] = t.strahSumm;
    record[Storage::Field::StrahCol] = t.strahCol;
    record[Storage::Field::SMSNo] = Storage::FlagFalse;
    record[Storage::Field::SMSYesNoKred] = Storage::FlagTrue;
    record[Storage::Field::SMSSumm] = t.smsSumm;
    record.status0 = totals.debt;
    record.status1 = totals.overpayment;
    record.dosPlat = Storage::GridRecord::of(dosPlat);
    record.grafik = Storage::GridRecord::of(grafik);
    return record;
}

// One working folder per record count, written once.
const QString& folderWith(int records) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    std::unique_ptr<QTemporaryDir>& dir = folders[records];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        QRandomGenerator random(1);
        SharedTextFile file;
        for (int k = 0; k < records; ++k) {
            const Storage::Record record = loanRecord(k);
            const QStringList lines = Storage::RecordLines(record, QDate::currentDate(), random);
            file.openWrite(Catalogue::RecordFilePath(dir->path(), record[Storage::Field::EName]));
            Storage::WriteLines(file, lines, 0, lines.size());
            file.close();
        }
    }
    static QString path;
    path = dir->path();
    return path;
}

// The whole sequence as a save, a deletion or a change of the hiding switch runs it.
void BM_ActivationSequence(benchmark::State& state) {
    const QString& folder = folderWith(static_cast<int>(state.range(0)));
    QtMessageService messages;
    TForm1 form(messages);
    form.setWorkingFolder(folder);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.FormActivate(&form);
        QApplication::processEvents();
    }
    if (form.List->grid().rowCount() != state.range(0) + 1)
        state.SkipWithError("the catalogue does not list every record");
    state.counters["payments"] = form.DataPlateja->grid().rowCount() - 1;
}
BENCHMARK(BM_ActivationSequence)
    ->Arg(50)
    ->Arg(200)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->MinWarmUpTime(0.2);

// Reading and decoding every line of every record file once, and nothing else.
void BM_DecodingPass(benchmark::State& state) {
    const QString& folder = folderWith(static_cast<int>(state.range(0)));
    const QStringList names = Catalogue::ListRecordNames(folder);
    SharedTextFile file;
    qint64 lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (const QString& name : names) {
            file.openRead(Catalogue::RecordFilePath(folder, name));
            lines += Storage::DecodeRecordLines(file).lines.size();
            file.close();
        }
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_DecodingPass)->Arg(50)->Arg(200)->Arg(800)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return Bench::Main(argc, argv);
}
