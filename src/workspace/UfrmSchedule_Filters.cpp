#include "UfrmSchedule.h"

#include "ScopedQuery.h"
#include "data/LocaleFormat.h"
#include "data/SqlText.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/DateEdit.h"
#include "widgets/Planner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTimeEdit>
#include <cstdlib>

void TfrmSchedule::FillScheduleList()
{
    ccboSchedules->clear();
    ScopedQuery q(QStringLiteral("SELECT Scheduler_Name, Scheduler_ID, Scheduler_Start, Scheduler_End FROM Scheduler "
                                 "ORDER BY Scheduler_Start"));
    for (; !q->eof(); q->next()) {
        const QString range = LocaleFormat::shortDate(q->fieldByName(QStringLiteral("Scheduler_Start")).asDate())
            + QStringLiteral(" --> ") + LocaleFormat::shortDate(q->fieldByName(QStringLiteral("Scheduler_End")).asDate());
        ccboSchedules->addRow(q->fieldByName(QStringLiteral("Scheduler_Name")).asString(), range,
                              int(q->fieldByName(QStringLiteral("Scheduler_ID")).asInteger()));
    }
    q.close();
}

void TfrmSchedule::FillPositionFilter()
{
    cboPosition->clear();
    cboPosition->addItem(QStringLiteral("Show All Positions"));
    ScopedQuery q(QStringLiteral("SELECT PositionID, PositionName FROM Positions ORDER BY PositionName"));
    for (; !q->eof(); q->next())
        cboPosition->addItem(q->fieldByName(QStringLiteral("PositionName")).asString(),
                             int(q->fieldByName(QStringLiteral("PositionID")).asInteger()));
    q.close();
    cboPosition->setCurrentIndex(0);
}

void TfrmSchedule::FillDayFilter()
{
    ccboDay->clear();
    if (CurrentScheduleID == 0 || !CurrentScheduleStart.isValid())
        return;
    const QDate first = CurrentScheduleStart.date();
    // Whole days between start and end, the fraction dropped; a schedule
    // without an end date is taken as one day long.
    const qint64 n = CurrentScheduleEnd.isValid()
        ? std::llabs(CurrentScheduleStart.msecsTo(CurrentScheduleEnd)) / (24LL * 3600 * 1000)
        : 0;
    for (qint64 i = 0; i <= n; ++i) {
        const QDate d = first.addDays(i);
        ccboDay->addRow(LocaleFormat::weekdayName(d), LocaleFormat::shortDate(d), 0);
    }
    ccboDay->setCurrentIndex(0);
}

QDate TfrmSchedule::SelectedFilterDate() const
{
    if (ccboDay->currentIndex() < 0)
        return QDate();
    return LocaleFormat::parseShortDate(ccboDay->currentColumnText(1));
}

void TfrmSchedule::OpenSelectedSchedule(bool SelectionChanged)
{
    if (SelectionChanged) {
        CurrentScheduleID = ccboSchedules->currentTag();
        ScopedQuery q(QStringLiteral("SELECT Scheduler_Start, Scheduler_End, Scheduler_Name FROM Scheduler WHERE Scheduler_ID = ")
                      + SqlText::integer(CurrentScheduleID));
        if (!q->eof()) {
            CurrentScheduleStart = q->fieldByName(QStringLiteral("Scheduler_Start")).asDateTime();
            CurrentScheduleEnd = q->fieldByName(QStringLiteral("Scheduler_End")).asDateTime();
            FillDayFilter();
            dtStartDate->setDate(SelectedFilterDate());
            dtEndDate->setDate(SelectedFilterDate());
            dtStart->setTime(QTime(0, 0));
            dtEnd->setTime(QTime(23, 45));
            Planner->setTitle(q->fieldByName(QStringLiteral("Scheduler_Name")).asString() + QStringLiteral(" From ")
                              + LocaleFormat::shortDate(CurrentScheduleStart.date()) + QStringLiteral(" through ")
                              + LocaleFormat::shortDate(CurrentScheduleEnd.date()));
            if (ccboDay->count() > 0)
                ccboDay->setCurrentIndex(0);
        }
        q.close();
    } else {
        const int day = ccboDay->currentIndex();
        FillDayFilter();
        ccboDay->setCurrentIndex(day < ccboDay->count() ? day : -1);
    }
    LoadScheduleGrid();
}

void TfrmSchedule::ccboSchedulesChange()
{
    OpenSelectedSchedule(true);
}

void TfrmSchedule::dtStartDateAcceptDate(QDate& ADate)
{
    // With no schedule open there is no range to keep the date in.
    if (CurrentScheduleID == 0 || !CurrentScheduleStart.isValid() || !CurrentScheduleEnd.isValid())
        return;
    if (LocaleFormat::wallClock(ADate) > CurrentScheduleEnd)
        ADate = CurrentScheduleEnd.date();
    if (LocaleFormat::wallClock(ADate) < CurrentScheduleStart)
        ADate = CurrentScheduleStart.date();
}

void TfrmSchedule::ckFitClick()
{
    const bool range = !ckFit->isChecked();
    dtStart->setEnabled(range);
    dtEnd->setEnabled(range);
    dtStartDate->setEnabled(range);
    dtEndDate->setEnabled(range);
}

void TfrmSchedule::lblUpdateClick()
{
    LoadScheduleGrid();
}
