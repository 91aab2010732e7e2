#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class TLinkLabel;
class TWelcomePicture;

// The welcome window: the program's main window. Building it reads the
// settings file and connects to the shop database; Continue opens the
// workspace, which owns the rest of the run.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    static const QString webAddress;
    static const QString connectionFailedMessage;

    // programFolder: where the settings file and the default database lie;
    // the folder of the executable when empty.
    explicit TfrmMain(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~TfrmMain() override;

    TWelcomePicture* Image1;
    TLinkLabel* Label1;
    QPushButton* Button1;

    const QString& programFolder() const { return m_folder; }

    void FormCreate();
    void Label1Click();
    void Button1Click();

private:
    QString m_folder;
};

extern TfrmMain* frmMain;
