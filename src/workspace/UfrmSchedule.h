#pragma once

#include <QWidget>

// The schedule workspace: the program's window from Continue to the end.
class TfrmSchedule : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSchedule(QWidget* parent = nullptr);
    ~TfrmSchedule() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
};

extern TfrmSchedule* frmSchedule;
