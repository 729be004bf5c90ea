#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The dialogs that the schedule's export commands open. The window starts with the ordinary
// file and print dialogs; tests put functions of their own in their place, so no modal dialog
// ever waits for a user who is not there.
struct ExportDialogs {
    // Asks where to save a file: the chosen path, or an empty text when the user cancels.
    // suggestedPath names the folder and file the dialog starts with; filter is a Qt name
    // filter ("Файлы CSV (*.csv)").
    using SaveFileName =
        std::function<QString(QWidget* parent, const QString& caption, const QString& suggestedPath,
                              const QString& filter)>;
    // Lets the user choose and set up the printer: true to print, false when cancelled.
    using ChoosePrinter = std::function<bool(QWidget* parent, QPrinter& printer)>;

    SaveFileName saveFileName;
    ChoosePrinter choosePrinter;

    // The ordinary Qt dialogs.
    static ExportDialogs standard();
};
