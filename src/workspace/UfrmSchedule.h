#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QSplitter;
class QTimeEdit;
class TAdvToolPanel;
class TAdvToolPanelTab;
class TColumnComboBox;
class TDateEdit;
class TLinkLabel;
class TPlanner;
class TPlannerItem;
class TShader;
class TStringGrid;

// The schedule workspace: the program's window from Continue to the end.
// Controls, state and operations are public: the dialogs and editors reach
// the workspace through frmSchedule and call its operations directly.
class TfrmSchedule : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSchedule(QWidget* parent = nullptr);
    ~TfrmSchedule() override;

    // --- Controls, top to bottom ---
    TPlanner* Planner;
    QMenu* tmsPopTimeLine;
    QAction* Delete1;
    QAction* Edit1;

    TAdvToolPanelTab* AdvToolPanelTab1;
    TAdvToolPanel* AdvToolPanel1; // "Scheduling"
    TAdvToolPanel* AdvToolPanel2; // "Employees"
    TAdvToolPanel* AdvToolPanel3; // "Misc Items"

    // "Scheduling"
    QLabel* Label2;
    TColumnComboBox* ccboSchedules;
    TLinkLabel* lblNewSchedule;
    TLinkLabel* lblDelete;
    QLabel* Label3;
    QComboBox* cboPosition;
    QLabel* Label4;
    TColumnComboBox* ccboDay;
    QLabel* Label5;
    TDateEdit* dtStartDate;
    QLabel* Label6;
    TDateEdit* dtEndDate;
    QTimeEdit* dtStart;
    QTimeEdit* dtEnd;
    QCheckBox* ckFit;
    QLabel* Label7;
    QComboBox* cboInterval;
    TLinkLabel* lblUpdate;

    // "Employees"; each entry of lbEmps carries its ServerID as Qt::UserRole data.
    QCheckBox* ckEmpsActive;
    QListWidget* lbEmps;
    QMenu* tmsEmpPopup;
    QAction* AddShiftforEmployee1;
    QAction* EditEmployeeRecord1;
    TLinkLabel* lblEditEmployee;
    TLinkLabel* lblNewEmployee;

    // "Misc Items"
    TLinkLabel* lblPrintSchedule;
    TLinkLabel* Label1; // "Manage Employee Positions"
    TLinkLabel* Label8; // "Reset Database"

    QSplitter* Splitter1;
    QWidget* Panel1;
    TShader* Shader1;
    TStringGrid* StatsGrid;

    // --- State: the open schedule; 0 and invalid while none is open ---
    int CurrentScheduleID = 0;
    QDateTime CurrentScheduleStart; // wall clock, Qt::UTC
    QDateTime CurrentScheduleEnd;

    // --- Operations ---
    void FillScheduleList();
    void FillPositionFilter();
    void FillDayFilter();
    // The day chosen in ccboDay; an invalid date when none is chosen.
    QDate SelectedFilterDate() const;
    void OpenSelectedSchedule(bool SelectionChanged);
    void FillEmployeeList();
    void LoadScheduleGrid();
    // The day's shift query of LoadScheduleGrid; positionId 0 for all positions.
    static QString ShiftQuerySql(int schedulerId, QDate day, int positionId);
    void UpdateShiftItem(TPlannerItem* Item);
    void FillStatsGrid();

    // The ServerID and text of the employee chosen in lbEmps; 0 and empty
    // when none is chosen.
    int SelectedEmployeeID() const;
    QString SelectedEmployeeText() const;

    // --- Event handlers: window, filters, timeline loading, lists ---
    void FormCreate();
    void FormClose();
    void ccboSchedulesChange();
    void dtStartDateAcceptDate(QDate& ADate);
    void ckFitClick();
    void lblUpdateClick();
    void ckEmpsActiveClick();
    Qt::Alignment StatsGridGetAlignment(int ARow, int ACol) const;

    // --- Shifts on the timeline (UfrmSchedule_Shifts.cpp) ---
    bool PlannerDragOver();
    void PlannerDragDrop();
    void AddShiftforEmployee1Click();
    void PlannerItemMove(TPlannerItem* Item);
    void PlannerItemSize(TPlannerItem* Item);
    void PlannerItemDblClick(TPlannerItem* Item);
    void Edit1Click();
    void Delete1Click();
    QString PlannerItemBalloon(TPlannerItem* Item);
    void EditShift(TPlannerItem* Item);

    // --- Schedule creation, deletion, reset (UfrmSchedule_Schedules.cpp) ---
    void lblNewScheduleClick();
    void lblDeleteClick();
    void Label8Click();
    // The new Scheduler_ID, or 0 when none was made.
    int CreateBlankSchedule(const QString& Name, QDate StartDate, QDate EndDate);
    void CreateScheduleFromTemplate(const QString& Name, QDate NewStart);

    // --- Staff records (UfrmSchedule_Staff.cpp) ---
    void lbEmpsDblClick();
    void lblEditEmployeeClick();
    void EditEmployeeRecord1Click();
    void lblNewEmployeeClick();
    void Label1Click();

    // --- Printing (UfrmSchedule_Print.cpp) ---
    void lblPrintScheduleClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildSchedulingPanel();
    void buildEmployeesPanel();
    void buildMiscPanel();
    void connectHandlers();
    // The statistics grid's seven columns and their widths.
    void setStatsColumns();
};

extern TfrmSchedule* frmSchedule;
