#include "AdvColorSelector.h"

#include "app/ProgramErrors.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionToolButton>
#include <QVBoxLayout>

namespace {

// One cell of the palette: a square of its colour.
class ColorCell : public QToolButton {
public:
    ColorCell(quint32 color, QWidget* parent) : QToolButton(parent), m_color(TAdvColorSelector::toQColor(color))
    {
        setFixedSize(18, 18);
        setAutoRaise(true);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const bool hot = underMouse();
        p.fillRect(rect(), hot ? QColor(0xFF, 0xEE, 0xC2) : palette().color(QPalette::Window));
        if (hot) {
            p.setPen(QColor(0x00, 0x00, 0x80));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        const QRect swatch = rect().adjusted(3, 3, -4, -4);
        p.fillRect(swatch, m_color);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(swatch);
    }

private:
    QColor m_color;
};

TColorDialog::Runner& runnerSlot()
{
    static TColorDialog::Runner r;
    return r;
}

} // namespace

QColor TAdvColorSelector::toQColor(quint32 c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

quint32 TAdvColorSelector::fromQColor(const QColor& c)
{
    return quint32(c.blue()) * 65536 + quint32(c.green()) * 256 + quint32(c.red());
}

QString TAdvColorSelector::rgbHint(quint32 color)
{
    const QColor c = toQColor(color);
    return QStringLiteral("RGB(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

TAdvColorSelector::TAdvColorSelector(QWidget* parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(this, &QToolButton::pressed, this, ProgramErrors::guarded([this] { dropDown(); }));
}

void TAdvColorSelector::setEntries(std::vector<Entry> entries)
{
    m_entries = std::move(entries);
    delete m_popup;
    m_popup = nullptr;
}

void TAdvColorSelector::setSelectedColor(quint32 color)
{
    m_selected = color & 0xFFFFFF;
    update();
}

QFrame* TAdvColorSelector::palette()
{
    if (!m_popup)
        buildPalette();
    return m_popup;
}

void TAdvColorSelector::buildPalette()
{
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setFrameShape(QFrame::Box);
    m_popup->setStyleSheet(QStringLiteral(
        "QFrame { background: #F6F9FF; }"
        "QPushButton { border: 1px solid transparent; padding: 3px; background: transparent; }"
        "QPushButton:hover { background: #FFEEC2; border: 1px solid #000080; }"));
    auto* column = new QVBoxLayout(m_popup);
    column->setContentsMargins(3, 3, 3, 3);
    column->setSpacing(2);
    QGridLayout* grid = nullptr;
    int cell = 0;
    for (int i = 0; i < int(m_entries.size()); ++i) {
        const Entry& e = m_entries[i];
        QAbstractButton* b = nullptr;
        if (e.type == Entry::FullWidthButton) {
            grid = nullptr;
            auto* pb = new QPushButton(e.caption, m_popup);
            pb->setFocusPolicy(Qt::NoFocus);
            pb->setToolTip(e.hint);
            column->addWidget(pb);
            b = pb;
        } else {
            if (!grid) {
                grid = new QGridLayout;
                grid->setSpacing(0);
                column->addLayout(grid);
                cell = 0;
            }
            auto* c = new ColorCell(e.color, m_popup);
            c->setToolTip(showRgbHint ? rgbHint(e.color) : e.hint);
            grid->addWidget(c, cell / columns, cell % columns);
            ++cell;
            b = c;
        }
        b->setObjectName(QStringLiteral("entry%1").arg(i));
        connect(b, &QAbstractButton::clicked, this, ProgramErrors::guarded([this, i] { pick(i); }));
    }
    m_popup->adjustSize();
}

void TAdvColorSelector::dropDown()
{
    QFrame* p = palette();
    p->move(mapToGlobal(QPoint(0, height())));
    p->show();
    setDown(false);
}

void TAdvColorSelector::pick(int index)
{
    if (m_popup)
        m_popup->hide();
    const Entry e = m_entries.at(index);
    if (e.hasColor)
        setSelectedColor(e.color);
    emit select(index, e);
}

void TAdvColorSelector::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    QPainter p(this);
    const int arrowW = 12;
    const QRect swatch = rect().adjusted(4, 4, -4 - arrowW, -4);
    p.fillRect(swatch, toQColor(m_selected));
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    // the drop-down arrow
    const int ax = width() - 4 - arrowW / 2 - 1, ay = height() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? QColor(0, 0, 0) : QColor(0x80, 0x80, 0x80));
    p.drawPolygon(QPolygon({QPoint(ax - 3, ay - 1), QPoint(ax + 4, ay - 1), QPoint(ax, ay + 3)}));
}

void TColorDialog::setRunner(Runner runner)
{
    runnerSlot() = std::move(runner);
}

const TColorDialog::Runner& TColorDialog::runner()
{
    return runnerSlot();
}

bool TColorDialog::Execute()
{
    std::optional<QColor> chosen;
    if (runnerSlot()) {
        chosen = runnerSlot()(Color, m_parent);
    } else {
        const QColor c = QColorDialog::getColor(Color, m_parent);
        if (c.isValid())
            chosen = c;
    }
    if (!chosen)
        return false;
    Color = *chosen;
    return true;
}
