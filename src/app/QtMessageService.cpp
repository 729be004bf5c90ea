#include "QtMessageService.h"

#include <QLabel>
#include <QMessageBox>

#include <memory>

namespace {

QMessageBox* makeBox(QWidget* window, const QString& caption, const QString& text) {
    auto* box = new QMessageBox(window);
    box->setWindowTitle(caption);
    box->setTextFormat(Qt::PlainText);
    box->setText(MessageService::displayText(text));
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

} // namespace

QMessageBox* QtMessageService::makeMessageBox(const QString& text) const {
    QMessageBox* box = makeBox(m_window, QStringLiteral("Ссудограф"), text);
    box->setIcon(QMessageBox::NoIcon);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

QMessageBox* QtMessageService::makeQuestionBox(const QString& text) const {
    QMessageBox* box = makeBox(m_window, QStringLiteral("ВНИМАНИЕ!!!"), text);
    box->setIcon(QMessageBox::Warning);
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

void QtMessageService::showMessage(const QString& text) {
    const std::unique_ptr<QMessageBox> box(makeMessageBox(text));
    box->exec();
}

bool QtMessageService::askYesNo(const QString& text) {
    const std::unique_ptr<QMessageBox> box(makeQuestionBox(text));
    return box->exec() == QMessageBox::Yes;
}
