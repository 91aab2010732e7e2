#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

class QPropertyAnimation;
class QToolButton;
class TAdvToolPanelTab;

// One page of the tool-panel bar; its controls are its children.
class TAdvToolPanel : public QWidget {
    Q_OBJECT
public:
    QString caption() const { return m_caption; }
    TAdvToolPanelTab* bar() const { return m_bar; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TAdvToolPanelTab;
    TAdvToolPanel(const QString& caption, TAdvToolPanelTab* bar);

    QString m_caption;
    TAdvToolPanelTab* m_bar;
};

// A row of tabs, one per panel. Clicking a tab slides its panel out, a fixed
// PanelHeight pixels high, over the area above the bar; clicking it again,
// or leaving the panel with the mouse, slides it back. A locked panel stays
// open and takes its place in the bar itself. Panels cannot be resized and
// have no close button.
class TAdvToolPanelTab : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int slide READ slide WRITE setSlide)
public:
    static constexpr int PanelHeight = 128;
    static constexpr int TabHeight = 23;

    explicit TAdvToolPanelTab(QWidget* parent = nullptr);
    ~TAdvToolPanelTab() override;

    TAdvToolPanel* addPanel(const QString& caption);
    int panelCount() const { return int(m_panels.size()); }
    TAdvToolPanel* panel(int index) const { return m_panels.at(index); }
    int indexOf(const TAdvToolPanel* panel) const;

    // The open panel, or nullptr.
    TAdvToolPanel* openedPanel() const { return m_open; }
    // Opens a panel as its tab does; animated false shows it at once.
    void openPanel(TAdvToolPanel* panel, bool animated = true);
    void closePanel(bool animated = true);

    bool isLocked() const { return m_locked; }
    void setLocked(bool locked);
    QToolButton* lockButton() const { return m_lock; }

    // The tab's rectangle, in this widget's coordinates.
    QRect tabRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    int slide() const { return m_slide; }
    void setSlide(int pixels);

signals:
    void panelOpened(TAdvToolPanel* panel);
    void panelClosed();
    void lockedChanged(bool locked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int tabAt(QPoint pos) const;
    void placePanel();
    void updateLockButton();
    void closeIfMouseAway();

    std::vector<TAdvToolPanel*> m_panels;
    QPointer<QWidget> m_frame; // clips the sliding panel; lives in the host while unlocked
    TAdvToolPanel* m_open = nullptr;
    QToolButton* m_lock;
    QPropertyAnimation* m_anim;
    bool m_locked = false;
    bool m_closing = false;
    int m_slide = 0; // how far the open panel is out, 0..PanelHeight
    int m_hoverTab = -1;
};
