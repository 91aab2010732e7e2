// Shifts made, moved, stretched, edited and deleted from the workspace's
// timeline, against real database files made from db/; the timeline driven
// with real mouse events where a user would use the mouse.

#include "ShiftTestSupport.h"
#include "dialogs/UfrmAddShift.h"
#include "support/TestMain.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/LinkLabel.h"
#include "widgets/MoneyEdit.h"
#include "widgets/Planner.h"
#include "widgets/StringGrid.h"
#include "workspace/UfrmSchedule.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTimeEdit>
#include <QToolTip>
#include <memory>

using namespace ShiftTest;
using PlannerGeometry::Hit;

class TestShiftEditing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void writeBack_data();
    void writeBack();
    void dragAndStretchWithTheMouse();
    void escapeDuringADragWritesNothing();
    void dropRefusedWithoutSchedule();
    void dropWithoutEmployeeChosen();
    void dropOpensTheDialogAndTheShiftCounts();
    void cancelledNewShiftReloadsNothing();
    void editOvernightShiftSavedUnchanged();
    void editFromTheMenuActsOnTheBarUnderTheMouse();
    void deleteAnsweredNoChangesNothing();
    void deleteLastShiftOfTheDay();
    void noSelectionNoAction();
    void balloonText();

private:
    qint64 addShift(int serverID, int positionID, const QString& start, const QString& end, const QString& rate,
                    const QString& hours, int close = 0, const QString& date = QStringLiteral("03/07/2026"));
    void openTestSchedule();
    TPlannerItem* item(qint64 scheduleID) const;
    QPoint inBar(qint64 scheduleID, Hit where) const;
    void drag(const QPoint& from, const QPoint& to);
    qint64 openTransactions();

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingMessages> messages;
    std::unique_ptr<TfrmSchedule> w;
    qint64 annHost = 0; // Ann Lee as Host, 9 AM to 5 PM on the first day
};

namespace {

constexpr int TestSchedule = 2;
const QDate D(2026, 3, 7); // New York's clocks go forward the next night

QDateTime at(QDate d, int h, int m)
{
    return QDateTime(d, QTime(h, m), Qt::UTC);
}

// A drag enter, move and drop on the timeline, as from the employee list.
bool dropOn(TPlanner* planner, const QPoint& pos)
{
    QMimeData mime;
    mime.setText(QStringLiteral("Ann Lee"));
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(planner, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(pos), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(planner, &drop);
    return drop.isAccepted();
}

} // namespace

qint64 TestShiftEditing::addShift(int serverID, int positionID, const QString& start, const QString& end,
                                  const QString& rate, const QString& hours, int close, const QString& date)
{
    db->exec(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, SCHEDULEEND, "
                            "SCHEDULEDATE, SCHEDULECLOSE, RATE, TOTALHOURS) VALUES (%1, %2, %3, '%4', '%5', '%6', %7, %8, %9)")
                 .arg(TestSchedule).arg(serverID).arg(positionID).arg(start, end, date).arg(close).arg(rate, hours));
    return lastScheduleID(*db);
}

void TestShiftEditing::init()
{
    db = std::make_unique<TestDatabase>(TestDatabase::Demo);
    db->exec(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END) "
                            "VALUES (2, 'Test Week', '03/07/2026', '03/09/2026')"));
    annHost = addShift(1, 1, QStringLiteral("03/07/2026 09:00:00"), QStringLiteral("03/07/2026 17:00:00"),
                       QStringLiteral("12.5"), QStringLiteral("8"));
    messages = std::make_unique<RecordingMessages>();
    w = std::make_unique<TfrmSchedule>();
    frmSchedule = w.get();
    w->resize(1500, 760);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
}

void TestShiftEditing::cleanup()
{
    freeClosedWindows();
    delete frmAddShift;
    w.reset();
    messages.reset();
    db.reset();
}

void TestShiftEditing::openTestSchedule()
{
    for (int i = 0; i < w->ccboSchedules->count(); ++i)
        if (w->ccboSchedules->tag(i) == TestSchedule)
            w->ccboSchedules->setCurrentIndex(i);
    w->OpenSelectedSchedule(true);
    QCOMPARE(w->CurrentScheduleID, TestSchedule);
    QCOMPARE(w->SelectedFilterDate(), D);
}

