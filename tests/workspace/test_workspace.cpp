// The workspace window against real database files made from db/.

#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/ColumnComboBox.h"
#include "workspace/UfrmSchedule.h"

#include <memory>

class TestWorkspace : public QObject {
    Q_OBJECT
private slots:
    void windowBuilds();
};

void TestWorkspace::windowBuilds()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages messages;
    auto w = std::make_unique<TfrmSchedule>();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quendal Employee Scheduling"));
    QCOMPARE(w->CurrentScheduleID, 0);
    QVERIFY(messages.errors().isEmpty());
    w->show();
    QVERIFY(!w->grab().isNull());
}

QUENDAL_TEST_MAIN(TestWorkspace)
#include "test_workspace.moc"
