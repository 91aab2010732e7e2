#include "AdvToolPanelTab.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QToolButton>

namespace {
const QColor BarFrom(0xE3, 0xEF, 0xFF);
const QColor BarTo(0xA9, 0xC4, 0xEE);
const QColor PanelFrom(0xF5, 0xF9, 0xFF);
const QColor PanelTo(0xCF, 0xDE, 0xF5);
const QColor TabBorder(0x6F, 0x8F, 0xC7);
const QColor TabHover(0xFF, 0xE7, 0xA2);
const QColor TabOpenFrom(0xFF, 0xD8, 0x8A);
const QColor TabOpenTo(0xFF, 0xBD, 0x5A);
constexpr int TabGap = 2;
constexpr int TabPadding = 14;
constexpr int SlideMs = 150;
}

TAdvToolPanel::TAdvToolPanel(const QString& caption, TAdvToolPanelTab* bar) : QWidget(nullptr), m_caption(caption), m_bar(bar)
{
    setObjectName(caption);
}

void TAdvToolPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, PanelFrom);
    g.setColorAt(1, PanelTo);
    p.fillRect(rect(), g);
    p.setPen(TabBorder);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

TAdvToolPanelTab::TAdvToolPanelTab(QWidget* parent)
    : QWidget(parent), m_frame(new QWidget(this)), m_lock(new QToolButton(this)), m_anim(new QPropertyAnimation(this, "slide", this))
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(TabHeight);
    m_frame->hide();
    m_frame->installEventFilter(this);
    m_lock->setCheckable(true);
    m_lock->setAutoRaise(true);
    m_lock->setFocusPolicy(Qt::NoFocus);
    m_lock->setFixedSize(TabHeight - 4, TabHeight - 4);
    connect(m_lock, &QToolButton::toggled, this, [this](bool on) { setLocked(on); });
    m_anim->setDuration(SlideMs);
    connect(m_anim, &QPropertyAnimation::finished, this, [this] {
        if (m_closing) {
            m_closing = false;
            m_frame->hide();
            if (m_open)
                m_open->hide();
            m_open = nullptr;
            update();
            emit panelClosed();
        }
    });
    updateLockButton();
}

TAdvToolPanelTab::~TAdvToolPanelTab()
{
    // The frame may live in the host while unlocked; it takes the panels with it.
    delete m_frame.data();
}

TAdvToolPanel* TAdvToolPanelTab::addPanel(const QString& caption)
{
    auto* p = new TAdvToolPanel(caption, this);
    p->setParent(m_frame);
    p->hide();
    m_panels.push_back(p);
    update();
    return p;
}

int TAdvToolPanelTab::indexOf(const TAdvToolPanel* panel) const
{
    for (int i = 0; i < panelCount(); ++i)
        if (m_panels[i] == panel)
            return i;
    return -1;
}

QRect TAdvToolPanelTab::tabRect(int index) const
{
    const QFontMetrics fm(font());
    int x = 4;
    const int y = height() - TabHeight;
    for (int i = 0; i < panelCount(); ++i) {
        const int w = fm.horizontalAdvance(m_panels[i]->caption()) + 2 * TabPadding;
        if (i == index)
            return QRect(x, y, w, TabHeight - 2);
        x += w + TabGap;
    }
    return QRect();
}

int TAdvToolPanelTab::tabAt(QPoint pos) const
{
    for (int i = 0; i < panelCount(); ++i)
        if (tabRect(i).contains(pos))
            return i;
    return -1;
}

QSize TAdvToolPanelTab::sizeHint() const
{
    return QSize(400, height());
}

QSize TAdvToolPanelTab::minimumSizeHint() const
{
    return QSize(100, height());
}

void TAdvToolPanelTab::setSlide(int pixels)
{
    m_slide = qBound(0, pixels, int(PanelHeight));
    placePanel();
}

void TAdvToolPanelTab::placePanel()
{
    if (!m_frame)
        return;
    if (!m_open) {
        m_frame->hide();
        return;
    }
    m_open->setGeometry(0, 0, width(), PanelHeight);
    m_open->show();
    if (m_locked) {
        if (m_frame->parentWidget() != this)
            m_frame->setParent(this);
        m_frame->setGeometry(0, 0, width(), PanelHeight);
    } else {
        QWidget* host = parentWidget() ? parentWidget() : this;
        if (m_frame->parentWidget() != host)
            m_frame->setParent(host);
        // Slides up out of the tab row, over whatever lies above the bar.
        const QPoint top = host == this ? QPoint(0, 0) : geometry().topLeft();
        m_frame->setGeometry(top.x(), top.y() - m_slide, width(), m_slide);
        m_open->move(0, 0);
    }
    m_frame->show();
    m_frame->raise();
}

void TAdvToolPanelTab::openPanel(TAdvToolPanel* panel, bool animated)
{
    if (!panel || indexOf(panel) < 0)
        return;
    m_anim->stop();
    m_closing = false;
    if (m_open && m_open != panel)
        m_open->hide();
    const bool wasOpen = m_open != nullptr;
    m_open = panel;
    if (m_locked || !animated || wasOpen) {
        setSlide(PanelHeight);
    } else {
        setSlide(0);
        m_anim->setStartValue(0);
        m_anim->setEndValue(int(PanelHeight));
        m_anim->start();
    }
    update();
    emit panelOpened(panel);
}

