// The employee editor opened from the workspace, driven as a user would,
// against fresh database files.

#include "data/FbDataSet.h"
#include "dialogs/UfrmLookup.h"
#include "staff/UfrmEmployees.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/DBAdvNavigator.h"
#include "widgets/DBControls.h"
#include "widgets/LinkLabel.h"
#include "workspace/UfrmSchedule.h"

#include <QListWidget>
#include <QPointer>
#include <QToolButton>
#include <memory>

namespace {

// The workspace the editor is opened from and refreshes.
struct Workspace {
    std::unique_ptr<TfrmSchedule> w = std::make_unique<TfrmSchedule>();
    Workspace() { frmSchedule = w.get(); }
    ~Workspace() { frmSchedule = nullptr; }
    // Chooses the entry of lbEmps for this employee, adding it if the list
    // does not have it.
    void choose(int serverID, const QString& text)
    {
        QListWidgetItem* found = nullptr;
        for (int i = 0; i < w->lbEmps->count(); ++i)
            if (w->lbEmps->item(i)->data(Qt::UserRole).toInt() == serverID)
                found = w->lbEmps->item(i);
        if (!found) {
            found = new QListWidgetItem(text, w->lbEmps);
            found->setData(Qt::UserRole, serverID);
        }
        w->lbEmps->setCurrentItem(found);
    }
    QStringList entries() const
    {
        QStringList out;
        for (int i = 0; i < w->lbEmps->count(); ++i)
            out << w->lbEmps->item(i)->text();
        return out;
    }
};

TfrmEmployees& editor(QDialog& d)
{
    return static_cast<TfrmEmployees&>(d);
}

void clickLink(TLinkLabel* l)
{
    QTest::mouseClick(l, Qt::LeftButton, {}, l->rect().center());
}

void clickNav(TDBAdvNavigator* nav, TDBAdvNavigator::Button b)
{
    QTest::mouseClick(nav->button(b), Qt::LeftButton);
}

QStringList lines(const QListWidget* lb)
{
    QStringList out;
    for (int i = 0; i < lb->count(); ++i)
        out << lb->item(i)->text();
    return out;
}

QListWidgetItem* lineOf(QListWidget* lb, const QString& text)
{
    const auto found = lb->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

// Drives the lookup list: records its lines, picks one (or cancels).
std::function<void(QDialog&)> pickLine(const QString& text, QStringList* seen = nullptr)
{
    return [=](QDialog& d) {
        auto& f = static_cast<TfrmLookup&>(d);
        if (seen)
            *seen = lines(f.lbValues);
        if (QListWidgetItem* item = lineOf(f.lbValues, text)) {
            f.lbValues->setCurrentItem(item);
            clickLink(f.lblSelect);
        } else {
            clickLink(f.Label2);
        }
    };
}

} // namespace

class TestEmployees : public QObject {
    Q_OBJECT
private slots:
    void windowAndControls();
    void newEmployeeGetsGeneratorKeysAndActive();
    void opensOnTheChosenEmployee();
    void nothingChosenOpensNothing();
    void unknownIdStaysOnTheFirstRecord();
    void editedNameIsCommittedAndListed();
    void addOffersOnlyLackingPositions();
    void addRateAnswers_data();
    void addRateAnswers();
    void addQuotesThePositionName();
    void addWhenEveryPositionIsTaken();
    void deleteAsksAndRemoves();
    void lookupMovesToTheEmployee();
    void failingPostKeepsTheRecordAndShowsTheError();
    void noCurrentEmployeeDisablesAddAndDelete();
    void scrollingRefreshesAtTheEndsToo();
};

void TestEmployees::windowAndControls()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(1, QStringLiteral("Ann Lee"));
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        QCOMPARE(frmEmployees, &f);
        QCOMPARE(f.windowTitle(), QStringLiteral("Employees"));
        QCOMPARE(f.Label6->text(), QStringLiteral("Lookup"));
        QCOMPARE(f.Label1->text(), QStringLiteral("First Name:"));
        QCOMPARE(f.Label2->text(), QStringLiteral("Last Name:"));
        QCOMPARE(f.ckActive->text(), QStringLiteral("Active"));
        QCOMPARE(f.ckActive->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(f.Label3->text(), QStringLiteral("Positions Available"));
        QCOMPARE(f.lblDelete->text(), QStringLiteral("Delete"));
        QCOMPARE(f.lblAdd->text(), QStringLiteral("Add"));
        QCOMPARE(f.lblAdd->textColor(), QColor(0x00, 0x00, 0x80));
        QVERIFY(f.lblAdd->font().underline());
        QCOMPARE(f.lblAdd->font().family(), QStringLiteral("Arial"));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QCOMPARE(f.edbFName->dataField(), QStringLiteral("SERVERFIRST"));
        QCOMPARE(f.edbLName->dataField(), QStringLiteral("SERVERLAST"));
        QCOMPARE(f.ckActive->dataField(), QStringLiteral("ISACTIVE"));
        QCOMPARE(f.qryMain.insertSql(), TfrmEmployees::InsertSQL.join(u'\n'));
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QVERIFY(boxes.modals.empty());
    QCOMPARE(frmEmployees, nullptr);
}

void TestEmployees::newEmployeeGetsGeneratorKeysAndActive()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Insert);
        QCOMPARE(f.qryMain.fieldValue(QStringLiteral("SERVERID")).asInteger(), 11);
        QCOMPARE(f.qryMain.fieldValue(QStringLiteral("SERVERNUMBER")).asInteger(), 11);
        QVERIFY(f.ckActive->isChecked());
        QVERIFY(f.edbFName->text().isEmpty());
        QCOMPARE(f.lbPositions->count(), 0);
        QVERIFY(f.lblAdd->isEnabled());
        QTest::keyClicks(f.edbFName, QStringLiteral("Zoe"));
        QTest::keyClicks(f.edbLName, QStringLiteral("Young"));
        // closed without Post: the new record is kept
        d.close();
    });
    ws.w->lblNewEmployeeClick();
    QVERIFY2(boxes.errors().isEmpty(), qPrintable(boxes.errors().join(u'|')));
    const auto row = db.rows(QStringLiteral("SELECT SERVERID, SERVERFIRST, SERVERLAST, ISACTIVE FROM SERVERS WHERE SERVERNUMBER = 11"));
    QCOMPARE(row.size(), std::size_t(1));
    QCOMPARE(row[0][0].asInteger(), 11);
    QCOMPARE(row[0][1].asString(), QStringLiteral("Zoe"));
    QCOMPARE(row[0][2].asString(), QStringLiteral("Young"));
    QCOMPARE(row[0][3].asInteger(), 1);
    // the next new employee takes the generator's next value
    QCOMPARE(db.scalar(QStringLiteral("SELECT GEN_ID(G_serversServerNumberGen33, 0) FROM RDB$Database")).asInteger(), 11);
}

