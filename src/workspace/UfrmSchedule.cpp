#include "UfrmSchedule.h"

#include "app/ProgramErrors.h"
#include "app/UfrmMain.h"
#include "widgets/AdvToolPanelTab.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/DateEdit.h"
#include "widgets/LinkLabel.h"
#include "widgets/Planner.h"
#include "widgets/Shader.h"
#include "widgets/StringGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QTimeEdit>
#include <QVBoxLayout>

TfrmSchedule* frmSchedule = nullptr;

namespace {

// Office 2003 blue, shared by both pop-up menus.
const QString OfficeMenuStyle = QStringLiteral(
    "QMenu { background: #F6F9FF; border: 1px solid #002D96; padding: 2px; }"
    "QMenu::item { padding: 3px 24px 3px 20px; color: black; }"
    "QMenu::item:selected { background: #FFEEC2; border: 1px solid #000080; }");

// Tahoma where it is installed; otherwise the nearest in width.
QFont tahoma(int points)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setPointSize(points);
    return f;
}

QLabel* makeLabel(const QString& caption, const QString& hint, QWidget* parent)
{
    auto* l = new QLabel(caption, parent);
    l->setToolTip(hint);
    return l;
}

TLinkLabel* makeLink(const QString& caption, const QString& hint, QWidget* parent)
{
    auto* l = new TLinkLabel(caption, parent);
    QFont f = tahoma(10);
    f.setUnderline(true);
    l->setFont(f);
    l->setToolTip(hint);
    return l;
}

// An event handler with a result, under the program-wide error handler;
// fallback is the result when the handler raises.
template <typename R, typename F>
auto guardedReturning(R fallback, F f)
{
    return [fallback, f = std::move(f)](auto&&... args) {
        R r = fallback;
        ProgramErrors::run([&] { r = f(std::forward<decltype(args)>(args)...); });
        return r;
    };
}

} // namespace

TfrmSchedule::TfrmSchedule(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Quendal Employee Scheduling"));
    resize(936, 524);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    windowFont.setPointSize(8);
    setFont(windowFont);
    buildWindow();
    connectHandlers();
    ProgramErrors::run([this] { FormCreate(); });
}

TfrmSchedule::~TfrmSchedule()
{
    if (frmSchedule == this)
        frmSchedule = nullptr;
}

void TfrmSchedule::buildWindow()
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setHandleWidth(8);
    Splitter1->setChildrenCollapsible(false);
    root->addWidget(Splitter1);

    auto* top = new QWidget(Splitter1);
    auto* topBox = new QVBoxLayout(top);
    topBox->setContentsMargins(0, 0, 0, 0);
    topBox->setSpacing(0);

    Planner = new TPlanner(top);
    Planner->setTitle(QStringLiteral("Schedule"));
    Planner->setToolTip(QString());
    Planner->setFont(tahoma(8));
    topBox->addWidget(Planner, 1);

    tmsPopTimeLine = new QMenu(this);
    tmsPopTimeLine->setStyleSheet(OfficeMenuStyle);
    Delete1 = tmsPopTimeLine->addAction(QStringLiteral("Delete"));
    Edit1 = tmsPopTimeLine->addAction(QStringLiteral("Edit"));
    Planner->setItemPopupMenu(tmsPopTimeLine);

    AdvToolPanelTab1 = new TAdvToolPanelTab(top);
    AdvToolPanelTab1->setFont(tahoma(8));
    topBox->addWidget(AdvToolPanelTab1);
    AdvToolPanel1 = AdvToolPanelTab1->addPanel(QStringLiteral("Scheduling"));
    AdvToolPanel2 = AdvToolPanelTab1->addPanel(QStringLiteral("Employees"));
    AdvToolPanel3 = AdvToolPanelTab1->addPanel(QStringLiteral("Misc Items"));
    buildSchedulingPanel();
    buildEmployeesPanel();
    buildMiscPanel();

    Panel1 = new QWidget(Splitter1);
    Panel1->setMinimumHeight(40);
    auto* panelBox = new QVBoxLayout(Panel1);
    panelBox->setContentsMargins(0, 0, 0, 0);
    Shader1 = new TShader(Panel1);
    panelBox->addWidget(Shader1);
    auto* shaderBox = new QVBoxLayout(Shader1);
    shaderBox->setContentsMargins(4, 2, 4, 2);
    StatsGrid = new TStringGrid(Shader1);
    StatsGrid->setFont(tahoma(8));
    setStatsColumns();
    StatsGrid->setRowCount(2);
    StatsGrid->setFixedRows(1);
    StatsGrid->setFixedCols(1);
    StatsGrid->setFixedFooters(1);
    StatsGrid->setDefaultRowHeight(21);
    shaderBox->addWidget(StatsGrid);

    Splitter1->addWidget(top);
    Splitter1->addWidget(Panel1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({524 - 100 - 8, 100});

    // The Scheduling panel is where the work starts: open and locked.
    AdvToolPanelTab1->openPanel(AdvToolPanel1, false);
    AdvToolPanelTab1->setLocked(true);
}

