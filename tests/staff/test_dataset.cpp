// The editable record set, its data-bound controls and its navigator, over
// the employee and position tables of fresh database files.

#include "data/FbDataSet.h"
#include "data/FbError.h"
#include "data/FbQuery.h"
#include "data/FbTransaction.h"
#include "staff/UfrmEmployees.h"
#include "staff/UfrmPositions.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/DBAdvNavigator.h"
#include "widgets/DBControls.h"

#include <QToolButton>
#include <memory>

namespace {

// A record set over SERVERS with the employee editor's statements.
struct Employees {
    FbTransaction tr{dmMain->FBDB};
    FbDataSet ds{tr};
    int scrolls = 0;
    int inserts = 0;
    explicit Employees(bool open = true)
    {
        ds.setSelectSql(TfrmEmployees::SelectSQL);
        ds.setInsertSql(TfrmEmployees::InsertSQL);
        ds.setUpdateSql(TfrmEmployees::UpdateSQL);
        ds.setDeleteSql(TfrmEmployees::DeleteSQL);
        ds.addField(QStringLiteral("SERVERID"), FbDataSet::Kind::Integer);
        ds.addField(QStringLiteral("SERVERFIRST"), FbDataSet::Kind::String, 250);
        ds.addField(QStringLiteral("SERVERLAST"), FbDataSet::Kind::String, 250);
        ds.addField(QStringLiteral("ISACTIVE"), FbDataSet::Kind::SmallInt);
        ds.addField(QStringLiteral("SERVERNUMBER"), FbDataSet::Kind::Integer, 0, true);
        ds.afterScroll = [this] { ++scrolls; };
        ds.afterInsert = [this] { ++inserts; };
        if (open)
            ds.open();
    }
    qint64 id() const { return ds.fieldValue(QStringLiteral("SERVERID")).asInteger(); }
    QString first() const { return ds.fieldValue(QStringLiteral("SERVERFIRST")).asString(); }
    void set(const char* field, const FbValue& v) { ds.setFieldValue(QString::fromLatin1(field), v); }
};

// A record set over POSITIONS with the positions editor's statements.
struct Positions {
    FbTransaction tr{dmMain->FBDB};
    FbDataSet ds{tr};
    Positions()
    {
        ds.setSelectSql(TfrmPositions::SelectSQL);
        ds.setInsertSql(TfrmPositions::InsertSQL);
        ds.setUpdateSql(TfrmPositions::UpdateSQL);
        ds.setDeleteSql(TfrmPositions::DeleteSQL);
        ds.addField(QStringLiteral("POSITIONID"), FbDataSet::Kind::Integer);
        ds.addField(QStringLiteral("POSITIONNAME"), FbDataSet::Kind::String, 250);
        ds.addField(QStringLiteral("POSITION_COLOR"), FbDataSet::Kind::Integer);
        ds.open();
    }
};

QString serverName(TestDatabase& db, int number)
{
    return db.scalar(QStringLiteral("SELECT SERVERFIRST FROM SERVERS WHERE SERVERNUMBER = %1").arg(number)).asString();
}

} // namespace

class TestDataSet : public QObject {
    Q_OBJECT
private slots:
    void storedTextsKeptAsGiven();
    void readsInDatabaseOrderWithFlags();
    void emptySetFlagsAndEditInserts();
    void movingPostsChangedAndCancelsUnchanged();
    void editWhileEditingChangesNothing();
    void postedChangesStayInTheTransaction();
    void rowKeyUpdatesTheRightRow();
    void insertedRowIsUpdatedAndDeletedByItsKey();
    void oldKeyFindsTheRowWhoseKeyChanged();
    void cancelRestoresAndDropsInsert();
    void deleteMovesToTheNextRecord();
    void refreshKeepsTheRecordAndSeesOwnChanges();
    void bookmarks();
    void failingPostKeepsTheRecord();
    void errorHookMayDropTheError();
    void requiredFieldAndConversions();
    void boundEditFollowsAndStartsEdit();
    void boundCheckBoxWritesOneAndZero();
    void navigatorButtonsAndHints();
    void navigatorDeleteAsksFirst();
};

