#include "UrptScheduleMain.h"

#include "data/FbConnection.h"
#include "data/LocaleFormat.h"

TrptScheduleMain* rptScheduleMain = nullptr;

namespace {

const QString kFooterText = QStringLiteral(
    "Schedules Provided Compliments of Quendal Business Solutions, Co. makers of QuendalPOS Restaurant "
    "Point of Sale Software  www.quendal.example");

ReportElement* font(ReportElement* e, double size, bool bold = false)
{
    e->fontSize = size;
    e->bold = bold;
    return e;
}

ReportElement* label(ReportElement* e, const QString& caption)
{
    e->caption = caption;
    return e;
}

ReportElement* field(ReportElement* e, const QString& name, const QString& format = QString())
{
    e->dataField = name;
    e->displayFormat = format;
    return e;
}

} // namespace

TrptScheduleMain::TrptScheduleMain(FbConnection& db, QObject* parent)
    : QObject(parent), IBOTransaction1(db), IBOQuery1(IBOTransaction1)
{
    IBOQuery1.setSql(reportSql());
    buildDesign();
    rpt.openData = [this](ReportData& data) { fetchRows(data); };
}

TrptScheduleMain::~TrptScheduleMain()
{
    if (rptScheduleMain == this)
        rptScheduleMain = nullptr;
}

QString TrptScheduleMain::reportSql()
{
    return QStringLiteral(
        "SELECT SCHEDULER.SCHEDULER_NAME, \n"
        " SERVERS.SERVERID, SCHEDULER.SCHEDULER_ID, \n"
        " SCHEDULER.SCHEDULER_START, SCHEDULER.SCHEDULER_END, \n"
        " SCHEDULE.SCHEDULESTART, SCHEDULE.SCHEDULEEND, SCHEDULE.SCHEDULECLOSE, \n"
        " SCHEDULE.SCHEDULEDATE, SCHEDULE.RATE, SCHEDULE.TOTALHOURS, \n"
        " POSITIONS.POSITIONNAME, SERVERS.SERVERFIRST, SERVERS.SERVERLAST\n"
        "FROM POSITIONS INNER JOIN (SERVERS INNER JOIN \n"
        "(SCHEDULER INNER JOIN SCHEDULE ON SCHEDULER.SCHEDULER_ID = \n"
        "SCHEDULE.SCHEDULER_ID) ON SERVERS.SERVERID = SCHEDULE.SERVERID) \n"
        "ON POSITIONS.POSITIONID = SCHEDULE.POSITIONID\n"
        "\n"
        // Both tables have a Scheduler_ID; Firebird refuses the bare name.
        "WHERE SCHEDULE.Scheduler_ID = :SchedID\n"
        "\n"
        "ORDER BY Scheduler.Scheduler_Start, Schedule.ScheduleStart;");
}

