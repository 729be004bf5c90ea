// Memory after a long schedule: a 1000-payment build followed by a 12-payment one must give
// the memory of the long schedule back. Prints the heap in use (what the program holds) and
// the resident size (what the system sees) after each step:
//
//   build/bench/bench_memory
#include "BenchLoan.h"
#include "BenchMain.h"
#include "TForm1.h"

#include <QApplication>
#include <QFile>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The build never shows a message here; a message would be a fault of the measurement.
class NoMessages : public MessageService {
public:
    void showMessage(const QString& text) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(1);
    }
    bool askYesNo(const QString& text) override {
        showMessage(text);
        return false;
    }
};

long long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

long long heapInUseKiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd) / 1024;
}

void report(const char* step, TForm1& form) {
    std::printf("%-34s rows %5d   heap in use %7lld KiB   resident %7lld KiB\n", step,
                form.Grafik->grid().rowCount(), heapInUseKiB(), residentKiB());
}

void build(TForm1& form, const char* term) {
    form.ESrok0->setText(QString::fromLatin1(term));
    form.BBGraf->click();
    // Fitted and painted as the user would see it.
    QApplication::processEvents();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    Bench::OffscreenUnlessSet();
    QApplication app(argc, argv);
    NoMessages messages;
    TForm1 form(messages);
    form.show();
    QApplication::processEvents();
    BenchLoan::fill(form);

    build(form, "12");
    report("12 payments", form);
    build(form, "1000");
    report("1000 payments", form);
    build(form, "12");
    report("12 payments again", form);
    for (int k = 0; k < 5; ++k) {
        build(form, "1000");
        build(form, "12");
    }
    report("after five more 1000/12 rounds", form);
    // What stays resident beyond the heap in use is free room the allocator keeps for reuse.
    malloc_trim(0);
    report("the allocator's free room returned", form);
    return 0;
}
