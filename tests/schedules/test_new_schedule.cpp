// The new schedule dialog and the workspace's schedule commands (new,
// delete, reset) as a user drives them, against real database files.

#include "app/ProgramErrors.h"
#include "dialogs/CalPanel.h"
#include "dialogs/UfrmNew.h"
#include "Faults.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/LinkLabel.h"
#include "widgets/Planner.h"
#include "workspace/UfrmSchedule.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTextCharFormat>
#include <QToolButton>
#include <functional>
#include <memory>

namespace {

const QString resetQuestion = QStringLiteral(
    "You are about to delete all employees from the database.  You should only perform this action if you would "
    "like to clear the database for use.  This will delete all employees from the database as well as any "
    "schedules that have been created.  Positions will not be deleted.  These, you will have to delete manually.");

// A shop database, the workspace on it, and the boxes it shows.
struct Shop {
    explicit Shop(TestDatabase::Contents contents = TestDatabase::Demo) : db(contents)
    {
        w = std::make_unique<TfrmSchedule>();
        frmSchedule = w.get();
    }
    ~Shop()
    {
        delete frmNew;
        w.reset();
        frmSchedule = nullptr;
    }

    // Opens the listed schedule with this id, as a pick in the chooser does.
    void open(int id)
    {
        for (int row = 0; row < w->ccboSchedules->count(); ++row)
            if (w->ccboSchedules->tag(row) == id) {
                w->ccboSchedules->setCurrentIndex(row);
                w->ccboSchedulesChange();
            }
        QCOMPARE(w->CurrentScheduleID, id);
    }

    // "New Schedule", then drive the dialog; true when it closed itself.
    bool runNewDialog(const std::function<void(TfrmNew&)>& drive)
    {
        bool closed = false;
        messages.modals.push_back([&](QDialog& d) {
            auto* dialog = qobject_cast<TfrmNew*>(&d);
            QVERIFY(dialog);
            QCOMPARE(frmNew, dialog);
            QPointer<TfrmNew> alive(dialog);
            drive(*dialog);
            closed = !alive || !alive->isVisible();
        });
        w->lblNewScheduleClick();
        if (!closed)
            delete frmNew;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }

    qint64 schedules() { return db.count(QStringLiteral("SCHEDULER")); }
    qint64 shifts() { return db.count(QStringLiteral("SCHEDULE")); }
    QDate demoStart() { return db.scalar(QStringLiteral("SELECT SCHEDULER_START FROM SCHEDULER WHERE SCHEDULER_ID = 1")).asDate(); }

    TestDatabase db;
    RecordingMessages messages;
    std::unique_ptr<TfrmSchedule> w;
};

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

class TestNewSchedule : public QObject {
    Q_OBJECT
private slots:
    void dialogAsBuilt();
    void calendarsAsConfigured();
    void turningStartMonthMovesEnd_data();
    void turningStartMonthMovesEnd();
    void leftOnlyThroughLinks();
    void cancelWritesNothing();
    void blankRefused_data();
    void blankRefused();
    void blankCreatedAndOpened_data();
    void blankCreatedAndOpened();
    void blankDuplicateNameOpensNewOne();
    void templateRefused_data();
    void templateRefused();
    void templateCopiedAndOpened();
    void oneDayTemplateClosesDialog();
    void templateWithoutShiftsOpened();
    void failureMidCopyLeavesNothing();
    void deleteWithoutSelectionDoesNothing();
    void deleteAnsweredNoChangesNothing();
    void deleteRemovesScheduleAndShifts();
    void failedDeleteLeavesEverything();
    void resetAnsweredNoChangesNothing();
    void resetEmptiesEmployeesAndSchedules();
    void failedResetLeavesEverything();
};

void TestNewSchedule::dialogAsBuilt()
{
    Shop shop;
    shop.runNewDialog([](TfrmNew& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("New Schedule"));
        QVERIFY(!(d.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint
                                     | Qt::WindowContextHelpButtonHint | Qt::WindowSystemMenuHint)));
        QVERIFY(d.windowFlags() & Qt::CustomizeWindowHint);
        QCOMPARE(d.AdvToolPanel1->title(), QStringLiteral("Create New Schedule"));
        QCOMPARE(d.Label3->text(), QStringLiteral("New Schedule Name"));
        QCOMPARE(d.eName->text(), QStringLiteral("New Schedule"));
        QCOMPARE(d.Label5->text(), QStringLiteral("Start"));
        QCOMPARE(d.Label6->text(), QStringLiteral("End"));
        QCOMPARE(d.lblBlank->text(), QStringLiteral("New Blank Schedule"));
        QCOMPARE(d.lblTemplate->text(), QStringLiteral("Use Current Schedule as Template"));
        QCOMPARE(d.Label4->text(), QStringLiteral("Cancel"));
        QCOMPARE(d.CalPanStart->date(), QDate::currentDate());
        QCOMPARE(d.CalPanEnd->date(), QDate::currentDate());
        for (TLinkLabel* l : {d.lblBlank, d.lblTemplate, d.Label4}) {
            QVERIFY(l->font().underline());
            QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(l->textColor(), QColor::fromRgb(TLinkLabel::normalColor));
        }
        for (QWidget* w : {static_cast<QWidget*>(d.Label3), static_cast<QWidget*>(d.CalPanEnd),
                           static_cast<QWidget*>(d.lblTemplate), static_cast<QWidget*>(d.Label4)})
            QVERIFY(d.AdvToolPanel1->isAncestorOf(w));
        const QPoint centre = d.screen()->availableGeometry().center();
        QVERIFY((d.frameGeometry().center() - centre).manhattanLength() < 8);
    });
    QCOMPARE(shop.schedules(), 1);
}

