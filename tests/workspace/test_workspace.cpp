// The workspace window against real database files made from db/: the
// filters, timeline loading, employee list and statistics, driven through
// the window's operations and controls.

#include "app/UfrmMain.h"
#include "data/FbError.h"
#include "data/LocaleFormat.h"
#include "data/SqlText.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/AdvToolPanelTab.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/DateEdit.h"
#include "widgets/LinkLabel.h"
#include "widgets/Planner.h"
#include "widgets/StringGrid.h"
#include "workspace/UfrmSchedule.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QTimeEdit>
#include <memory>

namespace {

const QDate Monday(2026, 3, 2);

QString sqlOrNull(const QString& v)
{
    return v.isNull() ? QStringLiteral("NULL") : SqlText::quoted(v);
}

void addPosition(TestDatabase& db, int id, const QString& name, qint64 colour)
{
    db.exec(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME, POSITION_COLOR) VALUES (%1, %2, %3)")
                .arg(id).arg(SqlText::quoted(name)).arg(colour));
}

void addServer(TestDatabase& db, int id, const QString& first, const QString& last, int active = 1)
{
    db.exec(QStringLiteral("INSERT INTO SERVERS (SERVERID, SERVERFIRST, SERVERLAST, ISACTIVE, SERVERNUMBER) VALUES (%1, %2, %3, %4, %1)")
                .arg(id).arg(sqlOrNull(first), sqlOrNull(last)).arg(active));
}

void addSchedule(TestDatabase& db, int id, const QString& name, QDate start, QDate end)
{
    db.exec(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END) VALUES (%1, %2, %3, %4)")
                .arg(id).arg(SqlText::quoted(name), SqlText::quotedDate(start), SqlText::quotedDate(end)));
}

// A shift on day from h1:m1 to h2:m2, the end on the next day when earlier.
int addShift(TestDatabase& db, int scheduler, int server, int position, QDate day, QTime from, QTime to,
             const QString& rate = QStringLiteral("10"), const QString& hours = QStringLiteral("8"))
{
    const QDateTime s(day, from, Qt::UTC);
    const QDateTime e(to < from ? day.addDays(1) : day, to, Qt::UTC);
    db.exec(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, SCHEDULEEND, SCHEDULEDATE, "
                           "SCHEDULECLOSE, RATE, TOTALHOURS) VALUES (%1, %2, %3, %4, %5, %6, 0, %7, %8)")
                .arg(scheduler).arg(server).arg(position)
                .arg(SqlText::quotedDateTime(s), SqlText::quotedDateTime(e), SqlText::quotedDate(day), rate, hours));
    return int(db.scalar(QStringLiteral("SELECT MAX(SCHEDULEID) FROM SCHEDULE")).asInteger());
}

// Three positions (yellow, navy, black), four employees, a week and a one-day schedule.
void addShop(TestDatabase& db)
{
    addPosition(db, 1, QStringLiteral("Host"), 0x00FFFF);
    addPosition(db, 2, QStringLiteral("Cook"), 0x800000);
    addPosition(db, 3, QStringLiteral("Dishwasher"), 0x000000);
    addServer(db, 1, QStringLiteral("Ann"), QStringLiteral("Lee"));
    addServer(db, 2, QStringLiteral("Ben"), QStringLiteral("Carter"));
    addServer(db, 3, QStringLiteral("Carla"), QStringLiteral("Diaz"));
    addServer(db, 4, QStringLiteral("Ann"), QStringLiteral("Adams"));
    addSchedule(db, 1, QStringLiteral("Week 10"), Monday, Monday.addDays(6));
    addSchedule(db, 2, QStringLiteral("Single"), Monday.addDays(7), Monday.addDays(7));
}

std::unique_ptr<TfrmSchedule> makeWindow()
{
    auto w = std::make_unique<TfrmSchedule>();
    // Not freed on close: the test owns it.
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    return w;
}

void openSchedule(TfrmSchedule& w, int index)
{
    w.ccboSchedules->setCurrentIndex(index);
    w.ccboSchedulesChange();
}

QStringList itemCaptions(const TPlanner* p)
{
    QStringList out;
    for (const auto& i : p->items())
        out << i->CaptionText;
    return out;
}

QList<int> itemTags(const TPlanner* p)
{
    QList<int> out;
    for (const auto& i : p->items())
        out << i->Tag;
    return out;
}

QStringList gridRow(const TStringGrid* g, int row)
{
    QStringList r = g->rowTexts(row);
    return r;
}

} // namespace

class TestWorkspace : public QObject {
    Q_OBJECT
private slots:
    void windowControls();
    void formCreateFillsListsOpensNothing();
    void scheduleListTexts();
    void emptySchedulerListAndUpdateDoesNothing();
    void userChangeOpensCodeChangeDoesNot();
    void dayFilter_data();
    void dayFilter();
    void openSelectedSchedule_data();
    void openSelectedSchedule();
    void openScheduleWhoseRowIsGone();
    void dateClampOnCalendarPick_data();
    void dateClampOnCalendarPick();
    void typedDateIsNotClamped();
    void fitGreysRangeAndDoesNotReload();
    void loadsDayWithCaptionsAndColours_data();
    void loadsDayWithCaptionsAndColours();
    void twoShiftsOfOneEmployeeTwoRows();
    void positionFilter_data();
    void positionFilter();
    void rangeFromTimeFilter_data();
    void rangeFromTimeFilter();
    void fitToScreen_data();
    void fitToScreen();
    void dayWithoutShiftsLeavesOneEmptyRow();
    void loadErrorReleasesEverything();
    void updateShiftItemChangesOnlyCaption();
    void employeeList_data();
    void employeeList();
    void employeeListRightClickKeepsChoice();
    void stats_data();
    void stats();
    void statsTwiceGivesSameGrid();
    void statsGridLook();
    void demoScheduleAsAUserSeesIt();
    void closingEndsTheProgram();
};

