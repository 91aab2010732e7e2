// The data module's query operations and connection against real database
// files made from db/, and a Firebird server on loopback when ./test runs one.

#include "data/FbError.h"
#include "data/ShopDatabase.h"
#include "data/UdmMain.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

class TestData : public QObject {
    Q_OBJECT
private slots:
    void scriptSplitting();
    void demoDatabase();
    void readsColumnsByNameAndPosition();
    void snapshotIsolation();
    void severalResultSetsAtOnce();
    void emptyStatementThenReopened();
    void failingExecuteRaisesAndKeepsEarlierChanges();
    void failingOpenQueryReleasesItsTransaction();
    void transactionScopeIsAllOrNothing();
    void namedParametersAndRowKey();
    void connectEmptyPathRaises_data();
    void connectEmptyPathRaises();
    void connectWrongPathReturnsFalse();
    void closedConnectionRetriesForEachStatement();
    void connectOverTcpIp();
};

void TestData::scriptSplitting()
{
    const QStringList s = ShopDatabase::splitScript(QStringLiteral(
        "-- a comment; with a semicolon\nCREATE TABLE A (X INT);\n"
        "INSERT INTO A VALUES (';'); /* block; comment */ SELECT 1 FROM RDB$DATABASE"));
    QCOMPARE(s.size(), 3);
    QCOMPARE(s[1], QStringLiteral("INSERT INTO A VALUES (';')"));
    QCOMPARE(s[2], QStringLiteral("SELECT 1 FROM RDB$DATABASE"));
}

void TestData::demoDatabase()
{
    TestDatabase db(TestDatabase::Demo);
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 10);
    QCOMPARE(db.count(QStringLiteral("SERVERS WHERE ISACTIVE = 0")), 1);
    QCOMPARE(db.count(QStringLiteral("POSITIONS")), 5);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE WHERE SCHEDULEEND > SCHEDULEDATE + 1")), 2);
    QVERIFY(db.count(QStringLiteral("SCHEDULE")) >= 30);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE WHERE TOTALHOURS IS NULL")), 0);
    const QDate start = db.scalar(QStringLiteral("SELECT SCHEDULER_START FROM SCHEDULER")).asDate();
    QCOMPARE(start.dayOfWeek(), 1);
    QVERIFY(start.daysTo(QDate::currentDate()) >= 0 && start.daysTo(QDate::currentDate()) < 7);
    // the keys the program takes next come after the demo's own
    QCOMPARE(db.scalar(QStringLiteral("SELECT GEN_ID(G_serversServerNumberGen33, 1) FROM RDB$Database")).asInteger(), 11);
    QCOMPARE(db.scalar(QStringLiteral("SELECT GEN_ID(GEN_SCHEDULER_ID,1) FROM RDB$Database;")).asInteger(), 2);
}

void TestData::readsColumnsByNameAndPosition()
{
    TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, SCHEDULESTART, SCHEDULEEND, SCHEDULEDATE, "
                           "RATE, TOTALHOURS) VALUES (7, 3, '03/08/2026 22:00:00', '03/09/2026 06:30:00', "
                           "'03/08/2026', 12.5, 8.5)"));
    TdmMain::Query q;
    dmMain->OpenQuery(QStringLiteral("SELECT ScheduleStart, ScheduleEnd, Rate, TotalHours, PositionID, "
                                     "Scheduler_ID FROM Schedule"), q);
    QVERIFY(!q->eof());
    // 8 March 2026 is the night the clocks change in New York: still 8.5 hours
    const QDateTime start = q->fieldByName(QStringLiteral("schedulestart")).asDateTime();
    const QDateTime end = q->field(1).asDateTime();
    QCOMPARE(start, QDateTime(QDate(2026, 3, 8), QTime(22, 0), Qt::UTC));
    QCOMPARE(start.secsTo(end), 8 * 3600 + 1800);
    QCOMPARE(q->fieldByName(QStringLiteral("RATE")).asMoney().format2(), QStringLiteral("12.50"));
    QCOMPARE(q->fieldByName(QStringLiteral("TotalHours")).asString(), QStringLiteral("8.5"));
    QVERIFY(q->fieldByName(QStringLiteral("PositionID")).isNull());
    QCOMPARE(q->fieldByName(QStringLiteral("PositionID")).asInteger(), 0);
    QCOMPARE(q->field(5).asInteger(), 7);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, q->fieldByName(QStringLiteral("NoSuchColumn")));
    q->next();
    QVERIFY(q->eof());
    dmMain->CloseQuery(q);
    QVERIFY(!q);
}

void TestData::snapshotIsolation()
{
    TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME) VALUES (1, 'Host')"));
    TdmMain::Query q;
    dmMain->OpenQuery(QStringLiteral("SELECT COUNT(*) FROM POSITIONS"), q);
    QCOMPARE(q->field(0).asInteger(), 1);
    dmMain->ExecuteSQL(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME) VALUES (2, 'Cook')"));
    // the same result set, closed, given new text and reopened: still its snapshot
    q->close();
    q->setSql(QStringLiteral("SELECT COUNT(*), MAX(POSITIONID) FROM POSITIONS"));
    q->open();
    QCOMPARE(q->field(0).asInteger(), 1);
    QCOMPARE(q->field(1).asInteger(), 1);
    dmMain->CloseQuery(q);
    QCOMPARE(db.count(QStringLiteral("POSITIONS")), 2);
}

