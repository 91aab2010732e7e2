#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class TLinkLabel;

// The lookup list: the user picks one line; the answer goes to
// ChosenLookupID. Made for one use, it frees itself when it closes.
class TfrmLookup : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLookup(QWidget* parent = nullptr);
    ~TfrmLookup() override;

    QLabel* lblMessage;
    QListWidget* lbValues; // each line carries its id as Qt::UserRole data
    TLinkLabel* lblSelect;
    TLinkLabel* Label2;

    void lblSelectClick();
    void Label2Click();

    void done(int r) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TfrmLookup* frmLookup;
