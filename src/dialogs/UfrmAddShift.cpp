#include "UfrmAddShift.h"

#include "ShiftTimes.h"
#include "app/MessageBoxes.h"
#include "app/ProgramErrors.h"
#include "data/SqlText.h"
#include "data/UdmMain.h"
#include "widgets/LinkLabel.h"
#include "widgets/MoneyEdit.h"
#include "workspace/ScopedQuery.h"
#include "workspace/UfrmSchedule.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimeEdit>

TfrmAddShift* frmAddShift = nullptr;

namespace {

const QColor navy(0x00, 0x00, 0x80);

QFont arial8(bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    f.setBold(bold);
    return f;
}

void setNavyText(QWidget* w, bool bold)
{
    w->setFont(arial8(bold));
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, navy);
    p.setColor(QPalette::Text, navy);
    p.setColor(QPalette::ButtonText, navy);
    w->setPalette(p);
}

// A new shift is for the employee chosen in the workspace's list.
bool employeeChosen()
{
    return frmSchedule && frmSchedule->SelectedEmployeeID() != 0;
}

} // namespace

TfrmAddShift::TfrmAddShift(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    frmAddShift = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(332, 210);

    AdvToolPanel1 = new QFrame(this);
    AdvToolPanel1->setObjectName(QStringLiteral("AdvToolPanel1"));
    AdvToolPanel1->setGeometry(0, 0, 332, 210);
    AdvToolPanel1->setStyleSheet(QStringLiteral(
        "QFrame#AdvToolPanel1 { border: 1px solid #6F8FC7; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #F5F9FF, stop:1 #CFDEF5); }"));

    auto label = [this](const QString& text, int y) {
        auto* l = new QLabel(text, AdvToolPanel1);
        setNavyText(l, true);
        l->setGeometry(16, y, 80, 21);
        return l;
    };
    const int x = 104, w = 208;
    Label1 = label(QStringLiteral("Position:"), 16);
    cboPositions = new QComboBox(AdvToolPanel1);
    cboPositions->setGeometry(x, 16, w, 21);
    cboPositions->setToolTip(QStringLiteral("Position employee will use during shift"));
    setNavyText(cboPositions, false);

    Label2 = label(QStringLiteral("Rate:"), 46);
    meRate = new TMoneyEdit(AdvToolPanel1);
    meRate->setGeometry(x, 46, 100, 21);
    meRate->setToolTip(QStringLiteral("Enter Employee's Pay Rate Here"));

    Label3 = label(QStringLiteral("Shift Start:"), 76);
    dpStart = new QTimeEdit(AdvToolPanel1);
    dpStart->setGeometry(x, 76, 120, 21);
    dpStart->setToolTip(QStringLiteral("Shift Start Time"));

    Label4 = label(QStringLiteral("Shift End:"), 106);
    dpEnd = new QTimeEdit(AdvToolPanel1);
    dpEnd->setGeometry(x, 106, 120, 21);
    dpEnd->setToolTip(QStringLiteral("Shift End Time"));
    for (QTimeEdit* t : {dpStart, dpEnd})
        t->setDisplayFormat(QStringLiteral("h:mm:ss AP"));

    Label5 = label(QStringLiteral("Closing?"), 136);
    cboClosing = new QComboBox(AdvToolPanel1);
    cboClosing->setGeometry(x, 136, 64, 21);
    cboClosing->addItems({QStringLiteral("No"), QStringLiteral("Yes")});
    cboClosing->setToolTip(QStringLiteral("Yes when the employee closes at the end of this shift"));
    setNavyText(cboClosing, false);

    lblAdd = new TLinkLabel(QStringLiteral("Save Changes"), AdvToolPanel1);
    QFont linkFont = arial8(true);
    linkFont.setUnderline(true);
    lblAdd->setFont(linkFont);
    lblAdd->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblAdd->setGeometry(200, 136, 112, 21);
    lblCancel = new TLinkLabel(QStringLiteral("Cancel"), AdvToolPanel1);
    lblCancel->setFont(linkFont);
    lblCancel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCancel->setGeometry(200, 166, 112, 21);

    connect(cboPositions, &QComboBox::activated, this, ProgramErrors::guarded([this] { cboPositionsChange(); }));
    connect(lblAdd, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { lblAddClick(); }));
    connect(lblCancel, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { lblCancelClick(); }));

    ProgramErrors::run([this] { FormCreate(); });
}

TfrmAddShift::~TfrmAddShift()
{
    if (frmAddShift == this)
        frmAddShift = nullptr;
}

