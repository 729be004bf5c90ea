#include "TUpDown.h"

#include "Guarded.h"

#include <QToolButton>
#include <QVBoxLayout>

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(7, 4));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(17, 21);
    connect(m_up, &QToolButton::clicked, this, [this] { click(UpDownDirection::Up); });
    connect(m_down, &QToolButton::clicked, this, [this] { click(UpDownDirection::Down); });
}

void TUpDown::setRange(int minimum, int maximum) {
    m_min = minimum;
    m_max = std::max(minimum, maximum);
    m_position = std::clamp(m_position, m_min, m_max);
}

void TUpDown::setPosition(int position) {
    m_position = std::clamp(position, m_min, m_max);
}

bool TUpDown::click(UpDownDirection direction) {
    if (direction == UpDownDirection::Up) {
        if (m_position >= m_max)
            return false;
        ++m_position;
    } else {
        if (m_position <= m_min)
            return false;
        --m_position;
    }
    if (m_hook)
        guarded(errorHandler(), this, [&] { m_hook(direction); });
    return true;
}
