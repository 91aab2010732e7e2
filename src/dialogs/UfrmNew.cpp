#include "UfrmNew.h"

#include "CalPanel.h"
#include "app/MessageBoxes.h"
#include "app/ProgramErrors.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/LinkLabel.h"
#include "workspace/UfrmSchedule.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

TfrmNew* frmNew = nullptr;

namespace {

QFont tahoma(int points)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(points);
    return f;
}

// A tool-panel page: a caption bar across the top over a soft blue ground.
class ToolPanelSection : public QGroupBox {
public:
    static constexpr int CaptionHeight = 22;

    ToolPanelSection(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect all = rect().adjusted(0, 0, -1, -1);
        QLinearGradient ground(0, 0, 0, height());
        ground.setColorAt(0, QColor(0xF5, 0xF9, 0xFF));
        ground.setColorAt(1, QColor(0xCF, 0xDE, 0xF5));
        p.fillRect(all, ground);
        const QRect bar(0, 0, width(), CaptionHeight);
        QLinearGradient caption(bar.topLeft(), bar.bottomLeft());
        caption.setColorAt(0, QColor(0x59, 0x87, 0xD6));
        caption.setColorAt(1, QColor(0x03, 0x38, 0x9F));
        p.fillRect(bar, caption);
        p.setPen(QColor(0x00, 0x2D, 0x96));
        p.drawRect(all);
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(bar.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, title());
    }
};

TLinkLabel* makeLink(const QString& caption, QWidget* parent)
{
    auto* l = new TLinkLabel(caption, parent);
    QFont f = tahoma(10);
    f.setUnderline(true);
    l->setFont(f);
    return l;
}

} // namespace

TfrmNew::TfrmNew(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("New Schedule"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setFont(tahoma(8));

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    AdvToolPanel1 = new ToolPanelSection(QStringLiteral("Create New Schedule"), this);
    root->addWidget(AdvToolPanel1);

    auto* grid = new QGridLayout(AdvToolPanel1);
    grid->setContentsMargins(12, ToolPanelSection::CaptionHeight + 10, 12, 12);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);

    Label3 = new QLabel(QStringLiteral("New Schedule Name"), AdvToolPanel1);
    eName = new QLineEdit(QStringLiteral("New Schedule"), AdvToolPanel1);
    Label3->setBuddy(eName);
    grid->addWidget(Label3, 0, 0, 1, 2);
    grid->addWidget(eName, 1, 0, 1, 2);
    grid->setRowMinimumHeight(2, 6);

    Label5 = new QLabel(QStringLiteral("Start"), AdvToolPanel1);
    CalPanStart = new TCalPanel(AdvToolPanel1);
    Label6 = new QLabel(QStringLiteral("End"), AdvToolPanel1);
    CalPanEnd = new TCalPanel(AdvToolPanel1);
    grid->addWidget(Label5, 3, 0);
    grid->addWidget(Label6, 3, 1);
    grid->addWidget(CalPanStart, 4, 0);
    grid->addWidget(CalPanEnd, 4, 1);
    grid->setRowMinimumHeight(5, 8);

    lblBlank = makeLink(QStringLiteral("New Blank Schedule"), AdvToolPanel1);
    lblTemplate = makeLink(QStringLiteral("Use Current Schedule as Template"), AdvToolPanel1);
    Label4 = makeLink(QStringLiteral("Cancel"), AdvToolPanel1);
    auto* links = new QHBoxLayout;
    links->setSpacing(20);
    links->addWidget(lblBlank);
    links->addWidget(lblTemplate);
    links->addStretch(1);
    links->addWidget(Label4);
    grid->addLayout(links, 6, 0, 1, 2);

    using ProgramErrors::guarded;
    connect(CalPanStart, &TCalPanel::monthChanged, this, guarded([this] { CalPanStartMonthChange(); }));
    connect(lblBlank, &TLinkLabel::clicked, this, guarded([this] { lblBlankClick(); }));
    connect(lblTemplate, &TLinkLabel::clicked, this, guarded([this] { lblTemplateClick(); }));
    connect(Label4, &TLinkLabel::clicked, this, guarded([this] { Label4Click(); }));
    connect(this, &QDialog::finished, this, guarded([this] { FormClose(); }));

    ProgramErrors::run([this] { FormCreate(); });
}

TfrmNew::~TfrmNew()
{
    if (frmNew == this)
        frmNew = nullptr;
}

void TfrmNew::FormCreate()
{
    const QDate today = QDate::currentDate();
    CalPanStart->setDate(today);
    CalPanEnd->setDate(today);
}

void TfrmNew::CalPanStartMonthChange()
{
    CalPanEnd->setMonth(CalPanStart->month());
}

void TfrmNew::lblBlankClick()
{
    if (eName->text().isEmpty()) {
        Messages::error(QStringLiteral("No Name Provided."));
        return;
    }
    if (CalPanEnd->date() < CalPanStart->date()) {
        Messages::error(QStringLiteral("Starting Date cannot be after Ending Date"));
        return;
    }
    if (!frmSchedule)
        return;
    const int id = frmSchedule->CreateBlankSchedule(eName->text(), CalPanStart->date(), CalPanEnd->date());
    if (id <= 0)
        return;
    frmSchedule->CurrentScheduleID = id;
    OpenListedSchedule(*frmSchedule, id);
    close();
}

void TfrmNew::lblTemplateClick()
{
    if (!frmSchedule || frmSchedule->CurrentScheduleID == 0) {
        Messages::error(QStringLiteral("No current schedule is loaded.  Cannot continue."));
        return;
    }
    if (eName->text().isEmpty()) {
        Messages::error(QStringLiteral("No Name Provided."));
        return;
    }
    frmSchedule->CreateScheduleFromTemplate(eName->text(), CalPanStart->date());
    close();
}

void TfrmNew::Label4Click()
{
    close();
}

void TfrmNew::FormClose()
{
    // Freed by Qt once closed (WA_DeleteOnClose).
    if (frmNew == this)
        frmNew = nullptr;
}

void TfrmNew::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void TfrmNew::keyPressEvent(QKeyEvent* event)
{
    // Escape would close the dialog: it is left through its links only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmNew::closeEvent(QCloseEvent* event)
{
    // A close from the window manager (there is no close button, but a key
    // may ask for one) is refused; the links close the dialog from code.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void OpenListedSchedule(TfrmSchedule& workspace, int id)
{
    workspace.FillScheduleList();
    TColumnComboBox& list = *workspace.ccboSchedules;
    for (int row = 0; row < list.count(); ++row) {
        if (list.tag(row) == id) {
            list.setCurrentIndex(row);
            workspace.OpenSelectedSchedule(true);
            return;
        }
    }
}
