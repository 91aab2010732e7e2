#pragma once

#include <QCalendarWidget>
#include <QDate>

class QToolButton;

// A month calendar as the new schedule dialog wants it: one month, Monday
// first with two-letter day names, three-letter month names, ISO week
// numbers, weekends in red, the chosen day in teal, the month pickable from
// a menu. It always holds one date: turning to another month moves the date
// there, keeping its day where the month has it.
class TCalPanel : public QCalendarWidget {
    Q_OBJECT
public:
    static constexpr QRgb weekendColor = 0xFF0000;
    static constexpr QRgb selectedColor = 0x008080; // teal

    explicit TCalPanel(QWidget* parent = nullptr);

    QDate date() const { return selectedDate(); }
    // Selects d and shows its month.
    void setDate(QDate d);
    // The month shown.
    int month() const { return monthShown(); }
    // Moves the date to the month, keeping its year and its day (the last
    // day of a shorter month).
    void setMonth(int month);

    // "Mo".."Su" for Qt::Monday..Qt::Sunday; "Jan".."Dec" for 1..12.
    static QString dayName(int dayOfWeek);
    static QString monthName(int month);

    QToolButton* monthButton() const { return m_monthButton; }

signals:
    // The month shown changed, by the user or by code.
    void monthChanged(int month);

protected:
    void changeEvent(QEvent* event) override;

private:
    void pageChanged(int year, int month);
    void relabelMonths();

    QToolButton* m_monthButton = nullptr;
};
