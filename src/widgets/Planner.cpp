#include "Planner.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QToolTip>
#include <QVarLengthArray>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

using PlannerGeometry::Hit;
using PlannerGeometry::ItemBar;
using PlannerGeometry::Visibility;

namespace {

constexpr QRgb ActiveSlotColor = 0xFDFCD0;
constexpr QRgb InactiveSlotColor = 0xFFF5B8;
constexpr QRgb TitleColorFrom = 0x5684D5;
constexpr QRgb TitleColorTo = 0x073C94;
constexpr QRgb SlotLineColor = 0xEEDFA6;
constexpr QRgb HourLineColor = 0xD8C27A;
constexpr QRgb RowLineColor = 0xE4D49A;
constexpr QRgb OutsideColor = 0xF0F0F0; // beyond the last row or slot
constexpr QRgb HeaderColor = 0xF2F2F2;
constexpr QRgb HeaderLineColor = 0xC4C4C4;
constexpr QRgb SelectedRowColor = 0xCFE0F8;
constexpr QRgb AxisColorFrom = 0xFCFCFC;
constexpr QRgb AxisColorTo = 0xE2E2E2;
constexpr QRgb AxisTextColor = 0x202020;
constexpr QRgb SelectedBorderColor = 0x101010;
constexpr int MinHeaderWidth = 90;
constexpr int MaxHeaderWidth = 220;
constexpr int TooltipMs = 4000;
constexpr double BarRadius = 4.0;

QFont makeFont(const QString& family, int points, bool bold = false)
{
    QFont f(family, points, bold ? QFont::Bold : QFont::Normal);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

void fillShade(QPainter& p, const QRect& r, QRgb from, QRgb to)
{
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, QColor(from));
    shade.setColorAt(1, QColor(to));
    p.fillRect(r, shade);
}

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

TPlanner::TPlanner(QWidget* parent) : QWidget(parent)
{
    m_captions = QStringList{QString(), QString()};

    m_titleFont = makeFont(QStringLiteral("Tahoma"), 9, true);
    m_axisFont = makeFont(QStringLiteral("Tahoma"), 9, true);
    m_axisSmallFont = makeFont(QStringLiteral("Tahoma"), 7);
    m_headerFont = makeFont(QStringLiteral("Tahoma"), 8);
    m_captionFont = makeFont(QStringLiteral("MS Sans Serif"), 8);

    m_hbar = new QScrollBar(Qt::Horizontal, this);
    m_vbar = new QScrollBar(Qt::Vertical, this);
    m_hbar->hide();
    m_vbar->hide();
    m_hbar->setSingleStep(DisplayScale);
    m_vbar->setSingleStep(RowHeight);
    connect(m_hbar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(m_vbar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));

    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TPlanner::~TPlanner() = default;

QSize TPlanner::sizeHint() const
{
    return QSize(640, 320);
}

QSize TPlanner::minimumSizeHint() const
{
    return QSize(MinHeaderWidth + 4 * DisplayScale, TitleHeight + AxisHeight + 2 * RowHeight);
}

void TPlanner::layoutChanged()
{
    m_layoutDirty = true;
    if (!isUpdating())
        update();
}

void TPlanner::itemsChanged()
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
    itemsChanged();
    return m_items.back().get();
}

void TPlanner::removeAllItems()
{
    // A drag in progress would otherwise hold on to a freed item.
    m_drag = DragSession();
    m_selected = nullptr;
    m_items.clear();
    itemsChanged();
}

void TPlanner::itemChanged(TPlannerItem*)
{
    itemsChanged();
}

void TPlanner::beginUpdate()
{
    ++m_updateDepth;
}

void TPlanner::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0) {
        m_layoutDirty = true;
        update();
    }
}

void TPlanner::setSelectedItem(TPlannerItem* item)
{
    m_selected = item;
    itemsChanged();
}

// ---------------------------------------------------------------- layout

PlannerGeometry::TimeScale TPlanner::timeScale() const
{
    PlannerGeometry::TimeScale scale;
    scale.day = m_day;
    scale.unit = m_displayUnit;
    scale.firstSlot = m_displayStart;
    scale.lastSlot = qMax(m_displayStart, m_displayEnd);
    return scale;
}