void TestDataSet::storedTextsKeptAsGiven()
{
    TestDatabase db;
    Employees e(false);
    QCOMPARE(e.ds.selectSql(), QStringLiteral("SELECT SERVERID\n     , SERVERFIRST\n     , SERVERLAST\n"
                                              "     , ISACTIVE,\n     ServerNumber\nFROM SERVERS"));
    QCOMPARE(e.ds.updateSql(), QStringLiteral("UPDATE SERVERS SET\n   SERVERID = :SERVERID,\n"
                                              "   SERVERFIRST = :SERVERFIRST,\n   SERVERLAST = :SERVERLAST,\n"
                                              "   ISACTIVE = :ISACTIVE,\n   SERVERNUMBER = :SERVERNUMBER\n"
                                              "WHERE\nRDB$DB_KEY = :DB_KEY"));
    QCOMPARE(e.ds.deleteSql(), QStringLiteral("DELETE FROM SERVERS\nWHERE\nRDB$DB_KEY = :DB_KEY"));
    e.ds.open();
    // opening reads the row key alongside, without changing the stored text
    QCOMPARE(e.ds.selectSql(), TfrmEmployees::SelectSQL.join(u'\n'));
    QCOMPARE(e.ds.fieldNames(), (QStringList{"SERVERID", "SERVERFIRST", "SERVERLAST", "ISACTIVE", "SERVERNUMBER"}));
}

void TestDataSet::readsInDatabaseOrderWithFlags()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    QCOMPARE(e.ds.state(), FbDataSet::State::Browse);
    QCOMPARE(e.ds.recordCount(), 10);
    QCOMPARE(e.scrolls, 1);
    QVERIFY(e.ds.bof());
    QVERIFY(!e.ds.eof());
    QCOMPARE(e.id(), 1);

    e.ds.next();
    QVERIFY(!e.ds.bof() && !e.ds.eof());
    QCOMPARE(e.id(), 2);
    e.ds.last();
    QVERIFY(e.ds.eof() && !e.ds.bof());
    QCOMPARE(e.id(), 10);
    QCOMPARE(e.scrolls, 3);
    // past the end: no move, no scroll
    e.ds.next();
    QCOMPARE(e.id(), 10);
    QCOMPARE(e.scrolls, 3);
    e.ds.prior();
    QVERIFY(!e.ds.eof());
    QCOMPARE(e.id(), 9);
    e.ds.first();
    QVERIFY(e.ds.bof());
    e.ds.next();
    e.ds.prior();
    // stepping back onto the first record is not yet an attempt past it
    QCOMPARE(e.id(), 1);
    QVERIFY(!e.ds.bof());
    e.ds.prior();
    QVERIFY(e.ds.bof());
    QCOMPARE(e.id(), 1);

    QVERIFY(e.ds.locate(QStringLiteral("serverid"), FbValue(7)));
    QCOMPARE(e.first(), QStringLiteral("Grace"));
    QVERIFY(!e.ds.bof() && !e.ds.eof());
    const int before = e.scrolls;
    QVERIFY(!e.ds.locate(QStringLiteral("SERVERID"), FbValue(77)));
    QCOMPARE(e.first(), QStringLiteral("Grace"));
    QCOMPARE(e.scrolls, before);
}

void TestDataSet::emptySetFlagsAndEditInserts()
{
    TestDatabase db;
    Positions p;
    QVERIFY(p.ds.isEmpty());
    QVERIFY(p.ds.bof() && p.ds.eof());
    QCOMPARE(p.ds.recNo(), -1);
    QVERIFY(p.ds.fieldValue(QStringLiteral("POSITIONID")).isNull());
    int inserted = 0;
    p.ds.afterInsert = [&] { ++inserted; };
    p.ds.edit();
    QCOMPARE(p.ds.state(), FbDataSet::State::Insert);
    QCOMPARE(inserted, 1);
    QVERIFY(!p.ds.eof());
    FbTransaction tr(dmMain->FBDB);
    FbDataSet closed(tr);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, closed.next());
}

void TestDataSet::movingPostsChangedAndCancelsUnchanged()
{
    TestDatabase db(TestDatabase::Demo);
    {
        Employees e;
        e.ds.edit();
        e.set("SERVERFIRST", QStringLiteral("Annie"));
        e.ds.next();
        QCOMPARE(e.ds.state(), FbDataSet::State::Browse);
        QCOMPARE(e.id(), 2);
        // an unchanged edit is cancelled by the move, nothing written
        e.ds.edit();
        e.ds.next();
        QCOMPARE(e.ds.state(), FbDataSet::State::Browse);
        e.ds.first();
        QCOMPARE(e.first(), QStringLiteral("Annie"));
        e.tr.commit();
    }
    QCOMPARE(serverName(db, 1), QStringLiteral("Annie"));
    QCOMPARE(serverName(db, 2), QStringLiteral("Ben"));
}