TPlannerItem* TestShiftEditing::item(qint64 scheduleID) const
{
    for (const auto& i : w->Planner->items())
        if (i->Tag == scheduleID)
            return i.get();
    return nullptr;
}

// A point of the bar that does what a press there should do.
QPoint TestShiftEditing::inBar(qint64 scheduleID, Hit where) const
{
    const QRect r = w->Planner->itemRect(item(scheduleID));
    const QPoint p = where == Hit::ExtendLeft ? QPoint(r.left() + 1, r.center().y())
        : where == Hit::ExtendRight           ? QPoint(r.right() - 1, r.center().y())
                                              : r.center();
    return w->Planner->hitTest(p).hit == where ? p : QPoint(-1, -1);
}

void TestShiftEditing::drag(const QPoint& from, const QPoint& to)
{
    QTest::mousePress(w->Planner, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(w->Planner, from + (to - from) * step / 4);
    QTest::mouseRelease(w->Planner, Qt::LeftButton, {}, to);
}

// Transactions of the program's own attachment, the one counting included.
qint64 TestShiftEditing::openTransactions()
{
    return db->scalar(QStringLiteral("SELECT COUNT(*) FROM MON$TRANSACTIONS WHERE MON$ATTACHMENT_ID = CURRENT_CONNECTION"))
        .asInteger();
}

void TestShiftEditing::writeBack_data()
{
    QTest::addColumn<bool>("sized");
    QTest::addColumn<QDateTime>("itemStart");
    QTest::addColumn<QDateTime>("itemEnd");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("caption");

    const QDate n = D.addDays(1);
    QTest::newRow("moved overnight") << false << at(D, 22, 0) << at(n, 2, 0) << "03/07/2026 22:00:00"
                                     << "03/08/2026 02:00:00" << "4" << "10:00:00 PM-2:00:00 AM Ann Lee (Host) Hours: 4.00";
    QTest::newRow("stretched to midnight") << true << at(D, 18, 0) << at(n, 0, 0) << "03/07/2026 18:00:00"
                                           << "03/08/2026 00:00:00" << "6" << "6:00:00 PM-12:00:00 AM Ann Lee (Host) Hours: 6.00";
    QTest::newRow("both ends keep their minutes") << false << at(D, 9, 30) << at(D, 17, 30) << "03/07/2026 09:30:00"
                                                  << "03/07/2026 17:30:00" << "8" << "9:30:00 AM-5:30:00 PM Ann Lee (Host) Hours: 8.00";
    QTest::newRow("times of day only") << true << at(D, 0, 0) << at(n, 0, 30) << "03/07/2026 00:00:00"
                                       << "03/07/2026 00:30:00" << "0.5" << "12:00:00 AM-12:30:00 AM Ann Lee (Host) Hours: 0.50";
    QTest::newRow("a third of an hour") << true << at(D, 9, 0) << at(D, 9, 20) << "03/07/2026 09:00:00"
                                        << "03/07/2026 09:20:00" << "0.3333" << "9:00:00 AM-9:20:00 AM Ann Lee (Host) Hours: 0.33";
}

void TestShiftEditing::writeBack()
{
    QFETCH(bool, sized);
    QFETCH(QDateTime, itemStart);
    QFETCH(QDateTime, itemEnd);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, hours);
    QFETCH(QString, caption);

    openTestSchedule();
    const Row before = row(*db, annHost);
    TPlannerItem* bar = item(annHost);
    QVERIFY(bar);
    // as the timeline leaves the bar after a drag
    bar->ItemStartTime = itemStart;
    bar->ItemEndTime = itemEnd;
    if (sized)
        emit w->Planner->itemSized(bar);
    else
        emit w->Planner->itemMoved(bar);
    QVERIFY2(messages->shown.empty(), qPrintable(messages->texts().join(u'|')));

    const Row r = row(*db, annHost);
    QCOMPARE(r.start, start);
    QCOMPARE(r.end, end);
    QCOMPARE(r.hours, hours);
    // nothing else of the shift changes
    QCOMPARE(r.date, before.date);
    QCOMPARE(r.positionID, before.positionID);
    QCOMPARE(r.rate, before.rate);
    QCOMPARE(r.close, before.close);
    QCOMPARE(r.serverID, before.serverID);
    // the bar keeps its place and shows its new caption; the figures follow
    QCOMPARE(item(annHost), bar);
    QCOMPARE(bar->ItemStartTime, itemStart);
    QCOMPARE(bar->CaptionText, caption);
    QCOMPARE(w->StatsGrid->cell(0, 1), QStringLiteral("Host"));
    QCOMPARE(w->StatsGrid->cell(1, 1), caption.section(QStringLiteral("Hours: "), 1));
}

