#include "StringGrid.h"

#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>

namespace {
const QColor GridLine(0xC0, 0xC0, 0xC0);
const QColor FixedFrom(0xF4, 0xF7, 0xFC);
const QColor FixedTo(0xD8, 0xE2, 0xF2);
constexpr int TextPadding = 3;
}

TStringGrid::TStringGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setColCount(5);
    setRowCount(5);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TStringGrid::setColCount(int cols)
{
    cols = qMax(1, cols);
    m_widths.resize(cols, 64);
    for (QStringList& r : m_cells) {
        while (r.size() < cols)
            r << QString();
        while (r.size() > cols)
            r.removeLast();
    }
    updateScrollBars();
}

void TStringGrid::setRowCount(int rows)
{
    rows = qMax(0, rows);
    QStringList empty;
    for (int c = 0; c < colCount(); ++c)
        empty << QString();
    m_cells.resize(rows, empty);
    updateScrollBars();
}

void TStringGrid::insertRow(int row)
{
    QStringList empty;
    for (int c = 0; c < colCount(); ++c)
        empty << QString();
    m_cells.insert(m_cells.begin() + qBound(0, row, rowCount()), empty);
    updateScrollBars();
}

QString TStringGrid::cell(int col, int row) const
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= colCount())
        return QString();
    return m_cells[row][col];
}

void TStringGrid::setCell(int col, int row, const QString& text)
{
    if (row < 0 || col < 0 || col >= colCount())
        return;
    if (row >= rowCount())
        setRowCount(row + 1);
    m_cells[row][col] = text;
    viewport()->update();
}

QStringList TStringGrid::rowTexts(int row) const
{
    return row >= 0 && row < rowCount() ? m_cells[row] : QStringList();
}

void TStringGrid::setColWidth(int col, int pixels)
{
    if (col < 0 || col >= colCount())
        return;
    m_widths[col] = qMax(0, pixels);
    updateScrollBars();
}

void TStringGrid::setDefaultRowHeight(int pixels)
{
    m_rowHeight = qMax(1, pixels);
    updateScrollBars();
}

void TStringGrid::setFixedRows(int rows)
{
    m_fixedRows = qMax(0, rows);
    updateScrollBars();
}

void TStringGrid::setFixedCols(int cols)
{
    m_fixedCols = qMax(0, cols);
    updateScrollBars();
}

void TStringGrid::setFixedFooters(int rows)
{
    m_fixedFooters = qMax(0, rows);
    updateScrollBars();
}

void TStringGrid::setAlignmentProvider(AlignmentProvider provider)
{
    m_alignment = std::move(provider);
    viewport()->update();
}

Qt::Alignment TStringGrid::alignment(int row, int col) const
{
    return m_alignment ? m_alignment(row, col) : Qt::Alignment(Qt::AlignLeft);
}

int TStringGrid::bodyRows() const
{
    return qMax(0, rowCount() - qMin(rowCount(), m_fixedRows) - m_fixedFooters);
}

int TStringGrid::footerTop() const
{
    const int headRows = qMin(rowCount(), m_fixedRows);
    const int footRows = qMin(rowCount() - headRows, m_fixedFooters);
    const int room = qMax(0, (viewport()->height() - (headRows + footRows) * m_rowHeight) / m_rowHeight);
    return (headRows + qMin(room, bodyRows())) * m_rowHeight;
}

int TStringGrid::fixedWidth() const
{
    int w = 0;
    for (int c = 0; c < qMin(m_fixedCols, colCount()); ++c)
        w += m_widths[c];
    return w;
}

int TStringGrid::totalWidth() const
{
    int w = 0;
    for (int x : m_widths)
        w += x;
    return w;
}

QSize TStringGrid::sizeHint() const
{
    return QSize(totalWidth() + 2 * frameWidth(), qMin(rowCount(), 5) * m_rowHeight + 2 * frameWidth());
}

