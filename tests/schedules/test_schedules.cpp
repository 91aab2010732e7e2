// Creating, copying, deleting schedules and clearing the database, against
// real database files; failures are forced by triggers in the test's own file.

#include "data/FbError.h"
#include "dialogs/Schedules.h"
#include "Faults.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

namespace {

QDateTime at(int y, int m, int d, int h, int min, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s), Qt::UTC);
}

// A schedule as the program makes them: its id from the generator.
void addSchedule(TestDatabase& db, int id, const QString& name, const QString& start, const QString& end)
{
    db.exec(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END) "
                           "VALUES (%1, '%2', '%3', '%4')").arg(id).arg(name, start, end));
    db.exec(QStringLiteral("SET GENERATOR GEN_SCHEDULER_ID TO %1").arg(id));
}

// The values are SQL text, so that NULL can be given.
void addShift(TestDatabase& db, int schedulerId, const QString& server, const QString& start, const QString& end,
              const QString& date, const QString& close = QStringLiteral("0"),
              const QString& position = QStringLiteral("3"), const QString& rate = QStringLiteral("15.5"),
              const QString& hours = QStringLiteral("6.5"))
{
    db.exec(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, SCHEDULESTART, SCHEDULEEND, SCHEDULEDATE, "
                           "SCHEDULECLOSE, POSITIONID, RATE, TOTALHOURS) VALUES (%1, %2, %3, %4, %5, %6, %7, %8, %9)")
                .arg(schedulerId).arg(server, start, end, date, close, position, rate, hours));
}

// The schedule's one shift as text: its columns joined by "|", NULL for a null.
QString shiftText(TestDatabase& db, int schedulerId)
{
    const auto r = db.rows(QStringLiteral("SELECT SERVERID, SCHEDULESTART, SCHEDULEEND, SCHEDULECLOSE, SCHEDULEDATE, "
                                          "POSITIONID, RATE, TOTALHOURS FROM SCHEDULE WHERE SCHEDULER_ID = %1")
                               .arg(schedulerId));
    if (r.size() != 1)
        return QStringLiteral("%1 shifts").arg(r.size());
    QStringList out;
    for (const FbValue& v : r.front()) {
        if (v.isNull())
            out << QStringLiteral("NULL");
        else if (std::holds_alternative<QDateTime>(v.variant()))
            out << v.asDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        else if (std::holds_alternative<QDate>(v.variant()))
            out << v.asDate().toString(Qt::ISODate);
        else
            out << v.asString();
    }
    return out.join(u'|');
}

} // namespace

class TestSchedules : public QObject {
    Q_OBJECT
private slots:
    void blankScheduleStored_data();
    void blankScheduleStored();
    void movedShift_data();
    void movedShift();
    void plainValues();
    void templateCopiedToNewStart();
    void oneShiftCopied_data();
    void oneShiftCopied();
    void templateWithoutShifts();
    void oneDayTemplateCreatesNothing();
    void missingTemplateCreatesNothing();
    void everyShiftCopiedWhateverItsDate();
    void failureMidCopyLeavesNoNewRows();
    void removeTakesHeaderAndShifts();
    void failedRemoveLeavesEverything();
    void resetKeepsPositions();
    void failedResetLeavesEverything();
};

void TestSchedules::blankScheduleStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::newRow("one day") << QStringLiteral("Sunday only") << QDate(2026, 3, 8) << QDate(2026, 3, 8);
    QTest::newRow("a week") << QStringLiteral("Week 10") << QDate(2026, 3, 2) << QDate(2026, 3, 8);
    QTest::newRow("apostrophe") << QStringLiteral("O'Brien's week") << QDate(2026, 7, 1) << QDate(2026, 7, 7);
}

void TestSchedules::blankScheduleStored()
{
    QFETCH(QString, name);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    TestDatabase db(TestDatabase::Demo);
    const int id = Schedules::createBlank(name, start, end);
    QCOMPARE(id, 2); // the demo's generator stands at 1
    const auto r = db.rows(QStringLiteral("SELECT SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END FROM SCHEDULER "
                                          "WHERE SCHEDULER_ID = 2"));
    QCOMPARE(r.size(), size_t(1));
    QCOMPARE(r[0][0].asString(), name);
    QCOMPARE(r[0][1].asDate(), start);
    QCOMPARE(r[0][2].asDate(), end);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = 2")), 0);
    QCOMPARE(Schedules::createBlank(name, start, end), 3);
}