void TestWorkspace::windowControls()
{
    TestDatabase db;
    RecordingMessages messages;
    auto w = makeWindow();
    QCOMPARE(w->Planner->title(), QStringLiteral("Schedule"));
    QCOMPARE(w->AdvToolPanelTab1->panelCount(), 3);
    QCOMPARE(w->AdvToolPanel1->caption(), QStringLiteral("Scheduling"));
    QCOMPARE(w->AdvToolPanel2->caption(), QStringLiteral("Employees"));
    QCOMPARE(w->AdvToolPanel3->caption(), QStringLiteral("Misc Items"));
    QCOMPARE(w->cboInterval->count(), 3);
    QCOMPARE(w->cboInterval->currentText(), QStringLiteral("30 Mins"));
    QVERIFY(!w->ckFit->isChecked());
    QVERIFY(!w->ckEmpsActive->isChecked());
    QCOMPARE(w->dtStart->time(), QTime(0, 0));
    QCOMPARE(w->dtEnd->time(), QTime(23, 45));
    QCOMPARE(w->lblUpdate->text(), QStringLiteral("Update Schedule Grid"));
    QCOMPARE(w->lbEmps->toolTip(), QStringLiteral("Right Click or Double Click an\r\nEmployee to edit.  Or Drag an \r\n"
                                                  "Employee onto the Schedule \r\nGrid to create a new Shift"));
    QCOMPARE(w->tmsPopTimeLine->actions().size(), 2);
    QCOMPARE(w->Delete1->text(), QStringLiteral("Delete"));
    QCOMPARE(w->Edit1->text(), QStringLiteral("Edit"));
    QCOMPARE(w->tmsEmpPopup->actions().at(0), w->AddShiftforEmployee1);
    QCOMPARE(w->AddShiftforEmployee1->text(), QStringLiteral("Add Shift for Employee"));
    QCOMPARE(w->EditEmployeeRecord1->text(), QStringLiteral("Edit Employee Record"));
    QCOMPARE(w->dtStartDate->displayFormat(), QStringLiteral("M/d/yyyy"));

    // all eight links: Tahoma 10, underlined, navy, red under the mouse
    const TLinkLabel* links[] = {w->lblDelete, w->lblNewSchedule, w->lblUpdate, w->lblEditEmployee,
                                 w->lblNewEmployee, w->lblPrintSchedule, w->Label1, w->Label8};
    w->show();
    for (const TLinkLabel* l : links) {
        QCOMPARE(l->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(l->font().pointSize(), 10);
        QVERIFY(l->font().underline());
        QCOMPARE(l->textColor(), QColor(0x00, 0x00, 0x80));
        QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
    }
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w->Label8, &enter);
    QCOMPARE(w->Label8->textColor(), QColor(0xFF, 0x00, 0x00));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w->Label8, &leave);
    QCOMPARE(w->Label8->textColor(), QColor(0x00, 0x00, 0x80));
}

void TestWorkspace::formCreateFillsListsOpensNothing()
{
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 1, 1, Monday, QTime(9, 0), QTime(17, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    QCOMPARE(w->ccboSchedules->count(), 2);
    QCOMPARE(w->ccboSchedules->currentIndex(), -1);
    QCOMPARE(w->cboPosition->count(), 4);
    QCOMPARE(w->cboPosition->itemText(0), QStringLiteral("Show All Positions"));
    QVERIFY(!w->cboPosition->itemData(0).isValid());
    // by name, each with its id
    QCOMPARE(w->cboPosition->itemText(1), QStringLiteral("Cook"));
    QCOMPARE(w->cboPosition->itemData(1).toInt(), 2);
    QCOMPARE(w->cboPosition->itemText(3), QStringLiteral("Host"));
    QCOMPARE(w->cboPosition->currentIndex(), 0);
    QCOMPARE(w->lbEmps->count(), 4);
    QCOMPARE(w->CurrentScheduleID, 0);
    QCOMPARE(w->ccboDay->count(), 0);
    QVERIFY(!w->SelectedFilterDate().isValid());
    QVERIFY(w->Planner->items().empty());
    QVERIFY(messages.shown.empty());
}

void TestWorkspace::scheduleListTexts()
{
    TestDatabase db;
    addShop(db);
    // listed by start, whatever the ids
    addSchedule(db, 3, QStringLiteral("Earlier"), QDate(2026, 1, 5), QDate(2026, 1, 11));
    RecordingMessages messages;
    auto w = makeWindow();
    QCOMPARE(w->ccboSchedules->count(), 3);
    QCOMPARE(w->ccboSchedules->text(0, 0), QStringLiteral("Earlier"));
    QCOMPARE(w->ccboSchedules->text(0, 1), QStringLiteral("1/5/2026 --> 1/11/2026"));
    QCOMPARE(w->ccboSchedules->tag(0), 3);
    QCOMPARE(w->ccboSchedules->text(1, 0), QStringLiteral("Week 10"));
    QCOMPARE(w->ccboSchedules->text(1, 1), QStringLiteral("3/2/2026 --> 3/8/2026"));
    QCOMPARE(w->ccboSchedules->tag(1), 1);
    QCOMPARE(w->ccboSchedules->tag(2), 2);
    // refilling loses the choice
    openSchedule(*w, 1);
    w->FillScheduleList();
    QCOMPARE(w->ccboSchedules->currentIndex(), -1);
    QCOMPARE(w->ccboSchedules->count(), 3);
}

void TestWorkspace::emptySchedulerListAndUpdateDoesNothing()
{
    TestDatabase db;
    RecordingMessages messages;
    auto w = makeWindow();
    QCOMPARE(w->ccboSchedules->count(), 0);
    w->cboInterval->setCurrentIndex(0);
    w->lblUpdateClick();
    // nothing of the load ran: not even the display unit changed
    QCOMPARE(w->Planner->displayUnit(), 60);
    w->cboInterval->setCurrentIndex(2);
    w->lblUpdateClick();
    QCOMPARE(w->Planner->displayUnit(), 60);
    QCOMPARE(w->Planner->title(), QStringLiteral("Schedule"));
    QVERIFY(messages.shown.empty());
}

void TestWorkspace::userChangeOpensCodeChangeDoesNot()
{
    TestDatabase db;
    addShop(db);
    RecordingMessages messages;
    auto w = makeWindow();
    w->show();
    w->ccboSchedules->setCurrentIndex(0);
    QCOMPARE(w->CurrentScheduleID, 0);
    QCOMPARE(w->ccboDay->count(), 0);
    // the user steps to the next entry with the keyboard
    w->ccboSchedules->setFocus();
    QTest::keyClick(w->ccboSchedules, Qt::Key_Down);
    QCOMPARE(w->ccboSchedules->currentIndex(), 1);
    QCOMPARE(w->CurrentScheduleID, 2);
    QCOMPARE(w->ccboDay->count(), 1);
    QCOMPARE(w->Planner->title(), QStringLiteral("Single From 3/9/2026 through 3/9/2026"));
}

void TestWorkspace::dayFilter_data()
{
    QTest::addColumn<int>("schedule");
    QTest::addColumn<QStringList>("weekdays");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("seven days") << 0
                                << QStringList{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}
                                << QStringList{"3/2/2026", "3/3/2026", "3/4/2026", "3/5/2026", "3/6/2026", "3/7/2026", "3/8/2026"};
    QTest::newRow("one day") << 1 << QStringList{"Monday"} << QStringList{"3/9/2026"};
}

void TestWorkspace::dayFilter()
{
    QFETCH(int, schedule);
    QFETCH(QStringList, weekdays);
    QFETCH(QStringList, dates);
    TestDatabase db;
    addShop(db);
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, schedule);
    QStringList gotDays, gotDates;
    for (int i = 0; i < w->ccboDay->count(); ++i) {
        gotDays << w->ccboDay->text(i, 0);
        gotDates << w->ccboDay->text(i, 1);
    }
    QCOMPARE(gotDays, weekdays);
    QCOMPARE(gotDates, dates);
    QCOMPARE(w->ccboDay->currentIndex(), 0);
    QCOMPARE(w->SelectedFilterDate(), LocaleFormat::parseShortDate(dates.first()));
    QCOMPARE(w->Planner->timeLineStart(), LocaleFormat::parseShortDate(dates.first()));
    // with no schedule open the list empties
    w->CurrentScheduleID = 0;
    w->FillDayFilter();
    QCOMPARE(w->ccboDay->count(), 0);
    QVERIFY(!w->SelectedFilterDate().isValid());
}

