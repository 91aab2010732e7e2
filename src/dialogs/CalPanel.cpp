#include "CalPanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>

namespace {

// Qt's calendar takes its day names from the locale, which has no two-letter
// forms: this paints the header row itself and leaves the days to Qt.
class DayHeaderDelegate : public QStyledItemDelegate {
public:
    DayHeaderDelegate(QAbstractItemDelegate* days, TCalPanel* calendar)
        : QStyledItemDelegate(calendar), m_days(days), m_calendar(calendar)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int day = dayOfHeader(index);
        if (day == 0) {
            m_days->paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        opt.text = TCalPanel::dayName(day);
        const QWidget* w = opt.widget;
        (w ? w->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return m_days->sizeHint(option, index);
    }

private:
    // The weekday a header cell names; 0 for any other cell.
    int dayOfHeader(const QModelIndex& index) const
    {
        if (index.row() != 0 || m_calendar->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader)
            return 0;
        const int first = m_calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
        if (index.column() < first)
            return 0;
        return (int(m_calendar->firstDayOfWeek()) - 1 + index.column() - first) % 7 + 1;
    }

    QAbstractItemDelegate* m_days;
    TCalPanel* m_calendar;
};

} // namespace

TCalPanel::TCalPanel(QWidget* parent) : QCalendarWidget(parent)
{
    setFirstDayOfWeek(Qt::Monday);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    setSelectionMode(QCalendarWidget::SingleSelection);
    setNavigationBarVisible(true);
    QTextCharFormat weekend;
    weekend.setForeground(QColor::fromRgb(weekendColor));
    setWeekdayTextFormat(Qt::Saturday, weekend);
    setWeekdayTextFormat(Qt::Sunday, weekend);

    if (auto* view = findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))) {
        view->setItemDelegate(new DayHeaderDelegate(view->itemDelegate(), this));
        QPalette p = view->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            p.setColor(group, QPalette::Highlight, QColor::fromRgb(selectedColor));
            p.setColor(group, QPalette::HighlightedText, Qt::white);
        }
        view->setPalette(p);
    }
    m_monthButton = findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    relabelMonths();
    connect(this, &QCalendarWidget::currentPageChanged, this, &TCalPanel::pageChanged);
}

QString TCalPanel::dayName(int dayOfWeek)
{
    static const char* const names[] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromLatin1(names[dayOfWeek - 1]) : QString();
}

QString TCalPanel::monthName(int month)
{
    static const char* const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(names[month - 1]) : QString();
}

void TCalPanel::setDate(QDate d)
{
    setSelectedDate(d);
    setCurrentPage(d.year(), d.month());
}

void TCalPanel::setMonth(int month)
{
    const QDate d = date();
    const int year = d.year();
    setDate(QDate(year, month, std::min(d.day(), QDate(year, month, 1).daysInMonth())));
}

void TCalPanel::pageChanged(int year, int month)
{
    const QDate d = date();
    if (d.year() != year || d.month() != month)
        setSelectedDate(QDate(year, month, std::min(d.day(), QDate(year, month, 1).daysInMonth())));
    relabelMonths();
    emit monthChanged(month);
}

void TCalPanel::changeEvent(QEvent* event)
{
    QCalendarWidget::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        relabelMonths();
}

void TCalPanel::relabelMonths()
{
    if (!m_monthButton)
        return;
    m_monthButton->setText(monthName(monthShown()));
    if (QMenu* menu = m_monthButton->menu()) {
        const auto actions = menu->actions();
        for (int i = 0; i < actions.size(); ++i) {
            const int m = actions[i]->data().isValid() ? actions[i]->data().toInt() : i + 1;
            actions[i]->setText(monthName(m));
        }
    }
}