void TestSchedules::movedShift_data()
{
    QTest::addColumn<QDate>("shiftDate");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDateTime>("newStart");
    QTest::addColumn<QDateTime>("newEnd");
    // template from 1 July 2026, copy from 1 August 2026
    QTest::newRow("evening") << QDate(2026, 7, 3) << at(2026, 7, 3, 17, 0) << at(2026, 7, 3, 23, 30)
                             << QDate(2026, 8, 3) << at(2026, 8, 3, 17, 0) << at(2026, 8, 3, 23, 30);
    QTest::newRow("seconds") << QDate(2026, 7, 1) << at(2026, 7, 1, 9, 15, 40) << at(2026, 7, 1, 17, 0, 59)
                             << QDate(2026, 8, 1) << at(2026, 8, 1, 9, 15) << at(2026, 8, 1, 17, 0);
    QTest::newRow("overnight") << QDate(2026, 7, 7) << at(2026, 7, 7, 22, 0) << at(2026, 7, 8, 6, 30)
                               << QDate(2026, 8, 7) << at(2026, 8, 7, 22, 0) << at(2026, 8, 8, 6, 30);
    QTest::newRow("to midnight") << QDate(2026, 7, 2) << at(2026, 7, 2, 18, 0) << at(2026, 7, 3, 0, 0)
                                 << QDate(2026, 8, 2) << at(2026, 8, 2, 18, 0) << at(2026, 8, 3, 0, 0);
    QTest::newRow("before the start") << QDate(2026, 6, 29) << at(2026, 6, 29, 8, 0) << at(2026, 6, 29, 12, 0)
                                      << QDate(2026, 8, 3) << at(2026, 8, 3, 8, 0) << at(2026, 8, 3, 12, 0);
    QTest::newRow("no times") << QDate(2026, 7, 4) << QDateTime() << QDateTime()
                              << QDate(2026, 8, 4) << QDateTime() << QDateTime();
}

void TestSchedules::movedShift()
{
    QFETCH(QDate, shiftDate);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    const auto m = Schedules::moveShift(QDate(2026, 7, 1), QDate(2026, 8, 1), shiftDate, start, end);
    QTEST(m.date, "date");
    QTEST(m.start, "newStart");
    QTEST(m.end, "newEnd");
}

void TestSchedules::plainValues()
{
    QCOMPARE(Schedules::plain(FbValue()), QStringLiteral("NULL"));
    QCOMPARE(Schedules::plain(FbValue(42)), QStringLiteral("42"));
    QCOMPARE(Schedules::plain(FbValue(FbValue::Scaled{125000, -4})), QStringLiteral("12.5"));
    QCOMPARE(Schedules::plain(FbValue(FbValue::Scaled{-5, -4})), QStringLiteral("-0.0005"));
}

void TestSchedules::templateCopiedToNewStart()
{
    TestDatabase db;
    addSchedule(db, 7, QStringLiteral("July week"), QStringLiteral("07/01/2026"), QStringLiteral("07/07/2026"));
    addShift(db, 7, QStringLiteral("4"), QStringLiteral("'07/03/2026 17:00:00'"), QStringLiteral("'07/03/2026 23:30:00'"),
             QStringLiteral("'07/03/2026'"));
    QCOMPARE(Schedules::copyFromTemplate(7, QStringLiteral("August week"), QDate(2026, 8, 1)), 8);
    const auto h = db.rows(QStringLiteral("SELECT SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END FROM SCHEDULER "
                                          "WHERE SCHEDULER_ID = 8"));
    QCOMPARE(h.size(), size_t(1));
    QCOMPARE(h[0][0].asString(), QStringLiteral("August week"));
    QCOMPARE(h[0][1].asDate(), QDate(2026, 8, 1));
    QCOMPARE(h[0][2].asDate(), QDate(2026, 8, 7));
    // the template is untouched
    QCOMPARE(shiftText(db, 7), QStringLiteral("4|2026-07-03 17:00:00|2026-07-03 23:30:00|0|2026-07-03|3|15.5|6.5"));
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 2);
}

