#include "ExportDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

ExportDialogs ExportDialogs::standard() {
    ExportDialogs dialogs;
    dialogs.saveFileName = [](QWidget* parent, const QString& caption, const QString& suggestedPath,
                              const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
    };
    dialogs.choosePrinter = [](QWidget* parent, QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Печать графика платежей"));
        return dialog.exec() == QDialog::Accepted;
    };
    return dialogs;
}
