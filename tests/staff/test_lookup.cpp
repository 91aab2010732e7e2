// The lookup list and PickFromList, driven as a user would.

#include "dialogs/UMisc.h"
#include "dialogs/UfrmLookup.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/LinkLabel.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>

namespace {

const QString employeesSql = QStringLiteral(
    "SELECT (ServerFirst || ' ' || ServerLast) As Server, ServerID FROM Servers ORDER BY ServerFirst, ServerLast");

TfrmLookup& lookup(QDialog& d)
{
    return static_cast<TfrmLookup&>(d);
}

QListWidgetItem* line(TfrmLookup& f, const QString& text)
{
    const auto found = f.lbValues->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

void clickLink(TLinkLabel* l)
{
    QTest::mouseClick(l, Qt::LeftButton, {}, l->rect().center());
}

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void showsRowsInQueryOrderUnderThePrompt();
    void selectReturnsTheChosenId();
    void cancelGivesMinusOneThenZeroAgain();
    void doubleClickReturnsAtOnce();
    void selectWithNothingChosenKeepsTheDialog();
    void emptyResultLeavesOnlyCancel();
    void closingAnyOtherWayGivesZero();
    void failingQueryShowsNoDialog();
};

void TestLookup::showsRowsInQueryOrderUnderThePrompt()
{
    TestDatabase db(TestDatabase::Demo);
    db.exec(QStringLiteral("INSERT INTO SERVERS (SERVERID, SERVERFIRST, SERVERLAST, SERVERNUMBER) VALUES (20, 'Ann', 'Abbot', 20)"));
    RecordingMessages boxes;
    QStringList lines;
    QList<int> ids;
    QString prompt, caption;
    bool wraps = false;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmLookup& f = lookup(d);
        QCOMPARE(frmLookup, &f);
        caption = f.windowTitle();
        prompt = f.lblMessage->text();
        wraps = f.lblMessage->wordWrap();
        for (int i = 0; i < f.lbValues->count(); ++i) {
            lines << f.lbValues->item(i)->text();
            ids << f.lbValues->item(i)->data(Qt::UserRole).toInt();
        }
        clickLink(f.Label2);
    });
    QCOMPARE(PickFromList(employeesSql, QStringLiteral("Choose Employee")), -1);
    QCOMPARE(caption, QStringLiteral("Lookup List"));
    QCOMPARE(prompt, QStringLiteral("Choose Employee"));
    QVERIFY(wraps);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.mid(0, 3), (QStringList{"Ann Abbot", "Ann Lee", "Ben Carter"}));
    QCOMPARE(lines.last(), QStringLiteral("Jack Turner"));
    QCOMPARE(ids.mid(0, 3), (QList<int>{20, 1, 2}));
    QCOMPARE(frmLookup, nullptr);
}

void TestLookup::selectReturnsTheChosenId()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    QPointer<QDialog> shown;
    boxes.modals.push_back([&](QDialog& d) {
        shown = &d;
        TfrmLookup& f = lookup(d);
        f.lbValues->setCurrentItem(line(f, QStringLiteral("Grace Kim")));
        clickLink(f.lblSelect);
    });
    QCOMPARE(PickFromList(employeesSql, QStringLiteral("Choose Employee")), 7);
    QCOMPARE(ChosenLookupID, 0);
    QVERIFY(boxes.shown.empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!shown); // it freed itself
}

void TestLookup::cancelGivesMinusOneThenZeroAgain()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmLookup& f = lookup(d);
        f.lbValues->setCurrentRow(2);
        clickLink(f.Label2);
    });
    QCOMPARE(PickFromList(employeesSql, QStringLiteral("Choose Employee")), -1);
    QCOMPARE(ChosenLookupID, 0);
    int atStart = -99;
    boxes.modals.push_back([&](QDialog& d) {
        atStart = ChosenLookupID;
        d.close();
    });
    QCOMPARE(PickFromList(employeesSql, QStringLiteral("Choose Employee")), 0);
    QCOMPARE(atStart, 0);
}

void TestLookup::doubleClickReturnsAtOnce()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    bool stillOpen = true;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmLookup& f = lookup(d);
        QListWidgetItem* item = line(f, QStringLiteral("Dev Patel"));
        QWidget* vp = f.lbValues->viewport();
        const QPoint at = f.lbValues->visualItemRect(item).center();
        QTest::mouseClick(vp, Qt::LeftButton, {}, at);
        QTest::mouseDClick(vp, Qt::LeftButton, {}, at);
        stillOpen = d.isVisible();
    });
    QCOMPARE(PickFromList(employeesSql, QStringLiteral("Choose Employee")), 4);
    QVERIFY(!stillOpen);
}

void TestLookup::selectWithNothingChosenKeepsTheDialog()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    bool openAfterSelect = false;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmLookup& f = lookup(d);
        clickLink(f.lblSelect);
        openAfterSelect = d.isVisible();
        // then chooses after all
        f.lbValues->setCurrentItem(line(f, QStringLiteral("Iris Moreau")));
        clickLink(f.lblSelect);
    });
    QCOMPARE(PickFromList(employeesSql, QStringLiteral("Choose Employee")), 9);
    QVERIFY(openAfterSelect);
    QCOMPARE(boxes.errors(), QStringList{QStringLiteral("You did not choose anything!")});
}

void TestLookup::emptyResultLeavesOnlyCancel()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    int count = -1;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmLookup& f = lookup(d);
        count = f.lbValues->count();
        clickLink(f.lblSelect);
        clickLink(f.Label2);
    });
    QCOMPARE(PickFromList(QStringLiteral("SELECT PositionName, PositionID FROM Positions WHERE PositionID < 0"),
                          QStringLiteral("Select Position")),
             -1);
    QCOMPARE(count, 0);
    QCOMPARE(boxes.errors(), QStringList{QStringLiteral("You did not choose anything!")});
}

void TestLookup::closingAnyOtherWayGivesZero()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    QPointer<QDialog> shown;
    boxes.modals.push_back([&](QDialog& d) {
        shown = &d;
        TfrmLookup& f = lookup(d);
        f.lbValues->setCurrentRow(0);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    QCOMPARE(PickFromList(employeesSql, QStringLiteral("Choose Employee")), 0);
    QCOMPARE(frmLookup, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!shown);
}

void TestLookup::failingQueryShowsNoDialog()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    bool shown = false;
    boxes.modals.push_back([&](QDialog&) { shown = true; });
    QVERIFY_THROWS_EXCEPTION(std::exception, PickFromList(QStringLiteral("SELECT Nope FROM Nowhere"), QStringLiteral("x")));
    QVERIFY(!shown);
    QCOMPARE(frmLookup, nullptr);
    QCOMPARE(ChosenLookupID, 0);
}

QUENDAL_TEST_MAIN(TestLookup)
#include "test_lookup.moc"
