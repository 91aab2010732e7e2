#pragma once

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QFont>
#include <functional>
#include <memory>
#include <vector>

#include "PlannerGeometry.h"

class QMenu;
class QScrollBar;
class TPlanner;

// One bar on the timeline. Loading sets these fields directly, between
// TPlanner::beginUpdate() and endUpdate(); a change made outside such a pair
// is shown after TPlanner::itemChanged().
class TPlannerItem {
public:
    int Tag = 0;     // the shift's ScheduleID
    int ItemPos = 0; // row, from 0
    QDateTime ItemStartTime; // wall clock, Qt::UTC
    QDateTime ItemEndTime;
    QColor Color = QColor(0xFF, 0xFF, 0xFF);
    QColor ColorTo = QColor(0x7C, 0xA4, 0xE4);
    QColor CaptionFontColor = QColor(0x80, 0x00, 0x00); // maroon
    QColor FontColor = QColor(0, 0, 0);
    QString CaptionText;
    bool FixedPosition = true; // moves along the time axis only, never to another row
    bool ReadOnly = true;      // no editing of the text in place

    TPlanner* planner() const { return m_planner; }

private:
    friend class TPlanner;
    TPlanner* m_planner = nullptr;
};

// The one-day timeline: time axis on top in slots of DisplayUnit minutes,
// one row per position, items as rounded bars.
class TPlanner : public QWidget {
    Q_OBJECT
public:
    static constexpr int DisplayScale = PlannerGeometry::SlotWidth; // pixels per slot
    static constexpr int TitleHeight = 24;
    static constexpr int AxisHeight = 36;
    static constexpr int RowHeight = 26;

    explicit TPlanner(QWidget* parent = nullptr);
    ~TPlanner() override;

    // Display: slots of the day shown and drawn active, both ends included.
    void setDisplayUnit(int minutes);
    int displayUnit() const { return m_displayUnit; }
    void setDisplayStart(int slot);
    int displayStart() const { return m_displayStart; }
    void setDisplayEnd(int slot);
    int displayEnd() const { return m_displayEnd; }
    void setActiveStart(int slot);
    int activeStart() const { return m_activeStart; }
    void setActiveEnd(int slot);
    int activeEnd() const { return m_activeEnd; }

    // Mode.TimeLineStart: the day shown.
    void setTimeLineStart(QDate day);
    QDate timeLineStart() const { return m_day; }

    // Rows: at least 1.
    void setPositions(int rows);
    int positions() const { return m_positions; }

    // Header.Captions: entry 0 is the corner, entry r + 1 captions row r. The
    // list holds at least positions() + 1 entries; it grows with positions()
    // and never shrinks.
    const QStringList& headerCaptions() const { return m_captions; }
    void setHeaderCaption(int index, const QString& text);

    // Caption.Title, in the title bar.
    void setTitle(const QString& title);
    QString title() const { return m_title; }

    // DefaultItem: what every new item starts from.
    TPlannerItem& defaultItem() { return m_defaultItem; }
    TPlannerItem* createItem();
    const std::vector<std::unique_ptr<TPlannerItem>>& items() const { return m_items; }
    // Removes every item, and the selection with them.
    void removeAllItems();
    void itemChanged(TPlannerItem* item);

