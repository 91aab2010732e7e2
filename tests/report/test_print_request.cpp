// "Print Current Schedule" from the workspace: the message without a
// schedule, the preview of the open schedule, and the clean-up on every
// way out.

#include "report/ReportViewer.h"
#include "report/UfrmRBPreview.h"
#include "report/UrptScheduleMain.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/LinkLabel.h"
#include "workspace/UfrmSchedule.h"

#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QToolButton>
#include <memory>

namespace {

std::unique_ptr<TfrmSchedule> makeWindow()
{
    auto w = std::make_unique<TfrmSchedule>();
    w->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
    return w;
}

// The workspace with the demo week open.
std::unique_ptr<TfrmSchedule> withDemoWeekOpen()
{
    auto w = makeWindow();
    w->show();
    w->ccboSchedules->setCurrentIndex(0);
    w->ccboSchedulesChange();
    return w;
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestPrintRequest : public QObject {
    Q_OBJECT
private slots:
    void noScheduleLoaded();
    void previewOfTheOpenSchedule();
    void failedGenerationCleansUp();
};

void TestPrintRequest::noScheduleLoaded()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages messages;
    auto w = makeWindow();
    w->show();
    QCOMPARE(w->CurrentScheduleID, 0);
    QTest::mouseClick(w->lblPrintSchedule, Qt::LeftButton);
    QCOMPARE(messages.errors(), QStringList{QStringLiteral("No Current Schedule Loaded")});
    QCOMPARE(frmRBPreview, nullptr);
    QCOMPARE(rptScheduleMain, nullptr);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestPrintRequest::previewOfTheOpenSchedule()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages messages;
    auto w = withDemoWeekOpen();
    QCOMPARE(w->CurrentScheduleID, 1);

    const QString pdf = db.folder() + QStringLiteral("/seen.pdf");
    QPointer<TfrmRBPreview> seen;
    int pages = 0;
    messages.modals.push_back([&](QDialog& d) {
        seen = qobject_cast<TfrmRBPreview*>(&d);
        QVERIFY(seen);
        QCOMPARE(frmRBPreview, seen.data());
        QVERIFY(rptScheduleMain);
        QCOMPARE(rptScheduleMain->ScheduleID, 1);
        QCOMPARE(seen->windowTitle(), QStringLiteral("QuendalScheduler Preview"));
        QCOMPARE(QApplication::overrideCursor(), nullptr); // the user reads with the normal cursor
        pages = seen->Prev->pageCount();
        QCOMPARE(seen->Prev->pageNumber(), 1);
        seen->exportPdf(pdf);
        QTest::mouseClick(seen->bClose, Qt::LeftButton);
    });
    QTest::mouseClick(w->lblPrintSchedule, Qt::LeftButton);
    QVERIFY2(messages.errors().isEmpty(), qPrintable(messages.errors().join(u'\n')));
    QCOMPARE(pages, 1);
    QVERIFY(seen.isNull());
    QCOMPARE(frmRBPreview, nullptr);
    QCOMPARE(rptScheduleMain, nullptr);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("Schedule")));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Ann Lee\\s+Host\\s+No\\s+09:00:00 AM"))), qPrintable(text));
}

void TestPrintRequest::failedGenerationCleansUp()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages messages;
    auto w = withDemoWeekOpen();
    QCOMPARE(w->CurrentScheduleID, 1);
    // the report's query now names a column that is gone
    db.exec(QStringLiteral("ALTER TABLE SCHEDULE ALTER COLUMN TOTALHOURS TO TOTAL_HOURS"));
    bool shown = false;
    messages.modals.push_back([&](QDialog&) { shown = true; });
    QTest::mouseClick(w->lblPrintSchedule, Qt::LeftButton);
    QCOMPARE(messages.errors().size(), 1);
    QVERIFY2(messages.errors().first().contains(QStringLiteral("TOTALHOURS")), qPrintable(messages.errors().first()));
    QVERIFY(!shown);
    QCOMPARE(frmRBPreview, nullptr);
    QCOMPARE(rptScheduleMain, nullptr);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

QUENDAL_TEST_MAIN(TestPrintRequest)
#include "test_print_request.moc"
