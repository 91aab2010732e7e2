#include "UfrmRBPreview.h"

#include "BandReport.h"
#include "ReportIcons.h"
#include "ReportViewer.h"
#include "app/MessageBoxes.h"
#include "app/ProgramErrors.h"
#include "data/FbValue.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <limits>

TfrmRBPreview* frmRBPreview = nullptr;

const TfrmRBPreview::ZoomEntry TfrmRBPreview::kZoomTable[11] = {
    {"10   Percent", 10}, {"20   Percent", 20}, {"30   Percent", 30}, {"40   Percent", 40},
    {"50   Percent", 50}, {"75   Percent", 75}, {"100 Percent", 100}, {"125 Percent", 125},
    {"150 Percent", 150}, {"200 Percent", 200}, {"300 Percent", 300},
};

namespace {

QToolButton* toolButton(QToolBar* bar, const QString& name, const QIcon& icon, const QString& hint = QString())
{
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setIcon(icon);
    b->setIconSize(QSize(18, 18));
    b->setFixedSize(24, 22);
    b->setAutoRaise(true);
    b->setToolTip(hint);
    bar->addWidget(b);
    return b;
}

const QString kPdfFilter = QStringLiteral("PDF files (*.pdf)");
const QString kPngFilter = QStringLiteral("PNG images, one per page (*.png)");

} // namespace

TfrmRBPreview::TfrmRBPreview(QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmRBPreview"));
    setWindowTitle(QStringLiteral("QuendalScheduler Preview"));
    setWindowIcon(ReportIcons::previewWindow());
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    // The dock area: a main window inside the dialog lets the tool bar be
    // dragged off to float and docked again.
    AdvDockPanel1 = new QMainWindow(this);
    AdvDockPanel1->setWindowFlags(Qt::Widget); // a main window is made a window of its own
    AdvToolBar1 = new QToolBar(AdvDockPanel1);
    AdvToolBar1->setObjectName(QStringLiteral("AdvToolBar1"));
    AdvToolBar1->setMovable(true);
    AdvToolBar1->setFloatable(true);
    AdvToolBar1->setIconSize(QSize(18, 18));
    AdvDockPanel1->addToolBar(Qt::TopToolBarArea, AdvToolBar1);

    bClose = toolButton(AdvToolBar1, QStringLiteral("bClose"), ReportIcons::closeFolder(), QStringLiteral("Close"));
    bLeft = toolButton(AdvToolBar1, QStringLiteral("bLeft"), ReportIcons::arrowLeft());
    ePageNumber = new QLineEdit(QStringLiteral("1"), AdvToolBar1);
    ePageNumber->setObjectName(QStringLiteral("ePageNumber"));
    ePageNumber->setFixedWidth(35);
    ePageNumber->setToolTip(QStringLiteral("Current Page - Type in here and press Enter to Change Page"));
    AdvToolBar1->addWidget(ePageNumber);
    bRight = toolButton(AdvToolBar1, QStringLiteral("bRight"), ReportIcons::arrowRight());
    bPrint = toolButton(AdvToolBar1, QStringLiteral("bPrint"), ReportIcons::printer());
    bSave = toolButton(AdvToolBar1, QStringLiteral("bSave"), ReportIcons::saveToFile(), QStringLiteral("Save to File"));
    AdvToolBar1->addSeparator();
    cboZoom = new QComboBox(AdvToolBar1);
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    cboZoom->setEditable(false);
    cboZoom->setFixedWidth(103);
    for (const ZoomEntry& z : kZoomTable)
        cboZoom->addItem(QString::fromLatin1(z.text));
    AdvToolBar1->addWidget(cboZoom);
    auto* spring = new QWidget(AdvToolBar1);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    AdvToolBar1->addWidget(spring);
    lblStatus = new QLabel(AdvToolBar1);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pal = lblStatus->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lblStatus->setPalette(pal);
    lblStatus->setContentsMargins(0, 0, 8, 0);
    AdvToolBar1->addWidget(lblStatus);

    Prev = new ReportViewer(AdvDockPanel1);
    Prev->setObjectName(QStringLiteral("Prev"));
    AdvDockPanel1->setCentralWidget(Prev);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(AdvDockPanel1);

    connect(bClose, &QToolButton::clicked, this, ProgramErrors::guarded([this] { bCloseClick(); }));
    connect(bLeft, &QToolButton::clicked, this, ProgramErrors::guarded([this] { bLeftClick(); }));
    connect(bRight, &QToolButton::clicked, this, ProgramErrors::guarded([this] { bRightClick(); }));
    connect(bPrint, &QToolButton::clicked, this, ProgramErrors::guarded([this] { bPrintClick(); }));
    connect(bSave, &QToolButton::clicked, this, ProgramErrors::guarded([this] { bSaveClick(); }));
    connect(cboZoom, &QComboBox::activated, this, ProgramErrors::guarded([this] { cboZoomChange(); }));
    connect(Prev, &ReportViewer::printStateChanged, this, ProgramErrors::guarded([this] { PrevPrintStateChange(); }));
    ePageNumber->installEventFilter(this);
    qApp->installEventFilter(this);

    FormCreate();
}