void TestWorkspace::openSelectedSchedule_data()
{
    QTest::addColumn<bool>("selectionChanged");
    QTest::addColumn<int>("day");
    QTest::addColumn<QTime>("from");
    QTest::addColumn<QTime>("to");
    QTest::addColumn<QDate>("rangeDate");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("title");
    // True starts the schedule afresh; False keeps what the user set
    QTest::newRow("True resets") << true << 0 << QTime(0, 0) << QTime(23, 45) << Monday << 0
                                 << QStringLiteral("Week 10 From 3/2/2026 through 3/8/2026");
    QTest::newRow("False keeps") << false << 2 << QTime(8, 0) << QTime(11, 0) << Monday.addDays(3) << 0
                                 << QStringLiteral("Week 10 From 3/2/2026 through 3/8/2026");
}

void TestWorkspace::openSelectedSchedule()
{
    QFETCH(bool, selectionChanged);
    QFETCH(int, day);
    QFETCH(QTime, from);
    QFETCH(QTime, to);
    QFETCH(QDate, rangeDate);
    QFETCH(int, interval);
    QFETCH(QString, title);
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 1, 1, Monday, QTime(9, 0), QTime(17, 0));
    const int wednesday = addShift(db, 1, 2, 2, Monday.addDays(2), QTime(10, 0), QTime(12, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QCOMPARE(w->CurrentScheduleID, 1);
    QCOMPARE(w->CurrentScheduleStart, QDateTime(Monday, QTime(0, 0), Qt::UTC));
    QCOMPARE(w->CurrentScheduleEnd, QDateTime(Monday.addDays(6), QTime(0, 0), Qt::UTC));

    // the user picks Wednesday, a time range, other dates and an interval
    w->ccboDay->setCurrentIndex(2);
    w->dtStart->setTime(QTime(8, 0));
    w->dtEnd->setTime(QTime(11, 0));
    w->dtStartDate->setDate(Monday.addDays(3));
    w->dtEndDate->setDate(Monday.addDays(3));
    w->cboInterval->setCurrentIndex(0);
    w->Planner->setTitle(QStringLiteral("Week 10 From 3/2/2026 through 3/8/2026"));

    w->OpenSelectedSchedule(selectionChanged);
    QCOMPARE(w->ccboDay->currentIndex(), day);
    QCOMPARE(w->ccboDay->count(), 7);
    QCOMPARE(w->dtStart->time(), from);
    QCOMPARE(w->dtEnd->time(), to);
    QCOMPARE(w->dtStartDate->date(), rangeDate);
    QCOMPARE(w->dtEndDate->date(), rangeDate);
    QCOMPARE(w->cboInterval->currentIndex(), interval);
    QCOMPARE(w->Planner->title(), title);
    // both reload the timeline for the chosen day
    QCOMPARE(w->Planner->timeLineStart(), w->SelectedFilterDate());
    QCOMPARE(w->Planner->displayUnit(), 60);
    QCOMPARE(itemTags(w->Planner), selectionChanged ? QList<int>{1} : QList<int>{wednesday});
}

void TestWorkspace::openScheduleWhoseRowIsGone()
{
    TestDatabase db;
    addShop(db);
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    db.exec(QStringLiteral("DELETE FROM SCHEDULER WHERE SCHEDULER_ID = 2"));
    w->ccboSchedules->setCurrentIndex(1);
    w->ccboSchedulesChange();
    // the id is taken, but dates, day list and title stay
    QCOMPARE(w->CurrentScheduleID, 2);
    QCOMPARE(w->CurrentScheduleStart, QDateTime(Monday, QTime(0, 0), Qt::UTC));
    QCOMPARE(w->ccboDay->count(), 7);
    QCOMPARE(w->Planner->title(), QStringLiteral("Week 10 From 3/2/2026 through 3/8/2026"));
    QVERIFY(messages.errors().isEmpty());
}

void TestWorkspace::dateClampOnCalendarPick_data()
{
    QTest::addColumn<bool>("endEdit");
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<QDate>("taken");
    QTest::newRow("start edit, before start") << false << Monday.addDays(-10) << Monday;
    QTest::newRow("start edit, after end") << false << Monday.addDays(30) << Monday.addDays(6);
    QTest::newRow("start edit, inside") << false << Monday.addDays(3) << Monday.addDays(3);
    QTest::newRow("end edit, before start") << true << Monday.addDays(-1) << Monday;
    QTest::newRow("end edit, after end") << true << Monday.addDays(7) << Monday.addDays(6);
    QTest::newRow("end edit, last day") << true << Monday.addDays(6) << Monday.addDays(6);
}

void TestWorkspace::dateClampOnCalendarPick()
{
    QFETCH(bool, endEdit);
    QFETCH(QDate, picked);
    QFETCH(QDate, taken);
    TestDatabase db;
    addShop(db);
    RecordingMessages messages;
    auto w = makeWindow();
    w->show();
    openSchedule(*w, 0);
    TDateEdit* edit = endEdit ? w->dtEndDate : w->dtStartDate;
    // the user opens the calendar, goes to the day and presses Enter
    QTest::mouseClick(edit->calendarButton(), Qt::LeftButton);
    QVERIFY(edit->isCalendarVisible());
    edit->calendar()->setSelectedDate(picked);
    QTest::keyClick(edit->calendar()->focusWidget() ? edit->calendar()->focusWidget() : edit->calendar(), Qt::Key_Return);
    QVERIFY(!edit->isCalendarVisible());
    QCOMPARE(edit->date(), taken);
}

void TestWorkspace::typedDateIsNotClamped()
{
    TestDatabase db;
    addShop(db);
    RecordingMessages messages;
    auto w = makeWindow();
    w->show();
    openSchedule(*w, 0);
    // the user types a day of the month after the schedule's end
    w->dtStartDate->setFocus();
    w->dtStartDate->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(w->dtStartDate, QStringLiteral("20"));
    QTest::keyClick(w->dtStartDate, Qt::Key_Return);
    QCOMPARE(w->dtStartDate->date(), QDate(2026, 3, 20));
    // and with no schedule open a pick keeps its date
    auto fresh = makeWindow();
    fresh->dtEndDate->acceptDate(QDate(2030, 1, 1));
    QCOMPARE(fresh->dtEndDate->date(), QDate(2030, 1, 1));
}

void TestWorkspace::fitGreysRangeAndDoesNotReload()
{
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 1, 1, Monday, QTime(9, 15), QTime(17, 45));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QCOMPARE(w->Planner->displayStart(), 0);
    QCOMPARE(w->Planner->displayEnd(), 49);
    w->ckFit->setChecked(true);
    QVERIFY(!w->dtStart->isEnabled());
    QVERIFY(!w->dtEnd->isEnabled());
    QVERIFY(!w->dtStartDate->isEnabled());
    QVERIFY(!w->dtEndDate->isEnabled());
    QCOMPARE(w->Planner->displayEnd(), 49);
    w->lblUpdateClick();
    QCOMPARE(w->Planner->displayStart(), 18);
    QCOMPARE(w->Planner->displayEnd(), 37);
    w->ckFit->setChecked(false);
    QVERIFY(w->dtStart->isEnabled());
    QVERIFY(w->dtEnd->isEnabled());
    QVERIFY(w->dtStartDate->isEnabled());
    QVERIFY(w->dtEndDate->isEnabled());
    QCOMPARE(w->Planner->displayEnd(), 37);
}