void TfrmSchedule::buildSchedulingPanel()
{
    QWidget* p = AdvToolPanel1;
    p->setFont(tahoma(8));
    auto* row = new QHBoxLayout(p);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(16);

    // The schedule
    auto* a = new QVBoxLayout;
    a->setSpacing(3);
    Label2 = makeLabel(QStringLiteral("Current Schedule:"), QStringLiteral("Current schedule being edited"), p);
    ccboSchedules = new TColumnComboBox(p);
    ccboSchedules->setToolTip(QStringLiteral("Choose an existing schedule to load"));
    QFont bold = tahoma(8);
    bold.setBold(true);
    ccboSchedules->setColumnFont(0, bold);
    ccboSchedules->setColumnColor(0, QColor(0x00, 0x00, 0xFF));
    ccboSchedules->setDropWidth(75);
    ccboSchedules->setMinimumWidth(230);
    lblNewSchedule = makeLink(QStringLiteral("New Schedule"), QStringLiteral("Create a new schedule"), p);
    lblDelete = makeLink(QStringLiteral("Delete"), QStringLiteral("Click to delete the current schedule"), p);
    auto* links = new QHBoxLayout;
    links->setSpacing(16);
    links->addWidget(lblNewSchedule);
    links->addWidget(lblDelete);
    links->addStretch(1);
    a->addWidget(Label2);
    a->addWidget(ccboSchedules);
    a->addSpacing(4);
    a->addLayout(links);
    a->addStretch(1);
    row->addLayout(a);

    // Position and day
    auto* b = new QVBoxLayout;
    b->setSpacing(3);
    Label3 = makeLabel(QStringLiteral("Position"), QStringLiteral("Filter by Employee Position"), p);
    cboPosition = new QComboBox(p);
    cboPosition->setToolTip(QStringLiteral("Filter by Employee Position"));
    cboPosition->addItem(QStringLiteral("Show All"));
    cboPosition->setMinimumWidth(150);
    Label4 = makeLabel(QStringLiteral("Week Day"), QStringLiteral("Filter by Day/Date"), p);
    ccboDay = new TColumnComboBox(p);
    ccboDay->setToolTip(QStringLiteral("Filter by Day/Date"));
    ccboDay->setDropWidth(200);
    b->addWidget(Label3);
    b->addWidget(cboPosition);
    b->addSpacing(4);
    b->addWidget(Label4);
    b->addWidget(ccboDay);
    b->addStretch(1);
    row->addLayout(b);

    // Time range
    auto* c = new QGridLayout;
    c->setVerticalSpacing(3);
    c->setHorizontalSpacing(6);
    Label5 = makeLabel(QStringLiteral("Time Line Range Filter"), QStringLiteral("Filter by Day/Date"), p);
    dtStartDate = new TDateEdit(p);
    dtStartDate->setToolTip(QStringLiteral("Choose Starting Date to show in Schedule Grid"));
    Label6 = new QLabel(QStringLiteral("To"), p);
    dtEndDate = new TDateEdit(p);
    dtEndDate->setToolTip(QStringLiteral("Choose Ending Date to show in Schedule Grid"));
    dtStart = new QTimeEdit(QTime(0, 0), p);
    dtStart->setToolTip(QStringLiteral("Chose Starting Time to show in Schedule Grid"));
    dtEnd = new QTimeEdit(QTime(23, 45), p);
    dtEnd->setToolTip(QStringLiteral("Choose Ending Time to show in Schedule Grid"));
    ckFit = new QCheckBox(QStringLiteral("Fit to Screen"), p);
    ckFit->setToolTip(QStringLiteral("Force screen to shrink according to shifts"));
    c->addWidget(Label5, 0, 0, 1, 3);
    c->addWidget(dtStartDate, 1, 0);
    c->addWidget(Label6, 1, 1, Qt::AlignCenter);
    c->addWidget(dtEndDate, 1, 2);
    c->addWidget(dtStart, 2, 0);
    c->addWidget(dtEnd, 2, 2);
    c->addWidget(ckFit, 3, 0, 1, 3);
    c->setRowStretch(4, 1);
    row->addLayout(c);

    // Interval and the load
    auto* d = new QVBoxLayout;
    d->setSpacing(3);
    Label7 = makeLabel(QStringLiteral("Time Interval"), QStringLiteral("Filter by Day/Date"), p);
    cboInterval = new QComboBox(p);
    cboInterval->setToolTip(QStringLiteral("Chose Time Block Interval to display on Schedule Grid"));
    cboInterval->addItems({QStringLiteral("1 Hour"), QStringLiteral("30 Mins"), QStringLiteral("15 Mins")});
    cboInterval->setCurrentIndex(1);
    lblUpdate = makeLink(QStringLiteral("Update Schedule Grid"), QStringLiteral("Update the Schedule Grid"), p);
    lblUpdate->setWordWrap(true);
    lblUpdate->setAlignment(Qt::AlignCenter);
    lblUpdate->setFixedWidth(QFontMetrics(lblUpdate->font()).horizontalAdvance(QStringLiteral("Schedule Grid")) + 8);
    d->addWidget(Label7);
    d->addWidget(cboInterval);
    d->addSpacing(8);
    d->addWidget(lblUpdate, 0, Qt::AlignHCenter);
    d->addStretch(1);
    row->addLayout(d);
    row->addStretch(1);
}

