// Start-up: settings, connection and its message, Continue, the program-wide
// error handler and the single running copy.

#include "app/ProgramErrors.h"
#include "app/SingleInstance.h"
#include "app/UfrmMain.h"
#include "data/FbError.h"
#include "data/ShopDatabase.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/LinkLabel.h"
#include "workspace/UfrmSchedule.h"

#include <QLocalSocket>
#include <QProcess>
#include <QPushButton>

namespace {

void writeIni(const QString& folder, const QString& text)
{
    QFile f(folder + QStringLiteral("/tolvane.INI"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void noSettingsConnectsToDemoBesideProgram();
    void settingsChooseTheDatabase_data();
    void settingsChooseTheDatabase();
    void emptyPathIsReportedByTheErrorHandler();
    void failedConnectionStillContinues();
    void uncaughtErrorIsShownAndTheProgramGoesOn();
    void welcomeWindowLook();
    void secondCopyLeavesOneRunning();
};

void TestStartup::cleanup()
{
    delete frmSchedule;
    delete dmMain;
    dmMain = nullptr;
}

void TestStartup::noSettingsConnectsToDemoBesideProgram()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vallorin.gdb"));
    ShopDatabase::create({QStringLiteral("sysdba"), QStringLiteral("plumtiger"), QString(), path}, true);
    RecordingMessages messages;
    TfrmMain w(dir.path());
    QVERIFY(messages.shown.empty());
    QVERIFY(dmMain);
    QVERIFY(dmMain->FBDB.isOpen());
    QCOMPARE(dmMain->FBDB.address(), QDir(dir.path()).absoluteFilePath(QStringLiteral("vallorin.gdb")));
    TdmMain::Query q;
    dmMain->OpenQuery(QStringLiteral("SELECT COUNT(*) FROM Servers"), q);
    QCOMPARE(q->field(0).asInteger(), 10);
    dmMain->CloseQuery(q);
}

void TestStartup::settingsChooseTheDatabase_data()
{
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("pathSuffix"); // after the folder, or the whole path
    QTest::newRow("keys in another case")
        << "[system]\ndatabasepath=%1/other.gdb\nSERVER=\n" << "" << "/other.gdb";
    QTest::newRow("server set: host and path")
        << "[System]\nDatabasePath=/srv/shop.gdb\nServer=pos-host.example\n" << "pos-host.example" << "/srv/shop.gdb";
    QTest::newRow("missing keys: defaults") << "[System]\n" << "" << "/vallorin.gdb";
}

void TestStartup::settingsChooseTheDatabase()
{
    QFETCH(QString, ini);
    QFETCH(QString, server);
    QFETCH(QString, pathSuffix);
    QTemporaryDir dir;
    writeIni(dir.path(), ini.arg(dir.path()));
    RecordingMessages messages;
    TfrmMain w(dir.path());
    // none of these files exist: the connection fails, and says so once
    QCOMPARE(messages.texts(), QStringList{TfrmMain::connectionFailedMessage});
    QCOMPARE(dmMain->FBDB.params().server, server);
    QCOMPARE(dmMain->FBDB.params().userName, QStringLiteral("sysdba"));
    QCOMPARE(dmMain->FBDB.params().password, QStringLiteral("plumtiger"));
    const QString path = dmMain->FBDB.params().path;
    QVERIFY2(path.endsWith(pathSuffix), qPrintable(path));
    QCOMPARE(dmMain->FBDB.address(), server.isEmpty() ? path : server + u':' + path);
}

void TestStartup::emptyPathIsReportedByTheErrorHandler()
{
    QTemporaryDir dir;
    writeIni(dir.path(), QStringLiteral("[System]\nDatabasePath=\n"));
    RecordingMessages messages;
    TfrmMain w(dir.path());
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Path and/or Host not set")});
    QVERIFY(w.Button1);
}

void TestStartup::failedConnectionStillContinues()
{
    QTemporaryDir dir;
    RecordingMessages messages;
    TfrmMain w(dir.path());
    frmMain = &w;
    w.show();
    QCOMPARE(messages.texts(), QStringList{TfrmMain::connectionFailedMessage});
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QVERIFY(frmSchedule);
    QVERIFY(frmSchedule->isVisible());
    QVERIFY(!w.isVisible());
    QCOMPARE(frmSchedule->windowTitle(), QStringLiteral("Quendal Employee Scheduling"));
    QVERIFY(!QApplication::overrideCursor());
    // closing the workspace closes the welcome window, which ends the program
    frmSchedule->close();
    QTRY_VERIFY(!frmSchedule);
    QVERIFY(!w.isVisible());
    frmMain = nullptr;
}

void TestStartup::uncaughtErrorIsShownAndTheProgramGoesOn()
{
    RecordingMessages messages;
    QPushButton button;
    int after = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, ProgramErrors::guarded([] {
        throw DatabaseError(QStringLiteral("lock conflict on no wait transaction"));
    }));
    QObject::connect(&button, &QPushButton::clicked, &button, [&] { ++after; });
    button.click();
    button.click();
    QCOMPARE(messages.errors(), (QStringList{QStringLiteral("lock conflict on no wait transaction"),
                                             QStringLiteral("lock conflict on no wait transaction")}));
    QCOMPARE(after, 2);
}

void TestStartup::welcomeWindowLook()
{
    QTemporaryDir dir;
    RecordingMessages messages;
    TfrmMain w(dir.path());
    QCOMPARE(w.windowTitle(), QStringLiteral("Quendal Scheduler"));
    QCOMPARE(w.size(), QSize(550, 527));
    const Qt::WindowFlags f = w.windowFlags();
    QVERIFY(!(f & Qt::WindowCloseButtonHint));
    QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(f & Qt::WindowSystemMenuHint));
    QCOMPARE(w.Button1->text(), QStringLiteral("Continue"));
    QCOMPARE(w.Button1->size(), QSize(75, 25));
    QVERIFY(w.Label1->text().endsWith(QLatin1String(".example")));
    QCOMPARE(w.Label1->font().pixelSize(), 19);
    QVERIFY(w.Label1->font().underline());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.Label1->textColor(), QColor(0x00, 0x00, 0x80));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w.Label1, &enter);
    QCOMPARE(w.Label1->textColor(), QColor(0xFF, 0x00, 0x00));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.Label1, &leave);
    QCOMPARE(w.Label1->textColor(), QColor(0x00, 0x00, 0x80));
    if (!qEnvironmentVariableIsEmpty("QUENDAL_SCREENSHOTS"))
        w.grab().save(qEnvironmentVariable("QUENDAL_SCREENSHOTS") + QStringLiteral("/welcome.png"));
}

void TestStartup::secondCopyLeavesOneRunning()
{
    // A copy of the program under a name of its own, so that no real running
    // copy is disturbed and no database is opened.
    QTemporaryDir dir;
    const QString name = QStringLiteral("QuendalSchedulerCopy%1").arg(QCoreApplication::applicationPid());
    const QString exe = dir.filePath(name);
    QVERIFY(QFile::copy(QStringLiteral(QUENDAL_PROGRAM), exe));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("FIREBIRD_LOCK"), dir.path());

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(exe);
    QVERIFY(first.waitForStarted());
    QLocalSocket probe;
    QTRY_VERIFY_WITH_TIMEOUT((probe.connectToServer(SingleInstance::socketName(name)), probe.waitForConnected(200)),
                             20000);
    probe.disconnectFromServer();

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(exe);
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

QUENDAL_TEST_MAIN(TestStartup)
#include "test_startup.moc"