void TestEmployees::opensOnTheChosenEmployee()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(4, QStringLiteral("Dev Patel"));
    for (int way = 0; way < 3; ++way) {
        QString first, last;
        QStringList positions;
        QList<int> ids;
        boxes.modals.push_back([&](QDialog& d) {
            TfrmEmployees& f = editor(d);
            first = f.edbFName->text();
            last = f.edbLName->text();
            positions = lines(f.lbPositions);
            for (int i = 0; i < f.lbPositions->count(); ++i)
                ids << f.lbPositions->item(i)->data(Qt::UserRole).toInt();
            d.close();
        });
        if (way == 0)
            ws.w->lbEmpsDblClick();
        else if (way == 1)
            ws.w->lblEditEmployeeClick();
        else
            ws.w->EditEmployeeRecord1Click();
        QCOMPARE(first, QStringLiteral("Dev"));
        QCOMPARE(last, QStringLiteral("Patel"));
        QCOMPARE(positions, (QStringList{"Cook", "Dishwasher"}));
        QCOMPARE(ids, (QList<int>{3, 5}));
        ws.choose(4, QStringLiteral("Dev Patel"));
    }
}

void TestEmployees::nothingChosenOpensNothing()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    ws.w->lbEmps->clear();
    bool opened = false;
    boxes.modals.push_back([&](QDialog& d) { opened = true; d.close(); });
    ws.w->lbEmpsDblClick();
    ws.w->lblEditEmployeeClick();
    ws.w->EditEmployeeRecord1Click();
    ws.choose(2, QStringLiteral("Ben Carter"));
    ws.w->lbEmps->clearSelection();
    ws.w->lbEmpsDblClick();
    QVERIFY(!opened);
    QVERIFY(boxes.shown.empty());
    QCOMPARE(frmEmployees, nullptr);
}

