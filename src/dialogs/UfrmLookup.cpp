#include "UfrmLookup.h"

#include "UMisc.h"
#include "app/MessageBoxes.h"
#include "app/ProgramErrors.h"
#include "widgets/LinkLabel.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>

TfrmLookup* frmLookup = nullptr;

TfrmLookup::TfrmLookup(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    frmLookup = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lookup List"));
    setFixedSize(250, 300);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(9);
    setFont(arial);
    QPalette navy = palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    navy.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
    setPalette(navy);

    lblMessage = new QLabel(this);
    lblMessage->setGeometry(10, 8, 230, 42);
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setWordWrap(true);
    QFont bold = arial;
    bold.setBold(true);
    lblMessage->setFont(bold);

    lbValues = new QListWidget(this);
    lbValues->setGeometry(10, 54, 230, 206);
    lbValues->setSelectionMode(QAbstractItemView::SingleSelection);
    lbValues->viewport()->installEventFilter(this);

    lblSelect = new TLinkLabel(QStringLiteral("Select"), this);
    Label2 = new TLinkLabel(QStringLiteral("Cancel"), this);
    for (TLinkLabel* l : {lblSelect, Label2}) {
        QFont f = arial;
        f.setUnderline(true);
        f.setBold(true);
        l->setFont(f);
        l->adjustSize();
    }
    lblSelect->move(10 + 230 / 4 - lblSelect->width() / 2, 270);
    Label2->move(10 + 3 * 230 / 4 - Label2->width() / 2, 270);

    connect(lblSelect, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { lblSelectClick(); }));
    connect(Label2, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { Label2Click(); }));
}

TfrmLookup::~TfrmLookup()
{
    if (frmLookup == this)
        frmLookup = nullptr;
}

void TfrmLookup::done(int r)
{
    if (frmLookup == this)
        frmLookup = nullptr;
    QDialog::done(r);
}

bool TfrmLookup::eventFilter(QObject* watched, QEvent* event)
{
    // A double click anywhere in the list is "Select", as on the link.
    if (watched == lbValues->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ProgramErrors::run([this] { lblSelectClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmLookup::lblSelectClick()
{
    const QList<QListWidgetItem*> chosen = lbValues->selectedItems();
    if (chosen.isEmpty()) {
        Messages::error(QStringLiteral("You did not choose anything!"));
        return;
    }
    ChosenLookupID = chosen.front()->data(Qt::UserRole).toInt();
    close();
}

void TfrmLookup::Label2Click()
{
    ChosenLookupID = -1;
    close();
}
