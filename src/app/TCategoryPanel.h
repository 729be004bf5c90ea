#pragma once

#include <QFrame>
#include <QList>
#include <QScrollArea>

class QToolButton;
class QVBoxLayout;

// A collapsible panel: a header 30 pixels high with the caption, clicking it folds or unfolds
// the panel. Expanded, the panel has a fixed height (header included); collapsed, only the
// header shows. Children go into body() (a QVBoxLayout lays them out top to bottom).
class TCategoryPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int HeaderHeight = 30;

    TCategoryPanel(const QString& caption, int expandedHeight, QWidget* parent = nullptr);

    QString caption() const;
    int expandedHeight() const { return m_expandedHeight; }

    bool collapsed() const { return m_collapsed; }
    void setCollapsed(bool collapsed);
    void expand() { setCollapsed(false); }
    void collapse() { setCollapsed(true); }

    QWidget* body() const { return m_body; }
    QVBoxLayout* bodyLayout() const { return m_bodyLayout; }
    QToolButton* header() const { return m_header; }

signals:
    void collapsedChanged(bool collapsed);

private:
    QToolButton* m_header = nullptr;
    QWidget* m_body = nullptr;
    QVBoxLayout* m_bodyLayout = nullptr;
    int m_expandedHeight = 0;
    bool m_collapsed = false;
};

// A vertical stack of collapsible panels that scrolls vertically; several panels may be open
// at once.
class TCategoryPanelGroup : public QScrollArea {
    Q_OBJECT
public:
    explicit TCategoryPanelGroup(QWidget* parent = nullptr);

    void addPanel(TCategoryPanel* panel);
    const QList<TCategoryPanel*>& panels() const { return m_panels; }
    void collapseAll();

private:
    QWidget* m_content = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QList<TCategoryPanel*> m_panels;
};
