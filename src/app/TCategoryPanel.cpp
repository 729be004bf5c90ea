#include "TCategoryPanel.h"

#include <QToolButton>
#include <QVBoxLayout>

TCategoryPanel::TCategoryPanel(const QString& caption, int expandedHeight, QWidget* parent)
    : QFrame(parent)
    , m_expandedHeight(expandedHeight) {
    setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_header = new QToolButton(this);
    m_header->setText(caption);
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_header->setFixedHeight(HeaderHeight);
    m_header->setAutoRaise(false);
    m_header->setMinimumWidth(1);
    layout->addWidget(m_header);

    m_body = new QWidget(this);
    m_bodyLayout = new QVBoxLayout(m_body);
    m_bodyLayout->setContentsMargins(0, 0, 0, 0);
    m_bodyLayout->setSpacing(0);
    layout->addWidget(m_body);

    connect(m_header, &QToolButton::clicked, this, [this] { setCollapsed(!m_collapsed); });
    m_collapsed = true; // so that the call below lays the panel out
    setCollapsed(false);
}

QString TCategoryPanel::caption() const {
    return m_header->text();
}

void TCategoryPanel::setCollapsed(bool collapsed) {
    const bool changed = collapsed != m_collapsed;
    m_collapsed = collapsed;
    m_body->setVisible(!collapsed);
    m_header->setArrowType(collapsed ? Qt::RightArrow : Qt::DownArrow);
    // The designed height, unless the contents need more (a font larger than the designed one).
    setFixedHeight(
        collapsed ? HeaderHeight
                  : std::max(m_expandedHeight, HeaderHeight + m_body->minimumSizeHint().height()));
    if (changed)
        emit collapsedChanged(collapsed);
}

TCategoryPanelGroup::TCategoryPanelGroup(QWidget* parent)
    : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_content = new QWidget(this);
    // The panels take the group's width; what does not fit is clipped, never scrolled sideways.
    m_content->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_layout = new QVBoxLayout(m_content);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
    setWidget(m_content);
}

void TCategoryPanelGroup::addPanel(TCategoryPanel* panel) {
    // Panels stack from the top; the stretch stays last.
    m_layout->insertWidget(m_layout->count() - 1, panel);
    m_panels.append(panel);
}

void TCategoryPanelGroup::collapseAll() {
    for (TCategoryPanel* panel : m_panels)
        panel->collapse();
}
