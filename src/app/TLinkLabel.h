#pragma once

#include "Guarded.h"

#include <QLabel>

#include <functional>

// A label styled as a link (blue, underlined, hand cursor) that reports a left click.
class TLinkLabel : public QLabel, public GuardedControl {
    Q_OBJECT
public:
    explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

    // Runs through the error handler with this label as the sender.
    void setClickHook(std::function<void()> hook) { m_hook = std::move(hook); }
    // Clicks the label as the mouse does.
    void click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> m_hook;
};