void TPlanner::ensureLayout() const
{
    if (!m_layoutDirty)
        return;
    m_layoutDirty = false;

    const QFontMetrics fm(m_headerFont);
    int widest = fm.horizontalAdvance(m_captions.value(0));
    const int last = qMin<int>(m_positions, m_captions.size() - 1);
    for (int i = 1; i <= last; ++i)
        widest = qMax(widest, fm.horizontalAdvance(m_captions[i]));
    m_headerWidth = qBound(MinHeaderWidth, widest + 16, MaxHeaderWidth);

    const int contentW = int(timeScale().width());
    const int contentH = m_positions * RowHeight;
    const int top = TitleHeight + AxisHeight;
    const int availW = qMax(0, width() - m_headerWidth);
    const int availH = qMax(0, height() - top);
    const int barH = m_hbar->sizeHint().height();
    const int barW = m_vbar->sizeHint().width();
    bool needH = contentW > availW;
    const bool needV = contentH > availH - (needH ? barH : 0);
    needH = contentW > availW - (needV ? barW : 0);

    const int bodyW = qMax(0, availW - (needV ? barW : 0));
    const int bodyH = qMax(0, availH - (needH ? barH : 0));
    m_titleRect = QRect(0, 0, width(), TitleHeight);
    m_cornerRect = QRect(0, TitleHeight, m_headerWidth, AxisHeight);
    m_axisRect = QRect(m_headerWidth, TitleHeight, bodyW, AxisHeight);
    m_headerRect = QRect(0, top, m_headerWidth, bodyH);
    m_bodyRect = QRect(m_headerWidth, top, bodyW, bodyH);

    m_hbar->setGeometry(m_headerWidth, top + bodyH, bodyW, barH);
    m_hbar->setRange(0, qMax(0, contentW - bodyW));
    m_hbar->setPageStep(qMax(1, bodyW));
    m_hbar->setVisible(needH);
    m_vbar->setGeometry(m_headerWidth + bodyW, top, barW, bodyH);
    m_vbar->setRange(0, qMax(0, contentH - bodyH));
    m_vbar->setPageStep(qMax(1, bodyH));
    m_vbar->setVisible(needV);
}

QRect TPlanner::bodyRect() const
{
    ensureLayout();
    return m_bodyRect;
}

QPoint TPlanner::scrollOffset() const
{
    return QPoint(m_hbar->value(), m_vbar->value());
}

int TPlanner::firstVisibleRow() const
{
    return qBound(0, scrollOffset().y() / RowHeight, m_positions - 1);
}

int TPlanner::lastVisibleRow() const
{
    return qBound(0, (scrollOffset().y() + m_bodyRect.height()) / RowHeight, m_positions - 1);
}

QRect TPlanner::itemRect(const TPlannerItem* item) const
{
    ensureLayout();
    if (!item || item->ItemPos < 0 || item->ItemPos >= m_positions)
        return QRect();
    const ItemBar bar = PlannerGeometry::itemBar(timeScale(), item->ItemStartTime, item->ItemEndTime, item->ItemPos, RowHeight);
    if (!bar.visible())
        return QRect();
    return bar.rect.translated(m_bodyRect.topLeft() - scrollOffset()).toAlignedRect();
}

TPlanner::HitResult TPlanner::hitTest(const QPoint& pos) const
{
    ensureLayout();
    HitResult result;
    if (!m_bodyRect.contains(pos))
        return result;
    const QPointF content = QPointF(pos - m_bodyRect.topLeft() + scrollOffset()) + QPointF(0.5, 0.5);
    const int row = int(content.y()) / RowHeight;
    if (row < 0 || row >= m_positions)
        return result;
    const auto scale = timeScale();
    // The last item drawn lies on top.
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        const TPlannerItem& item = **it;
        if (item.ItemPos != row)
            continue;
        const ItemBar bar = PlannerGeometry::itemBar(scale, item.ItemStartTime, item.ItemEndTime, row, RowHeight);
        const Hit hit = PlannerGeometry::hitTest(bar, content);
        if (hit != Hit::None) {
            result.item = it->get();
            result.hit = hit;
            return result;
        }
    }
    return result;
}

