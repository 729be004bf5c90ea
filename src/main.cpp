#include "TForm1.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ссудограф"));
    app.setApplicationDisplayName(QStringLiteral("Ссудограф"));
    class Boxes : public MessageService {
    public:
        void showMessage(const QString& text) override {
            QMessageBox::information(nullptr, QStringLiteral("Ссудограф"), displayText(text));
        }
        bool askYesNo(const QString& text) override {
            return QMessageBox::question(nullptr, QStringLiteral("ВНИМАНИЕ!!!"), displayText(text),
                                         QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) == QMessageBox::Yes;
        }
    } messages;
    TForm1 form(messages);
    form.show();
    return app.exec();
}