void TAdvToolPanelTab::closePanel(bool animated)
{
    if (!m_open || m_locked)
        return;
    m_anim->stop();
    if (!animated) {
        m_closing = false;
        m_frame->hide();
        m_open->hide();
        m_open = nullptr;
        m_slide = 0;
        update();
        emit panelClosed();
        return;
    }
    m_closing = true;
    m_anim->setStartValue(m_slide);
    m_anim->setEndValue(0);
    m_anim->start();
}

void TAdvToolPanelTab::setLocked(bool locked)
{
    if (m_locked == locked) {
        updateLockButton();
        return;
    }
    m_locked = locked;
    m_anim->stop();
    m_closing = false;
    if (locked && !m_open && !m_panels.empty())
        m_open = m_panels.front();
    setFixedHeight(locked ? TabHeight + PanelHeight : TabHeight);
    if (m_open)
        setSlide(PanelHeight);
    updateLockButton();
    update();
    emit lockedChanged(locked);
}

void TAdvToolPanelTab::updateLockButton()
{
    const QSignalBlocker block(m_lock);
    m_lock->setChecked(m_locked);
    m_lock->setToolTip(m_locked ? QStringLiteral("Unlock panel") : QStringLiteral("Lock panel"));
    // A pin: upright when locked, lying when free.
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1F, 0x3A, 0x6E), 1.5));
    if (m_locked) {
        p.drawRect(QRectF(4.5, 1.5, 5, 6));
        p.drawLine(QPointF(2.5, 7.5), QPointF(11.5, 7.5));
        p.drawLine(QPointF(7, 7.5), QPointF(7, 13));
    } else {
        p.drawRect(QRectF(6.5, 4.5, 6, 5));
        p.drawLine(QPointF(6.5, 2.5), QPointF(6.5, 11.5));
        p.drawLine(QPointF(1, 7), QPointF(6.5, 7));
    }
    p.end();
    m_lock->setIcon(QIcon(pm));
}

void TAdvToolPanelTab::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect row(0, height() - TabHeight, width(), TabHeight);
    QLinearGradient g(row.topLeft(), row.bottomLeft());
    g.setColorAt(0, BarFrom);
    g.setColorAt(1, BarTo);
    p.fillRect(row, g);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < panelCount(); ++i) {
        const QRectF r = QRectF(tabRect(i)).adjusted(0.5, 0, -0.5, -0.5);
        QPainterPath path;
        path.moveTo(r.topLeft());
        path.lineTo(r.left(), r.bottom() - 3);
        path.quadTo(r.left(), r.bottom(), r.left() + 3, r.bottom());
        path.lineTo(r.right() - 3, r.bottom());
        path.quadTo(r.right(), r.bottom(), r.right(), r.bottom() - 3);
        path.lineTo(r.topRight());
        const bool open = m_panels[i] == m_open;
        if (open) {
            QLinearGradient tg(r.topLeft(), r.bottomLeft());
            tg.setColorAt(0, TabOpenFrom);
            tg.setColorAt(1, TabOpenTo);
            p.fillPath(path, tg);
        } else if (i == m_hoverTab) {
            p.fillPath(path, TabHover);
        } else {
            p.fillPath(path, PanelFrom);
        }
        p.setPen(TabBorder);
        p.drawPath(path);
        QFont f = font();
        f.setBold(open);
        p.setFont(f);
        p.setPen(QColor(0x15, 0x42, 0x8B));
        p.drawText(r, Qt::AlignCenter, m_panels[i]->caption());
    }
}

void TAdvToolPanelTab::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int i = tabAt(event->position().toPoint());
    if (i < 0)
        return;
    if (m_panels[i] == m_open && !m_locked)
        closePanel();
    else
        openPanel(m_panels[i]);
}

void TAdvToolPanelTab::mouseMoveEvent(QMouseEvent* event)
{
    const int i = tabAt(event->position().toPoint());
    if (i != m_hoverTab) {
        m_hoverTab = i;
        setCursor(i >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TAdvToolPanelTab::leaveEvent(QEvent* event)
{
    m_hoverTab = -1;
    update();
    closeIfMouseAway();
    QWidget::leaveEvent(event);
}

void TAdvToolPanelTab::closeIfMouseAway()
{
    if (!m_open || m_locked || m_closing || QApplication::activePopupWidget())
        return;
    const QPoint g = QCursor::pos();
    const QRect barRect(mapToGlobal(QPoint(0, 0)), size());
    const QRect frameRect(m_frame->mapToGlobal(QPoint(0, 0)), m_frame->size());
    if (!barRect.contains(g) && !frameRect.contains(g))
        closePanel();
}

bool TAdvToolPanelTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame && event->type() == QEvent::Leave)
        closeIfMouseAway();
    return QWidget::eventFilter(watched, event);
}

void TAdvToolPanelTab::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_lock->move(width() - m_lock->width() - 4, height() - TabHeight + 2);
    placePanel();
}

void TAdvToolPanelTab::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    placePanel();
}