void TPlanner::resizeEvent(QResizeEvent* event)
{
    m_layoutDirty = true;
    ensureLayout();
    QWidget::resizeEvent(event);
}

// ---------------------------------------------------------------- painting

void TPlanner::paintEvent(QPaintEvent* event)
{
    ensureLayout();
    QPainter p(this);
    const QRect dirty = event->rect();
    if (dirty.intersects(m_titleRect))
        paintTitle(p);
    if (dirty.intersects(m_cornerRect))
        paintCorner(p);
    if (dirty.intersects(m_axisRect))
        paintAxis(p);
    if (dirty.intersects(m_headerRect))
        paintHeader(p);
    if (dirty.intersects(m_bodyRect))
        paintBody(p);
    // What the scroll bars leave free.
    const QRect below(0, m_bodyRect.bottom() + 1, width(), height() - m_bodyRect.bottom() - 1);
    const QRect right(m_bodyRect.right() + 1, TitleHeight, width() - m_bodyRect.right() - 1, height() - TitleHeight);
    for (const QRect& r : {below, right})
        if (r.isValid() && dirty.intersects(r))
            p.fillRect(r, palette().window());
}

void TPlanner::paintTitle(QPainter& p) const
{
    fillShade(p, m_titleRect, TitleColorFrom, TitleColorTo);
    p.setPen(Qt::white);
    p.setFont(m_titleFont);
    p.drawText(m_titleRect.adjusted(4, 0, -4, 0), Qt::AlignCenter | Qt::TextSingleLine, m_title);
}

void TPlanner::paintCorner(QPainter& p) const
{
    fillShade(p, m_cornerRect, AxisColorFrom, AxisColorTo);
    p.setPen(QColor(HeaderLineColor));
    p.drawLine(m_cornerRect.bottomLeft(), m_cornerRect.bottomRight());
    p.drawLine(m_cornerRect.topRight(), m_cornerRect.bottomRight());
    p.setPen(QColor(AxisTextColor));
    p.setFont(m_headerFont);
    p.drawText(m_cornerRect.adjusted(4, 0, -4, 0), Qt::AlignCenter | Qt::TextSingleLine, m_captions.value(0));
}

void TPlanner::paintAxis(QPainter& p) const
{
    p.save();
    p.setClipRect(m_axisRect);
    fillShade(p, m_axisRect, AxisColorFrom, AxisColorTo);

    const auto scale = timeScale();
    const int hOff = scrollOffset().x();
    const int slotCount = scale.slotCount();
    const int k0 = qBound(0, hOff / DisplayScale, slotCount - 1);
    const int k1 = qBound(0, (hOff + m_axisRect.width()) / DisplayScale, slotCount - 1);
    const int contentW = int(scale.width());
    p.translate(m_axisRect.left() - hOff, m_axisRect.top());
    const int h = AxisHeight;
    constexpr int split = 20; // hour labels above, slot ticks below

    QVarLengthArray<QLine, 256> hourLines;
    QVarLengthArray<QLine, 256> slotLines;
    const QColor textColor(AxisTextColor);
    if (scale.unit >= 60) {
        // Slots of an hour or more: the hour over its AM/PM, one per slot.
        for (int k = k0; k <= k1; ++k) {
            const int minutes = (scale.firstSlot + k) * scale.unit;
            const int x = k * DisplayScale;
            hourLines.append(QLine(x, 0, x, h));
            p.setPen(textColor);
            p.setFont(m_axisFont);
            p.drawText(QRect(x, 2, DisplayScale, split - 2), Qt::AlignCenter, PlannerGeometry::hourNumber(minutes));
            p.setFont(m_axisSmallFont);
            p.drawText(QRect(x, split, DisplayScale, h - split - 2), Qt::AlignCenter, PlannerGeometry::amPm(minutes));
        }
    } else {
        // An hour spans several slots: "9 AM" over the hour, minutes under each slot.
        const int firstHour = floorDiv(int(PlannerGeometry::xToMinutes(scale, hOff)), 60);
        const int lastHour = floorDiv(int(PlannerGeometry::xToMinutes(scale, hOff + m_axisRect.width())), 60);
        p.setFont(m_axisFont);
        p.setPen(textColor);
        for (int hour = firstHour; hour <= lastHour; ++hour) {
            const int x0 = int(PlannerGeometry::minutesToX(scale, hour * 60.0));
            const int x1 = int(PlannerGeometry::minutesToX(scale, (hour + 1) * 60.0));
            const int left = qMax(0, x0);
            const int right = qMin(contentW, x1);
            if (right <= left)
                continue;
            if (x0 >= 0)
                hourLines.append(QLine(x0, 0, x0, h));
            p.drawText(QRect(left, 2, right - left, split - 2), Qt::AlignCenter | Qt::TextSingleLine,
                       PlannerGeometry::hourLabel(hour * 60));
        }
        p.setFont(m_axisSmallFont);
        for (int k = k0; k <= k1; ++k) {
            const int minutes = (scale.firstSlot + k) * scale.unit;
            const int x = k * DisplayScale;
            if (minutes % 60 != 0)
                slotLines.append(QLine(x, split + 2, x, h));
            p.drawText(QRect(x, split, DisplayScale, h - split - 1), Qt::AlignCenter,
                       QString::number(minutes % 60).rightJustified(2, QLatin1Char('0')));
        }
    }
    hourLines.append(QLine(contentW, 0, contentW, h));
    p.setPen(QColor(0xB8B8B8));
    p.drawLines(slotLines.constData(), int(slotLines.size()));
    p.setPen(QColor(0x9A9A9A));
    p.drawLines(hourLines.constData(), int(hourLines.size()));
    p.setPen(QColor(HeaderLineColor));
    p.drawLine(hOff, h - 1, hOff + m_axisRect.width(), h - 1);
    p.restore();
}

