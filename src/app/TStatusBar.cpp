#include "TStatusBar.h"

#include "Exceptions.h"
#include "Guarded.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {
constexpr int BarHeight = 19;
}

TStatusBar::TStatusBar(QWidget* parent)
    : QWidget(parent) {
    setFixedHeight(BarHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(false);
}

void TStatusBar::setPanelWidths(const QVector<int>& widths) {
    m_widths = widths;
    m_texts = QStringList();
    for (qsizetype i = 0; i < widths.size(); ++i)
        m_texts << QString();
    update();
    textsChanged();
}

int TStatusBar::panelWidth(int panel) const {
    return panel >= 0 && panel < panelCount() ? m_widths[panel] : 0;
}

QString TStatusBar::panelText(int panel) const {
    if (panel < 0 || panel >= panelCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(panel));
    return m_texts[panel];
}

void TStatusBar::setPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= panelCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(panel));
    if (m_texts[panel] == text)
        return;
    m_texts[panel] = text;
    update(panelRect(panel));
    textsChanged();
}

void TStatusBar::textsChanged() {
    QStringList shown = m_texts;
    shown.removeAll(QString());
    setAccessibleName(shown.join(QStringLiteral("; ")));
    emit panelTextsChanged(m_texts);
}

QRect TStatusBar::panelRect(int panel) const {
    int x = 0;
    for (int i = 0; i < panel && i < panelCount(); ++i)
        x += m_widths[i];
    // One pixel of border on every side of a panel; the owner draws inside it.
    return QRect(x + 1, 1, std::max(panelWidth(panel) - 2, 0), std::max(height() - 2, 0));
}

QSize TStatusBar::sizeHint() const {
    int w = 0;
    for (int width : m_widths)
        w += width;
    return {w, BarHeight};
}

void TStatusBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    for (int i = 0; i < panelCount(); ++i) {
        const QRect inner = panelRect(i);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(inner.adjusted(-1, -1, 0, 0));
        if (!m_hook)
            continue;
        painter.save();
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.setClipRect(inner);
        guarded(errorHandler(), this, [&] { m_hook(i, inner, painter); });
        painter.restore();
    }
}
