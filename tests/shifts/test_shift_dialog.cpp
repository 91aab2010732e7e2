// The shift dialog against real database files made from db/: what it
// offers, what it looks up, and the one statement it writes.

#include "ShiftTestSupport.h"
#include "dialogs/UfrmAddShift.h"
#include "support/TestMain.h"
#include "widgets/LinkLabel.h"
#include "widgets/MoneyEdit.h"
#include "workspace/UfrmSchedule.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTimeEdit>
#include <functional>
#include <memory>

using namespace ShiftTest;

class TestShiftDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void initialState();
    void positionsOfTheEmployee();
    void rateLookedUpOnlyWhenTheUserPicks();
    void nullOrMissingRate_data();
    void nullOrMissingRate();
    void addWritesOneShift_data();
    void addWritesOneShift();
    void editChangesOnlyItsFields();
    void emptyRateKeepsTheDialogOpen_data();
    void emptyRateKeepsTheDialogOpen();
    void missingEmployeeCancels();
    void missingPositionCancels_data();
    void missingPositionCancels();
    void cancelWritesNothing();
    void failedSaveStaysOpenAndSavesTheSameAgain();

private:
    // Shows the dialog as the workspace does and lets drive act as the user.
    int run(TfrmAddShift* dialog, std::function<void(TfrmAddShift&)> drive);
    TfrmAddShift* newShiftDialog(int serverID, QDate day);

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingMessages> messages;
    std::unique_ptr<TfrmSchedule> workspace;
};

namespace {

const QDate Day(2025, 11, 2); // New York's clocks go back that night
constexpr int Ann = 1;   // Host 12.50, Server 11.00
constexpr int Carla = 3; // Cook 16.75
constexpr int Schedule = 1;

void typeRate(TfrmAddShift& d, const QString& text)
{
    d.meRate->clear();
    QTest::keyClicks(d.meRate, text);
}

void save(TfrmAddShift& d)
{
    QTest::mouseClick(d.lblAdd, Qt::LeftButton);
}

} // namespace

void TestShiftDialog::init()
{
    db = std::make_unique<TestDatabase>(TestDatabase::Demo);
    messages = std::make_unique<RecordingMessages>();
    workspace = std::make_unique<TfrmSchedule>();
    frmSchedule = workspace.get();
}

void TestShiftDialog::cleanup()
{
    freeClosedWindows();
    delete frmAddShift;
    workspace.reset();
    messages.reset();
    db.reset();
}

int TestShiftDialog::run(TfrmAddShift* dialog, std::function<void(TfrmAddShift&)> drive)
{
    messages->modals.push_back([drive](QDialog& d) { drive(static_cast<TfrmAddShift&>(d)); });
    return Messages::execModal(*dialog);
}

TfrmAddShift* TestShiftDialog::newShiftDialog(int serverID, QDate day)
{
    auto* d = new TfrmAddShift;
    d->setWindowTitle(QStringLiteral("Add Shift for someone"));
    d->ShiftSchedulerID = Schedule;
    d->ShiftServerID = serverID;
    d->ShiftEndDate = QDateTime(day, QTime(0, 0), Qt::UTC);
    d->ShiftStartDate = d->ShiftEndDate;
    d->FillPositions();
    return d;
}

