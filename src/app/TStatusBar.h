#pragma once

#include "Guarded.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>

// A status bar of owner-drawn panels laid out from the left. The bar paints its background
// (button face) and the panel borders; the panel texts are drawn only by the draw hook.
// The texts stay readable without the painting: as the property panelTexts, and as the bar's
// accessible name (the non-empty texts joined by "; "), both updated with every change.
class TStatusBar : public QWidget, public GuardedControl {
    Q_OBJECT
    Q_PROPERTY(QStringList panelTexts READ panelTexts NOTIFY panelTextsChanged)
public:
    // rect is the panel's inner rectangle in this widget's coordinates.
    using DrawPanelHook = std::function<void(int panel, const QRect& rect, QPainter& painter)>;

    explicit TStatusBar(QWidget* parent = nullptr);

    // Replaces the panels by ones of the given widths, with empty texts.
    void setPanelWidths(const QVector<int>& widths);
    int panelCount() const { return static_cast<int>(m_widths.size()); }
    int panelWidth(int panel) const;
    QString panelText(int panel) const;
    const QStringList& panelTexts() const { return m_texts; }
    // Sets a panel's text and repaints it; raises EListError for a panel that does not exist.
    void setPanelText(int panel, const QString& text);
    QRect panelRect(int panel) const;

    // Runs through the error handler with this bar as the sender.
    void setDrawPanelHook(DrawPanelHook hook) { m_hook = std::move(hook); }

    QSize sizeHint() const override;

signals:
    void panelTextsChanged(const QStringList& texts);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void textsChanged();

    QVector<int> m_widths;
    QStringList m_texts;
    DrawPanelHook m_hook;
};
