#include "ColumnComboBox.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTableView>

namespace {
constexpr int CellPadding = 6;
}

TColumnComboBox::TColumnComboBox(QWidget* parent)
    : QComboBox(parent), m_model(new QStandardItemModel(0, ColumnCount, this)), m_view(new QTableView(this))
{
    setModel(m_model);
    m_view->setShowGrid(true);
    m_view->horizontalHeader()->hide();
    m_view->verticalHeader()->hide();
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setWordWrap(false);
    setView(m_view);
    setModelColumn(0);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(this, &QComboBox::activated, this, [this](int index) { emit userChanged(index); });
}

void TColumnComboBox::clear()
{
    m_model->removeRows(0, m_model->rowCount());
    setCurrentIndex(-1);
    updateGeometry();
}

void TColumnComboBox::addRow(const QString& col0, const QString& col1, int tag)
{
    QList<QStandardItem*> row;
    const QString texts[ColumnCount] = {col0, col1};
    for (int c = 0; c < ColumnCount; ++c) {
        auto* item = new QStandardItem(texts[c]);
        item->setEditable(false);
        if (m_fonts[c])
            item->setFont(*m_fonts[c]);
        if (m_colors[c])
            item->setForeground(*m_colors[c]);
        row << item;
    }
    row[0]->setData(tag, Qt::UserRole);
    const bool wasNone = currentIndex() < 0;
    m_model->appendRow(row);
    // QComboBox chooses the first row of an empty list by itself; a filled
    // list starts with nothing chosen until code or the user chooses.
    if (wasNone && currentIndex() >= 0) {
        const QSignalBlocker block(this);
        setCurrentIndex(-1);
    }
    updateGeometry();
}

QString TColumnComboBox::text(int row, int col) const
{
    const QStandardItem* item = m_model->item(row, col);
    return item ? item->text() : QString();
}

QString TColumnComboBox::currentColumnText(int col) const
{
    return currentIndex() < 0 ? QString() : text(currentIndex(), col);
}

int TColumnComboBox::tag(int row) const
{
    const QStandardItem* item = m_model->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

int TColumnComboBox::currentTag() const
{
    return currentIndex() < 0 ? 0 : tag(currentIndex());
}

int TColumnComboBox::findColumnText(int col, const QString& text) const
{
    for (int r = 0; r < m_model->rowCount(); ++r)
        if (this->text(r, col) == text)
            return r;
    return -1;
}

void TColumnComboBox::setColumnFont(int col, const QFont& font)
{
    m_fonts[col] = font;
    for (int r = 0; r < m_model->rowCount(); ++r)
        m_model->item(r, col)->setFont(font);
    updateGeometry();
    update();
}

void TColumnComboBox::setColumnColor(int col, const QColor& color)
{
    m_colors[col] = color;
    for (int r = 0; r < m_model->rowCount(); ++r)
        m_model->item(r, col)->setForeground(color);
    update();
}

QFont TColumnComboBox::columnFont(int col) const
{
    return m_fonts[col].value_or(font());
}

QColor TColumnComboBox::columnColor(int col) const
{
    return m_colors[col].value_or(palette().color(QPalette::Text));
}

void TColumnComboBox::setDropWidth(int pixels)
{
    m_dropWidth = pixels;
}

int TColumnComboBox::columnWidth(int col) const
{
    const QFontMetrics fm(columnFont(col));
    int w = fm.horizontalAdvance(QStringLiteral("Wednesday"));
    for (int r = 0; r < m_model->rowCount(); ++r)
        w = qMax(w, fm.horizontalAdvance(text(r, col)));
    return w + 2 * CellPadding;
}

QSize TColumnComboBox::sizeHint() const
{
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    const QSize content(columnWidth(0) + columnWidth(1), fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &opt, content, this);
}

QSize TColumnComboBox::minimumSizeHint() const
{
    return sizeHint();
}

void TColumnComboBox::showPopup()
{
    const int c0 = columnWidth(0);
    const int c1 = columnWidth(1);
    m_view->setColumnWidth(0, c0);
    m_view->setColumnWidth(1, c1);
    const int columns = c0 + c1 + 2 * m_view->frameWidth();
    const int scroll = m_model->rowCount() > maxVisibleItems() ? m_view->verticalScrollBar()->sizeHint().width() : 0;
    m_view->setMinimumWidth(qMax(qMax(m_dropWidth, width()), columns + scroll));
    m_view->horizontalHeader()->setStretchLastSection(true);
    QComboBox::showPopup();
}

void TColumnComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() < 0)
        return;
    QRect r = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    r.adjust(2, 0, 0, 0);
    for (int c = 0; c < ColumnCount && r.width() > 0; ++c) {
        const QFont f = columnFont(c);
        p.setFont(f);
        p.setPen(isEnabled() ? columnColor(c) : palette().color(QPalette::Disabled, QPalette::Text));
        const QString t = QFontMetrics(f).elidedText(currentColumnText(c), Qt::ElideRight, r.width());
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, t);
        r.setLeft(r.left() + columnWidth(c));
    }
}
