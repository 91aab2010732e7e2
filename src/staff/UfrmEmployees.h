#pragma once

#include "data/FbDataSet.h"
#include "data/FbTransaction.h"

#include <QDialog>
#include <optional>

class QLabel;
class QListWidget;
class TDBAdvNavigator;
class TDBCheckBox;
class TDBEdit;
class TLinkLabel;

// The employee editor: the employees through an editable record set in a
// transaction of the window's own, committed when it closes; each
// employee's positions with a pay rate, written at once.
class TfrmEmployees : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEmployees(QWidget* parent = nullptr);
    ~TfrmEmployees() override;

    // The record set's statements, line by line as stored.
    static const QStringList SelectSQL, InsertSQL, UpdateSQL, DeleteSQL;

    FbTransaction Trans;
    FbDataSet qryMain;
    FbDataSource dsMain;

    TLinkLabel* Label6; // "Lookup"
    QLabel* Label1;
    TDBEdit* edbFName;
    QLabel* Label2;
    TDBEdit* edbLName;
    TDBCheckBox* ckActive;
    QLabel* Label3;
    QListWidget* lbPositions; // each line carries its PositionID as Qt::UserRole data
    TLinkLabel* lblDelete;
    TLinkLabel* lblAdd;
    TDBAdvNavigator* DBAdvNavigator1;

    void FormCreate();
    void FormClose();
    void qryMainAfterInsert();
    void qryMainAfterScroll();
    void RefreshPositionList();
    void lblAddClick();
    void lblDeleteClick();
    void Label6Click();

    // The current record's ServerID; none without a current record or key.
    std::optional<qint64> CurrentServerID() const;

    void done(int r) override;
};

extern TfrmEmployees* frmEmployees;