void TStringGrid::updateScrollBars()
{
    const int headRows = qMin(rowCount(), m_fixedRows);
    const int footRows = qMin(rowCount() - headRows, m_fixedFooters);
    const int bodyHeight = viewport()->height() - (headRows + footRows) * m_rowHeight;
    const int bodyVisible = qMax(0, bodyHeight / m_rowHeight);
    verticalScrollBar()->setRange(0, qMax(0, bodyRows() - bodyVisible));
    verticalScrollBar()->setPageStep(qMax(1, bodyVisible));
    verticalScrollBar()->setSingleStep(1);
    const int scrollWidth = viewport()->width() - fixedWidth();
    horizontalScrollBar()->setRange(0, qMax(0, totalWidth() - fixedWidth() - scrollWidth));
    horizontalScrollBar()->setPageStep(qMax(1, scrollWidth));
    horizontalScrollBar()->setSingleStep(20);
    viewport()->update();
}

QRect TStringGrid::cellRect(int col, int row) const
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= colCount())
        return QRect();
    const int headRows = qMin(rowCount(), m_fixedRows);
    const int footRows = qMin(rowCount() - headRows, m_fixedFooters);
    int y;
    if (row < headRows) {
        y = row * m_rowHeight;
    } else if (row >= rowCount() - footRows) {
        // The footer sits right under the last whole row shown, so that no
        // blank strip looks like a hidden row; the scroll bar shows the rest.
        y = footerTop() + (row - (rowCount() - footRows)) * m_rowHeight;
    } else {
        y = headRows * m_rowHeight + (row - headRows - verticalScrollBar()->value()) * m_rowHeight;
        const int bodyTop = headRows * m_rowHeight;
        const int bodyBottom = footerTop();
        // Only whole rows are drawn between the header and the footer.
        if (y < bodyTop || y + m_rowHeight > bodyBottom)
            return QRect();
    }
    int x = 0;
    for (int c = 0; c < col; ++c)
        x += m_widths[c];
    if (col >= m_fixedCols)
        x -= horizontalScrollBar()->value();
    return QRect(x, y, m_widths[col], m_rowHeight);
}

void TStringGrid::paintCell(QPainter& p, int col, int row, const QRect& r) const
{
    const bool fixed = row < m_fixedRows || col < m_fixedCols || row >= rowCount() - m_fixedFooters;
    if (fixed) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, FixedFrom);
        g.setColorAt(1, FixedTo);
        p.fillRect(r, g);
    }
    p.setPen(GridLine);
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    QFont f = font();
    f.setBold(fixed);
    p.setFont(f);
    p.setPen(palette().color(QPalette::Text));
    const Qt::Alignment h = alignment(row, col) & Qt::AlignHorizontal_Mask;
    const QRect tr = r.adjusted(TextPadding, 0, -TextPadding - 1, -1);
    p.drawText(tr, int(h ? h : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
               QFontMetrics(f).elidedText(m_cells[row][col], Qt::ElideRight, tr.width()));
}

void TStringGrid::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const int headRows = qMin(rowCount(), m_fixedRows);
    const int footRows = qMin(rowCount() - headRows, m_fixedFooters);
    const int vh = viewport()->height();
    const int fw = fixedWidth();
    auto paintRow = [&](int row, int clipTop, int clipBottom) {
        // Scrolling columns first, then the fixed ones over them.
        p.save();
        p.setClipRect(QRect(fw, clipTop, viewport()->width() - fw, clipBottom - clipTop));
        for (int c = m_fixedCols; c < colCount(); ++c)
            if (const QRect r = cellRect(c, row); !r.isEmpty())
                paintCell(p, c, row, r);
        p.setClipRect(QRect(0, clipTop, fw, clipBottom - clipTop));
        for (int c = 0; c < qMin(m_fixedCols, colCount()); ++c)
            if (const QRect r = cellRect(c, row); !r.isEmpty())
                paintCell(p, c, row, r);
        p.restore();
    };
    const int bodyTop = headRows * m_rowHeight;
    const int bodyBottom = footerTop();
    for (int row = headRows; row < rowCount() - footRows; ++row)
        paintRow(row, bodyTop, bodyBottom);
    for (int row = 0; row < headRows; ++row)
        paintRow(row, 0, vh);
    for (int row = rowCount() - footRows; row < rowCount(); ++row)
        paintRow(row, 0, vh);
}

void TStringGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TStringGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}