void TestNewSchedule::calendarsAsConfigured()
{
    TCalPanel cal;
    cal.setDate(QDate(2026, 7, 3));
    cal.show();
    QCOMPARE(cal.firstDayOfWeek(), Qt::Monday);
    QCOMPARE(cal.verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
    QVERIFY(cal.isNavigationBarVisible());
    for (auto day : {Qt::Saturday, Qt::Sunday})
        QCOMPARE(cal.weekdayTextFormat(day).foreground().color(), QColor::fromRgb(TCalPanel::weekendColor));
    QVERIFY(cal.weekdayTextFormat(Qt::Friday).foreground().color() != QColor::fromRgb(TCalPanel::weekendColor));
    QStringList days;
    for (int d = 1; d <= 7; ++d)
        days << TCalPanel::dayName(d);
    QCOMPARE(days.join(u' '), QStringLiteral("Mo Tu We Th Fr Sa Su"));

    // month names on the button and in its menu, also after a turn of the page
    QVERIFY(cal.monthButton());
    QCOMPARE(cal.monthButton()->text(), QStringLiteral("Jul"));
    QStringList months;
    for (QAction* a : cal.monthButton()->menu()->actions())
        months << a->text();
    QCOMPARE(months.join(u' '), QStringLiteral("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec"));
    cal.monthButton()->menu()->actions().at(8)->trigger(); // picking a month
    QCOMPARE(cal.monthButton()->text(), QStringLiteral("Sep"));
    QCOMPARE(cal.date(), QDate(2026, 9, 3));

    // the chosen day is drawn teal with white text
    const QImage shot = cal.grab().toImage();
    QVERIFY(shot.pixelColor(2, 2).isValid());
    int teal = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            teal += shot.pixelColor(x, y).rgb() == QColor::fromRgb(TCalPanel::selectedColor).rgb();
    QVERIFY2(teal > 100, qPrintable(QString::number(teal)));
}

void TestNewSchedule::turningStartMonthMovesEnd_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QDate>("newStart");
    QTest::addColumn<QDate>("newEnd");
    QTest::newRow("to a shorter month") << QDate(2026, 1, 31) << QDate(2026, 3, 15) << QDate(2026, 2, 28)
                                        << QDate(2026, 2, 15);
    QTest::newRow("end keeps its day") << QDate(2026, 7, 1) << QDate(2026, 7, 31) << QDate(2026, 8, 1)
                                       << QDate(2026, 8, 31);
    QTest::newRow("end keeps its year") << QDate(2026, 12, 28) << QDate(2027, 1, 3) << QDate(2027, 1, 28)
                                        << QDate(2027, 1, 3);
    QTest::newRow("end in another year") << QDate(2026, 12, 28) << QDate(2026, 12, 31) << QDate(2027, 1, 28)
                                         << QDate(2026, 1, 31);
}