void TestSchedules::oneShiftCopied_data()
{
    // a template of the given days with one shift, copied to start on newStart
    QTest::addColumn<QString>("templateStart");
    QTest::addColumn<QString>("templateEnd");
    QTest::addColumn<QStringList>("shift"); // SQL values: server, start, end, date, close, position, rate, hours
    QTest::addColumn<QDate>("newStart");
    QTest::addColumn<QString>("copied");
    QTest::newRow("evening of 3 July to 3 August")
        << "07/01/2026" << "07/07/2026"
        << QStringList{"4", "'07/03/2026 17:00:00'", "'07/03/2026 23:30:00'", "'07/03/2026'", "1", "3", "15.25", "6.5"}
        << QDate(2026, 8, 1) << "4|2026-08-03 17:00:00|2026-08-03 23:30:00|1|2026-08-03|3|15.25|6.5";
    QTest::newRow("seconds dropped")
        << "07/01/2026" << "07/02/2026"
        << QStringList{"2", "'07/02/2026 09:15:40'", "'07/02/2026 13:45:59'", "'07/02/2026'", "0", "1", "12.5", "4.5"}
        << QDate(2026, 9, 10) << "2|2026-09-11 09:15:00|2026-09-11 13:45:00|0|2026-09-11|1|12.5|4.5";
    // the night the clocks change in New York changes nothing here
    QTest::newRow("overnight ends the next day")
        << "03/02/2026" << "03/08/2026"
        << QStringList{"5", "'03/07/2026 22:00:00'", "'03/08/2026 06:30:00'", "'03/07/2026'", "1", "4", "13.25", "8.5"}
        << QDate(2026, 3, 9) << "5|2026-03-14 22:00:00|2026-03-15 06:30:00|1|2026-03-14|4|13.25|8.5";
    QTest::newRow("nulls stay null")
        << "07/01/2026" << "07/03/2026"
        << QStringList{"NULL", "'07/01/2026 10:00:00'", "'07/01/2026 14:00:00'", "'07/01/2026'", "NULL", "NULL", "NULL", "NULL"}
        << QDate(2026, 7, 20) << "NULL|2026-07-20 10:00:00|2026-07-20 14:00:00|NULL|2026-07-20|NULL|NULL|NULL";
}

void TestSchedules::oneShiftCopied()
{
    QFETCH(QString, templateStart);
    QFETCH(QString, templateEnd);
    QFETCH(QStringList, shift);
    QFETCH(QDate, newStart);
    TestDatabase db;
    addSchedule(db, 1, QStringLiteral("T"), templateStart, templateEnd);
    addShift(db, 1, shift[0], shift[1], shift[2], shift[3], shift[4], shift[5], shift[6], shift[7]);
    const int id = Schedules::copyFromTemplate(1, QStringLiteral("Copy"), newStart);
    QCOMPARE(id, 2);
    QTEST(shiftText(db, id), "copied");
}

void TestSchedules::templateWithoutShifts()
{
    TestDatabase db;
    addSchedule(db, 3, QStringLiteral("Empty"), QStringLiteral("12/28/2026"), QStringLiteral("01/03/2027"));
    QCOMPARE(Schedules::copyFromTemplate(3, QStringLiteral("Next"), QDate(2027, 1, 4)), 4);
    const auto h = db.rows(QStringLiteral("SELECT SCHEDULER_START, SCHEDULER_END FROM SCHEDULER WHERE SCHEDULER_ID = 4"));
    QCOMPARE(h.size(), size_t(1));
    QCOMPARE(h[0][0].asDate(), QDate(2027, 1, 4));
    QCOMPARE(h[0][1].asDate(), QDate(2027, 1, 10));
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), 0);
}

void TestSchedules::oneDayTemplateCreatesNothing()
{
    TestDatabase db;
    addSchedule(db, 1, QStringLiteral("One day"), QStringLiteral("07/04/2026"), QStringLiteral("07/04/2026"));
    addShift(db, 1, QStringLiteral("2"), QStringLiteral("'07/04/2026 09:00:00'"), QStringLiteral("'07/04/2026 17:00:00'"),
             QStringLiteral("'07/04/2026'"));
    QCOMPARE(Schedules::copyFromTemplate(1, QStringLiteral("Copy"), QDate(2026, 8, 1)), 0);
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), 1);
    // the generator value is used up all the same
    QCOMPARE(db.scalar(QStringLiteral("SELECT GEN_ID(GEN_SCHEDULER_ID, 0) FROM RDB$DATABASE")).asInteger(), 2);
}

void TestSchedules::missingTemplateCreatesNothing()
{
    TestDatabase db(TestDatabase::Demo);
    const qint64 shifts = db.count(QStringLiteral("SCHEDULE"));
    QCOMPARE(Schedules::copyFromTemplate(99, QStringLiteral("Copy"), QDate(2026, 8, 1)), 0);
    QCOMPARE(Schedules::copyFromTemplate(0, QStringLiteral("Copy"), QDate(2026, 8, 1)), 0);
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), shifts);
}