void TfrmAddShift::FormCreate()
{
    const QTime noon = QTime::fromString(QStringLiteral("12:00:00 PM"), QStringLiteral("h:mm:ss AP"));
    dpStart->setTime(noon);
    dpEnd->setTime(noon);
    meRate->setValue(Decimal4());
    cboClosing->setCurrentIndex(0);
    cboPositions->setCurrentIndex(-1);
}

void TfrmAddShift::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmAddShift::FillPositions()
{
    cboPositions->clear();
    ScopedQuery q(QStringLiteral("SELECT CurrentPositions.PositionID, CURRENTPOSITIONS.POSITIONNAME FROM CURRENTPOSITIONS WHERE ServerID = ")
                + SqlText::integer(ShiftServerID) + QStringLiteral(" ORDER BY CURRENTPOSITIONS.POSITIONNAME ;"));
    for (; !q->eof(); q->next())
        cboPositions->addItem(q->fieldByName(QStringLiteral("PositionName")).asString(),
                              int(q->fieldByName(QStringLiteral("PositionID")).asInteger()));
    q.close();
    cboPositions->setCurrentIndex(-1);
}

void TfrmAddShift::cboPositionsChange()
{
    if (cboPositions->currentIndex() < 0)
        return;
    ScopedQuery q(QStringLiteral("SELECT Rate FROM CurrentPositions WHERE ServerID = ") + SqlText::integer(ShiftServerID)
                + QStringLiteral(" AND PositionID = ") + SqlText::integer(cboPositions->currentData().toInt())
                + QStringLiteral(";"));
    meRate->setText(q->eof() ? QStringLiteral("0.00") : q->field(0).asMoney().format2());
    q.close();
}

void TfrmAddShift::lblAddClick()
{
    // A box holding only "." is as good as empty, and would make the
    // statement fail.
    if (!meRate->value()) {
        Messages::error(QStringLiteral("Please enter a rate of at least zero (0)."));
        return;
    }
    if (!IsEditing && !employeeChosen()) {
        Messages::error(QStringLiteral("Please select an employee from the Employee List"));
        reject();
        return;
    }
    if (cboPositions->currentIndex() < 0) {
        Messages::error(QStringLiteral("Please select a Position"));
        reject();
        return;
    }
    const QString positionID = SqlText::integer(cboPositions->currentData().toInt());
    const QString closeFlag = cboClosing->currentIndex() == 1 ? QStringLiteral("1") : QStringLiteral("0");
    const ShiftTimes::Span span =
        ShiftTimes::span(ShiftStartDate.date(), dpStart->time(), ShiftEndDate.date(), dpEnd->time());
    const QString start = SqlText::quotedDateTime(span.start);
    const QString end = SqlText::quotedDateTime(span.end);
    // Without its hours a shift shows 0.00 on the timeline and in the
    // statistics: both statements write them.
    const QString hours = ShiftTimes::hoursText(span);
    const QString rate = meRate->text();

    if (!IsEditing) {
        dmMain->ExecuteSQL(
            QStringLiteral("INSERT INTO Schedule (ScheduleStart, ScheduleEnd, ScheduleClose, ScheduleDate, PositionID, "
                           "Scheduler_ID, ServerID, Rate, TotalHours) VALUES (")
            + start + QStringLiteral(", ") + end + QStringLiteral(", ") + closeFlag + QStringLiteral(", ")
            + SqlText::quotedDate(ShiftStartDate.date()) + QStringLiteral(", ") + positionID + QStringLiteral(", ")
            + SqlText::integer(ShiftSchedulerID) + QStringLiteral(", ") + SqlText::integer(ShiftServerID)
            + QStringLiteral(", ") + rate + QStringLiteral(", ") + hours + QStringLiteral(");"));
    } else {
        dmMain->ExecuteSQL(QStringLiteral("UPDATE Schedule SET ScheduleStart = ") + start + QStringLiteral(", ")
                           + QStringLiteral("ScheduleEnd = ") + end + QStringLiteral(", ")
                           + QStringLiteral("ScheduleClose = ") + closeFlag + QStringLiteral(", ")
                           + QStringLiteral("PositionID = ") + positionID + QStringLiteral(", ")
                           + QStringLiteral("Rate = ") + rate + QStringLiteral(", ")
                           + QStringLiteral("TotalHours = ") + hours
                           + QStringLiteral(" WHERE ScheduleID = ") + SqlText::integer(ShiftScheduleID));
    }
    accept();
}

void TfrmAddShift::lblCancelClick()
{
    reject();
}