void TestNewSchedule::turningStartMonthMovesEnd()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    Shop shop;
    shop.runNewDialog([&](TfrmNew& d) {
        d.CalPanStart->setDate(start);
        d.CalPanEnd->setDate(end);
        auto* next = d.CalPanStart->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
        QVERIFY(next);
        click(next);
        QTEST(d.CalPanStart->date(), "newStart");
        QTEST(d.CalPanEnd->date(), "newEnd");
        QCOMPARE(d.CalPanEnd->month(), d.CalPanEnd->date().month());
    });
}

void TestNewSchedule::leftOnlyThroughLinks()
{
    Shop shop;
    const bool closed = shop.runNewDialog([](TfrmNew& d) {
        QTest::keyClick(d.eName, Qt::Key_Escape);
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        QVERIFY(frmNew);
    });
    QVERIFY(!closed);
    QVERIFY(!frmNew);
}

void TestNewSchedule::cancelWritesNothing()
{
    Shop shop;
    QPointer<TfrmNew> dialog;
    const bool closed = shop.runNewDialog([&](TfrmNew& d) {
        dialog = &d;
        d.eName->setText(QStringLiteral("Never made"));
        click(d.Label4);
    });
    QVERIFY(closed);
    QVERIFY(!frmNew);
    QVERIFY(!dialog); // freed
    QCOMPARE(shop.schedules(), 1);
    QVERIFY(shop.messages.shown.empty());
    QCOMPARE(shop.w->CurrentScheduleID, 0);
}

void TestNewSchedule::blankRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("endAfterStart");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty name") << QString() << 3 << QStringLiteral("No Name Provided.");
    QTest::newRow("empty name, dates wrong too") << QString() << -1 << QStringLiteral("No Name Provided.");
    QTest::newRow("end before start") << QStringLiteral("Week") << -1
                                      << QStringLiteral("Starting Date cannot be after Ending Date");
}

void TestNewSchedule::blankRefused()
{
    QFETCH(QString, name);
    QFETCH(int, endAfterStart);
    QFETCH(QString, message);
    Shop shop;
    const QDate start(2026, 7, 10);
    const bool closed = shop.runNewDialog([&](TfrmNew& d) {
        d.eName->setText(name);
        d.CalPanStart->setDate(start);
        d.CalPanEnd->setDate(start.addDays(endAfterStart));
        click(d.lblBlank);
        QCOMPARE(shop.messages.errors(), QStringList{message});
        // left open with the input as it was
        QCOMPARE(d.eName->text(), name);
        QCOMPARE(d.CalPanStart->date(), start);
        QCOMPARE(d.CalPanEnd->date(), start.addDays(endAfterStart));
    });
    QVERIFY(!closed);
    QCOMPARE(shop.schedules(), 1);
    QCOMPARE(shop.db.scalar(QStringLiteral("SELECT GEN_ID(GEN_SCHEDULER_ID, 0) FROM RDB$DATABASE")).asInteger(), 1);
}

void TestNewSchedule::blankCreatedAndOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::newRow("one day") << QStringLiteral("Saturday") << QDate(2026, 7, 11) << QDate(2026, 7, 11);
    QTest::newRow("apostrophe") << QStringLiteral("Chef's week") << QDate(2026, 7, 6) << QDate(2026, 7, 12);
}

void TestNewSchedule::blankCreatedAndOpened()
{
    QFETCH(QString, name);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    Shop shop;
    const bool closed = shop.runNewDialog([&](TfrmNew& d) {
        d.eName->setText(name);
        d.CalPanStart->setDate(start);
        d.CalPanEnd->setDate(end);
        click(d.lblBlank);
    });
    QVERIFY(closed);
    QVERIFY(!frmNew);
    QVERIFY(shop.messages.shown.empty());
    const auto r = shop.db.rows(QStringLiteral("SELECT SCHEDULER_ID, SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END "
                                               "FROM SCHEDULER WHERE SCHEDULER_ID <> 1"));
    QCOMPARE(r.size(), size_t(1));
    QCOMPARE(r[0][0].asInteger(), 2);
    QCOMPARE(r[0][1].asString(), name);
    QCOMPARE(r[0][2].asDate(), start);
    QCOMPARE(r[0][3].asDate(), end);
    // the new schedule is the open one
    QCOMPARE(shop.w->CurrentScheduleID, 2);
    QCOMPARE(shop.w->ccboSchedules->currentTag(), 2);
    QCOMPARE(shop.w->ccboSchedules->currentColumnText(0), name);
    QCOMPARE(shop.w->CurrentScheduleStart.date(), start);
    QCOMPARE(shop.w->CurrentScheduleEnd.date(), end);
}

