#pragma once

#include "BandReport.h"
#include "data/FbQuery.h"
#include "data/FbTransaction.h"

#include <QObject>
#include <QString>

class FbConnection;

// The report container of the schedule report: its query in a snapshot
// transaction of its own, the report design and the report's scripts.
// Created and released by each print request.
class TrptScheduleMain : public QObject {
    Q_OBJECT
public:
    explicit TrptScheduleMain(FbConnection& db, QObject* parent = nullptr);
    ~TrptScheduleMain() override;

    // The statement text of IBOQuery1.
    static QString reportSql();

    // The schedule the report prints, given to "SchedID" when the query opens.
    qint64 ScheduleID = 0;

    FbTransaction IBOTransaction1;
    FbQuery IBOQuery1;
    BandReport rpt;

    // The parts of the design the scripts and tests reach by name.
    ReportGroup* ppGroup1 = nullptr;
    ReportGroup* ppGroup2 = nullptr;
    ReportElement* ppLabel1 = nullptr;
    ReportElement* ppVariable1 = nullptr;
    ReportElement* ppLabel2 = nullptr;
    ReportElement* ppSystemVariable1 = nullptr;
    ReportElement* ppShape1 = nullptr;
    ReportElement* ppDBText1 = nullptr;
    ReportElement* ppLabel3 = nullptr;
    ReportElement* ppLabel4 = nullptr;
    ReportElement* ppLabel9 = nullptr;
    ReportElement* ppLabel5 = nullptr;
    ReportElement* ppLabel6 = nullptr;
    ReportElement* ppLabel7 = nullptr;
    ReportElement* ppLine1 = nullptr;
    ReportElement* ppVariable2 = nullptr;
    ReportElement* ppDBText2 = nullptr;
    ReportElement* lblClosing = nullptr;
    ReportElement* ppDBText3 = nullptr;
    ReportElement* ppDBText4 = nullptr;
    ReportElement* ppDBText5 = nullptr;
    ReportElement* ppLabel8 = nullptr;

    void IBOQuery1BeforeOpen();
    void Variable1OnCalc(QString& Value);
    void Variable2OnCalc(QString& Value);
    void ppDetailBand1BeforePrint();

private:
    void buildDesign();
    // The data pipeline: every row of the query, read in one snapshot.
    void fetchRows(ReportData& data);
};

// The container of the print request under way; null otherwise.
extern TrptScheduleMain* rptScheduleMain;
