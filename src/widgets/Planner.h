#pragma once

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
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
    static constexpr int DisplayScale = 24; // pixels per slot

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

signals:
    // Emitted once, on release, after the item's times were changed by a
    // drag (moved) or by a stretch at either edge (sized).
    void itemMoved(TPlannerItem* item);
    void itemSized(TPlannerItem* item);
    void itemDblClicked(TPlannerItem* item);
    // Something accepted by the drag-over handler was dropped (PlannerDragDrop).
    void dropped();

private:
    void layoutChanged();

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
};