void TestWorkspace::loadsDayWithCaptionsAndColours_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("captionColour");
    QTest::newRow("yellow keeps maroon") << 1 << QColor(0xFF, 0xFF, 0x00) << QColor(0x80, 0x00, 0x00);
    QTest::newRow("navy gets white") << 2 << QColor(0x00, 0x00, 0x80) << QColor(0xFF, 0xFF, 0xFF);
    QTest::newRow("black gets white") << 3 << QColor(0x00, 0x00, 0x00) << QColor(0xFF, 0xFF, 0xFF);
}

void TestWorkspace::loadsDayWithCaptionsAndColours()
{
    QFETCH(int, position);
    QFETCH(QColor, colour);
    QFETCH(QColor, captionColour);
    TestDatabase db;
    addShop(db);
    const int id = addShift(db, 1, 1, position, Monday, QTime(9, 0), QTime(17, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QCOMPARE(w->Planner->items().size(), size_t(1));
    const TPlannerItem& item = *w->Planner->items().front();
    QCOMPARE(item.Tag, id);
    QCOMPARE(item.Color, colour);
    QCOMPARE(item.CaptionFontColor, captionColour);
    QCOMPARE(item.ColorTo, QColor(0x7C, 0xA4, 0xE4));
    QCOMPARE(item.ItemPos, 0);
    QCOMPARE(item.ItemStartTime, QDateTime(Monday, QTime(9, 0), Qt::UTC));
    QCOMPARE(item.ItemEndTime, QDateTime(Monday, QTime(17, 0), Qt::UTC));
    const QString names[] = {QString(), QStringLiteral("Host"), QStringLiteral("Cook"), QStringLiteral("Dishwasher")};
    QCOMPARE(item.CaptionText, QStringLiteral("9:00:00 AM-5:00:00 PM Ann Lee (%1) Hours: 8.00").arg(names[position]));
    QCOMPARE(w->Planner->positions(), 1);
    QCOMPARE(w->Planner->headerCaptions().at(1), QStringLiteral("Ann Lee"));
    QVERIFY(!w->Planner->isUpdating());
}

void TestWorkspace::twoShiftsOfOneEmployeeTwoRows()
{
    TestDatabase db;
    addShop(db);
    // inserted out of order: rows follow first name, then last name
    const int carla = addShift(db, 1, 3, 1, Monday, QTime(7, 0), QTime(11, 0));
    const int annLate = addShift(db, 1, 1, 2, Monday, QTime(18, 0), QTime(22, 30), QStringLiteral("12"), QStringLiteral("4.5"));
    const int ben = addShift(db, 1, 2, 1, Monday, QTime(12, 0), QTime(16, 0));
    const int adams = addShift(db, 1, 4, 1, Monday, QTime(8, 0), QTime(9, 0));
    const int annEarly = addShift(db, 1, 1, 1, Monday, QTime(6, 0), QTime(10, 0));
    // another day and another schedule stay out
    addShift(db, 1, 1, 1, Monday.addDays(1), QTime(9, 0), QTime(17, 0));
    addShift(db, 2, 1, 1, Monday, QTime(9, 0), QTime(17, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QCOMPARE(w->Planner->positions(), 5);
    const QStringList rows = w->Planner->headerCaptions().mid(1, 5);
    QCOMPARE(rows, (QStringList{"Ann Adams", "Ann Lee", "Ann Lee", "Ben Carter", "Carla Diaz"}));
    QCOMPARE(w->Planner->items().size(), size_t(5));
    QList<int> pos;
    for (const auto& i : w->Planner->items())
        pos << i->ItemPos;
    QCOMPARE(pos, (QList<int>{0, 1, 2, 3, 4}));
    const QList<int> tags = itemTags(w->Planner);
    QCOMPARE(tags.at(0), adams);
    QVERIFY((tags.mid(1, 2) == QList<int>{annLate, annEarly}) || (tags.mid(1, 2) == QList<int>{annEarly, annLate}));
    QCOMPARE(tags.at(3), ben);
    QCOMPARE(tags.at(4), carla);
    QVERIFY(itemCaptions(w->Planner).contains(QStringLiteral("6:00:00 PM-10:30:00 PM Ann Lee (Cook) Hours: 4.50")));

    // a day with one shift: one row, the caption list keeps its length
    w->ccboDay->setCurrentIndex(1);
    w->lblUpdateClick();
    QCOMPARE(w->Planner->positions(), 1);
    QCOMPARE(w->Planner->items().size(), size_t(1));
    QCOMPARE(w->Planner->headerCaptions().size(), 6);
    QCOMPARE(w->Planner->headerCaptions().at(1), QStringLiteral("Ann Lee"));
}

void TestWorkspace::positionFilter_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("Show All Positions") << QStringLiteral("Show All Positions") << QStringList{"Ann Lee", "Ben Carter", "Carla Diaz"};
    QTest::newRow("Host") << QStringLiteral("Host") << QStringList{"Ann Lee", "Carla Diaz"};
    QTest::newRow("Cook") << QStringLiteral("Cook") << QStringList{"Ben Carter"};
    QTest::newRow("Dishwasher, none") << QStringLiteral("Dishwasher") << QStringList{QString()};
}

void TestWorkspace::positionFilter()
{
    QFETCH(QString, position);
    QFETCH(QStringList, rows);
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 1, 1, Monday, QTime(9, 0), QTime(17, 0));
    addShift(db, 1, 2, 2, Monday, QTime(10, 0), QTime(18, 0));
    addShift(db, 1, 3, 1, Monday, QTime(11, 0), QTime(19, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QCOMPARE(w->Planner->items().size(), size_t(3));
    // the filter takes effect at the next load only
    w->cboPosition->setCurrentIndex(w->cboPosition->findText(position));
    QCOMPARE(w->Planner->items().size(), size_t(3));
    w->lblUpdateClick();
    const bool none = rows == QStringList{QString()};
    QCOMPARE(w->Planner->items().size(), size_t(none ? 0 : rows.size()));
    QCOMPARE(w->Planner->positions(), int(rows.size()));
    if (!none)
        QCOMPARE(w->Planner->headerCaptions().mid(1, rows.size()), rows);
}

void TestWorkspace::rangeFromTimeFilter_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<QTime>("from");
    QTest::addColumn<QTime>("to");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("default, 1 Hour") << 0 << QTime(0, 0) << QTime(23, 45) << 60 << 0 << 24;
    QTest::newRow("default, 30 Mins") << 1 << QTime(0, 0) << QTime(23, 45) << 30 << 0 << 49;
    QTest::newRow("default, 15 Mins") << 2 << QTime(0, 0) << QTime(23, 45) << 15 << 0 << 99;
    QTest::newRow("08:30 to 17:00, 30 Mins") << 1 << QTime(8, 30) << QTime(17, 0) << 30 << 16 << 35;
}

void TestWorkspace::rangeFromTimeFilter()
{
    QFETCH(int, interval);
    QFETCH(QTime, from);
    QFETCH(QTime, to);
    QFETCH(int, unit);
    QFETCH(int, first);
    QFETCH(int, last);
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 1, 1, Monday, QTime(9, 0), QTime(17, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    w->cboInterval->setCurrentIndex(interval);
    w->dtStart->setTime(from);
    w->dtEnd->setTime(to.addSecs(59)); // the seconds play no part
    w->lblUpdateClick();
    QCOMPARE(w->Planner->displayUnit(), unit);
    QCOMPARE(w->Planner->displayStart(), first);
    QCOMPARE(w->Planner->displayEnd(), last);
    QCOMPARE(w->Planner->activeStart(), first);
    QCOMPARE(w->Planner->activeEnd(), last);
}

void TestWorkspace::fitToScreen_data()
{
    QTest::addColumn<bool>("shiftsOnDay");
    QTest::newRow("day with shifts") << true;
    QTest::newRow("day without shifts") << false;
}

void TestWorkspace::fitToScreen()
{
    QFETCH(bool, shiftsOnDay);
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 2, 2, Monday, QTime(11, 0), QTime(12, 0), QStringLiteral("10"), QStringLiteral("1"));
    addShift(db, 1, 3, 2, Monday, QTime(13, 0), QTime(14, 0), QStringLiteral("10"), QStringLiteral("1"));
    const QDate day = Monday.addDays(1);
    if (shiftsOnDay) {
        addShift(db, 1, 1, 1, day, QTime(9, 15), QTime(13, 0));
        addShift(db, 1, 2, 1, day, QTime(12, 0), QTime(17, 45));
    }
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QCOMPARE(w->Planner->positions(), 2);
    QCOMPARE(w->StatsGrid->cell(0, 0), QStringLiteral("Date: 3/2/2026"));

    w->ccboDay->setCurrentIndex(1);
    w->ckFit->setChecked(true);
    w->cboInterval->setCurrentIndex(1);
    w->lblUpdateClick();
    QCOMPARE(w->Planner->displayUnit(), 30);
    QCOMPARE(w->Planner->timeLineStart(), day);
    if (shiftsOnDay) {
        QCOMPARE(w->Planner->displayStart(), 18);
        QCOMPARE(w->Planner->displayEnd(), 37);
        QCOMPARE(w->Planner->activeStart(), 18);
        QCOMPARE(w->Planner->activeEnd(), 37);
        QCOMPARE(w->Planner->items().size(), size_t(2));
        QCOMPARE(w->Planner->headerCaptions().mid(1, 2), (QStringList{"Ann Lee", "Ben Carter"}));
        QCOMPARE(w->StatsGrid->cell(0, 0), QStringLiteral("Date: 3/3/2026"));
    } else {
        // no items; rows, captions, range and statistics of the last load stay
        QVERIFY(w->Planner->items().empty());
        QCOMPARE(w->Planner->positions(), 2);
        QCOMPARE(w->Planner->headerCaptions().mid(1, 2), (QStringList{"Ben Carter", "Carla Diaz"}));
        QCOMPARE(w->Planner->displayStart(), 0);
        QCOMPARE(w->Planner->displayEnd(), 49);
        QCOMPARE(w->StatsGrid->cell(0, 0), QStringLiteral("Date: 3/2/2026"));
    }
    QVERIFY(!w->Planner->isUpdating());
    QVERIFY(!QApplication::overrideCursor());
}

void TestWorkspace::dayWithoutShiftsLeavesOneEmptyRow()
{
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 1, 1, Monday, QTime(9, 0), QTime(17, 0));
    addShift(db, 1, 2, 1, Monday, QTime(9, 0), QTime(17, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QCOMPARE(w->Planner->positions(), 2);
    const QStringList statsBefore = gridRow(w->StatsGrid, 1);
    w->ccboDay->setCurrentIndex(4);
    w->dtEnd->setTime(QTime(12, 0));
    w->lblUpdateClick();
    QVERIFY(w->Planner->items().empty());
    QCOMPARE(w->Planner->positions(), 1);
    QCOMPARE(w->Planner->timeLineStart(), Monday.addDays(4));
    // the range is still set from the filter
    QCOMPARE(w->Planner->displayEnd(), 0 + 24 + 2);
    // statistics not refreshed
    QCOMPARE(w->StatsGrid->cell(0, 0), QStringLiteral("Date: 3/2/2026"));
    QCOMPARE(gridRow(w->StatsGrid, 1), statsBefore);
    QVERIFY(!w->Planner->isUpdating());
    QVERIFY(!QApplication::overrideCursor());
}

void TestWorkspace::loadErrorReleasesEverything()
{
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 1, 1, Monday, QTime(9, 0), QTime(17, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QCOMPARE(w->Planner->items().size(), size_t(1));
    db.exec(QStringLiteral("DROP TABLE SERVERS"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, w->LoadScheduleGrid());
    QVERIFY(!w->Planner->isUpdating());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(w->Planner->items().empty());
    // a click on the link: the error is shown and the window goes on
    w->show();
    QTest::mouseClick(w->lblUpdate, Qt::LeftButton);
    QCOMPARE(messages.errors().size(), 1);
    QVERIFY(!w->Planner->isUpdating());
    QVERIFY(!QApplication::overrideCursor());
    // every result set was released: the database can be dropped from under us
    QVERIFY_THROWS_EXCEPTION(DatabaseError, w->FillEmployeeList());
    db.exec(QStringLiteral("DROP TABLE SCHEDULE"));
}

void TestWorkspace::updateShiftItemChangesOnlyCaption()
{
    TestDatabase db;
    addShop(db);
    const int id = addShift(db, 1, 1, 2, Monday, QTime(9, 0), QTime(17, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    TPlannerItem* item = w->Planner->items().front().get();
    // the user dragged it; the handler wrote the new times
    item->ItemStartTime = QDateTime(Monday, QTime(9, 30), Qt::UTC);
    item->ItemEndTime = QDateTime(Monday, QTime(17, 30), Qt::UTC);
    db.exec(QStringLiteral("UPDATE SCHEDULE SET SCHEDULESTART = '03/02/2026 09:30:00', SCHEDULEEND = '03/02/2026 17:30:00', "
                           "TOTALHOURS = 8 WHERE SCHEDULEID = %1").arg(id));
    db.exec(QStringLiteral("UPDATE POSITIONS SET POSITION_COLOR = 65535 WHERE POSITIONID = 2"));
    db.exec(QStringLiteral("UPDATE SERVERS SET SERVERFIRST = 'Anne' WHERE SERVERID = 1"));
    w->UpdateShiftItem(item);
    QCOMPARE(item->CaptionText, QStringLiteral("9:30:00 AM-5:30:00 PM Anne Lee (Cook) Hours: 8.00"));
    QCOMPARE(item->Color, QColor(0x00, 0x00, 0x80));
    QCOMPARE(item->CaptionFontColor, QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(item->ItemPos, 0);
    QCOMPARE(item->ItemStartTime, QDateTime(Monday, QTime(9, 30), Qt::UTC));
    QCOMPARE(w->Planner->headerCaptions().at(1), QStringLiteral("Ann Lee"));
    // a shift deleted meanwhile keeps its caption
    db.exec(QStringLiteral("DELETE FROM SCHEDULE"));
    w->UpdateShiftItem(item);
    QCOMPARE(item->CaptionText, QStringLiteral("9:30:00 AM-5:30:00 PM Anne Lee (Cook) Hours: 8.00"));
}

void TestWorkspace::employeeList_data()
{
    QTest::addColumn<bool>("activeOnly");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("ids");
    // the server puts the null first name first
    QTest::newRow("all") << false
                         << QStringList{" (Not Active)", "Ann Adams", "Ann Lee", "Ben Carter (Not Active)", "Carla Diaz", ""}
                         << QList<int>{5, 4, 1, 2, 3, 6};
    QTest::newRow("Active Only") << true << QStringList{"Ann Adams", "Ann Lee", "Carla Diaz", ""} << QList<int>{4, 1, 3, 6};
}

void TestWorkspace::employeeList()
{
    QFETCH(bool, activeOnly);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, ids);
    TestDatabase db;
    addShop(db);
    db.exec(QStringLiteral("UPDATE SERVERS SET ISACTIVE = 0 WHERE SERVERID = 2"));
    // a null last name makes the whole name null; a null IsActive counts as 0
    addServer(db, 5, QString(), QStringLiteral("Nobody"), 0);
    addServer(db, 6, QStringLiteral("Zed"), QString(), 1);
    db.exec(QStringLiteral("UPDATE SERVERS SET ISACTIVE = NULL WHERE SERVERID = 5"));
    RecordingMessages messages;
    auto w = makeWindow();
    w->ckEmpsActive->setChecked(activeOnly);
    QStringList got;
    QList<int> gotIds;
    for (int i = 0; i < w->lbEmps->count(); ++i) {
        got << w->lbEmps->item(i)->text();
        gotIds << w->lbEmps->item(i)->data(Qt::UserRole).toInt();
    }
    QCOMPARE(got, texts);
    QCOMPARE(gotIds, ids);
}

void TestWorkspace::employeeListRightClickKeepsChoice()
{
    TestDatabase db;
    addShop(db);
    RecordingMessages messages;
    auto w = makeWindow();
    w->show();
    w->AdvToolPanelTab1->openPanel(w->AdvToolPanel2, false);
    QVERIFY(w->lbEmps->isVisible());
    QCOMPARE(w->SelectedEmployeeID(), 0);
    const QRect second = w->lbEmps->visualItemRect(w->lbEmps->item(1));
    const QRect third = w->lbEmps->visualItemRect(w->lbEmps->item(2));
    QTest::mouseClick(w->lbEmps->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(w->SelectedEmployeeID(), 1);
    QCOMPARE(w->SelectedEmployeeText(), QStringLiteral("Ann Lee"));
    QTest::mousePress(w->lbEmps->viewport(), Qt::RightButton, {}, third.center());
    QTest::mouseRelease(w->lbEmps->viewport(), Qt::RightButton, {}, third.center());
    QCOMPARE(w->SelectedEmployeeID(), 1);
    // a refill loses the choice
    w->ckEmpsActive->setChecked(true);
    QCOMPARE(w->SelectedEmployeeID(), 0);
}

void TestWorkspace::stats_data()
{
    QTest::addColumn<QString>("arrange");
    QTest::addColumn<QList<QStringList>>("rows");
    const QStringList emptyTotals{"", "0.00", "0.00", "0.00", "0.00", "", ""};
    QTest::newRow("empty day") << QString() << QList<QStringList>{emptyTotals};
    QTest::newRow("two shifts of one position")
        << QStringLiteral("two")
        << QList<QStringList>{{"Host", "12.00", "130.00", "14.00", "150.00", "", ""},
                              {"", "12.00", "130.00", "14.00", "150.00", "", ""}};
    QTest::newRow("position only in another schedule")
        << QStringLiteral("other")
        << QList<QStringList>{{"Cook", "6.00", "90.00", "", "", "", ""},
                              {"Host", "8.00", "80.00", "8.00", "80.00", "", ""},
                              {"", "14.00", "170.00", "8.00", "80.00", "", ""}};
    QTest::newRow("null hours")
        << QStringLiteral("null")
        << QList<QStringList>{{"Dishwasher", "0.00", "0.00", "", "", "", ""},
                              {"Host", "8.00", "80.00", "8.00", "80.00", "", ""},
                              {"", "8.00", "80.00", "8.00", "80.00", "", ""}};
    QTest::newRow("rounding of the shown figures")
        << QStringLiteral("round")
        << QList<QStringList>{{"Cook", "0.33", "3.33", "0.33", "3.33", "", ""},
                              {"Host", "0.33", "3.33", "0.33", "3.33", "", ""},
                              {"", "0.66", "6.66", "0.66", "6.66", "", ""}};
}

void TestWorkspace::stats()
{
    QFETCH(QString, arrange);
    QFETCH(QList<QStringList>, rows);
    TestDatabase db;
    addShop(db);
    const QDate day = Monday.addDays(2);
    if (arrange == QLatin1String("two")) {
        addShift(db, 1, 1, 1, day, QTime(9, 0), QTime(17, 0), QStringLiteral("10.00"), QStringLiteral("8"));
        addShift(db, 1, 2, 1, day, QTime(9, 0), QTime(13, 0), QStringLiteral("12.50"), QStringLiteral("4"));
        addShift(db, 1, 2, 1, day.addDays(1), QTime(9, 0), QTime(11, 0), QStringLiteral("10.00"), QStringLiteral("2"));
    } else if (arrange == QLatin1String("other")) {
        addShift(db, 1, 1, 1, day, QTime(9, 0), QTime(17, 0), QStringLiteral("10"), QStringLiteral("8"));
        addShift(db, 2, 3, 2, day, QTime(9, 0), QTime(15, 0), QStringLiteral("15"), QStringLiteral("6"));
    } else if (arrange == QLatin1String("null")) {
        addShift(db, 1, 1, 1, day, QTime(9, 0), QTime(17, 0), QStringLiteral("10"), QStringLiteral("8"));
        addShift(db, 1, 2, 3, day, QTime(9, 0), QTime(15, 0), QStringLiteral("10"), QStringLiteral("NULL"));
    } else if (arrange == QLatin1String("round")) {
        // each row shows 0.3333 as 0.33 and 3.333 as 3.33; the totals add what is shown
        addShift(db, 1, 1, 1, day, QTime(9, 0), QTime(9, 20), QStringLiteral("10"), QStringLiteral("0.3333"));
        addShift(db, 1, 2, 2, day, QTime(9, 0), QTime(9, 20), QStringLiteral("10"), QStringLiteral("0.3333"));
    }
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    w->ccboDay->setCurrentIndex(2);
    w->FillStatsGrid();
    QCOMPARE(w->StatsGrid->colCount(), 7);
    QCOMPARE(w->StatsGrid->rowTexts(0),
             (QStringList{"Date: 3/4/2026", "Hrs/Day", "Cost/Day", "Hrs/Sched", "Cost/Sched", "", ""}));
    QCOMPARE(w->StatsGrid->rowCount(), int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(w->StatsGrid->rowTexts(r + 1), rows.at(r));
    QVERIFY(messages.shown.empty());
}

void TestWorkspace::statsTwiceGivesSameGrid()
{
    TestDatabase db;
    addShop(db);
    addShift(db, 1, 1, 1, Monday, QTime(9, 0), QTime(17, 0), QStringLiteral("10"), QStringLiteral("8"));
    addShift(db, 1, 2, 2, Monday, QTime(9, 0), QTime(17, 0), QStringLiteral("15"), QStringLiteral("8"));
    RecordingMessages messages;
    auto w = makeWindow();
    openSchedule(*w, 0);
    QList<QStringList> first;
    for (int r = 0; r < w->StatsGrid->rowCount(); ++r)
        first << w->StatsGrid->rowTexts(r);
    QCOMPARE(first.size(), 4);
    w->FillStatsGrid();
    w->FillStatsGrid();
    QList<QStringList> again;
    for (int r = 0; r < w->StatsGrid->rowCount(); ++r)
        again << w->StatsGrid->rowTexts(r);
    QCOMPARE(again, first);
    QCOMPARE(again.last().at(0), QString());
    QCOMPARE(again.last().at(1), QStringLiteral("16.00"));
    QCOMPARE(again.last().at(2), QStringLiteral("200.00"));
}

void TestWorkspace::statsGridLook()
{
    TestDatabase db;
    addShop(db);
    for (int s = 1; s <= 3; ++s)
        addShift(db, 1, s, s, Monday, QTime(9, 0), QTime(17, 0));
    RecordingMessages messages;
    auto w = makeWindow();
    w->show();
    openSchedule(*w, 0);
    TStringGrid* g = w->StatsGrid;
    const int widths[] = {125, 75, 75, 75, 75, 75, 75};
    for (int c = 0; c < 7; ++c)
        QCOMPARE(g->colWidth(c), widths[c]);
    QCOMPARE(g->defaultRowHeight(), 21);
    QCOMPARE(g->fixedCols(), 1);
    QCOMPARE(g->fixedRows(), 1);
    QCOMPARE(g->fixedFooters(), 1);
    QCOMPARE(g->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(g->font().pointSize(), 8);
    for (int r : {0, 1, g->rowCount() - 1}) {
        QCOMPARE(g->alignment(r, 0), Qt::Alignment(Qt::AlignLeft));
        for (int c = 1; c <= 4; ++c)
            QCOMPARE(g->alignment(r, c), Qt::Alignment(Qt::AlignRight));
        QCOMPARE(g->alignment(r, 5), Qt::Alignment(Qt::AlignLeft));
    }
    // the totals stay at the bottom when the rows do not fit
    g->resize(g->width(), 21 * 4);
    const int totals = g->rowCount() - 1;
    const QRect foot = g->cellRect(1, totals);
    QVERIFY(!foot.isEmpty());
    QVERIFY(foot.bottom() <= g->viewport()->height() - 1);
    QVERIFY(g->verticalScrollBar()->maximum() > 0);
    g->verticalScrollBar()->setValue(g->verticalScrollBar()->maximum());
    QCOMPARE(g->cellRect(1, totals), foot);
    // the last position row shows whole, right above the totals
    const QRect last = g->cellRect(1, totals - 1);
    QVERIFY(!last.isEmpty());
    QCOMPARE(last.bottom() + 1, foot.top());
    QVERIFY(g->cellRect(1, 1).isEmpty());
    QCOMPARE(g->cellRect(1, 0).top(), 0);
}

void TestWorkspace::demoScheduleAsAUserSeesIt()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages messages;
    auto w = makeWindow();
    w->show();
    QCOMPARE(w->lbEmps->count(), 10);
    QVERIFY(w->lbEmps->item(w->lbEmps->count() - 1)->text().endsWith(QStringLiteral(" (Not Active)")));
    openSchedule(*w, 0);
    QCOMPARE(w->ccboDay->count(), 7);
    QVERIFY(w->Planner->title().startsWith(QStringLiteral("Demo Week From ")));
    QVERIFY(itemCaptions(w->Planner).contains(QStringLiteral("9:00:00 AM-5:00:00 PM Ann Lee (Host) Hours: 8.00")));
    QCOMPARE(int(w->Planner->items().size()), w->Planner->positions());
    QVERIFY(w->StatsGrid->rowCount() > 2);
    QVERIFY(messages.shown.empty());
}

void TestWorkspace::closingEndsTheProgram()
{
    TestDatabase db;
    addShop(db);
    QFile ini(db.folder() + QStringLiteral("/tolvane.INI"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[System]\r\nDatabasePath=%1\r\n").arg(db.path()).toUtf8());
    ini.close();
    RecordingMessages messages;
    TfrmMain welcome(db.folder());
    frmMain = &welcome;
    welcome.show();
    frmSchedule = new TfrmSchedule();
    QPointer<TfrmSchedule> w = frmSchedule;
    w->show();
    QVERIFY(w->close());
    QCOMPARE(frmSchedule, nullptr);
    QVERIFY(!welcome.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    frmMain = nullptr;
    QVERIFY(messages.shown.empty());
}

QUENDAL_TEST_MAIN(TestWorkspace)
#include "test_workspace.moc"
