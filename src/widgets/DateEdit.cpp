#include "DateEdit.h"

#include "data/LocaleFormat.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

TDateEdit::TDateEdit(QWidget* parent)
    : QDateEdit(parent), m_popup(new QWidget(this, Qt::Popup)), m_calendar(new QCalendarWidget(m_popup)),
      m_button(new QToolButton(this))
{
    setDisplayFormat(LocaleFormat::shortDateFormat());
    setCalendarPopup(false);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setDate(QDate::currentDate());

    auto* box = new QVBoxLayout(m_popup);
    box->setContentsMargins(1, 1, 1, 1);
    box->addWidget(m_calendar);
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    m_button->setArrowType(Qt::DownArrow);
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::ArrowCursor);
    connect(m_button, &QToolButton::clicked, this, [this] { showCalendar(); });
    // A click on a day, or Enter on it, is the pick; browsing months is not.
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate d) { acceptDate(d); });
    connect(m_calendar, &QCalendarWidget::activated, this, [this](QDate d) { acceptDate(d); });
}

TDateEdit::~TDateEdit() = default;

void TDateEdit::showCalendar()
{
    if (!isEnabled())
        return;
    m_calendar->setSelectedDate(date());
    m_popup->adjustSize();
    QPoint pos = mapToGlobal(QPoint(0, height()));
    if (const QScreen* s = screen()) {
        const QRect avail = s->availableGeometry();
        if (pos.y() + m_popup->height() > avail.bottom())
            pos.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
        pos.setX(qBound(avail.left(), pos.x(), qMax(avail.left(), avail.right() - m_popup->width())));
    }
    m_popup->move(pos);
    m_popup->show();
    m_calendar->setFocus();
}

void TDateEdit::hideCalendar()
{
    m_popup->hide();
}

bool TDateEdit::isCalendarVisible() const
{
    return m_popup->isVisible();
}

void TDateEdit::acceptDate(QDate picked)
{
    if (m_accept)
        m_accept(picked);
    hideCalendar();
    if (picked.isValid())
        setDate(picked);
    emit dateAccepted(date());
}

QSize TDateEdit::sizeHint() const
{
    // The widest date of the format, plus the calendar button.
    const QString widest = QLocale().toString(QDate(2000, 12, 28), displayFormat());
    const int text = fontMetrics().horizontalAdvance(widest + QStringLiteral("0"));
    QSize s = QDateEdit::sizeHint();
    s.setWidth(qMax(s.width(), text + qMin(s.height(), 20) + 12));
    return s;
}

QSize TDateEdit::minimumSizeHint() const
{
    return sizeHint();
}

void TDateEdit::resizeEvent(QResizeEvent* event)
{
    QDateEdit::resizeEvent(event);
    const int w = qMin(height(), 20);
    m_button->setGeometry(width() - w - 2, 2, w, height() - 4);
    lineEdit()->setTextMargins(0, 0, w, 0);
}

void TDateEdit::changeEvent(QEvent* event)
{
    QDateEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        m_button->setEnabled(isEnabled());
        if (!isEnabled())
            hideCalendar();
    }
}