void TPlanner::paintHeader(QPainter& p) const
{
    p.save();
    p.setClipRect(m_headerRect);
    p.fillRect(m_headerRect, QColor(HeaderColor));
    const int vOff = scrollOffset().y();
    const int r0 = firstVisibleRow();
    const int r1 = lastVisibleRow();
    p.translate(0, m_headerRect.top() - vOff);
    const int w = m_headerRect.width();
    if (m_selected && m_selected->ItemPos >= r0 && m_selected->ItemPos <= r1)
        p.fillRect(QRect(0, m_selected->ItemPos * RowHeight, w, RowHeight), QColor(SelectedRowColor));
    p.setFont(m_headerFont);
    p.setPen(QColor(AxisTextColor));
    for (int r = r0; r <= r1; ++r)
        p.drawText(QRect(6, r * RowHeight, w - 10, RowHeight), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   m_captions.value(r + 1));
    QVarLengthArray<QLine, 128> lines;
    for (int r = r0; r <= r1; ++r)
        lines.append(QLine(0, (r + 1) * RowHeight - 1, w - 1, (r + 1) * RowHeight - 1));
    lines.append(QLine(w - 1, vOff, w - 1, vOff + m_headerRect.height()));
    p.setPen(QColor(HeaderLineColor));
    p.drawLines(lines.constData(), int(lines.size()));
    p.restore();
}