void TestDataSet::editWhileEditingChangesNothing()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    e.ds.edit();
    e.set("SERVERLAST", QStringLiteral("Leigh"));
    e.ds.edit();
    QCOMPARE(e.ds.state(), FbDataSet::State::Edit);
    QVERIFY(e.ds.modified());
    QCOMPARE(e.ds.fieldValue(QStringLiteral("SERVERLAST")).asString(), QStringLiteral("Leigh"));
    QCOMPARE(e.ds.oldFieldValue(QStringLiteral("SERVERLAST")).asString(), QStringLiteral("Lee"));

    e.ds.insert();
    QCOMPARE(e.inserts, 1);
    e.set("SERVERFIRST", QStringLiteral("New"));
    e.ds.edit();
    QCOMPARE(e.ds.state(), FbDataSet::State::Insert);
    QCOMPARE(e.first(), QStringLiteral("New"));
}

void TestDataSet::postedChangesStayInTheTransaction()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    e.ds.edit();
    e.set("SERVERFIRST", QStringLiteral("Anna"));
    e.ds.post();
    QCOMPARE(e.ds.state(), FbDataSet::State::Browse);
    // others see nothing until the transaction commits
    QCOMPARE(serverName(db, 1), QStringLiteral("Ann"));
    FbQuery own(e.tr);
    own.setSql(QStringLiteral("SELECT SERVERFIRST FROM SERVERS WHERE SERVERID = 1"));
    own.open();
    QCOMPARE(own.field(0).asString(), QStringLiteral("Anna"));
    own.close();
    e.tr.commit();
    QCOMPARE(serverName(db, 1), QStringLiteral("Anna"));
}

void TestDataSet::rowKeyUpdatesTheRightRow()
{
    TestDatabase db(TestDatabase::Demo);
    {
        Employees e;
        QVERIFY(e.ds.locate(QStringLiteral("SERVERID"), FbValue(4)));
        e.ds.edit();
        // a new key too: only the row key can still find the row
        e.set("SERVERID", FbValue(40));
        e.set("SERVERFIRST", QStringLiteral("Devi"));
        e.ds.post();
        e.tr.commit();
    }
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 10);
    QCOMPARE(db.scalar(QStringLiteral("SELECT SERVERID FROM SERVERS WHERE SERVERNUMBER = 4")).asInteger(), 40);
    QCOMPARE(serverName(db, 4), QStringLiteral("Devi"));
    QCOMPARE(db.count(QStringLiteral("SERVERS WHERE SERVERFIRST = 'Devi'")), 1);
    QCOMPARE(serverName(db, 3), QStringLiteral("Carla"));
    QCOMPARE(serverName(db, 5), QStringLiteral("Elena"));
}

void TestDataSet::insertedRowIsUpdatedAndDeletedByItsKey()
{
    TestDatabase db(TestDatabase::Demo);
    {
        Employees e;
        e.ds.next();
        e.ds.insert();
        QCOMPARE(e.ds.recNo(), 1); // before the current record
        QCOMPARE(e.ds.recordCount(), 11);
        e.set("SERVERID", FbValue(50));
        e.set("SERVERNUMBER", FbValue(50));
        e.set("SERVERFIRST", QStringLiteral("Nora"));
        e.set("ISACTIVE", FbValue(1));
        e.ds.post();
        e.ds.edit();
        e.set("SERVERLAST", QStringLiteral("Quinn"));
        e.ds.post();
        // and a second new one, deleted again before the commit
        e.ds.insert();
        e.set("SERVERID", FbValue(51));
        e.set("SERVERNUMBER", FbValue(51));
        e.ds.post();
        e.ds.deleteRecord();
        QCOMPARE(e.ds.recordCount(), 11);
        e.tr.commit();
    }
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 11);
    QCOMPARE(db.count(QStringLiteral("SERVERS WHERE SERVERID = 51")), 0);
    const auto row = db.rows(QStringLiteral("SELECT SERVERFIRST, SERVERLAST, ISACTIVE FROM SERVERS WHERE SERVERID = 50"));
    QCOMPARE(row.size(), std::size_t(1));
    QCOMPARE(row[0][0].asString(), QStringLiteral("Nora"));
    QCOMPARE(row[0][1].asString(), QStringLiteral("Quinn"));
    QCOMPARE(row[0][2].asInteger(), 1);
}