void TestData::severalResultSetsAtOnce()
{
    TestDatabase db(TestDatabase::Demo);
    TdmMain::Query a, b;
    dmMain->OpenQuery(QStringLiteral("SELECT ServerID FROM Servers ORDER BY ServerID"), a);
    dmMain->OpenQuery(QStringLiteral("SELECT PositionID FROM Positions ORDER BY PositionID"), b);
    int servers = 0, positions = 0;
    while (!a->eof() || !b->eof()) {
        if (!a->eof()) { ++servers; a->next(); }
        if (!b->eof()) { ++positions; b->next(); }
    }
    QCOMPARE(servers, 10);
    QCOMPARE(positions, 5);
    dmMain->CloseQuery(b);
    dmMain->CloseQuery(a);
}

void TestData::emptyStatementThenReopened()
{
    TestDatabase db(TestDatabase::Demo);
    TdmMain::Query q;
    dmMain->OpenQuery(QString(), q);
    QVERIFY(q);
    QVERIFY(!q->isOpen());
    QVERIFY(q->transaction().isActive());
    for (int id : {1, 3, 5}) {
        q->setSql(QStringLiteral("SELECT PositionName FROM Positions WHERE PositionID = %1").arg(id));
        q->open();
        QVERIFY(!q->eof());
        QVERIFY(!q->field(0).asString().isEmpty());
        q->close();
    }
    dmMain->CloseQuery(q);
    QVERIFY(!q);

    TdmMain::Query never;
    dmMain->OpenQuery(QString(), never);
    dmMain->CloseQuery(never);
    QVERIFY(!never);
}

void TestData::failingExecuteRaisesAndKeepsEarlierChanges()
{
    TestDatabase db;
    dmMain->ExecuteSQL(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME) VALUES (1, 'Host')"));
    try {
        dmMain->ExecuteSQL(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME) VALUES (1, 'Again')"));
        QFAIL("a duplicate key must raise");
    } catch (const DatabaseError& e) {
        QVERIFY2(e.message().contains(QLatin1String("PK_POSITIONS")), qPrintable(e.message()));
    }
    QVERIFY_THROWS_EXCEPTION(DatabaseError, dmMain->ExecuteSQL(QStringLiteral("INSERT INTO NOWHERE VALUES (1)")));
    QCOMPARE(db.count(QStringLiteral("POSITIONS")), 1);
    QCOMPARE(db.scalar(QStringLiteral("SELECT POSITIONNAME FROM POSITIONS")).asString(), QStringLiteral("Host"));
}

void TestData::failingOpenQueryReleasesItsTransaction()
{
    TestDatabase db;
    TdmMain::Query q;
    QVERIFY_THROWS_EXCEPTION(DatabaseError, dmMain->OpenQuery(QStringLiteral("SELECT nonsense FROM Servers"), q));
    QVERIFY(!q);
    // nothing of it holds a lock: a metadata change goes through
    dmMain->ExecuteSQL(QStringLiteral("ALTER TABLE SERVERS ADD NOTE VARCHAR(10)"));
}

void TestData::transactionScopeIsAllOrNothing()
{
    TestDatabase db;
    {
        TdmMain::TransactionScope scope(*dmMain);
        dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME) VALUES (1, 'A')"));
        dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID) VALUES (1)"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID) VALUES (1)")));
        // left without commit
    }
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 0);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), 0);
    {
        TdmMain::TransactionScope scope(*dmMain);
        dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME) VALUES (1, 'A')"));
        dmMain->ExecuteSQL(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID) VALUES (1)"));
        QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 0); // not yet visible outside
        scope.commit();
    }
    QCOMPARE(db.count(QStringLiteral("SCHEDULER")), 1);
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), 1);
    // after the scope, ExecuteSQL commits on its own again
    dmMain->ExecuteSQL(QStringLiteral("DELETE FROM SCHEDULE"));
    QCOMPARE(db.count(QStringLiteral("SCHEDULE")), 0);
}