void TPlanner::paintBody(QPainter& p) const
{
    p.save();
    p.setClipRect(m_bodyRect);
    const QPoint off = scrollOffset();
    p.translate(m_bodyRect.topLeft() - off);
    const QRect visible(off, m_bodyRect.size());
    const auto scale = timeScale();
    const int slotCount = scale.slotCount();
    const int contentW = int(scale.width());
    const int contentH = m_positions * RowHeight;
    const int k0 = qBound(0, visible.left() / DisplayScale, slotCount - 1);
    const int k1 = qBound(0, visible.right() / DisplayScale, slotCount - 1);
    const int r0 = firstVisibleRow();
    const int r1 = lastVisibleRow();
    const int rowsBottom = qMin(visible.bottom() + 1, contentH);

    // Slots, active or not, then what lies past the last slot or row.
    for (int k = k0; k <= k1; ++k) {
        const int slot = scale.firstSlot + k;
        const bool active = slot >= m_activeStart && slot <= m_activeEnd;
        p.fillRect(QRect(k * DisplayScale, visible.top(), DisplayScale, rowsBottom - visible.top()),
                   QColor(active ? ActiveSlotColor : InactiveSlotColor));
    }
    if (visible.right() >= contentW)
        p.fillRect(QRect(QPoint(contentW, visible.top()), visible.bottomRight()), QColor(OutsideColor));
    if (visible.bottom() >= contentH)
        p.fillRect(QRect(QPoint(visible.left(), contentH), visible.bottomRight()), QColor(OutsideColor));

    QVarLengthArray<QLine, 256> slotLines;
    QVarLengthArray<QLine, 256> hourLines;
    for (int k = k0; k <= k1 + 1; ++k) {
        const int x = k * DisplayScale - (k > 0 ? 1 : 0);
        const int minutes = (scale.firstSlot + k) * scale.unit;
        (minutes % 60 == 0 ? hourLines : slotLines).append(QLine(x, visible.top(), x, rowsBottom - 1));
    }
    QVarLengthArray<QLine, 128> rowLines;
    const int lineRight = qMin(visible.right(), contentW - 1);
    for (int r = r0; r <= r1; ++r)
        rowLines.append(QLine(visible.left(), (r + 1) * RowHeight - 1, lineRight, (r + 1) * RowHeight - 1));
    p.setPen(QColor(SlotLineColor));
    p.drawLines(slotLines.constData(), int(slotLines.size()));
    p.setPen(QColor(RowLineColor));
    p.drawLines(rowLines.constData(), int(rowLines.size()));
    p.setPen(QColor(HourLineColor));
    p.drawLines(hourLines.constData(), int(hourLines.size()));

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(m_captionFont);
    const QRectF visibleF(visible);
    for (const auto& ptr : m_items) {
        const TPlannerItem& item = *ptr;
        if (item.ItemPos < r0 || item.ItemPos > r1)
            continue;
        const ItemBar bar = PlannerGeometry::itemBar(scale, item.ItemStartTime, item.ItemEndTime, item.ItemPos, RowHeight);
        if (!bar.visible())
            paintOutsideMark(p, item, bar.visibility);
        else if (bar.rect.intersects(visibleF))
            paintBar(p, item, bar, visible);
    }
    if (m_drag.state == DragState::Dragging)
        paintDragReadout(p, visible);
    p.restore();
}

void TPlanner::paintBar(QPainter& p, const TPlannerItem& item, const ItemBar& bar, const QRect& visible) const
{
    const QRectF r = bar.rect.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    // The bar's own colour holds over its top, so that positions stay told apart.
    shade.setColorAt(0, item.Color);
    shade.setColorAt(0.3, item.Color);
    shade.setColorAt(1, item.ColorTo);
    const bool selected = &item == m_selected;
    p.setPen(selected ? QPen(QColor(SelectedBorderColor), 2) : QPen(item.Color.darker(160), 1));
    p.setBrush(shade);
    p.drawRoundedRect(selected ? r.adjusted(0.5, 0.5, -0.5, -0.5) : r, BarRadius, BarRadius);

    // A cut-off end points the way the item goes on.
    double textLeft = r.left() + 4;
    double textRight = r.right() - 4;
    const double mid = r.center().y();
    p.setPen(Qt::NoPen);
    p.setBrush(item.CaptionFontColor);
    if (bar.clippedLeft) {
        const QPointF tip(r.left() + 3, mid);
        const QPointF arrow[] = {tip, tip + QPointF(5, -4), tip + QPointF(5, 4)};
        p.drawPolygon(arrow, 3);
        textLeft += 8;
    }
    if (bar.clippedRight) {
        const QPointF tip(r.right() - 3, mid);
        const QPointF arrow[] = {tip, tip + QPointF(-5, -4), tip + QPointF(-5, 4)};
        p.drawPolygon(arrow, 3);
        textRight -= 8;
    }
    // Keep the caption in view while the start of a long bar is scrolled away.
    textLeft = qMax(textLeft, double(visible.left()) + 4);
    if (textRight - textLeft < 4 || item.CaptionText.isEmpty())
        return;
    p.setPen(item.CaptionFontColor);
    p.drawText(QRectF(textLeft, r.top(), textRight - textLeft, r.height()), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
               item.CaptionText);
}