void TestDataSet::oldKeyFindsTheRowWhoseKeyChanged()
{
    TestDatabase db(TestDatabase::Demo);
    {
        Positions p;
        QVERIFY(p.ds.locate(QStringLiteral("POSITIONID"), FbValue(3)));
        p.ds.edit();
        p.ds.setFieldValue(QStringLiteral("POSITIONID"), FbValue(33));
        p.ds.post();
        p.ds.first();
        p.ds.deleteRecord(); // "Host", found by its key as read
        p.tr.commit();
    }
    QCOMPARE(db.count(QStringLiteral("POSITIONS")), 4);
    QCOMPARE(db.count(QStringLiteral("POSITIONS WHERE POSITIONID = 3")), 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT POSITIONNAME FROM POSITIONS WHERE POSITIONID = 33")).asString(),
             QStringLiteral("Cook"));
    QCOMPARE(db.count(QStringLiteral("POSITIONS WHERE POSITIONNAME = 'Host'")), 0);
}

void TestDataSet::cancelRestoresAndDropsInsert()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    e.ds.next();
    e.ds.edit();
    e.set("SERVERFIRST", QStringLiteral("Benny"));
    e.ds.cancel();
    QCOMPARE(e.ds.state(), FbDataSet::State::Browse);
    QCOMPARE(e.first(), QStringLiteral("Ben"));

    const int scrolls = e.scrolls;
    e.ds.insert();
    QCOMPARE(e.scrolls, scrolls + 1);
    e.ds.cancel();
    QCOMPARE(e.scrolls, scrolls + 2);
    QCOMPARE(e.ds.recordCount(), 10);
    QCOMPARE(e.first(), QStringLiteral("Ben"));
    // an unchanged insert is dropped by a move too
    e.ds.insert();
    e.ds.next();
    QCOMPARE(e.ds.recordCount(), 10);
    QCOMPARE(e.first(), QStringLiteral("Carla"));
    e.tr.commit();
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 10);
    QCOMPARE(serverName(db, 2), QStringLiteral("Ben"));
}

void TestDataSet::deleteMovesToTheNextRecord()
{
    TestDatabase db(TestDatabase::Demo);
    {
        Employees e;
        e.ds.next();
        e.ds.next();
        e.ds.deleteRecord();
        QCOMPARE(e.id(), 4);
        e.ds.last();
        e.ds.deleteRecord();
        QCOMPARE(e.id(), 9);
        e.tr.commit();
    }
    QCOMPARE(db.count(QStringLiteral("SERVERS")), 8);
    QCOMPARE(db.count(QStringLiteral("SERVERS WHERE SERVERID IN (3, 10)")), 0);
}

void TestDataSet::refreshKeepsTheRecordAndSeesOwnChanges()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    QVERIFY(e.ds.locate(QStringLiteral("SERVERID"), FbValue(6)));
    FbQuery own(e.tr);
    own.setSql(QStringLiteral("UPDATE SERVERS SET SERVERFIRST = 'Franz' WHERE SERVERID = 6"));
    own.execute();
    e.ds.refresh();
    QCOMPARE(e.id(), 6);
    QCOMPARE(e.first(), QStringLiteral("Franz"));
}

void TestDataSet::bookmarks()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    e.ds.next();
    e.ds.next();
    const auto mark = e.ds.bookmark();
    e.ds.last();
    e.ds.refresh();
    QVERIFY(e.ds.bookmarkValid(mark));
    e.ds.gotoBookmark(mark);
    QCOMPARE(e.id(), 3);
    e.ds.deleteRecord();
    QVERIFY(!e.ds.bookmarkValid(mark));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, e.ds.gotoBookmark(mark));
}