void TestEmployees::unknownIdStaysOnTheFirstRecord()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(99, QStringLiteral("Gone Away"));
    QString first;
    boxes.modals.push_back([&](QDialog& d) {
        first = editor(d).edbFName->text();
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QCOMPARE(first, QStringLiteral("Ann"));
    QVERIFY(boxes.shown.empty());
}

void TestEmployees::editedNameIsCommittedAndListed()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(2, QStringLiteral("Ben Carter"));
    QPointer<QDialog> shown;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        f.edbLName->selectAll();
        QTest::keyClicks(f.edbLName, QStringLiteral("Castle"));
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Edit);
        // not yet visible to anyone else
        QCOMPARE(db.scalar(QStringLiteral("SELECT SERVERLAST FROM SERVERS WHERE SERVERID = 2")).asString(),
                 QStringLiteral("Carter"));
        shown = &d;
        QTest::keyClick(&d, Qt::Key_Escape); // closes as the close button does
    });
    ws.w->lbEmpsDblClick();
    QVERIFY2(boxes.errors().isEmpty(), qPrintable(boxes.errors().join(u'|')));
    QCOMPARE(db.scalar(QStringLiteral("SELECT SERVERLAST FROM SERVERS WHERE SERVERID = 2")).asString(),
             QStringLiteral("Castle"));
    QCOMPARE(frmEmployees, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!shown);
    if (!ws.entries().contains(QStringLiteral("Ann Lee")))
        QSKIP("the workspace does not fill its employee list yet");
    QVERIFY(ws.entries().contains(QStringLiteral("Ben Castle")));
    QVERIFY(!ws.entries().contains(QStringLiteral("Ben Carter")));
    QVERIFY(ws.w->lbEmps->selectedItems().isEmpty());
}

void TestEmployees::addOffersOnlyLackingPositions()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(4, QStringLiteral("Dev Patel"));
    QStringList offered;
    QStringList after;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        boxes.modals.push_back(pickLine(QStringLiteral("Host"), &offered));
        clickLink(f.lblAdd); // the rate prompt takes its default, "0.00"
        after = lines(f.lbPositions);
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QCOMPARE(offered, (QStringList{"Host", "Server", "Bartender"}));
    QCOMPARE(after, (QStringList{"Cook", "Dishwasher", "Host"}));
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].kind, Messages::Kind::Input);
    QCOMPARE(boxes.shown[0].caption, QStringLiteral("Enter Pay Rate"));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("Enter Pay Rate for this employee using this position."));
    const auto row = db.rows(QStringLiteral("SELECT PositionName, Rate FROM CurrentPositions WHERE ServerID = 4 AND PositionID = 1"));
    QCOMPARE(row.size(), std::size_t(1));
    QCOMPARE(row[0][0].asString(), QStringLiteral("Host"));
    QCOMPARE(row[0][1].asMoney().format2(), QStringLiteral("0.00"));
}

void TestEmployees::addRateAnswers_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("stored"); // empty: nothing assigned
    QTest::addColumn<bool>("complains");
    QTest::newRow("OK") << std::optional<QString>(QStringLiteral("12.75")) << QStringLiteral("12.75") << false;
    QTest::newRow("blanks around") << std::optional<QString>(QStringLiteral(" 9.5 ")) << QStringLiteral("9.50") << false;
    QTest::newRow("Cancel") << std::optional<QString>() << QString() << false;
    QTest::newRow("emptied") << std::optional<QString>(QString()) << QString() << false;
    QTest::newRow("only blanks") << std::optional<QString>(QStringLiteral("   ")) << QString() << false;
    QTest::newRow("words") << std::optional<QString>(QStringLiteral("ten")) << QString() << true;
    QTest::newRow("comma") << std::optional<QString>(QStringLiteral("1,50")) << QString() << true;
    QTest::newRow("negative") << std::optional<QString>(QStringLiteral("-3")) << QString() << true;
    QTest::newRow("statement text") << std::optional<QString>(QStringLiteral("1); DELETE FROM Servers; --"))
                                    << QString() << true;
}