void TestShiftEditing::dragAndStretchWithTheMouse()
{
    openTestSchedule();
    QCOMPARE(w->Planner->displayUnit(), 30);
    const int slot = TPlanner::DisplayScale;

    // the whole bar one hour later
    QPoint from = inBar(annHost, Hit::Move);
    QVERIFY(from.x() >= 0);
    drag(from, from + QPoint(2 * slot, 0));
    Row r = row(*db, annHost);
    QCOMPARE(r.start, QStringLiteral("03/07/2026 10:00:00"));
    QCOMPARE(r.end, QStringLiteral("03/07/2026 18:00:00"));
    QCOMPARE(r.hours, QStringLiteral("8"));
    QCOMPARE(item(annHost)->CaptionText, QStringLiteral("10:00:00 AM-6:00:00 PM Ann Lee (Host) Hours: 8.00"));

    // its right edge half an hour further
    from = inBar(annHost, Hit::ExtendRight);
    QVERIFY(from.x() >= 0);
    drag(from, from + QPoint(slot, 0));
    r = row(*db, annHost);
    QCOMPARE(r.start, QStringLiteral("03/07/2026 10:00:00"));
    QCOMPARE(r.end, QStringLiteral("03/07/2026 18:30:00"));
    QCOMPARE(r.hours, QStringLiteral("8.5"));

    // its left edge two hours back
    from = inBar(annHost, Hit::ExtendLeft);
    QVERIFY(from.x() >= 0);
    drag(from, from - QPoint(4 * slot, 0));
    r = row(*db, annHost);
    QCOMPARE(r.start, QStringLiteral("03/07/2026 08:00:00"));
    QCOMPARE(r.end, QStringLiteral("03/07/2026 18:30:00"));
    QCOMPARE(r.hours, QStringLiteral("10.5"));
    QCOMPARE(item(annHost)->CaptionText, QStringLiteral("8:00:00 AM-6:30:00 PM Ann Lee (Host) Hours: 10.50"));
    QCOMPARE(w->StatsGrid->cell(1, 1), QStringLiteral("10.50"));
    QCOMPARE(w->StatsGrid->cell(2, 1), QStringLiteral("131.25"));
    QVERIFY(messages->shown.empty());
}

void TestShiftEditing::escapeDuringADragWritesNothing()
{
    openTestSchedule();
    const QPoint from = inBar(annHost, Hit::Move);
    QTest::mousePress(w->Planner, Qt::LeftButton, {}, from);
    QTest::mouseMove(w->Planner, from + QPoint(24, 0));
    QTest::mouseMove(w->Planner, from + QPoint(72, 0));
    QVERIFY(w->Planner->isDragging());
    QTest::keyClick(w->Planner, Qt::Key_Escape);
    QTest::mouseRelease(w->Planner, Qt::LeftButton, {}, from + QPoint(72, 0));
    const Row r = row(*db, annHost);
    QCOMPARE(r.start, QStringLiteral("03/07/2026 09:00:00"));
    QCOMPARE(r.end, QStringLiteral("03/07/2026 17:00:00"));
    QCOMPARE(item(annHost)->ItemStartTime, at(D, 9, 0));
}

void TestShiftEditing::dropRefusedWithoutSchedule()
{
    QCOMPARE(w->CurrentScheduleID, 0);
    chooseEmployee(*w, 1, QStringLiteral("Ann Lee"));
    QVERIFY(!w->PlannerDragOver());
    QVERIFY(!dropOn(w->Planner, w->Planner->bodyRect().center()));
    QVERIFY(messages->shown.empty());
    // the menu's way reports it
    w->AddShiftforEmployee1->trigger();
    QCOMPARE(messages->errors(), QStringList{QStringLiteral("No Schedule Loaded")});
    QCOMPARE(frmAddShift, nullptr);
}

