#pragma once

#include <QDateTime>
#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QTimeEdit;
class TLinkLabel;
class TMoneyEdit;

// The shift dialog: adds a shift for one employee to the open schedule, or
// changes an existing shift. The caller sets the inputs, calls
// FillPositions and shows it modally; it frees itself when it closes.
class TfrmAddShift : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAddShift(QWidget* parent = nullptr);
    ~TfrmAddShift() override;

    // Inputs
    bool IsEditing = false;
    int ShiftSchedulerID = 0; // the schedule a new shift goes to
    int ShiftScheduleID = 0;  // the shift being changed
    int ShiftServerID = 0;
    QDateTime ShiftStartDate; // its date is the shift's day
    QDateTime ShiftEndDate;   // its date is the day the end is counted from

    QFrame* AdvToolPanel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QComboBox* cboPositions;
    TMoneyEdit* meRate;
    QTimeEdit* dpStart;
    QTimeEdit* dpEnd;
    QComboBox* cboClosing;
    TLinkLabel* lblAdd;
    TLinkLabel* lblCancel;

    void FillPositions();
    void cboPositionsChange();
    void lblAddClick();
    void lblCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
};

extern TfrmAddShift* frmAddShift;
