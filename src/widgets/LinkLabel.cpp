#include "LinkLabel.h"

#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setTextColor(normalColor);
}

QColor TLinkLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void TLinkLabel::setTextColor(QRgb rgb)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
    setPalette(p);
}

void TLinkLabel::enterEvent(QEnterEvent* event)
{
    setTextColor(hoverColor);
    QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent* event)
{
    setTextColor(normalColor);
    QLabel::leaveEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