void TestShiftEditing::dropWithoutEmployeeChosen()
{
    openTestSchedule();
    w->lbEmps->clearSelection();
    const qint64 before = db->count(QStringLiteral("SCHEDULE"));
    QVERIFY(dropOn(w->Planner, w->Planner->bodyRect().center()));
    QCOMPARE(messages->errors(), QStringList{QStringLiteral("No Schedule Loaded")});
    QCOMPARE(frmAddShift, nullptr);
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), before);
}

void TestShiftEditing::dropOpensTheDialogAndTheShiftCounts()
{
    openTestSchedule();
    chooseEmployee(*w, 1, QStringLiteral("Ann Lee"));
    const QString listText = w->SelectedEmployeeText();
    bool checked = false;
    messages->modals.push_back([&](QDialog& dialog) {
        auto& d = static_cast<TfrmAddShift&>(dialog);
        QCOMPARE(d.windowTitle(), QStringLiteral("Add Shift for ") + listText);
        QVERIFY(!d.IsEditing);
        QCOMPARE(d.ShiftSchedulerID, TestSchedule);
        QCOMPARE(d.ShiftServerID, 1);
        QCOMPARE(d.ShiftStartDate.date(), D);
        QCOMPARE(d.ShiftEndDate.date(), D);
        // dropped at 3 PM, still the noon defaults
        QCOMPARE(d.dpStart->time(), QTime(12, 0));
        QCOMPARE(d.dpEnd->time(), QTime(12, 0));
        QCOMPARE(d.cboPositions->count(), 2);
        pickPosition(d, QStringLiteral("Server"));
        QCOMPARE(d.meRate->text(), QStringLiteral("11.00"));
        d.dpStart->setTime(QTime(21, 0));
        d.dpEnd->setTime(QTime(1, 30));
        QTest::mouseClick(d.lblAdd, Qt::LeftButton);
        checked = true;
    });
    // 3 PM on the axis
    const QRect bar = w->Planner->itemRect(item(annHost));
    const QPoint at3pm(bar.left() + 12 * TPlanner::DisplayScale, w->Planner->bodyRect().bottom() - 4);
    QVERIFY(dropOn(w->Planner, at3pm));
    QVERIFY(checked);
    QVERIFY2(messages->errors().isEmpty(), qPrintable(messages->texts().join(u'|')));

    const qint64 id = lastScheduleID(*db);
    QVERIFY(id != annHost);
    const Row r = row(*db, id);
    QCOMPARE(r.start, QStringLiteral("03/07/2026 21:00:00"));
    QCOMPARE(r.end, QStringLiteral("03/08/2026 01:30:00"));
    QCOMPARE(r.hours, QStringLiteral("4.5"));
    QCOMPARE(r.rate, QStringLiteral("11"));
    // the timeline was loaded again: the new bar is there, with its hours
    QCOMPARE(w->Planner->items().size(), size_t(2));
    QVERIFY(item(id));
    QCOMPARE(item(id)->CaptionText, QStringLiteral("9:00:00 PM-1:30:00 AM Ann Lee (Server) Hours: 4.50"));
    // and the day's figures count it
    QCOMPARE(w->StatsGrid->rowTexts(2).mid(0, 5),
             (QStringList{"Server", "4.50", "49.50", "4.50", "49.50"}));
    QCOMPARE(w->StatsGrid->rowTexts(3).mid(1, 4), (QStringList{"12.50", "149.50", "12.50", "149.50"}));
}

void TestShiftEditing::cancelledNewShiftReloadsNothing()
{
    openTestSchedule();
    chooseEmployee(*w, 1, QStringLiteral("Ann Lee"));
    const TPlannerItem* before = item(annHost);
    const qint64 count = db->count(QStringLiteral("SCHEDULE"));
    messages->modals.push_back([](QDialog& d) {
        pickPosition(static_cast<TfrmAddShift&>(d), QStringLiteral("Host"));
        QTest::mouseClick(static_cast<TfrmAddShift&>(d).lblCancel, Qt::LeftButton);
    });
    w->AddShiftforEmployee1->trigger();
    QVERIFY(messages->modals.empty());
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), count);
    QCOMPARE(item(annHost), before);
}