    // Suspends repainting while items are made; nests.
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return m_updateDepth > 0; }

    TPlannerItem* selectedItem() const { return m_selected; }
    void setSelectedItem(TPlannerItem* item);

    // The pop-up menu of items (tmsPopTimeLine); shown on a right click on an
    // item, after that item is selected.
    void setItemPopupMenu(QMenu* menu) { m_itemMenu = menu; }
    QMenu* itemPopupMenu() const { return m_itemMenu; }

    // Whether a drag over the timeline may be dropped (PlannerDragOver).
    void setDragOverHandler(std::function<bool()> handler) { m_dragOver = std::move(handler); }
    // The body text of an item's hover balloon (PlannerItemBalloon); its
    // title is the item's CaptionText.
    void setBalloonTextProvider(std::function<QString(TPlannerItem*)> provider) { m_balloonText = std::move(provider); }

    // Where an item's bar is drawn, in widget coordinates (scrolling
    // included; the part cut off by the visible time range left out); empty
    // when the item lies wholly outside the range or its row does not exist.
    QRect itemRect(const TPlannerItem* item) const;
    // What a press at pos (widget coordinates) would do, and to which item.
    // Used both for presses and for the hover cursor.
    struct HitResult {
        TPlannerItem* item = nullptr;
        PlannerGeometry::Hit hit = PlannerGeometry::Hit::None;
    };
    HitResult hitTest(const QPoint& pos) const;
    // The scrolled part of the timeline below the title bar and the axis, right
    // of the row captions.
    QRect bodyRect() const;
    QScrollBar* horizontalScrollBar() const { return m_hbar; }
    QScrollBar* verticalScrollBar() const { return m_vbar; }
    bool isDragging() const { return m_drag.state == DragState::Dragging; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Emitted once, on release, after the item's times were changed by a
    // drag (moved) or by a stretch at either edge (sized).
    void itemMoved(TPlannerItem* item);
    void itemSized(TPlannerItem* item);
    void itemDblClicked(TPlannerItem* item);
    // Something accepted by the drag-over handler was dropped (PlannerDragDrop).
    void dropped();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Press records the hit; past the drag distance the drag begins; every
    // move is worked out from the press point and the snapshot taken then.
    enum class DragState { Idle, Pressed, Dragging };
    struct DragSession {
        DragState state = DragState::Idle;
        TPlannerItem* item = nullptr;
        PlannerGeometry::Hit hit = PlannerGeometry::Hit::None;
        QPoint origin;
        QDateTime start;
        QDateTime end;
        int row = 0;
    };

    void layoutChanged();
    void itemsChanged();
    void ensureLayout() const;
    PlannerGeometry::TimeScale timeScale() const;
    QPoint scrollOffset() const;
    int firstVisibleRow() const;
    int lastVisibleRow() const;
    void dragTo(const QPoint& pos);
    void finishDrag();
    void cancelDrag();
    void updateHoverCursor(const QPoint& pos);
    bool dropAllowed() const;
    void showBalloon(const QPoint& pos, const QPoint& globalPos);

    void paintTitle(QPainter& p) const;
    void paintCorner(QPainter& p) const;
    void paintAxis(QPainter& p) const;
    void paintHeader(QPainter& p) const;
    void paintBody(QPainter& p) const;
    void paintBar(QPainter& p, const TPlannerItem& item, const PlannerGeometry::ItemBar& bar, const QRect& visible) const;
    void paintOutsideMark(QPainter& p, const TPlannerItem& item, PlannerGeometry::Visibility where) const;
    void paintDragReadout(QPainter& p, const QRect& visible) const;

    QStringList m_captions;
    int m_displayUnit = 60;
    int m_displayStart = 0;
    int m_displayEnd = 23;
    int m_activeStart = 0;
    int m_activeEnd = 23;
    QDate m_day;
    int m_positions = 1;
    QString m_title = QStringLiteral("Schedule");
    TPlannerItem m_defaultItem;
    std::vector<std::unique_ptr<TPlannerItem>> m_items;
    TPlannerItem* m_selected = nullptr;
    int m_updateDepth = 0;
    QMenu* m_itemMenu = nullptr;
    std::function<bool()> m_dragOver;
    std::function<QString(TPlannerItem*)> m_balloonText;

    QScrollBar* m_hbar = nullptr;
    QScrollBar* m_vbar = nullptr;
    DragSession m_drag;

    // Worked out again only after something that moves them changed.
    mutable bool m_layoutDirty = true;
    mutable int m_headerWidth = 0;
    mutable QRect m_titleRect, m_cornerRect, m_axisRect, m_headerRect, m_bodyRect;

    QFont m_titleFont, m_axisFont, m_axisSmallFont, m_headerFont, m_captionFont;
};