void TestData::namedParametersAndRowKey()
{
    TestDatabase db(TestDatabase::Demo);
    FbTransaction tr(dmMain->FBDB);
    tr.start();
    FbQuery sel(tr);
    sel.setSql(QStringLiteral("SELECT RDB$DB_KEY AS DB_KEY, SERVERID FROM SERVERS WHERE SERVERID = :SERVERID"));
    QCOMPARE(sel.paramNames(), QStringList{QStringLiteral("SERVERID")});
    sel.setParam(QStringLiteral("serverid"), FbValue(4));
    sel.open();
    const QByteArray key = sel.fieldByName(QStringLiteral("DB_KEY")).asBytes();
    QCOMPARE(key.size(), 8);
    sel.close();

    FbQuery upd(tr);
    upd.setSql(QStringLiteral("UPDATE SERVERS SET SERVERFIRST = :SERVERFIRST, ISACTIVE = :ISACTIVE\n"
                              "WHERE\nRDB$DB_KEY = :DB_KEY"));
    upd.setParam(QStringLiteral("SERVERFIRST"), FbValue(QStringLiteral("Dévi 'D'")));
    upd.setParam(QStringLiteral("ISACTIVE"), FbValue());
    upd.execute();
    // an integer beside a text parameter, each in a slot of its own size
    upd.setParam(QStringLiteral("ISACTIVE"), FbValue(0));
    upd.setParam(QStringLiteral("DB_KEY"), FbValue(key));
    upd.execute();
    tr.commit();
    QCOMPARE(db.scalar(QStringLiteral("SELECT SERVERFIRST FROM SERVERS WHERE SERVERID = 4")).asString(),
             QStringLiteral("Dévi 'D'"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT ISACTIVE FROM SERVERS WHERE SERVERID = 4")).asInteger(), 0);
    QCOMPARE(db.count(QStringLiteral("SERVERS WHERE SERVERFIRST = 'Dévi ''D'''")), 1);
}

void TestData::connectEmptyPathRaises_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("no host") << QString();
    QTest::newRow("a host") << QStringLiteral("127.0.0.1");
}

void TestData::connectEmptyPathRaises()
{
    QFETCH(QString, host);
    TdmMain dm;
    dm.SetHost(host);
    dm.SetDatabasePath(QString());
    try {
        dm.Connect();
        QFAIL("Connect must raise for an empty path");
    } catch (const DatabaseError& e) {
        QCOMPARE(e.message(), QStringLiteral("Path and/or Host not set"));
    }
}

void TestData::connectWrongPathReturnsFalse()
{
    TdmMain dm;
    dm.SetDatabasePath(QStringLiteral("/nonexistent/folder/vallorin.gdb"));
    QCOMPARE(dm.Connect(), false);
    QVERIFY(!dm.FBDB.isOpen());
    QCOMPARE(dm.FBDB.address(), QStringLiteral("/nonexistent/folder/vallorin.gdb"));
}

void TestData::closedConnectionRetriesForEachStatement()
{
    TestDatabase db(TestDatabase::Demo);
    TdmMain dm;
    dm.SetDatabasePath(db.path() + QStringLiteral(".missing"));
    QCOMPARE(dm.Connect(), false);
    TdmMain::Query q;
    QVERIFY_THROWS_EXCEPTION(DatabaseError, dm.OpenQuery(QStringLiteral("SELECT * FROM Servers"), q));
    QVERIFY(!q);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, dm.ExecuteSQL(QStringLiteral("DELETE FROM Servers")));
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 10);
}

void TestData::connectOverTcpIp()
{
    const QString host = qEnvironmentVariable("QUENDAL_TEST_FB_HOST");
    const QString folder = qEnvironmentVariable("QUENDAL_TEST_FB_FOLDER");
    if (host.isEmpty() || folder.isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("CI must run this test against the server that ./test starts");
        QSKIP("no Firebird server: ./test starts one and sets QUENDAL_TEST_FB_HOST");
    }
    const QString path = folder + QStringLiteral("/tcp-%1.fdb").arg(QCoreApplication::applicationPid());
    FbConnection::Params p{QStringLiteral("sysdba"), QStringLiteral("plumtiger"), host, path};
    ShopDatabase::create(p, true);
    struct Drop {
        FbConnection::Params p;
        ~Drop()
        {
            try {
                FbConnection c;
                c.setParams(p);
                c.dropDatabase();
            } catch (...) {
            }
        }
    } drop{p};

    TdmMain dm;
    dm.SetHost(host);
    dm.SetDatabasePath(path);
    QVERIFY(dm.Connect());
    QCOMPARE(dm.FBDB.address(), host + u':' + path);
    TdmMain::Query q;
    dm.OpenQuery(QStringLiteral("SELECT MON$REMOTE_PROTOCOL FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = "
                                "CURRENT_CONNECTION"), q);
    QCOMPARE(q->field(0).asString().trimmed(), QStringLiteral("TCPv4"));
    dm.CloseQuery(q);
    dm.ExecuteSQL(QStringLiteral("DELETE FROM SCHEDULE"));
    dm.OpenQuery(QStringLiteral("SELECT COUNT(*) FROM Schedule"), q);
    QCOMPARE(q->field(0).asInteger(), 0);
    dm.CloseQuery(q);
    dm.FBDB.close();

    TdmMain wrongPassword;
    wrongPassword.SetHost(host);
    wrongPassword.SetDatabasePath(folder + QStringLiteral("/no-such.fdb"));
    QCOMPARE(wrongPassword.Connect(), false);
}

QUENDAL_TEST_MAIN(TestData)
#include "test_data.moc"