void TestShiftEditing::editOvernightShiftSavedUnchanged()
{
    const qint64 night = addShift(5, 4, QStringLiteral("03/07/2026 22:00:00"), QStringLiteral("03/08/2026 06:00:00"),
                                  QStringLiteral("13.25"), QStringLiteral("8"), 1);
    openTestSchedule();
    w->ccboDay->setCurrentIndex(0);
    const QString caption = item(night)->CaptionText;
    QCOMPARE(caption, QStringLiteral("10:00:00 PM-6:00:00 AM Elena Novak (Bartender) Hours: 8.00"));
    const qint64 idle = openTransactions();
    qint64 whileShown = 0;
    messages->modals.push_back([&](QDialog& dialog) {
        auto& d = static_cast<TfrmAddShift&>(dialog);
        QCOMPARE(d.windowTitle(), QStringLiteral("Editing ") + caption);
        QVERIFY(d.IsEditing);
        QCOMPARE(d.ShiftScheduleID, int(night));
        QCOMPARE(d.ShiftServerID, 5);
        QCOMPARE(d.cboPositions->currentText(), QStringLiteral("Bartender"));
        QCOMPARE(d.meRate->text(), QStringLiteral("13.25"));
        QCOMPARE(d.dpStart->time(), QTime(22, 0));
        QCOMPARE(d.dpEnd->time(), QTime(6, 0));
        QCOMPARE(d.cboClosing->currentText(), QStringLiteral("Yes"));
        whileShown = openTransactions();
        QTest::mouseClick(d.lblAdd, Qt::LeftButton);
    });
    QTest::mouseDClick(w->Planner, Qt::LeftButton, {}, inBar(night, Hit::Move));
    QVERIFY(messages->modals.empty());
    QVERIFY(messages->shown.empty());
    // the shift's read stayed open while the dialog was shown, and no longer
    QCOMPARE(whileShown, idle + 1);
    QCOMPARE(openTransactions(), idle);

    const Row r = row(*db, night);
    QCOMPARE(r.start, QStringLiteral("03/07/2026 22:00:00"));
    QCOMPARE(r.end, QStringLiteral("03/08/2026 06:00:00"));
    QCOMPARE(r.hours, QStringLiteral("8"));
    QCOMPARE(r.rate, QStringLiteral("13.25"));
    QCOMPARE(r.close, 1);
    QCOMPARE(r.positionID, 4);
    QCOMPARE(w->SelectedFilterDate(), D);
    QCOMPARE(item(night)->CaptionText, caption);
}

void TestShiftEditing::editFromTheMenuActsOnTheBarUnderTheMouse()
{
    // on the second day, where it is saved again
    const qint64 cook = addShift(3, 3, QStringLiteral("03/08/2026 07:00:00"), QStringLiteral("03/08/2026 15:00:00"),
                                 QStringLiteral("16.75"), QStringLiteral("8"), 0, QStringLiteral("03/08/2026"));
    openTestSchedule();
    w->ccboDay->setCurrentIndex(1);
    w->LoadScheduleGrid();
    QCOMPARE(w->SelectedFilterDate(), D.addDays(1));
    QCOMPARE(w->Planner->items().size(), size_t(1));
    w->Planner->setSelectedItem(nullptr);

    messages->modals.push_back([](QDialog& dialog) {
        auto& d = static_cast<TfrmAddShift&>(dialog);
        QVERIFY(d.windowTitle().endsWith(QStringLiteral("Carla Diaz (Cook) Hours: 8.00")));
        d.dpEnd->setTime(QTime(16, 30));
        QTest::mouseClick(d.lblAdd, Qt::LeftButton);
    });
    // a right click selects the bar and opens the menu
    QTest::mouseClick(w->Planner, Qt::RightButton, {}, inBar(cook, Hit::Move));
    QCOMPARE(w->Planner->selectedItem(), item(cook));
    QTRY_VERIFY(w->tmsPopTimeLine->isVisible());
    QTest::mouseClick(w->tmsPopTimeLine, Qt::LeftButton, {}, w->tmsPopTimeLine->actionGeometry(w->Edit1).center());
    QVERIFY(messages->modals.empty());
    QVERIFY2(messages->shown.empty(), qPrintable(messages->texts().join(u'|')));

    const Row r = row(*db, cook);
    QCOMPARE(r.start, QStringLiteral("03/08/2026 07:00:00"));
    QCOMPARE(r.end, QStringLiteral("03/08/2026 16:30:00"));
    QCOMPARE(r.hours, QStringLiteral("9.5"));
    QCOMPARE(r.date, QStringLiteral("03/08/2026"));
    QCOMPARE(item(cook)->CaptionText, QStringLiteral("7:00:00 AM-4:30:00 PM Carla Diaz (Cook) Hours: 9.50"));
}

