#include "UfrmPositions.h"

#include "PositionColors.h"
#include "app/ProgramErrors.h"
#include "workspace/ScopedQuery.h"
#include "data/UdmMain.h"
#include "widgets/DBAdvNavigator.h"
#include "widgets/DBControls.h"
#include "widgets/LinkLabel.h"
#include "workspace/UfrmSchedule.h"

#include <QComboBox>
#include <QLabel>

TfrmPositions* frmPositions = nullptr;

const QStringList TfrmPositions::SelectSQL = {
    QStringLiteral("SELECT POSITIONID"),
    QStringLiteral("     , POSITIONNAME"),
    QStringLiteral("     , POSITION_COLOR"),
    QStringLiteral("FROM POSITIONS"),
};

const QStringList TfrmPositions::InsertSQL = {
    QStringLiteral("INSERT INTO POSITIONS("),
    QStringLiteral("   POSITIONID, /*PK*/"),
    QStringLiteral("   POSITIONNAME,"),
    QStringLiteral("   POSITION_COLOR)"),
    QStringLiteral("VALUES ("),
    QStringLiteral("   :POSITIONID,"),
    QStringLiteral("   :POSITIONNAME,"),
    QStringLiteral("   :POSITION_COLOR)"),
};

const QStringList TfrmPositions::UpdateSQL = {
    QStringLiteral("UPDATE POSITIONS SET"),
    QStringLiteral("   POSITIONID = :POSITIONID, /*PK*/"),
    QStringLiteral("   POSITIONNAME = :POSITIONNAME,"),
    QStringLiteral("   POSITION_COLOR = :POSITION_COLOR"),
    QStringLiteral("WHERE"),
    QStringLiteral("   POSITIONID = :OLD_POSITIONID"),
};

const QStringList TfrmPositions::DeleteSQL = {
    QStringLiteral("DELETE FROM POSITIONS"),
    QStringLiteral("WHERE"),
    QStringLiteral("   POSITIONID = :OLD_POSITIONID"),
};

std::vector<TAdvColorSelector::Entry> TfrmPositions::PaletteEntries()
{
    using Entry = TAdvColorSelector::Entry;
    std::vector<Entry> out;
    out.push_back({Entry::FullWidthButton, QStringLiteral("Automatic"), QStringLiteral("Automatic"), 0, true});
    for (quint32 c : PositionColors::Palette)
        out.push_back({Entry::Cell, QString(), QString(), c, true});
    out.push_back({Entry::FullWidthButton, QStringLiteral("More Colors..."), QStringLiteral("More Color"), 0, false});
    return out;
}

TfrmPositions::TfrmPositions(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      Trans(dmMain->FBDB), qryMain(Trans), CD(this)
{
    frmPositions = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Employee Positions"));
    setFixedSize(300, 128);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(9);
    setFont(arial);
    QPalette navyText = palette();
    navyText.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    setPalette(navyText);

    qryMain.setSelectSql(SelectSQL);
    qryMain.setInsertSql(InsertSQL);
    qryMain.setUpdateSql(UpdateSQL);
    qryMain.setDeleteSql(DeleteSQL);
    qryMain.addField(QStringLiteral("POSITIONID"), FbDataSet::Kind::Integer);
    qryMain.addField(QStringLiteral("POSITIONNAME"), FbDataSet::Kind::String, 250);
    qryMain.addField(QStringLiteral("POSITION_COLOR"), FbDataSet::Kind::Integer);
    qryMain.afterInsert = [this] { qryMainAfterInsert(); };
    qryMain.afterScroll = [this] { qryMainAfterScroll(); };
    dsMain.setDataSet(&qryMain);

    Label1 = new QLabel(QStringLiteral("Positions"), this);
    QFont bold = arial;
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setGeometry(12, 10, 200, 16);

    edbPositionName = new TDBEdit(this);
    edbPositionName->setGeometry(12, 30, 210, 24);
    edbPositionName->setDataSource(&dsMain);
    edbPositionName->setDataField(QStringLiteral("POSITIONNAME"));

    CS = new TAdvColorSelector(this);
    CS->setGeometry(230, 30, 58, 24);
    CS->setToolTip(QStringLiteral("Choose color to represent the Position"));
    CS->setEntries(PaletteEntries());

    Label2 = new TLinkLabel(QStringLiteral("Change Position Color"), this);
    QFont link = arial;
    link.setUnderline(true);
    Label2->setFont(link);
    Label2->adjustSize();
    Label2->move(12, 62);

    DBAdvNavigator1 = new TDBAdvNavigator(this);
    DBAdvNavigator1->setGeometry(0, 128 - 30, 300, 30);
    DBAdvNavigator1->setDataSource(&dsMain);

    connect(CS, &TAdvColorSelector::select, this,
            ProgramErrors::guarded([this](int index, const TAdvColorSelector::Entry& e) { CSSelect(index, e); }));
    connect(Label2, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { Label2Click(); }));

    ProgramErrors::run([this] { FormCreate(); });
}

