#include "Planner.h"

TPlanner::TPlanner(QWidget* parent) : QWidget(parent)
{
    m_captions = QStringList{QString(), QString()};
}

TPlanner::~TPlanner() = default;

void TPlanner::layoutChanged()
{
    if (!isUpdating())
        update();
}

void TPlanner::setDisplayUnit(int minutes)
{
    m_displayUnit = qBound(1, minutes, 24 * 60);
    layoutChanged();
}

void TPlanner::setDisplayStart(int slot)
{
    m_displayStart = qMax(0, slot);
    layoutChanged();
}

void TPlanner::setDisplayEnd(int slot)
{
    m_displayEnd = qMax(0, slot);
    layoutChanged();
}

void TPlanner::setActiveStart(int slot)
{
    m_activeStart = slot;
    layoutChanged();
}

void TPlanner::setActiveEnd(int slot)
{
    m_activeEnd = slot;
    layoutChanged();
}

void TPlanner::setTimeLineStart(QDate day)
{
    m_day = day;
    layoutChanged();
}

void TPlanner::setPositions(int rows)
{
    m_positions = qMax(1, rows);
    while (m_captions.size() < m_positions + 1)
        m_captions << QString();
    layoutChanged();
}

void TPlanner::setHeaderCaption(int index, const QString& text)
{
    if (index < 0)
        return;
    while (m_captions.size() <= index)
        m_captions << QString();
    m_captions[index] = text;
    layoutChanged();
}

void TPlanner::setTitle(const QString& title)
{
    m_title = title;
    layoutChanged();
}

TPlannerItem* TPlanner::createItem()
{
    auto item = std::make_unique<TPlannerItem>(m_defaultItem);
    item->m_planner = this;
    m_items.push_back(std::move(item));
    layoutChanged();
    return m_items.back().get();
}

void TPlanner::removeAllItems()
{
    m_selected = nullptr;
    m_items.clear();
    layoutChanged();
}

void TPlanner::itemChanged(TPlannerItem*)
{
    layoutChanged();
}

void TPlanner::beginUpdate()
{
    ++m_updateDepth;
}

void TPlanner::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0)
        update();
}

void TPlanner::setSelectedItem(TPlannerItem* item)
{
    m_selected = item;
    layoutChanged();
}
