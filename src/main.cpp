#include "TForm1.h"

#include <QApplication>
#include <QSystemSemaphore>

int main(int argc, char* argv[]) {
    // The start-up event: a named system-wide object held for the whole run. Nothing waits on
    // it, and it does not keep a second copy of the program from starting.
    QSystemSemaphore startupEvent(QStringLiteral("Ссудограф"), 1, QSystemSemaphore::Create);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ссудограф"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ссудограф"));

    TForm1 form;
    form.showMaximized();
    form.activateWindow();
    return QApplication::exec();
}
