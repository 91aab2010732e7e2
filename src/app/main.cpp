#include "app/Application.h"
#include "app/ProgramErrors.h"
#include "app/SingleInstance.h"
#include "app/UfrmMain.h"
#include "data/UdmMain.h"
#include "workspace/UfrmSchedule.h"

#include <QFileInfo>

namespace {

void bringToFront()
{
    QWidget* w = frmSchedule ? static_cast<QWidget*>(frmSchedule) : static_cast<QWidget*>(frmMain);
    if (!w)
        return;
    if (w->isMinimized())
        w->showNormal();
    w->raise();
    w->activateWindow();
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    // The program's title, and the name a running copy is known by.
    app.setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());

    SingleInstance instance(app.applicationName());
    if (instance.anotherCopyRunning())
        return 0;

    int rc = 0;
    {
        TfrmMain welcome;
        frmMain = &welcome;
        QObject::connect(&instance, &SingleInstance::activationRequested, &welcome,
                         ProgramErrors::guarded([] { bringToFront(); }));
        welcome.show();
        rc = app.exec();
        delete frmSchedule;
    }
    delete dmMain;
    dmMain = nullptr;
    return rc;
}