void TfrmSchedule::buildEmployeesPanel()
{
    QWidget* p = AdvToolPanel2;
    p->setFont(tahoma(8));
    auto* row = new QHBoxLayout(p);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(16);

    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    ckEmpsActive = new QCheckBox(QStringLiteral("Active Only"), p);
    ckEmpsActive->setToolTip(QStringLiteral("Check to show only Active Employees"));
    lbEmps = new QListWidget(p);
    lbEmps->setFixedSize(237, 77);
    lbEmps->setToolTip(QStringLiteral("Right Click or Double Click an\r\nEmployee to edit.  Or Drag an \r\n"
                                      "Employee onto the Schedule \r\nGrid to create a new Shift"));
    lbEmps->setSelectionMode(QAbstractItemView::SingleSelection);
    lbEmps->setDragEnabled(true);
    lbEmps->setDragDropMode(QAbstractItemView::DragOnly);
    lbEmps->setDefaultDropAction(Qt::CopyAction);
    lbEmps->setContextMenuPolicy(Qt::CustomContextMenu);
    lbEmps->viewport()->installEventFilter(this);
    left->addWidget(ckEmpsActive);
    left->addWidget(lbEmps);
    left->addStretch(1);
    row->addLayout(left);

    tmsEmpPopup = new QMenu(this);
    tmsEmpPopup->setStyleSheet(OfficeMenuStyle);
    AddShiftforEmployee1 = tmsEmpPopup->addAction(QStringLiteral("Add Shift for Employee"));
    EditEmployeeRecord1 = tmsEmpPopup->addAction(QStringLiteral("Edit Employee Record"));

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    lblEditEmployee = makeLink(QStringLiteral("Edit Employee"), QStringLiteral("Click to edit the selected employee"), p);
    lblNewEmployee = makeLink(QStringLiteral("New Employee"), QStringLiteral("Click to Add a new employee"), p);
    right->addSpacing(18);
    right->addWidget(lblEditEmployee);
    right->addWidget(lblNewEmployee);
    right->addStretch(1);
    row->addLayout(right);
    row->addStretch(1);
}