void TPlanner::paintOutsideMark(QPainter& p, const TPlannerItem& item, Visibility where) const
{
    const double mid = item.ItemPos * RowHeight + RowHeight / 2.0;
    const double contentW = timeScale().width();
    const bool before = where == Visibility::Before;
    const QPointF tip(before ? 2.0 : contentW - 2.0, mid);
    const double dir = before ? 1.0 : -1.0;
    const QPointF arrow[] = {tip, tip + QPointF(8 * dir, -6), tip + QPointF(8 * dir, 6)};
    p.setPen(QPen(item.Color.darker(200), 1));
    p.setBrush(item.Color);
    p.drawPolygon(arrow, 3);
}

void TPlanner::paintDragReadout(QPainter& p, const QRect& visible) const
{
    if (!m_drag.item)
        return;
    const QRect bar = itemRect(m_drag.item).translated(scrollOffset() - m_bodyRect.topLeft());
    if (bar.isEmpty())
        return;
    const auto scale = timeScale();
    const int s = int(std::floor(PlannerGeometry::minutesFromMidnight(scale.day, m_drag.item->ItemStartTime)));
    const int e = int(std::floor(PlannerGeometry::minutesFromMidnight(scale.day, m_drag.item->ItemEndTime)));
    const QString text = PlannerGeometry::timeLabel(s) + QStringLiteral(" - ") + PlannerGeometry::timeLabel(e);
    const QFontMetrics fm(m_captionFont);
    QRect box(0, 0, fm.horizontalAdvance(text) + 10, fm.height() + 4);
    // Above the bar, or below it in the first row; always in view.
    box.moveBottomLeft(QPoint(bar.left(), bar.top() - 2));
    if (box.top() < visible.top())
        box.moveTopLeft(QPoint(bar.left(), bar.bottom() + 3));
    box.moveLeft(qBound(visible.left() + 2, box.left(), qMax(visible.left() + 2, visible.right() - box.width() - 2)));
    p.setPen(QColor(0x404040));
    p.setBrush(QColor(0xFFFFE1));
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, text);
}

// ---------------------------------------------------------------- interaction

void TPlanner::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const HitResult hit = hitTest(pos);
    if (event->button() == Qt::LeftButton) {
        m_drag = DragSession();
        if (!hit.item) {
            if (m_bodyRect.contains(pos))
                setSelectedItem(nullptr);
            return;
        }
        setSelectedItem(hit.item);
        m_drag.state = DragState::Pressed;
        m_drag.item = hit.item;
        m_drag.hit = hit.hit;
        m_drag.origin = pos;
        m_drag.start = hit.item->ItemStartTime;
        m_drag.end = hit.item->ItemEndTime;
        m_drag.row = hit.item->ItemPos;
        return;
    }
    if (event->button() == Qt::RightButton && hit.item) {
        // Select first, so that the menu acts on the item under the mouse.
        cancelDrag();
        setSelectedItem(hit.item);
        if (m_itemMenu)
            m_itemMenu->popup(event->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(event);
}

void TPlanner::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    switch (m_drag.state) {
    case DragState::Idle:
        updateHoverCursor(pos);
        return;
    case DragState::Pressed:
        if ((pos - m_drag.origin).manhattanLength() < QApplication::startDragDistance())
            return;
        m_drag.state = DragState::Dragging;
        setCursor(m_drag.hit == Hit::Move ? Qt::SizeAllCursor : Qt::SizeHorCursor);
        QToolTip::hideText();
        [[fallthrough]];
    case DragState::Dragging:
        dragTo(pos);
        return;
    }
}

void TPlanner::dragTo(const QPoint& pos)
{
    TPlannerItem* item = m_drag.item;
    const auto delta = PlannerGeometry::dragDelta(timeScale(), m_drag.hit, m_drag.start, m_drag.end, pos.x() - m_drag.origin.x());
    item->ItemStartTime = m_drag.start.addSecs(delta.start);
    item->ItemEndTime = m_drag.end.addSecs(delta.end);
    if (m_drag.hit == Hit::Move && !item->FixedPosition) {
        const int rows = qRound(double(pos.y() - m_drag.origin.y()) / RowHeight);
        item->ItemPos = qBound(0, m_drag.row + rows, m_positions - 1);
    }
    update();
}

