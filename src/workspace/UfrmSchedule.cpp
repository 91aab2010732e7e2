#include "UfrmSchedule.h"

#include "app/ProgramErrors.h"
#include "app/UfrmMain.h"

#include <QCloseEvent>

TfrmSchedule* frmSchedule = nullptr;

TfrmSchedule::TfrmSchedule(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Quendal Employee Scheduling"));
    resize(936, 524);
    setAttribute(Qt::WA_DeleteOnClose);
    ProgramErrors::run([this] { FormCreate(); });
}

TfrmSchedule::~TfrmSchedule()
{
    if (frmSchedule == this)
        frmSchedule = nullptr;
}

void TfrmSchedule::FormCreate()
{
}

void TfrmSchedule::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ProgramErrors::run([this] { FormClose(); });
}

void TfrmSchedule::FormClose()
{
    if (frmSchedule == this)
        frmSchedule = nullptr;
    // The welcome window is the main window: closing it ends the program.
    if (frmMain)
        frmMain->close();
}