void TfrmSchedule::buildMiscPanel()
{
    QWidget* p = AdvToolPanel3;
    p->setFont(tahoma(8));
    auto* col = new QVBoxLayout(p);
    col->setContentsMargins(12, 10, 12, 6);
    col->setSpacing(10);
    lblPrintSchedule = makeLink(QStringLiteral("Print Current Schedule"), QStringLiteral("Print the current schedule"), p);
    Label1 = makeLink(QStringLiteral("Manage Employee Positions"), QStringLiteral("Create and edit employee Positions"), p);
    Label8 = makeLink(QStringLiteral("Reset Database"), QStringLiteral("Reset database for new use."), p);
    col->addWidget(lblPrintSchedule);
    col->addWidget(Label1);
    col->addWidget(Label8);
    col->addStretch(1);
}

void TfrmSchedule::connectHandlers()
{
    using ProgramErrors::guarded;

    // Filters and loading
    connect(ccboSchedules, &TColumnComboBox::userChanged, this, guarded([this] { ccboSchedulesChange(); }));
    const auto clamp = guarded([this](QDate& d) { dtStartDateAcceptDate(d); });
    dtStartDate->setAcceptDateHandler(clamp);
    dtEndDate->setAcceptDateHandler(clamp);
    connect(ckFit, &QCheckBox::toggled, this, guarded([this] { ckFitClick(); }));
    connect(lblUpdate, &TLinkLabel::clicked, this, guarded([this] { lblUpdateClick(); }));
    connect(ckEmpsActive, &QCheckBox::toggled, this, guarded([this] { ckEmpsActiveClick(); }));
    StatsGrid->setAlignmentProvider(guardedReturning(Qt::Alignment(Qt::AlignLeft),
                                                     [this](int row, int col) { return StatsGridGetAlignment(row, col); }));

    // Shifts on the timeline
    Planner->setDragOverHandler(guardedReturning(false, [this] { return PlannerDragOver(); }));
    connect(Planner, &TPlanner::dropped, this, guarded([this] { PlannerDragDrop(); }));
    connect(Planner, &TPlanner::itemMoved, this, guarded([this](TPlannerItem* i) { PlannerItemMove(i); }));
    connect(Planner, &TPlanner::itemSized, this, guarded([this](TPlannerItem* i) { PlannerItemSize(i); }));
    connect(Planner, &TPlanner::itemDblClicked, this, guarded([this](TPlannerItem* i) { PlannerItemDblClick(i); }));
    Planner->setBalloonTextProvider(guardedReturning(QString(), [this](TPlannerItem* i) { return PlannerItemBalloon(i); }));
    connect(Edit1, &QAction::triggered, this, guarded([this] { Edit1Click(); }));
    connect(Delete1, &QAction::triggered, this, guarded([this] { Delete1Click(); }));
    connect(AddShiftforEmployee1, &QAction::triggered, this, guarded([this] { AddShiftforEmployee1Click(); }));

    // Employee list
    connect(lbEmps, &QListWidget::itemDoubleClicked, this, guarded([this] { lbEmpsDblClick(); }));
    connect(lbEmps, &QWidget::customContextMenuRequested, this,
            guarded([this](QPoint pos) { tmsEmpPopup->popup(lbEmps->viewport()->mapToGlobal(pos)); }));
    connect(EditEmployeeRecord1, &QAction::triggered, this, guarded([this] { EditEmployeeRecord1Click(); }));
    connect(lblEditEmployee, &TLinkLabel::clicked, this, guarded([this] { lblEditEmployeeClick(); }));
    connect(lblNewEmployee, &TLinkLabel::clicked, this, guarded([this] { lblNewEmployeeClick(); }));

    // Schedules, positions, printing, reset
    connect(lblNewSchedule, &TLinkLabel::clicked, this, guarded([this] { lblNewScheduleClick(); }));
    connect(lblDelete, &TLinkLabel::clicked, this, guarded([this] { lblDeleteClick(); }));
    connect(Label8, &TLinkLabel::clicked, this, guarded([this] { Label8Click(); }));
    connect(Label1, &TLinkLabel::clicked, this, guarded([this] { Label1Click(); }));
    connect(lblPrintSchedule, &TLinkLabel::clicked, this, guarded([this] { lblPrintScheduleClick(); }));
}

bool TfrmSchedule::eventFilter(QObject* watched, QEvent* event)
{
    // A right click opens the employee menu without changing the chosen entry.
    if (watched == lbEmps->viewport() && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        return true;
    return QWidget::eventFilter(watched, event);
}

void TfrmSchedule::FormCreate()
{
    FillPositionFilter();
    FillEmployeeList();
    FillScheduleList();
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