void TestShiftEditing::deleteAnsweredNoChangesNothing()
{
    addShift(3, 3, QStringLiteral("03/07/2026 07:00:00"), QStringLiteral("03/07/2026 15:00:00"), QStringLiteral("16.75"),
             QStringLiteral("8"));
    openTestSchedule();
    const qint64 count = db->count(QStringLiteral("SCHEDULE"));
    const TPlannerItem* before = item(annHost);
    messages->answers = {false};
    QTest::mouseClick(w->Planner, Qt::RightButton, {}, inBar(annHost, Hit::Move));
    QTRY_VERIFY(w->tmsPopTimeLine->isVisible());
    QTest::mouseClick(w->tmsPopTimeLine, Qt::LeftButton, {}, w->tmsPopTimeLine->actionGeometry(w->Delete1).center());
    QCOMPARE(messages->shown.size(), size_t(1));
    QCOMPARE(messages->shown[0].kind, Messages::Kind::Confirmation);
    QCOMPARE(messages->shown[0].text,
             QStringLiteral("You are about to delete a Shift from the current Schedule for: "
                            "9:00:00 AM-5:00:00 PM Ann Lee (Host) Hours: 8.00\r\n\r\nContinue?"));
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), count);
    QCOMPARE(item(annHost), before);
    QCOMPARE(w->Planner->items().size(), size_t(2));
}

void TestShiftEditing::deleteLastShiftOfTheDay()
{
    openTestSchedule();
    const qint64 count = db->count(QStringLiteral("SCHEDULE"));
    w->Planner->setSelectedItem(item(annHost));
    messages->answers = {true};
    w->Delete1->trigger();
    QCOMPARE(messages->shown.size(), size_t(1));
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), count - 1);
    QCOMPARE(db->count(QStringLiteral("SCHEDULE WHERE SCHEDULEID = %1").arg(annHost)), 0);
    QVERIFY(w->Planner->items().empty());
    QCOMPARE(w->Planner->positions(), 1);
}

void TestShiftEditing::noSelectionNoAction()
{
    openTestSchedule();
    w->Planner->setSelectedItem(nullptr);
    w->Edit1->trigger();
    w->Delete1->trigger();
    w->EditShift(nullptr);
    QVERIFY(messages->shown.empty());
    QCOMPARE(frmAddShift, nullptr);
    QCOMPARE(db->count(QStringLiteral("SCHEDULE WHERE SCHEDULEID = %1").arg(annHost)), 1);
}

void TestShiftEditing::balloonText()
{
    openTestSchedule();
    const QString body = QStringLiteral("Use your mouse to drag the shift to a different time or hover your mouse cursor "
                                        "over the left or right edge to resize the shift");
    QCOMPARE(w->PlannerItemBalloon(item(annHost)), body);
    const QPoint pos = inBar(annHost, Hit::Move);
    QHelpEvent help(QEvent::ToolTip, pos, w->Planner->mapToGlobal(pos));
    QApplication::sendEvent(w->Planner, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(body));
    QVERIFY(QToolTip::text().contains(item(annHost)->CaptionText));
    QToolTip::hideText();
}

QUENDAL_TEST_MAIN(TestShiftEditing)
#include "test_shift_editing.moc"
