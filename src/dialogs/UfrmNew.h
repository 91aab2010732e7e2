#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class TCalPanel;
class TLinkLabel;
class TfrmSchedule;

// The new schedule dialog: an empty schedule over chosen days, or a copy of
// the open schedule moved to a new start date. Left only through its links.
class TfrmNew : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNew(QWidget* parent = nullptr);
    ~TfrmNew() override;

    QGroupBox* AdvToolPanel1; // "Create New Schedule"
    QLabel* Label3;
    QLineEdit* eName;
    QLabel* Label5;
    TCalPanel* CalPanStart;
    QLabel* Label6;
    TCalPanel* CalPanEnd;
    TLinkLabel* lblBlank;
    TLinkLabel* lblTemplate;
    TLinkLabel* Label4; // "Cancel"

    void FormCreate();
    void CalPanStartMonthChange();
    void lblBlankClick();
    void lblTemplateClick();
    void Label4Click();
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

extern TfrmNew* frmNew;

// Lists the schedules in the workspace again and opens the one with
// Scheduler_ID id, when it is listed; found by id, as names may repeat.
void OpenListedSchedule(TfrmSchedule& workspace, int id);
