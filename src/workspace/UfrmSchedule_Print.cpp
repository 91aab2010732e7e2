#include "UfrmSchedule.h"

#include "app/HourglassCursor.h"
#include "app/MessageBoxes.h"
#include "data/UdmMain.h"
#include "report/ReportViewer.h"
#include "report/UfrmRBPreview.h"
#include "report/UrptScheduleMain.h"

#include <QPointer>
#include <memory>

void TfrmSchedule::lblPrintScheduleClick()
{
    if (CurrentScheduleID == 0) {
        Messages::error(QStringLiteral("No Current Schedule Loaded"));
        return;
    }
    // Released last on every way out, after the preview and the cursor.
    std::unique_ptr<TrptScheduleMain> report(new TrptScheduleMain(dmMain->FBDB));
    rptScheduleMain = report.get();
    report->ScheduleID = CurrentScheduleID;

    QPointer<TfrmRBPreview> preview;
    struct PreviewGone {
        QPointer<TfrmRBPreview>& p;
        // A preview that did not free itself (not shown, or an error) goes
        // before the report it shows.
        ~PreviewGone() { delete p.data(); }
    } previewGone{preview};
    {
        HourglassCursor wait;
        frmRBPreview = new TfrmRBPreview();
        preview = frmRBPreview;
        preview->Prev->setReport(&report->rpt);
        preview->Prev->generate();
    }
    // The normal cursor while the user reads, pages and prints.
    Messages::execModal(*preview);
}