void TestDataSet::failingPostKeepsTheRecord()
{
    TestDatabase db(TestDatabase::Demo);
    db.exec(QStringLiteral("ALTER TABLE SERVERS ADD CONSTRAINT CK_SERVERS_FIRST CHECK (SERVERFIRST <> 'Bad')"));
    Employees e;
    e.ds.edit();
    e.set("SERVERFIRST", QStringLiteral("Bad"));
    try {
        e.ds.next();
        QFAIL("the check constraint let the name through");
    } catch (const DatabaseError& err) {
        QVERIFY2(err.message().contains(QLatin1String("CK_SERVERS_FIRST")), qPrintable(err.message()));
    }
    QCOMPARE(e.ds.state(), FbDataSet::State::Edit);
    QCOMPARE(e.id(), 1);
    QCOMPARE(e.first(), QStringLiteral("Bad"));
    // the transaction goes on: mend the text and post
    e.set("SERVERFIRST", QStringLiteral("Good"));
    e.ds.post();
    e.tr.commit();
    QCOMPARE(serverName(db, 1), QStringLiteral("Good"));
}

void TestDataSet::errorHookMayDropTheError()
{
    TestDatabase db(TestDatabase::Demo);
    db.exec(QStringLiteral("ALTER TABLE SERVERS ADD CONSTRAINT CK_SERVERS_FIRST CHECK (SERVERFIRST <> 'Bad')"));
    Employees e;
    QStringList seen;
    e.ds.onError = [&](const std::exception& err, bool& raise) {
        seen << QString::fromUtf8(err.what());
        raise = false;
    };
    e.ds.edit();
    e.set("SERVERFIRST", QStringLiteral("Bad"));
    e.ds.post();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(e.ds.state(), FbDataSet::State::Edit);
}

void TestDataSet::requiredFieldAndConversions()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    e.ds.insert();
    e.set("SERVERID", QStringLiteral(" 60 "));
    QCOMPARE(e.ds.fieldValue(QStringLiteral("SERVERID")), FbValue(60));
    QVERIFY_THROWS_EXCEPTION(ConversionError, e.set("SERVERID", QStringLiteral("6x")));
    QVERIFY_THROWS_EXCEPTION(ConversionError, e.set("ISACTIVE", FbValue(40000)));
    QVERIFY_THROWS_EXCEPTION(ConversionError, e.set("SERVERFIRST", QString(251, u'a')));
    try {
        e.ds.post();
        QFAIL("posted without SERVERNUMBER");
    } catch (const DatabaseError& err) {
        QCOMPARE(err.message(), QStringLiteral("Field 'SERVERNUMBER' must have a value"));
    }
    QCOMPARE(e.ds.state(), FbDataSet::State::Insert);
    e.ds.cancel();
    QVERIFY_THROWS_EXCEPTION(DatabaseError, e.set("SERVERFIRST", QStringLiteral("x")));
}

void TestDataSet::boundEditFollowsAndStartsEdit()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Employees e;
    FbDataSource src;
    src.setDataSet(&e.ds);
    TDBEdit edit;
    edit.setDataSource(&src);
    edit.setDataField(QStringLiteral("SERVERFIRST"));
    edit.show();
    QCOMPARE(edit.text(), QStringLiteral("Ann"));
    QCOMPARE(edit.maxLength(), 250);
    e.ds.next();
    QCOMPARE(edit.text(), QStringLiteral("Ben"));
    edit.setFocus();
    edit.end(false);
    QTest::keyClicks(&edit, QStringLiteral("ny"));
    QCOMPARE(e.ds.state(), FbDataSet::State::Edit);
    QCOMPARE(e.first(), QStringLiteral("Benny"));
    QCOMPARE(edit.text(), QStringLiteral("Benny"));
    e.ds.cancel();
    QCOMPARE(edit.text(), QStringLiteral("Ben"));
    QVERIFY(boxes.shown.empty());
    e.ds.close();
    QVERIFY(edit.text().isEmpty());
    QVERIFY(edit.isReadOnly());
}