TfrmRBPreview::~TfrmRBPreview()
{
    qApp->removeEventFilter(this);
    if (frmRBPreview == this)
        frmRBPreview = nullptr;
}

void TfrmRBPreview::FormCreate()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    // The list and the view agree from the start.
    cboZoom->setCurrentIndex(6);
    Prev->setZoomPercent(kZoomTable[6].percent);
}

void TfrmRBPreview::cboZoomChange()
{
    const int i = cboZoom->currentIndex();
    if (i >= 0 && i < int(std::size(kZoomTable)))
        Prev->setZoomPercent(kZoomTable[i].percent);
    ePageNumber->setFocus();
}

void TfrmRBPreview::ePageNumberKeyPress(int& key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    // A text that is no whole number raises the conversion error, and
    // neither the page nor the box changes.
    const qint64 n = FbValue(ePageNumber->text()).asInteger();
    key = 0;
    Prev->showPage(int(std::clamp<qint64>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
    showPageNumber();
}

void TfrmRBPreview::showPageNumber()
{
    ePageNumber->setText(QString::number(Prev->pageNumber()));
}

void TfrmRBPreview::bRightClick()
{
    if (!Prev->isLastPage())
        Prev->nextPage();
    showPageNumber();
}

void TfrmRBPreview::bLeftClick()
{
    if (!Prev->isFirstPage())
        Prev->priorPage();
    showPageNumber();
}

void TfrmRBPreview::bPrintClick()
{
    Prev->print();
    showPageNumber();
}

void TfrmRBPreview::bSaveClick()
{
    QFileDialog dialog(this, QStringLiteral("Save Report"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({kPdfFilter, kPngFilter});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QStringLiteral("Schedule.pdf"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == kPngFilter ? QStringLiteral("png") : QStringLiteral("pdf"));
    });
    if (Messages::execModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QFileInfo file(dialog.selectedFiles().constFirst());
    if (dialog.selectedNameFilter() == kPngFilter || file.suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        exportPng(file.absolutePath(), file.completeBaseName());
    else
        exportPdf(file.absoluteFilePath());
}

void TfrmRBPreview::exportPdf(const QString& path)
{
    Prev->exportPdf(path);
}

QStringList TfrmRBPreview::exportPng(const QString& folder, const QString& baseName)
{
    return Prev->exportPng(folder, baseName);
}

void TfrmRBPreview::bCloseClick()
{
    close();
}

void TfrmRBPreview::FormMouseWheel(QWheelEvent* event)
{
    // Whole notches of 120; a touchpad's small deltas add up to them.
    m_wheelRest += event->angleDelta().y();
    const int steps = m_wheelRest / 120;
    m_wheelRest -= steps * 120;
    if (steps != 0)
        Prev->setVerticalPosition(Prev->verticalPosition() - steps * kWheelStepPixels);
}

void TfrmRBPreview::PrevPrintStateChange()
{
    lblStatus->setText(Prev->statusText());
}

bool TfrmRBPreview::isMine(QObject* watched) const
{
    // Also the tool bar when it floats in a window of its own.
    for (QObject* o = watched; o; o = o->parent())
        if (o == this)
            return true;
    return false;
}

bool TfrmRBPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && watched->isWidgetType() && isMine(watched)) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        ProgramErrors::run([&] { FormMouseWheel(wheel); });
        return true;
    }
    if (watched == ePageNumber && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ProgramErrors::run([&] { ePageNumberKeyPress(key); });
            return true; // Enter does nothing more, also after an error
        }
    }
    return QDialog::eventFilter(watched, event);
}