void TestEmployees::addRateAnswers()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, stored);
    QFETCH(bool, complains);
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    boxes.inputs.push_back(answer);
    Workspace ws;
    ws.choose(9, QStringLiteral("Iris Moreau"));
    QStringList after;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        boxes.modals.push_back(pickLine(QStringLiteral("Cook")));
        clickLink(f.lblAdd);
        after = lines(f.lbPositions);
        d.close();
    });
    ws.w->lbEmpsDblClick();
    const qint64 n = db.count(QStringLiteral("CurrentPositions WHERE ServerID = 9 AND PositionID = 3"));
    if (stored.isEmpty()) {
        QCOMPARE(n, 0);
        QCOMPARE(after, QStringList{QStringLiteral("Server")});
    } else {
        QCOMPARE(n, 1);
        QCOMPARE(db.scalar(QStringLiteral("SELECT Rate FROM CurrentPositions WHERE ServerID = 9 AND PositionID = 3"))
                     .asMoney().format2(),
                 stored);
        QCOMPARE(after, (QStringList{"Server", "Cook"}));
    }
    QCOMPARE(db.count(QStringLiteral("Servers")), 10);
    QCOMPARE(boxes.errors().size(), complains ? 1 : 0);
    if (complains)
        QVERIFY(boxes.errors().front().contains(QLatin1String("is not a valid pay rate")));
}

