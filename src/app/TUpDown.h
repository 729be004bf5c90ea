#pragma once

#include "Guarded.h"

#include <QWidget>

#include <functional>

class QToolButton;

// The direction of one up-down click.
enum class UpDownDirection { Up, Down };

// A pair of small arrow buttons (up above down). It keeps a hidden position within a range
// (-1000..1000 unless changed) that nothing reads; a click moves it by one and reports only
// its direction. A click that would move the position past either end produces no click.
// The arrow keys do nothing.
class TUpDown : public QWidget, public GuardedControl {
    Q_OBJECT
public:
    using ClickHook = std::function<void(UpDownDirection direction)>;

    explicit TUpDown(QWidget* parent = nullptr);

    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int position() const { return m_position; }
    void setRange(int minimum, int maximum);
    void setPosition(int position);

    // Runs through the error handler with this widget as the sender, after the position moved.
    void setClickHook(ClickHook hook) { m_hook = std::move(hook); }

    // Clicks one of the arrows exactly as the mouse does (tests and keyboard-less callers).
    // Returns false when the position is at that end and nothing happened.
    bool click(UpDownDirection direction);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    QSize sizeHint() const override { return {17, 21}; }

private:
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_min = -1000;
    int m_max = 1000;
    int m_position = 0;
    ClickHook m_hook;
};