void TestSchedules::everyShiftCopiedWhateverItsDate()
{
    TestDatabase db(TestDatabase::Demo);
    const qint64 shifts = db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = 1"));
    const QDate start = db.scalar(QStringLiteral("SELECT SCHEDULER_START FROM SCHEDULER")).asDate();
    addShift(db, 1, QStringLiteral("3"), QStringLiteral("'01/01/2020 08:00:00'"), QStringLiteral("'01/01/2020 12:00:00'"),
             QStringLiteral("'01/01/2020'"));
    const int id = Schedules::copyFromTemplate(1, QStringLiteral("Next week"), start.addDays(7));
    QCOMPARE(db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = %1").arg(id)), shifts + 1);
    // same hours, same money, a week later
    QCOMPARE(db.scalar(QStringLiteral("SELECT SUM(TOTALHOURS * RATE) FROM SCHEDULE WHERE SCHEDULER_ID = %1").arg(id)).asMoney(),
             db.scalar(QStringLiteral("SELECT SUM(TOTALHOURS * RATE) FROM SCHEDULE WHERE SCHEDULER_ID = 1")).asMoney());
    QCOMPARE(db.count(QStringLiteral("SCHEDULE S WHERE SCHEDULER_ID = %1 AND SCHEDULEEND < SCHEDULESTART").arg(id)), 0);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE S WHERE SCHEDULER_ID = %1 AND SCHEDULEEND > SCHEDULEDATE + 1").arg(id)),
             db.count(QStringLiteral("SCHEDULE S WHERE SCHEDULER_ID = 1 AND SCHEDULEEND > SCHEDULEDATE + 1")));
}

void TestSchedules::failureMidCopyLeavesNoNewRows()
{
    TestDatabase db;
    addSchedule(db, 1, QStringLiteral("T"), QStringLiteral("07/01/2026"), QStringLiteral("07/07/2026"));
    for (const char* server : {"1", "999", "2"})
        addShift(db, 1, QString::fromLatin1(server), QStringLiteral("'07/02/2026 09:00:00'"),
                 QStringLiteral("'07/02/2026 17:00:00'"), QStringLiteral("'07/02/2026'"));
    refuse(db, QStringLiteral("BEFORE INSERT"), QStringLiteral("SCHEDULE"), QStringLiteral("NEW.SERVERID = 999"));
    try {
        Schedules::copyFromTemplate(1, QStringLiteral("Copy"), QDate(2026, 8, 1));
        QFAIL("the copy should have failed");
    } catch (const DatabaseError& e) {
        QVERIFY2(e.message().contains(QStringLiteral("refused by the test")), qPrintable(e.message()));
    }
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), 3);
    // the data module works on afterwards
    QVERIFY(Schedules::createBlank(QStringLiteral("After"), QDate(2026, 9, 1), QDate(2026, 9, 2)) > 0);
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 2);
}

void TestSchedules::removeTakesHeaderAndShifts()
{
    TestDatabase db(TestDatabase::Demo);
    addSchedule(db, 2, QStringLiteral("Other"), QStringLiteral("07/01/2026"), QStringLiteral("07/07/2026"));
    addShift(db, 2, QStringLiteral("1"), QStringLiteral("'07/02/2026 09:00:00'"), QStringLiteral("'07/02/2026 17:00:00'"),
             QStringLiteral("'07/02/2026'"));
    Schedules::remove(1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULER WHERE SCHEDULER_ID = 2")), 1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), 1);
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 10);
}

void TestSchedules::failedRemoveLeavesEverything()
{
    TestDatabase db(TestDatabase::Demo);
    const qint64 shifts = db.count(QStringLiteral("SCHEDULE"));
    refuse(db, QStringLiteral("BEFORE DELETE"), QStringLiteral("SCHEDULE"), QStringLiteral("1 = 1"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, Schedules::remove(1));
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), shifts);
}

void TestSchedules::resetKeepsPositions()
{
    TestDatabase db(TestDatabase::Demo);
    const qint64 assignments = db.count(QStringLiteral("CURRENTPOSITIONS"));
    QVERIFY(assignments > 0);
    Schedules::resetDatabase();
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 0);
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 0);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), 0);
    QCOMPARE(db.count(QStringLiteral("CURRENTPOSITIONS")), assignments);
    QCOMPARE(db.count(QStringLiteral("POSITIONS")), 5);
}

void TestSchedules::failedResetLeavesEverything()
{
    TestDatabase db(TestDatabase::Demo);
    const qint64 shifts = db.count(QStringLiteral("SCHEDULE"));
    refuse(db, QStringLiteral("BEFORE DELETE"), QStringLiteral("SCHEDULER"), QStringLiteral("1 = 1"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, Schedules::resetDatabase());
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 10);
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), shifts);
}

QUENDAL_TEST_MAIN(TestSchedules)
#include "test_schedules.moc"
