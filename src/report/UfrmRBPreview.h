#pragma once

#include <QDialog>
#include <QStringList>

class BandReport;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMainWindow;
class QToolBar;
class QToolButton;
class QWheelEvent;
class ReportViewer;

// The report preview: the pages of a generated report with a tool bar for
// paging, zoom, printing and saving to a file. Made for one use; frees
// itself when it closes.
class TfrmRBPreview : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRBPreview(QWidget* parent = nullptr);
    ~TfrmRBPreview() override;

    struct ZoomEntry {
        const char* text;
        int percent;
    };
    static const ZoomEntry kZoomTable[11];
    // How far the page view moves for one step of the mouse wheel.
    static constexpr int kWheelStepPixels = 10;

    QMainWindow* AdvDockPanel1;
    QToolBar* AdvToolBar1;
    QToolButton* bClose;
    QToolButton* bLeft;
    QLineEdit* ePageNumber;
    QToolButton* bRight;
    QToolButton* bPrint;
    QToolButton* bSave;
    QComboBox* cboZoom;
    QLabel* lblStatus;
    ReportViewer* Prev;

    // The whole report as shown, to a PDF file or to PNG images
    // <folder>/<baseName>-<page>.png.
    void exportPdf(const QString& path);
    QStringList exportPng(const QString& folder, const QString& baseName = QStringLiteral("Schedule"));

    void FormCreate();
    void cboZoomChange();
    // Enter changes the page; sets key to 0 when the key is used up.
    void ePageNumberKeyPress(int& key);
    void bRightClick();
    void bLeftClick();
    void bPrintClick();
    void bSaveClick();
    void bCloseClick();
    void FormMouseWheel(QWheelEvent* event);
    void PrevPrintStateChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPageNumber();
    bool isMine(QObject* watched) const;
    int m_wheelRest = 0;
};

// The preview window while it is open; null otherwise.
extern TfrmRBPreview* frmRBPreview;