void TestNewSchedule::blankDuplicateNameOpensNewOne()
{
    Shop shop;
    // a later "Demo Week": the list, ordered by start, shows the demo's first
    const QDate start = shop.demoStart().addDays(14);
    shop.runNewDialog([&](TfrmNew& d) {
        d.eName->setText(QStringLiteral("Demo Week"));
        d.CalPanStart->setDate(start);
        d.CalPanEnd->setDate(start.addDays(6));
        click(d.lblBlank);
    });
    QCOMPARE(shop.schedules(), 2);
    QCOMPARE(shop.w->ccboSchedules->currentIndex(), 1);
    QCOMPARE(shop.w->CurrentScheduleID, 2);
    QCOMPARE(shop.w->CurrentScheduleStart.date(), start);
}

void TestNewSchedule::templateRefused_data()
{
    QTest::addColumn<bool>("openOne");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("none open") << false << QStringLiteral("Copy")
                               << QStringLiteral("No current schedule is loaded.  Cannot continue.");
    QTest::newRow("none open, no name") << false << QString()
                                        << QStringLiteral("No current schedule is loaded.  Cannot continue.");
    QTest::newRow("no name") << true << QString() << QStringLiteral("No Name Provided.");
}

void TestNewSchedule::templateRefused()
{
    QFETCH(bool, openOne);
    QFETCH(QString, name);
    QFETCH(QString, message);
    Shop shop;
    if (openOne)
        shop.open(1);
    const qint64 shifts = shop.shifts();
    const bool closed = shop.runNewDialog([&](TfrmNew& d) {
        d.eName->setText(name);
        click(d.lblTemplate);
        QCOMPARE(shop.messages.errors(), QStringList{message});
        QCOMPARE(d.eName->text(), name);
    });
    QVERIFY(!closed);
    QCOMPARE(shop.schedules(), 1);
    QCOMPARE(shop.shifts(), shifts);
}

