#include "UfrmMain.h"

#include "HourglassCursor.h"
#include "IniFile.h"
#include "MessageBoxes.h"
#include "ProgramErrors.h"
#include "WelcomePicture.h"
#include "data/UdmMain.h"
#include "widgets/LinkLabel.h"
#include "workspace/UfrmSchedule.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

TfrmMain* frmMain = nullptr;

const QString TfrmMain::webAddress = QStringLiteral("www.quendal.example");
const QString TfrmMain::connectionFailedMessage = QStringLiteral(
    "There was an error connecting to the database.  Please ensure that you have setup the Database Path "
    "and Database Host properties correctly.");

TfrmMain::TfrmMain(const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_folder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder)
{
    setWindowTitle(QStringLiteral("Quendal Scheduler"));
    setFixedSize(550, 527);

    Image1 = new TWelcomePicture(this);
    Image1->setGeometry(rect());

    Button1 = new QPushButton(QStringLiteral("Continue"), this);
    Button1->setGeometry(width() - 75 - 16, height() - 25 - 16, 75, 25);
    Button1->setDefault(true);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, ProgramErrors::guarded([this] { Button1Click(); }));

    Label1 = new TLinkLabel(webAddress, this);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(19);
    f.setUnderline(true);
    Label1->setFont(f);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->adjustSize();
    Label1->move(16, height() - Label1->height() - 18);
    connect(Label1, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { Label1Click(); }));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // An error here (an empty database path) is shown, and the window is
    // still built and shown.
    ProgramErrors::run([this] { FormCreate(); });
}

TfrmMain::~TfrmMain()
{
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::FormCreate()
{
    // The tool-tip pause is the application's (TApplication), 4000 ms.
    const QString folder = QDir(m_folder).absolutePath() + u'/';
    const QString defaultPath = folder + QStringLiteral("vallorin.gdb");
    // Read-only, and released when this scope ends, also on an error.
    const IniFile ini = IniFile::load(folder + QStringLiteral("tolvane.INI"));
    if (!dmMain)
        dmMain = new TdmMain;
    dmMain->SetDatabasePath(ini.readString(QStringLiteral("System"), QStringLiteral("DatabasePath"), defaultPath));
    dmMain->SetHost(ini.readString(QStringLiteral("System"), QStringLiteral("Server"), QString()));
    if (!dmMain->Connect())
        Messages::error(connectionFailedMessage);
}

void TfrmMain::Label1Click()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(Label1->text()));
}

void TfrmMain::Button1Click()
{
    HourglassCursor hourglass;
    frmSchedule = new TfrmSchedule();
    frmSchedule->show();
    hide();
}