void TestShiftDialog::initialState()
{
    auto* d = newShiftDialog(Ann, Day);
    QCOMPARE(frmAddShift, d);
    QCOMPARE(d->size(), QSize(332, 210));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QVERIFY(!(d->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
    QVERIFY(d->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(d->AdvToolPanel1->geometry(), d->rect());
    QCOMPARE(d->cboPositions->currentIndex(), -1);
    QCOMPARE(d->meRate->text(), QStringLiteral("0"));
    QCOMPARE(d->dpStart->text(), QStringLiteral("12:00:00 PM"));
    QCOMPARE(d->dpEnd->text(), QStringLiteral("12:00:00 PM"));
    QCOMPARE(d->dpStart->time(), QTime(12, 0));
    QCOMPARE(d->cboClosing->count(), 2);
    QCOMPARE(d->cboClosing->currentText(), QStringLiteral("No"));
    QCOMPARE(d->cboClosing->itemText(1), QStringLiteral("Yes"));
    QCOMPARE(d->lblAdd->text(), QStringLiteral("Save Changes"));
    QCOMPARE(d->lblCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(d->cboPositions->toolTip(), QStringLiteral("Position employee will use during shift"));
    QCOMPARE(d->meRate->toolTip(), QStringLiteral("Enter Employee's Pay Rate Here"));
    QCOMPARE(d->dpStart->toolTip(), QStringLiteral("Shift Start Time"));
    QCOMPARE(d->dpEnd->toolTip(), QStringLiteral("Shift End Time"));
    const QStringList captions{"Position:", "Rate:", "Shift Start:", "Shift End:", "Closing?"};
    const QLabel* labels[] = {d->Label1, d->Label2, d->Label3, d->Label4, d->Label5};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(labels[i]->text(), captions[i]);
        QVERIFY(labels[i]->font().bold());
        QCOMPARE(labels[i]->font().family(), QStringLiteral("Arial"));
        QCOMPARE(labels[i]->font().pointSize(), 8);
        QCOMPARE(labels[i]->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    }
    QCOMPARE(d->cboPositions->palette().color(QPalette::Text), QColor(0, 0, 0x80));
    QVERIFY(!d->cboPositions->isEditable());
    delete d;
    QCOMPARE(frmAddShift, nullptr);
}

void TestShiftDialog::positionsOfTheEmployee()
{
    db->exec(QStringLiteral("INSERT INTO CURRENTPOSITIONS (SERVERID, POSITIONID, POSITIONNAME, RATE) VALUES (1, 5, 'Dishwasher', 9)"));
    std::unique_ptr<TfrmAddShift> d(newShiftDialog(Ann, Day));
    QCOMPARE(d->cboPositions->count(), 3);
    // by name, each carrying its PositionID
    QCOMPARE(d->cboPositions->itemText(0), QStringLiteral("Dishwasher"));
    QCOMPARE(d->cboPositions->itemData(0).toInt(), 5);
    QCOMPARE(d->cboPositions->itemText(1), QStringLiteral("Host"));
    QCOMPARE(d->cboPositions->itemData(1).toInt(), 1);
    QCOMPARE(d->cboPositions->itemText(2), QStringLiteral("Server"));
    QCOMPARE(d->cboPositions->itemData(2).toInt(), 2);
    QCOMPARE(d->meRate->text(), QStringLiteral("0"));
    // a second fill replaces the first
    d->ShiftServerID = Carla;
    d->FillPositions();
    QCOMPARE(d->cboPositions->count(), 1);
    QCOMPARE(d->cboPositions->itemText(0), QStringLiteral("Cook"));
    QCOMPARE(d->cboPositions->currentIndex(), -1);
}

void TestShiftDialog::rateLookedUpOnlyWhenTheUserPicks()
{
    auto* dialog = newShiftDialog(Ann, Day);
    const int result = run(dialog, [](TfrmAddShift& d) {
        // chosen from code, as the edit path does: no look-up
        d.cboPositions->setCurrentIndex(0);
        QCOMPARE(d.meRate->text(), QStringLiteral("0"));
        d.cboPositions->setCurrentIndex(-1);
        pickPosition(d, QStringLiteral("Host"));
        QCOMPARE(d.meRate->text(), QStringLiteral("12.50"));
        // a typed rate gives way to the next pick
        typeRate(d, QStringLiteral("20"));
        pickPosition(d, QStringLiteral("Server"));
        QCOMPARE(d.meRate->text(), QStringLiteral("11.00"));
        d.lblCancelClick();
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(messages->shown.empty());
}

void TestShiftDialog::nullOrMissingRate_data()
{
    QTest::addColumn<QString>("arrange");
    QTest::addColumn<QString>("rate");
    QTest::newRow("null rate") << "UPDATE CURRENTPOSITIONS SET RATE = NULL WHERE SERVERID = 3" << "0.00";
    QTest::newRow("row gone") << "DELETE FROM CURRENTPOSITIONS WHERE SERVERID = 3" << "0.00";
    QTest::newRow("rounded") << "UPDATE CURRENTPOSITIONS SET RATE = 9.995 WHERE SERVERID = 3" << "10.00";
}

void TestShiftDialog::nullOrMissingRate()
{
    QFETCH(QString, arrange);
    QFETCH(QString, rate);
    auto* dialog = newShiftDialog(Carla, Day);
    db->exec(arrange); // after the list was filled
    QString shown;
    run(dialog, [&](TfrmAddShift& d) {
        typeRate(d, QStringLiteral("5"));
        pickPosition(d, QStringLiteral("Cook"));
        shown = d.meRate->text();
        d.lblCancelClick();
    });
    QCOMPARE(shown, rate);
    QVERIFY(messages->shown.empty());
}

void TestShiftDialog::addWritesOneShift_data()
{
    QTest::addColumn<QTime>("startTime");
    QTest::addColumn<QTime>("endTime");
    QTest::addColumn<bool>("closing");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("storedRate");
    QTest::addColumn<QString>("hours");

    QTest::newRow("overnight") << QTime(22, 0) << QTime(6, 0) << true << "12.5"
                               << "11/02/2025 22:00:00" << "11/03/2025 06:00:00" << "12.5" << "8";
    QTest::newRow("equal times") << QTime(12, 0) << QTime(12, 0) << false << "0"
                                 << "11/02/2025 12:00:00" << "11/02/2025 12:00:00" << "0" << "0";
    QTest::newRow("seconds differ") << QTime(10, 0, 30) << QTime(10, 0, 10) << false << "11"
                                    << "11/02/2025 10:00:30" << "11/02/2025 10:00:10" << "11" << "0.0056";
    QTest::newRow("half hours, point last") << QTime(9, 0) << QTime(17, 30) << false << "12."
                                            << "11/02/2025 09:00:00" << "11/02/2025 17:30:00" << "12" << "8.5";
    QTest::newRow("point first") << QTime(16, 15) << QTime(23, 59) << true << ".75"
                                 << "11/02/2025 16:15:00" << "11/02/2025 23:59:00" << "0.75" << "7.7333";
}

void TestShiftDialog::addWritesOneShift()
{
    QFETCH(QTime, startTime);
    QFETCH(QTime, endTime);
    QFETCH(bool, closing);
    QFETCH(QString, rate);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, storedRate);
    QFETCH(QString, hours);

    chooseEmployee(*workspace, Ann, QStringLiteral("Ann Lee"));
    const qint64 before = db->count(QStringLiteral("SCHEDULE"));
    QPointer<TfrmAddShift> dialog = newShiftDialog(Ann, Day);
    const int result = run(dialog, [&](TfrmAddShift& d) {
        pickPosition(d, QStringLiteral("Server"));
        typeRate(d, rate);
        d.dpStart->setTime(startTime);
        d.dpEnd->setTime(endTime);
        if (closing) {
            d.cboClosing->setFocus();
            QTest::keyClick(d.cboClosing, Qt::Key_Down);
        }
        save(d);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(messages->shown.empty());
    freeClosedWindows();
    QVERIFY(!dialog);
    QCOMPARE(frmAddShift, nullptr);

    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), before + 1);
    const Row r = row(*db, lastScheduleID(*db));
    QCOMPARE(r.start, start);
    QCOMPARE(r.end, end);
    QCOMPARE(r.date, QStringLiteral("11/02/2025"));
    QCOMPARE(r.close, closing ? 1 : 0);
    QCOMPARE(r.positionID, 2);
    QCOMPARE(r.schedulerID, Schedule);
    QCOMPARE(r.serverID, Ann);
    QCOMPARE(r.rate, storedRate);
    QCOMPARE(r.hours, hours);
}

void TestShiftDialog::editChangesOnlyItsFields()
{
    db->exec(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, SCHEDULEEND, "
                            "SCHEDULEDATE, SCHEDULECLOSE, RATE, TOTALHOURS) VALUES (7, 1, 1, '10/30/2025 09:00:00', "
                            "'10/30/2025 17:00:00', '10/30/2025', 0, 12.5, 8)"));
    const qint64 id = lastScheduleID(*db);
    const qint64 before = db->count(QStringLiteral("SCHEDULE"));
    // no employee chosen in the list: editing does not need one
    auto* dialog = newShiftDialog(Ann, Day);
    dialog->IsEditing = true;
    dialog->ShiftScheduleID = int(id);
    dialog->ShiftSchedulerID = 99; // read only when adding
    const int result = run(dialog, [](TfrmAddShift& d) {
        pickPosition(d, QStringLiteral("Server"));
        d.dpStart->setTime(QTime(23, 30));
        d.dpEnd->setTime(QTime(7, 45));
        d.cboClosing->setCurrentIndex(1);
        typeRate(d, QStringLiteral("14.25"));
        save(d);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(messages->shown.empty());
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), before);
    const Row r = row(*db, id);
    QCOMPARE(r.start, QStringLiteral("11/02/2025 23:30:00"));
    QCOMPARE(r.end, QStringLiteral("11/03/2025 07:45:00"));
    QCOMPARE(r.hours, QStringLiteral("8.25"));
    QCOMPARE(r.close, 1);
    QCOMPARE(r.positionID, 2);
    QCOMPARE(r.rate, QStringLiteral("14.25"));
    // the schedule, the employee and the shift's date stay
    QCOMPARE(r.schedulerID, 7);
    QCOMPARE(r.serverID, Ann);
    QCOMPARE(r.date, QStringLiteral("10/30/2025"));
}

void TestShiftDialog::emptyRateKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("rate");
    QTest::newRow("emptied") << "";
    QTest::newRow("only the point") << ".";
}

void TestShiftDialog::emptyRateKeepsTheDialogOpen()
{
    QFETCH(QString, rate);
    // no employee either: the rate is checked first
    const qint64 before = db->count(QStringLiteral("SCHEDULE"));
    auto* dialog = newShiftDialog(Ann, Day);
    bool stayed = false;
    run(dialog, [&](TfrmAddShift& d) {
        pickPosition(d, QStringLiteral("Host"));
        d.dpStart->setTime(QTime(8, 0));
        typeRate(d, rate);
        QCOMPARE(d.meRate->text(), rate);
        save(d);
        stayed = d.isVisible() && d.result() == 0;
        QCOMPARE(d.cboPositions->currentText(), QStringLiteral("Host"));
        QCOMPARE(d.dpStart->time(), QTime(8, 0));
        QCOMPARE(d.meRate->text(), rate);
        d.lblCancelClick();
    });
    QVERIFY(stayed);
    QCOMPARE(messages->errors(), QStringList{QStringLiteral("Please enter a rate of at least zero (0).")});
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), before);
}

void TestShiftDialog::missingEmployeeCancels()
{
    const qint64 before = db->count(QStringLiteral("SCHEDULE"));
    const int result = run(newShiftDialog(Ann, Day), [](TfrmAddShift& d) {
        pickPosition(d, QStringLiteral("Host"));
        save(d);
        QVERIFY(!d.isVisible());
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(messages->errors(), QStringList{QStringLiteral("Please select an employee from the Employee List")});
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), before);
    freeClosedWindows();
    QCOMPARE(frmAddShift, nullptr);
}

void TestShiftDialog::missingPositionCancels_data()
{
    QTest::addColumn<bool>("editing");
    QTest::newRow("adding") << false;
    // the shift's position is no longer among the employee's
    QTest::newRow("editing") << true;
}

void TestShiftDialog::missingPositionCancels()
{
    QFETCH(bool, editing);
    chooseEmployee(*workspace, Ann, QStringLiteral("Ann Lee"));
    const qint64 id = lastScheduleID(*db);
    const Row before = row(*db, id);
    const qint64 count = db->count(QStringLiteral("SCHEDULE"));
    auto* dialog = newShiftDialog(Ann, Day);
    dialog->IsEditing = editing;
    dialog->ShiftScheduleID = int(id);
    const int result = run(dialog, [](TfrmAddShift& d) {
        d.cboPositions->setCurrentIndex(d.cboPositions->findData(4)); // none
        typeRate(d, QStringLiteral("9"));
        save(d);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(messages->errors(), QStringList{QStringLiteral("Please select a Position")});
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), count);
    const Row after = row(*db, id);
    QCOMPARE(after.start, before.start);
    QCOMPARE(after.rate, before.rate);
}

void TestShiftDialog::cancelWritesNothing()
{
    chooseEmployee(*workspace, Ann, QStringLiteral("Ann Lee"));
    const qint64 before = db->count(QStringLiteral("SCHEDULE"));
    const int result = run(newShiftDialog(Ann, Day), [](TfrmAddShift& d) {
        pickPosition(d, QStringLiteral("Host"));
        d.dpEnd->setTime(QTime(18, 0));
        QTest::mouseClick(d.lblCancel, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(messages->shown.empty());
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), before);
}

void TestShiftDialog::failedSaveStaysOpenAndSavesTheSameAgain()
{
    chooseEmployee(*workspace, Ann, QStringLiteral("Ann Lee"));
    const qint64 before = db->count(QStringLiteral("SCHEDULE"));
    const int result = run(newShiftDialog(Ann, Day), [&](TfrmAddShift& d) {
        pickPosition(d, QStringLiteral("Host"));
        d.dpStart->setTime(QTime(21, 0));
        d.dpEnd->setTime(QTime(1, 30));
        // more than the column holds, which the box itself would not take:
        // the database refuses the statement
        d.meRate->setText(QStringLiteral("9999999999999999"));
        save(d);
        QVERIFY(d.isVisible());
        QCOMPARE(messages->errors().size(), 1);
        typeRate(d, QStringLiteral("13"));
        save(d);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(db->count(QStringLiteral("SCHEDULE")), before + 1);
    const Row r = row(*db, lastScheduleID(*db));
    QCOMPARE(r.start, QStringLiteral("11/02/2025 21:00:00"));
    QCOMPARE(r.end, QStringLiteral("11/03/2025 01:30:00"));
    QCOMPARE(r.hours, QStringLiteral("4.5"));
    QCOMPARE(r.rate, QStringLiteral("13"));
}

QUENDAL_TEST_MAIN(TestShiftDialog)
#include "test_shift_dialog.moc"