void TestNewSchedule::templateCopiedAndOpened()
{
    Shop shop;
    shop.open(1);
    const QDate start = shop.demoStart();
    const qint64 shifts = shop.db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = 1"));
    const bool closed = shop.runNewDialog([&](TfrmNew& d) {
        d.eName->setText(QStringLiteral("Demo Week")); // the same name as the template's
        d.CalPanStart->setDate(start.addDays(7));
        d.CalPanEnd->setDate(start.addDays(-30)); // plays no part here
        click(d.lblTemplate);
    });
    QVERIFY(closed);
    QVERIFY(!frmNew);
    QVERIFY(shop.messages.errors().isEmpty());
    QCOMPARE(shop.schedules(), 2);
    const auto h = shop.db.rows(QStringLiteral("SELECT SCHEDULER_START, SCHEDULER_END FROM SCHEDULER WHERE SCHEDULER_ID = 2"));
    QCOMPARE(h.size(), size_t(1));
    QCOMPARE(h[0][0].asDate(), start.addDays(7));
    QCOMPARE(h[0][1].asDate(), start.addDays(13));
    QCOMPARE(shop.db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = 2")), shifts);
    // the copy is open, not the template of the same name
    QCOMPARE(shop.w->CurrentScheduleID, 2);
    QCOMPARE(shop.w->ccboSchedules->currentTag(), 2);
    QCOMPARE(shop.w->CurrentScheduleStart.date(), start.addDays(7));
}

void TestNewSchedule::oneDayTemplateClosesDialog()
{
    Shop shop;
    shop.db.exec(QStringLiteral("UPDATE SCHEDULER SET SCHEDULER_END = SCHEDULER_START"));
    shop.w->FillScheduleList();
    shop.open(1);
    const qint64 shifts = shop.shifts();
    const bool closed = shop.runNewDialog([&](TfrmNew& d) {
        d.CalPanStart->setDate(QDate(2026, 8, 1));
        click(d.lblTemplate);
    });
    QVERIFY(closed);
    QVERIFY(shop.messages.shown.empty());
    QCOMPARE(shop.schedules(), 1);
    QCOMPARE(shop.shifts(), shifts);
    QCOMPARE(shop.w->CurrentScheduleID, 1);
}

void TestNewSchedule::templateWithoutShiftsOpened()
{
    Shop shop;
    shop.db.exec(QStringLiteral("DELETE FROM SCHEDULE"));
    shop.open(1);
    const bool closed = shop.runNewDialog([&](TfrmNew& d) {
        d.eName->setText(QStringLiteral("Empty copy"));
        d.CalPanStart->setDate(QDate(2026, 8, 3));
        click(d.lblTemplate);
    });
    QVERIFY(closed);
    QCOMPARE(shop.w->CurrentScheduleID, 2);
    QCOMPARE(shop.w->CurrentScheduleEnd.date(), QDate(2026, 8, 9));
    QCOMPARE(shop.shifts(), 0);
    QVERIFY(shop.w->Planner->items().empty());
}

void TestNewSchedule::failureMidCopyLeavesNothing()
{
    Shop shop;
    shop.db.exec(QStringLiteral("UPDATE SCHEDULE SET SERVERID = 999 WHERE SCHEDULEID = "
                                "(SELECT MAX(SCHEDULEID) FROM SCHEDULE WHERE SCHEDULEID < (SELECT MAX(SCHEDULEID) FROM SCHEDULE))"));
    refuse(shop.db, QStringLiteral("BEFORE INSERT"), QStringLiteral("SCHEDULE"), QStringLiteral("NEW.SERVERID = 999"));
    shop.open(1);
    const qint64 shifts = shop.shifts();
    const bool closed = shop.runNewDialog([&](TfrmNew& d) {
        d.eName->setText(QStringLiteral("Copy"));
        click(d.lblTemplate);
    });
    QCOMPARE(shop.messages.errors().size(), 1);
    QVERIFY(shop.messages.errors().front().contains(QStringLiteral("refused by the test")));
    QVERIFY(!closed); // the failure ends the handler before it closes the dialog
    QCOMPARE(shop.schedules(), 1);
    QCOMPARE(shop.shifts(), shifts);
    QCOMPARE(shop.w->CurrentScheduleID, 1);
    QCOMPARE(shop.w->ccboSchedules->count(), 1);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestNewSchedule::deleteWithoutSelectionDoesNothing()
{
    Shop shop;
    QCOMPARE(shop.w->ccboSchedules->currentIndex(), -1);
    shop.w->lblDeleteClick();
    QVERIFY(shop.messages.shown.empty());
    QCOMPARE(shop.schedules(), 1);
}

void TestNewSchedule::deleteAnsweredNoChangesNothing()
{
    Shop shop;
    shop.open(1);
    const qint64 shifts = shop.shifts();
    const auto items = shop.w->Planner->items().size();
    shop.messages.answers = {false};
    shop.w->lblDeleteClick();
    QCOMPARE(shop.messages.shown.size(), size_t(1));
    QCOMPARE(shop.messages.shown[0].kind, Messages::Kind::Confirmation);
    QCOMPARE(shop.messages.shown[0].text,
             QStringLiteral("You are about to delete the scheduled, Demo Week (%1).  Are you want to continue?")
                 .arg(shop.w->ccboSchedules->currentColumnText(1)));
    QCOMPARE(shop.schedules(), 1);
    QCOMPARE(shop.shifts(), shifts);
    QCOMPARE(shop.w->CurrentScheduleID, 1);
    QCOMPARE(shop.w->Planner->items().size(), items);
}

void TestNewSchedule::deleteRemovesScheduleAndShifts()
{
    Shop shop;
    shop.db.exec(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END) "
                                "VALUES (5, 'Kept', '01/05/2026', '01/11/2026')"));
    shop.db.exec(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, SCHEDULEEND, "
                                "SCHEDULEDATE) VALUES (5, 1, 1, '01/05/2026 09:00:00', '01/05/2026 17:00:00', '01/05/2026')"));
    shop.w->FillScheduleList();
    shop.open(1);
    QVERIFY(!shop.w->Planner->items().empty());
    shop.w->lblDeleteClick();
    QCOMPARE(shop.messages.shown.size(), size_t(1));
    QCOMPARE(shop.db.count(QStringLiteral("SCHEDULER WHERE SCHEDULER_ID = 1")), 0);
    QCOMPARE(shop.db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = 1")), 0);
    QCOMPARE(shop.shifts(), 1);
    QCOMPARE(shop.w->CurrentScheduleID, 0);
    QVERIFY(shop.w->Planner->items().empty());
    QCOMPARE(shop.w->Planner->positions(), 1);
    QCOMPARE(shop.w->ccboSchedules->count(), 1);
    QCOMPARE(shop.w->ccboSchedules->currentIndex(), -1);
}