void TestEmployees::addQuotesThePositionName()
{
    TestDatabase db(TestDatabase::Demo);
    db.exec(QStringLiteral("INSERT INTO Positions (PositionID, PositionName, Position_Color) VALUES (6, 'Chef''s Aide', 0)"));
    RecordingMessages boxes;
    boxes.inputs.push_back(QStringLiteral("14"));
    Workspace ws;
    ws.choose(1, QStringLiteral("Ann Lee"));
    boxes.modals.push_back([&](QDialog& d) {
        boxes.modals.push_back(pickLine(QStringLiteral("Chef's Aide")));
        clickLink(editor(d).lblAdd);
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QCOMPARE(db.scalar(QStringLiteral("SELECT PositionName FROM CurrentPositions WHERE ServerID = 1 AND PositionID = 6")).asString(),
             QStringLiteral("Chef's Aide"));
}

void TestEmployees::addWhenEveryPositionIsTaken()
{
    TestDatabase db(TestDatabase::Demo);
    for (int p : {3, 4, 5})
        db.exec(QStringLiteral("INSERT INTO CurrentPositions (ServerID, PositionID, PositionName, Rate) VALUES (1, %1, 'x', 1)").arg(p));
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(1, QStringLiteral("Ann Lee"));
    QStringList offered = {QStringLiteral("not shown")};
    boxes.modals.push_back([&](QDialog& d) {
        boxes.modals.push_back(pickLine(QStringLiteral("Host"), &offered));
        clickLink(editor(d).lblAdd);
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QVERIFY(offered.isEmpty());
    QVERIFY(boxes.shown.empty()); // no rate prompt after Cancel
    QCOMPARE(db.count(QStringLiteral("CurrentPositions WHERE ServerID = 1")), 5);
}

void TestEmployees::deleteAsksAndRemoves()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    boxes.answers = {false, true};
    Workspace ws;
    ws.choose(7, QStringLiteral("Grace Kim"));
    QStringList afterNo, afterYes;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        clickLink(f.lblDelete); // nothing selected: no question
        QVERIFY(boxes.shown.empty());
        f.lbPositions->setCurrentItem(lineOf(f.lbPositions, QStringLiteral("Host")));
        clickLink(f.lblDelete);
        afterNo = lines(f.lbPositions);
        f.lbPositions->setCurrentItem(lineOf(f.lbPositions, QStringLiteral("Host")));
        clickLink(f.lblDelete);
        afterYes = lines(f.lbPositions);
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QCOMPARE(boxes.texts(), (QStringList{"Remove the Position from this employee?",
                                         "Remove the Position from this employee?"}));
    QCOMPARE(afterNo, (QStringList{"Server", "Host"}));
    QCOMPARE(afterYes, QStringList{QStringLiteral("Server")});
    QCOMPARE(db.count(QStringLiteral("CurrentPositions WHERE ServerID = 7")), 1);
    QCOMPARE(db.count(QStringLiteral("CurrentPositions WHERE PositionID = 1")), 1);
}

void TestEmployees::lookupMovesToTheEmployee()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(1, QStringLiteral("Ann Lee"));
    QStringList offered;
    QString first;
    QStringList positions;
    QString stayed;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        boxes.modals.push_back(pickLine(QStringLiteral("Hugo Lindqvist"), &offered));
        clickLink(f.Label6);
        first = f.edbFName->text();
        positions = lines(f.lbPositions);
        boxes.modals.push_back(pickLine(QStringLiteral("nobody")));
        clickLink(f.Label6);
        stayed = f.edbFName->text();
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QCOMPARE(offered.size(), 10);
    QCOMPARE(offered.front(), QStringLiteral("Ann Lee"));
    QCOMPARE(offered.back(), QStringLiteral("Jack Turner"));
    QCOMPARE(first, QStringLiteral("Hugo"));
    QCOMPARE(positions, QStringList{QStringLiteral("Bartender")});
    QCOMPARE(stayed, QStringLiteral("Hugo"));
}

void TestEmployees::failingPostKeepsTheRecordAndShowsTheError()
{
    TestDatabase db(TestDatabase::Demo);
    db.exec(QStringLiteral("ALTER TABLE SERVERS ADD CONSTRAINT CK_SERVERS_LAST CHECK (SERVERLAST <> 'Bad')"));
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(3, QStringLiteral("Carla Diaz"));
    bool stayedOpen = false;
    FbDataSet::State stateAfterPost{};
    QString textAfterPost;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        f.edbLName->selectAll();
        QTest::keyClicks(f.edbLName, QStringLiteral("Bad"));
        clickNav(f.DBAdvNavigator1, TDBAdvNavigator::Post);
        stateAfterPost = f.qryMain.state();
        textAfterPost = f.edbLName->text();
        // moving away and closing fail the same way, and lose nothing
        clickNav(f.DBAdvNavigator1, TDBAdvNavigator::Next);
        d.close();
        stayedOpen = d.isVisible();
        f.edbLName->selectAll();
        QTest::keyClicks(f.edbLName, QStringLiteral("Diaz-Ruiz"));
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QCOMPARE(stateAfterPost, FbDataSet::State::Edit);
    QCOMPARE(textAfterPost, QStringLiteral("Bad"));
    QVERIFY(stayedOpen);
    QCOMPARE(boxes.errors().size(), 3);
    for (const QString& e : boxes.errors())
        QVERIFY2(e.contains(QLatin1String("CK_SERVERS_LAST")), qPrintable(e));
    QCOMPARE(db.scalar(QStringLiteral("SELECT SERVERLAST FROM SERVERS WHERE SERVERID = 3")).asString(),
             QStringLiteral("Diaz-Ruiz"));
    QCOMPARE(frmEmployees, nullptr);
}

void TestEmployees::noCurrentEmployeeDisablesAddAndDelete()
{
    TestDatabase db; // no employees at all
    RecordingMessages boxes;
    Workspace ws;
    bool addEnabled = true, deleteEnabled = true, listEnabled = true;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        addEnabled = f.lblAdd->isEnabled();
        deleteEnabled = f.lblDelete->isEnabled();
        listEnabled = f.lbPositions->isEnabled();
        f.lblAddClick();
        f.lblDeleteClick();
        d.close();
    });
    ws.choose(1, QStringLiteral("Nobody"));
    ws.w->lbEmpsDblClick();
    QVERIFY(!addEnabled && !deleteEnabled && !listEnabled);
    QVERIFY(boxes.shown.empty());
    QVERIFY(boxes.modals.empty());
    QCOMPARE(db.count(QStringLiteral("CurrentPositions")), 0);
}

void TestEmployees::scrollingRefreshesAtTheEndsToo()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    ws.choose(2, QStringLiteral("Ben Carter"));
    QStringList atLast, atFirst;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmEmployees& f = editor(d);
        clickNav(f.DBAdvNavigator1, TDBAdvNavigator::Last);
        atLast = lines(f.lbPositions);
        clickNav(f.DBAdvNavigator1, TDBAdvNavigator::First);
        atFirst = lines(f.lbPositions);
        d.close();
    });
    ws.w->lbEmpsDblClick();
    QCOMPARE(atLast, QStringList{QStringLiteral("Cook")});            // Jack
    QCOMPARE(atFirst, (QStringList{"Host", "Server"}));              // Ann
}

QUENDAL_TEST_MAIN(TestEmployees)
#include "test_employees.moc"