void TPlanner::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_drag.state == DragState::Idle) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    finishDrag();
    updateHoverCursor(event->position().toPoint());
}

void TPlanner::finishDrag()
{
    const DragSession drag = m_drag;
    m_drag = DragSession();
    update();
    if (drag.state != DragState::Dragging)
        return;
    TPlannerItem* item = drag.item;
    const bool changed = item->ItemStartTime != drag.start || item->ItemEndTime != drag.end || item->ItemPos != drag.row;
    if (!changed)
        return;
    // The handler may reload the timeline and free the item: nothing after this.
    if (drag.hit == Hit::Move)
        emit itemMoved(item);
    else
        emit itemSized(item);
}

void TPlanner::cancelDrag()
{
    if (m_drag.state == DragState::Dragging) {
        m_drag.item->ItemStartTime = m_drag.start;
        m_drag.item->ItemEndTime = m_drag.end;
        m_drag.item->ItemPos = m_drag.row;
    }
    m_drag = DragSession();
    update();
}

void TPlanner::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_drag.state != DragState::Idle) {
        cancelDrag();
        unsetCursor();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TPlanner::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const HitResult hit = hitTest(event->position().toPoint());
    if (!hit.item)
        return;
    m_drag = DragSession();
    setSelectedItem(hit.item);
    emit itemDblClicked(hit.item);
}

void TPlanner::contextMenuEvent(QContextMenuEvent* event)
{
    // A mouse right click was handled on the press; the menu key opens the
    // menu of the selected item.
    if (event->reason() == QContextMenuEvent::Keyboard && m_selected && m_itemMenu) {
        const QRect bar = itemRect(m_selected);
        const QPoint at = bar.isEmpty() ? m_bodyRect.topLeft() : bar.center();
        m_itemMenu->popup(mapToGlobal(at));
    }
    event->accept();
}

void TPlanner::updateHoverCursor(const QPoint& pos)
{
    switch (hitTest(pos).hit) {
    case Hit::ExtendLeft:
    case Hit::ExtendRight:
        setCursor(Qt::SizeHorCursor);
        break;
    case Hit::Move:
        setCursor(Qt::SizeAllCursor);
        break;
    case Hit::None:
        unsetCursor();
        break;
    }
}

void TPlanner::leaveEvent(QEvent* event)
{
    if (m_drag.state == DragState::Idle)
        unsetCursor();
    QWidget::leaveEvent(event);
}

void TPlanner::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const bool sideways = event->modifiers() & Qt::ShiftModifier || std::abs(delta.x()) > std::abs(delta.y());
    QScrollBar* bar = sideways ? m_hbar : m_vbar;
    const int steps = (sideways && delta.x() != 0 ? delta.x() : delta.y()) / 40;
    bar->setValue(bar->value() - steps * bar->singleStep());
    event->accept();
}

bool TPlanner::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        showBalloon(help->pos(), help->globalPos());
        return true;
    }
    return QWidget::event(event);
}

void TPlanner::showBalloon(const QPoint& pos, const QPoint& globalPos)
{
    const HitResult hit = hitTest(pos);
    if (!hit.item || !m_balloonText || m_drag.state == DragState::Dragging) {
        QToolTip::hideText();
        return;
    }
    const QString body = m_balloonText(hit.item);
    const QString html = QStringLiteral("<b>%1</b><br>%2").arg(hit.item->CaptionText.toHtmlEscaped(), body.toHtmlEscaped());
    QToolTip::showText(globalPos, html, this, itemRect(hit.item), TooltipMs);
}

bool TPlanner::dropAllowed() const
{
    return m_dragOver && m_dragOver();
}

void TPlanner::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void TPlanner::dragMoveEvent(QDragMoveEvent* event)
{
    if (dropAllowed())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TPlanner::dropEvent(QDropEvent* event)
{
    if (!dropAllowed()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped();
}