void TestNewSchedule::failedDeleteLeavesEverything()
{
    Shop shop;
    refuse(shop.db, QStringLiteral("BEFORE DELETE"), QStringLiteral("SCHEDULE"), QStringLiteral("1 = 1"));
    shop.open(1);
    const qint64 shifts = shop.shifts();
    ProgramErrors::run([&] { shop.w->lblDeleteClick(); });
    QCOMPARE(shop.messages.errors().size(), 1);
    QVERIFY(shop.messages.errors().front().contains(QStringLiteral("refused by the test")));
    QCOMPARE(shop.schedules(), 1);
    QCOMPARE(shop.shifts(), shifts);
    QCOMPARE(shop.w->CurrentScheduleID, 1);
}

void TestNewSchedule::resetAnsweredNoChangesNothing()
{
    Shop shop;
    shop.open(1);
    shop.messages.answers = {false};
    shop.w->Label8Click();
    QCOMPARE(shop.messages.texts(), QStringList{resetQuestion});
    QCOMPARE(shop.messages.shown[0].kind, Messages::Kind::Confirmation);
    QCOMPARE(shop.db.count(QStringLiteral("SERVERS")), 10);
    QCOMPARE(shop.schedules(), 1);
    QCOMPARE(shop.w->CurrentScheduleID, 1);
    QCOMPARE(shop.w->ccboSchedules->count(), 1);
}

void TestNewSchedule::resetEmptiesEmployeesAndSchedules()
{
    Shop shop;
    const qint64 assignments = shop.db.count(QStringLiteral("CURRENTPOSITIONS"));
    shop.open(1);
    QVERIFY(shop.w->lbEmps->count() > 0);
    const int rows = shop.w->Planner->positions();
    shop.w->Label8Click();
    QCOMPARE(shop.messages.texts(), QStringList{resetQuestion});
    QCOMPARE(shop.db.count(QStringLiteral("SERVERS")), 0);
    QCOMPARE(shop.schedules(), 0);
    QCOMPARE(shop.shifts(), 0);
    QCOMPARE(shop.db.count(QStringLiteral("CURRENTPOSITIONS")), assignments);
    QCOMPARE(shop.db.count(QStringLiteral("POSITIONS")), 5);
    QCOMPARE(shop.w->ccboSchedules->count(), 0);
    QCOMPARE(shop.w->lbEmps->count(), 0);
    QVERIFY(shop.w->Planner->items().empty());
    QCOMPARE(shop.w->Planner->positions(), rows);
    QCOMPARE(shop.w->CurrentScheduleID, 0);
}

void TestNewSchedule::failedResetLeavesEverything()
{
    Shop shop;
    refuse(shop.db, QStringLiteral("BEFORE DELETE"), QStringLiteral("SCHEDULER"), QStringLiteral("1 = 1"));
    const qint64 shifts = shop.shifts();
    ProgramErrors::run([&] { shop.w->Label8Click(); });
    QCOMPARE(shop.messages.errors().size(), 1);
    QVERIFY(shop.messages.errors().front().contains(QStringLiteral("refused by the test")));
    QCOMPARE(shop.db.count(QStringLiteral("SERVERS")), 10);
    QCOMPARE(shop.schedules(), 1);
    QCOMPARE(shop.shifts(), shifts);
    QCOMPARE(shop.w->ccboSchedules->count(), 1);
}

QUENDAL_TEST_MAIN(TestNewSchedule)
#include "test_new_schedule.moc"
