#pragma once

#include <QDateEdit>
#include <functional>

class QCalendarWidget;
class QToolButton;

// A date edit in the system's short date format with a four-digit year and a
// pop-up calendar. A date picked in the calendar passes through the accept
// handler, which may change it, before the edit takes it; a typed date does
// not.
class TDateEdit : public QDateEdit {
    Q_OBJECT
public:
    using AcceptHandler = std::function<void(QDate& date)>;

    explicit TDateEdit(QWidget* parent = nullptr);
    ~TDateEdit() override;

    void setAcceptDateHandler(AcceptHandler handler) { m_accept = std::move(handler); }

    void showCalendar();
    void hideCalendar();
    bool isCalendarVisible() const;
    QCalendarWidget* calendar() const { return m_calendar; }
    QToolButton* calendarButton() const { return m_button; }

    // What a pick of day in the calendar does.
    void acceptDate(QDate picked);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void dateAccepted(QDate date);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* m_popup;
    QCalendarWidget* m_calendar;
    QToolButton* m_button;
    AcceptHandler m_accept;
};