TfrmPositions::~TfrmPositions()
{
    // The hooks reach controls that go before the record set does.
    qryMain.afterInsert = nullptr;
    qryMain.afterScroll = nullptr;
    if (frmPositions == this)
        frmPositions = nullptr;
}

void TfrmPositions::FormCreate()
{
    qryMain.open();
}

void TfrmPositions::done(int r)
{
    ProgramErrors::run([this] { FormClose(); });
    // While the changes are not committed the window stays, so that nothing
    // typed is lost; once they are, it goes.
    if (Trans.isActive())
        return;
    QDialog::done(r);
}

void TfrmPositions::FormClose()
{
    // A record still being edited or inserted is kept, not dropped.
    if (qryMain.isEditing())
        qryMain.post();
    Trans.commit();
    if (frmPositions == this)
        frmPositions = nullptr;
    // The workspace's position filter shows the new names at once, keeping
    // the chosen position where it still exists.
    if (frmSchedule) {
        QComboBox* filter = frmSchedule->cboPosition;
        const QVariant chosen = filter->currentData();
        frmSchedule->FillPositionFilter();
        const int again = chosen.isValid() ? filter->findData(chosen) : -1;
        if (again >= 0)
            filter->setCurrentIndex(again);
    }
}

void TfrmPositions::qryMainAfterInsert()
{
    if (qryMain.state() != FbDataSet::State::Insert)
        return;
    ScopedQuery q(QStringLiteral("SELECT GEN_ID(G_positionsPositionIDGen24, 1) FROM RDB$Database"));
    qryMain.setFieldValue(QStringLiteral("PositionID"), FbValue(q->field(0).asInteger()));
    q.close();
}

void TfrmPositions::qryMainAfterScroll()
{
    const FbValue color = qryMain.fieldValue(QStringLiteral("Position_Color"));
    if (!color.isNull())
        PaintNameBox(quint32(color.asInteger()));
    else
        PaintNameBox(NameBoxColor());
    CS->setSelectedColor(quint32(color.asInteger()));
}

quint32 TfrmPositions::NameBoxColor() const
{
    return TAdvColorSelector::fromQColor(edbPositionName->palette().color(QPalette::Base));
}

quint32 TfrmPositions::NameBoxFontColor() const
{
    return TAdvColorSelector::fromQColor(edbPositionName->palette().color(QPalette::Text));
}

// The background in the colour, the text in its contrast colour.
void TfrmPositions::PaintNameBox(quint32 color)
{
    QPalette p = edbPositionName->palette();
    p.setColor(QPalette::Base, TAdvColorSelector::toQColor(color));
    p.setColor(QPalette::Text, TAdvColorSelector::toQColor(ContrastFontColor(color)));
    edbPositionName->setPalette(p);
}

void TfrmPositions::SetPositionColor(quint32 color)
{
    qryMain.edit();
    qryMain.setFieldValue(QStringLiteral("Position_Color"), FbValue(qint64(color)));
    PaintNameBox(color);
    // The selector shows the record's colour, also one from the dialog.
    CS->setSelectedColor(color);
}

void TfrmPositions::CSSelect(int, const TAdvColorSelector::Entry& Item)
{
    quint32 color = Item.color;
    if (Item.caption.contains(QLatin1String("More"), Qt::CaseSensitive)) {
        CD.Color = TAdvColorSelector::toQColor(NameBoxColor());
        if (!CD.Execute())
            return;
        color = TAdvColorSelector::fromQColor(CD.Color);
    }
    SetPositionColor(color);
}

void TfrmPositions::Label2Click()
{
    CD.Color = TAdvColorSelector::toQColor(NameBoxColor());
    if (!CD.Execute())
        return;
    // The dialog's colour is dropped while a record is being edited or
    // inserted, or at the end of the set.
    if (qryMain.isEditing() || qryMain.eof())
        return;
    SetPositionColor(TAdvColorSelector::fromQColor(CD.Color));
}