void TrptScheduleMain::buildDesign()
{
    rpt.jobName = QStringLiteral("Report");
    rpt.pdfAuthor = QStringLiteral("QuendalScheduler QuendalPOS");
    rpt.pdfCreator = QStringLiteral("QuendalScheduler");
    rpt.page = ReportLayout::PageSetup{}; // landscape Letter, two columns

    // Page header: positions from the left margin.
    rpt.header.height = 25.14;
    ppLabel1 = font(label(rpt.header.addBox(ReportElement::Label, QStringLiteral("ppLabel1"), 115.59, 150.85, 0,
                                            Qt::AlignHCenter),
                          QStringLiteral("Schedule")),
                    24);
    ppVariable1 = font(rpt.header.addText(ReportElement::Variable, QStringLiteral("ppVariable1"), 133.35, 10.32,
                                          Qt::AlignHCenter),
                       10);
    ppVariable1->onCalc = [this](QString& v) { Variable1OnCalc(v); };
    ppLabel2 = font(label(rpt.header.addText(ReportElement::Label, QStringLiteral("ppLabel2"), 0, 13.23),
                          QStringLiteral("Printed")),
                    10);
    ppSystemVariable1 = font(rpt.header.addText(ReportElement::SystemVariable, QStringLiteral("ppSystemVariable1"),
                                                29.24, 13.23, Qt::AlignHCenter),
                             10);

    // Each schedule on pages of its own, counted from 1.
    ppGroup1 = rpt.addGroup(QStringLiteral("SCHEDULER_ID"));
    ppGroup1->newPage = true;
    ppGroup1->resetPageNumber = true;

    // Each day: a date box and the column heads, kept with its rows. A day
    // too long for a whole column repeats its heading where it goes on.
    ppGroup2 = rpt.addGroup(QStringLiteral("SCHEDULEDATE"));
    ppGroup2->keepTogether = true;
    ppGroup2->reprintHeader = true;
    ReportBand& gh = ppGroup2->header;
    gh.height = 12.17;
    ppShape1 = gh.addShape(QStringLiteral("ppShape1"), 0, 0, 133.62, 5.29);
    ppShape1->cornerRadius = 1.3;
    ppShape1->penWidthPt = 0.75;
    ppDBText1 = font(field(gh.addText(ReportElement::DBText, QStringLiteral("ppDBText1"), 53.45, 0.27),
                           QStringLiteral("SCHEDULEDATE"), QStringLiteral("mmmm d, yyyy")),
                     12, true);
    ppLabel3 = font(label(gh.addText(ReportElement::Label, QStringLiteral("ppLabel3"), 0, 8.73), QStringLiteral("Employee")), 8);
    ppLabel4 = font(label(gh.addText(ReportElement::Label, QStringLiteral("ppLabel4"), 36.25, 8.73), QStringLiteral("Position")), 8);
    ppLabel9 = font(label(gh.addText(ReportElement::Label, QStringLiteral("ppLabel9"), 56.36, 8.73), QStringLiteral("Close")), 8);
    ppLabel5 = font(label(gh.addText(ReportElement::Label, QStringLiteral("ppLabel5"), 71.70, 8.73), QStringLiteral("Start")), 8);
    ppLabel6 = font(label(gh.addText(ReportElement::Label, QStringLiteral("ppLabel6"), 95.25, 8.73), QStringLiteral("End")), 8);
    ppLabel7 = font(label(gh.addText(ReportElement::Label, QStringLiteral("ppLabel7"), 132.03, 8.73, Qt::AlignRight),
                          QStringLiteral("Hrs.")),
                    8);
    const double lineMm = 0.75 * 25.4 / 72;
    ppLine1 = gh.addLine(QStringLiteral("ppLine1"), 0, gh.height - lineMm, 133.35, 0.75);
    ppGroup2->footer.height = 6.88;

    rpt.detail.height = 3.18;
    ppVariable2 = font(rpt.detail.addText(ReportElement::Variable, QStringLiteral("ppVariable2"), 0, 0), 8);
    ppVariable2->onCalc = [this](QString& v) { Variable2OnCalc(v); };
    ppDBText2 = font(field(rpt.detail.addBox(ReportElement::DBText, QStringLiteral("ppDBText2"), 36.25, 53.18, 0),
                           QStringLiteral("POSITIONNAME")),
                     8);
    lblClosing = font(rpt.detail.addText(ReportElement::Label, QStringLiteral("lblClosing"), 56.36, 0), 8);
    lblClosing->fontName = QStringLiteral("MS Sans Serif");
    lblClosing->color = Qt::black; // the window-text colour of a printed page
    ppDBText3 = font(field(rpt.detail.addBox(ReportElement::DBText, QStringLiteral("ppDBText3"), 71.70, 91.55, 0),
                           QStringLiteral("SCHEDULESTART"), QStringLiteral("hh:nn:ss AM/PM")),
                     8);
    ppDBText4 = font(field(rpt.detail.addBox(ReportElement::DBText, QStringLiteral("ppDBText4"), 95.25, 115.09, 0),
                           QStringLiteral("SCHEDULEEND"), QStringLiteral("hh:nn:ss AM/PM")),
                     8);
    ppDBText5 = font(field(rpt.detail.addBox(ReportElement::DBText, QStringLiteral("ppDBText5"), 116.68, 132.03, 0,
                                             Qt::AlignRight),
                           QStringLiteral("TOTALHOURS"), QStringLiteral("#,0.00;-#,0.00")),
                     8);
    rpt.detail.beforePrint = [this] { ppDetailBand1BeforePrint(); };

    rpt.footer.height = 8.73;
    ppLabel8 = font(label(rpt.footer.addText(ReportElement::Label, QStringLiteral("ppLabel8"), 265.91, 4.23,
                                             Qt::AlignRight),
                          kFooterText),
                    8);
}

void TrptScheduleMain::IBOQuery1BeforeOpen()
{
    IBOQuery1.setParam(QStringLiteral("SchedID"), FbValue(ScheduleID));
}

void TrptScheduleMain::fetchRows(ReportData& data)
{
    try {
        IBOTransaction1.start();
        IBOQuery1BeforeOpen();
        IBOQuery1.open();
        QStringList names;
        for (int i = 0; i < IBOQuery1.fieldCount(); ++i)
            names << IBOQuery1.fieldName(i);
        data.setFields(names);
        for (; !IBOQuery1.eof(); IBOQuery1.next())
            data.addRow(IBOQuery1.row());
        IBOQuery1.close();
        IBOTransaction1.commit();
    } catch (...) {
        try {
            IBOQuery1.close();
        } catch (const std::exception&) {
            // the first error is the one to report
        }
        IBOTransaction1.rollbackQuietly();
        throw;
    }
}

void TrptScheduleMain::Variable1OnCalc(QString& Value)
{
    if (!rpt.hasCurrentRow())
        return; // a schedule without shifts has no dates to show
    Value = QStringLiteral("From ") + LocaleFormat::shortDate(rpt.value(QStringLiteral("SCHEDULER_START")).asDate())
        + QStringLiteral(" Through ") + LocaleFormat::shortDate(rpt.value(QStringLiteral("SCHEDULER_END")).asDate());
}

void TrptScheduleMain::Variable2OnCalc(QString& Value)
{
    Value = rpt.value(QStringLiteral("SERVERFIRST")).asString() + u' '
        + rpt.value(QStringLiteral("SERVERLAST")).asString();
}

void TrptScheduleMain::ppDetailBand1BeforePrint()
{
    lblClosing->caption = rpt.value(QStringLiteral("ScheduleClose")).asInteger() == 1 ? QStringLiteral("Yes")
                                                                                   : QStringLiteral("No");
}