void TestDataSet::boundCheckBoxWritesOneAndZero()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    FbDataSource src;
    src.setDataSet(&e.ds);
    TDBCheckBox box(QStringLiteral("Active"));
    box.setDataSource(&src);
    box.setDataField(QStringLiteral("ISACTIVE"));
    box.show();
    QVERIFY(box.isChecked());
    e.ds.last(); // Jack, not active
    QVERIFY(!box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton);
    QCOMPARE(e.ds.state(), FbDataSet::State::Edit);
    QCOMPARE(e.ds.fieldValue(QStringLiteral("ISACTIVE")), FbValue(1));
    QTest::mouseClick(&box, Qt::LeftButton);
    QCOMPARE(e.ds.fieldValue(QStringLiteral("ISACTIVE")), FbValue(0));
    QTest::mouseClick(&box, Qt::LeftButton);
    e.ds.post();
    e.tr.commit();
    QCOMPARE(db.scalar(QStringLiteral("SELECT ISACTIVE FROM SERVERS WHERE SERVERID = 10")).asInteger(), 1);
}

void TestDataSet::navigatorButtonsAndHints()
{
    TestDatabase db(TestDatabase::Demo);
    Employees e;
    FbDataSource src;
    src.setDataSet(&e.ds);
    TDBAdvNavigator nav;
    nav.setDataSource(&src);
    nav.resize(300, 25);
    nav.show();
    using N = TDBAdvNavigator;
    const QStringList hints = {"First", "Prior", "Next", "Last", "Insert", "Delete", "Edit", "Post",
                               "Cancel", "Refresh", "Set bookmark", "Go to bookmark"};
    for (int i = 0; i < N::ButtonCount; ++i)
        QCOMPARE(nav.button(N::Button(i))->toolTip(), hints[i]);
    auto enabled = [&](N::Button b) { return nav.button(b)->isEnabled(); };
    // on the first record
    QVERIFY(!enabled(N::First) && !enabled(N::Prior) && enabled(N::Next) && enabled(N::Last));
    QVERIFY(enabled(N::Edit) && !enabled(N::Post) && !enabled(N::Cancel) && !enabled(N::GotoBookmark));

    QTest::mouseClick(nav.button(N::Last), Qt::LeftButton);
    QCOMPARE(e.id(), 10);
    QVERIFY(enabled(N::First) && !enabled(N::Next) && !enabled(N::Last));
    QTest::mouseClick(nav.button(N::Prior), Qt::LeftButton);
    QCOMPARE(e.id(), 9);
    QTest::mouseClick(nav.button(N::SetBookmark), Qt::LeftButton);
    QVERIFY(enabled(N::GotoBookmark));
    QTest::mouseClick(nav.button(N::First), Qt::LeftButton);
    QTest::mouseClick(nav.button(N::Edit), Qt::LeftButton);
    QVERIFY(!enabled(N::Edit) && enabled(N::Post) && enabled(N::Cancel) && enabled(N::Insert));
    e.set("SERVERFIRST", QStringLiteral("Anne"));
    QTest::mouseClick(nav.button(N::Post), Qt::LeftButton);
    QCOMPARE(e.ds.state(), FbDataSet::State::Browse);
    QTest::mouseClick(nav.button(N::GotoBookmark), Qt::LeftButton);
    QCOMPARE(e.id(), 9);
    QTest::mouseClick(nav.button(N::Insert), Qt::LeftButton);
    QCOMPARE(e.ds.state(), FbDataSet::State::Insert);
    QTest::mouseClick(nav.button(N::Cancel), Qt::LeftButton);
    QCOMPARE(e.id(), 9);
    QTest::mouseClick(nav.button(N::Next), Qt::LeftButton);
    QTest::mouseClick(nav.button(N::Refresh), Qt::LeftButton);
    QCOMPARE(e.id(), 10);
    e.tr.commit();
    QCOMPARE(serverName(db, 1), QStringLiteral("Anne"));
}

void TestDataSet::navigatorDeleteAsksFirst()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    boxes.answers = {false, true};
    {
        Employees e;
        FbDataSource src;
        src.setDataSet(&e.ds);
        TDBAdvNavigator nav;
        nav.setDataSource(&src);
        nav.show();
        nav.click(TDBAdvNavigator::Delete);
        QCOMPARE(e.ds.recordCount(), 10);
        nav.click(TDBAdvNavigator::Delete);
        QCOMPARE(e.ds.recordCount(), 9);
        e.tr.commit();
    }
    QCOMPARE(boxes.texts(), (QStringList{"Delete record?", "Delete record?"}));
    QCOMPARE(db.count(QStringLiteral("SERVERS WHERE SERVERID = 1")), 0);
}

QUENDAL_TEST_MAIN(TestDataSet)
#include "test_dataset.moc"
