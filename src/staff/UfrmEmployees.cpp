#include "UfrmEmployees.h"

#include "app/MessageBoxes.h"
#include "app/ProgramErrors.h"
#include "data/Decimal4.h"
#include "workspace/ScopedQuery.h"
#include "data/SqlText.h"
#include "data/UdmMain.h"
#include "dialogs/UMisc.h"
#include "widgets/DBAdvNavigator.h"
#include "widgets/DBControls.h"
#include "widgets/LinkLabel.h"
#include "workspace/UfrmSchedule.h"

#include <QLabel>
#include <QListWidget>

TfrmEmployees* frmEmployees = nullptr;

const QStringList TfrmEmployees::SelectSQL = {
    QStringLiteral("SELECT SERVERID"),
    QStringLiteral("     , SERVERFIRST"),
    QStringLiteral("     , SERVERLAST"),
    QStringLiteral("     , ISACTIVE,"),
    QStringLiteral("     ServerNumber"),
    QStringLiteral("FROM SERVERS"),
};

const QStringList TfrmEmployees::InsertSQL = {
    QStringLiteral("INSERT INTO SERVERS("),
    QStringLiteral("   SERVERID,"),
    QStringLiteral("   SERVERFIRST,"),
    QStringLiteral("   SERVERLAST,"),
    QStringLiteral("   ISACTIVE,"),
    QStringLiteral("   SERVERNUMBER)"),
    QStringLiteral("VALUES ("),
    QStringLiteral("   :SERVERID,"),
    QStringLiteral("   :SERVERFIRST,"),
    QStringLiteral("   :SERVERLAST,"),
    QStringLiteral("   :ISACTIVE,"),
    QStringLiteral("   :SERVERNUMBER)"),
};

const QStringList TfrmEmployees::UpdateSQL = {
    QStringLiteral("UPDATE SERVERS SET"),
    QStringLiteral("   SERVERID = :SERVERID,"),
    QStringLiteral("   SERVERFIRST = :SERVERFIRST,"),
    QStringLiteral("   SERVERLAST = :SERVERLAST,"),
    QStringLiteral("   ISACTIVE = :ISACTIVE,"),
    QStringLiteral("   SERVERNUMBER = :SERVERNUMBER"),
    QStringLiteral("WHERE"),
    QStringLiteral("RDB$DB_KEY = :DB_KEY"),
};

const QStringList TfrmEmployees::DeleteSQL = {
    QStringLiteral("DELETE FROM SERVERS"),
    QStringLiteral("WHERE"),
    QStringLiteral("RDB$DB_KEY = :DB_KEY"),
};

namespace {

const QColor navy(0x00, 0x00, 0x80);

TLinkLabel* makeLink(const QString& caption, QWidget* parent)
{
    auto* l = new TLinkLabel(caption, parent);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(9);
    f.setUnderline(true);
    l->setFont(f);
    l->adjustSize();
    return l;
}

} // namespace

TfrmEmployees::TfrmEmployees(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      Trans(dmMain->FBDB), qryMain(Trans)
{
    frmEmployees = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Employees"));
    setFixedSize(354, 318);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSize(8);
    setFont(windowFont);

    qryMain.setSelectSql(SelectSQL);
    qryMain.setInsertSql(InsertSQL);
    qryMain.setUpdateSql(UpdateSQL);
    qryMain.setDeleteSql(DeleteSQL);
    qryMain.addField(QStringLiteral("SERVERID"), FbDataSet::Kind::Integer);
    qryMain.addField(QStringLiteral("SERVERFIRST"), FbDataSet::Kind::String, 250);
    qryMain.addField(QStringLiteral("SERVERLAST"), FbDataSet::Kind::String, 250);
    qryMain.addField(QStringLiteral("ISACTIVE"), FbDataSet::Kind::SmallInt);
    qryMain.addField(QStringLiteral("SERVERNUMBER"), FbDataSet::Kind::Integer, 0, true);
    qryMain.afterInsert = [this] { qryMainAfterInsert(); };
    qryMain.afterScroll = [this] { qryMainAfterScroll(); };
    dsMain.setDataSet(&qryMain);

    Label6 = makeLink(QStringLiteral("Lookup"), this);
    Label6->move(12, 10);

    Label1 = new QLabel(QStringLiteral("First Name:"), this);
    Label1->setGeometry(12, 40, 72, 21);
    edbFName = new TDBEdit(this);
    edbFName->setGeometry(88, 40, 254, 21);
    edbFName->setDataSource(&dsMain);
    edbFName->setDataField(QStringLiteral("SERVERFIRST"));

    Label2 = new QLabel(QStringLiteral("Last Name:"), this);
    Label2->setGeometry(12, 68, 72, 21);
    edbLName = new TDBEdit(this);
    edbLName->setGeometry(88, 68, 254, 21);
    edbLName->setDataSource(&dsMain);
    edbLName->setDataField(QStringLiteral("SERVERLAST"));

    // Caption on the left, box lined up under the edits.
    ckActive = new TDBCheckBox(QStringLiteral("Active"), this);
    ckActive->setLayoutDirection(Qt::RightToLeft);
    ckActive->setGeometry(12, 96, 92, 21);
    ckActive->setDataSource(&dsMain);
    ckActive->setDataField(QStringLiteral("ISACTIVE"));

    Label3 = new QLabel(QStringLiteral("Positions Available"), this);
    Label3->setGeometry(12, 126, 200, 16);
    lbPositions = new QListWidget(this);
    lbPositions->setGeometry(12, 144, 330, 104);
    lbPositions->setSelectionMode(QAbstractItemView::SingleSelection);

    lblDelete = makeLink(QStringLiteral("Delete"), this);
    lblAdd = makeLink(QStringLiteral("Add"), this);
    lblAdd->move(342 - lblAdd->width(), 252);
    lblDelete->move(lblAdd->x() - 16 - lblDelete->width(), 252);

    DBAdvNavigator1 = new TDBAdvNavigator(this);
    DBAdvNavigator1->setGeometry(0, 318 - 30, 354, 30);
    DBAdvNavigator1->setDataSource(&dsMain);

    connect(Label6, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { Label6Click(); }));
    connect(lblAdd, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { lblAddClick(); }));
    connect(lblDelete, &TLinkLabel::clicked, this, ProgramErrors::guarded([this] { lblDeleteClick(); }));

    ProgramErrors::run([this] { FormCreate(); });
}

TfrmEmployees::~TfrmEmployees()
{
    // The hooks reach controls that go before the record set does.
    qryMain.afterInsert = nullptr;
    qryMain.afterScroll = nullptr;
    if (frmEmployees == this)
        frmEmployees = nullptr;
}

void TfrmEmployees::FormCreate()
{
    Trans.start();
    qryMain.open();
}

void TfrmEmployees::done(int r)
{
    ProgramErrors::run([this] { FormClose(); });
    // While the changes are not committed the window stays, so that nothing
    // typed is lost; once they are, it goes.
    if (Trans.isActive())
        return;
    QDialog::done(r);
}

void TfrmEmployees::FormClose()
{
    // A record still being edited or inserted is kept, not dropped.
    if (qryMain.isEditing())
        qryMain.post();
    Trans.commit();
    if (frmEmployees == this)
        frmEmployees = nullptr;
    if (frmSchedule)
        frmSchedule->FillEmployeeList();
}

std::optional<qint64> TfrmEmployees::CurrentServerID() const
{
    if (!qryMain.isActive())
        return std::nullopt;
    const FbValue id = qryMain.fieldValue(QStringLiteral("ServerID"));
    if (id.isNull())
        return std::nullopt;
    return id.asInteger();
}

void TfrmEmployees::qryMainAfterInsert()
{
    if (qryMain.state() != FbDataSet::State::Insert)
        return;
    ScopedQuery q(QStringLiteral("SELECT GEN_ID(G_serversServerNumberGen33, 1) FROM RDB$Database"));
    const qint64 number = q->field(0).asInteger();
    qryMain.setFieldValue(QStringLiteral("ServerNumber"), FbValue(number));
    qryMain.setFieldValue(QStringLiteral("ServerID"), FbValue(number));
    q.close();
    qryMain.setFieldValue(QStringLiteral("IsActive"), FbValue(1));
}

void TfrmEmployees::RefreshPositionList()
{
    lbPositions->clear();
    const auto serverID = CurrentServerID();
    if (!serverID)
        return;
    ScopedQuery q(QStringLiteral("SELECT PositionName, PositionID FROM CurrentPositions WHERE ServerID = ")
                  + SqlText::integer(*serverID));
    for (; !q->eof(); q->next()) {
        auto* item = new QListWidgetItem(q->fieldByName(QStringLiteral("PositionName")).asString(), lbPositions);
        item->setData(Qt::UserRole, qint32(q->fieldByName(QStringLiteral("PositionID")).asInteger()));
    }
    q.close();
}

void TfrmEmployees::qryMainAfterScroll()
{
    // Also at either end of the set, so the list never shows another
    // employee's positions.
    RefreshPositionList();
    const bool hasEmployee = CurrentServerID().has_value();
    lbPositions->setEnabled(hasEmployee);
    lblAdd->setEnabled(hasEmployee);
    lblDelete->setEnabled(hasEmployee);
}

void TfrmEmployees::lblAddClick()
{
    const auto serverID = CurrentServerID();
    if (!serverID)
        return;
    const QString id = SqlText::integer(*serverID);
    const int positionID = PickFromList(
        QStringLiteral("SELECT PositionName, PositionID FROM Positions WHERE PositionID NOT IN "
                       "(SELECT PositionID FROM CurrentPositions WHERE ServerID = ")
            + id + u')',
        QStringLiteral("Select Position"));
    if (positionID <= 0)
        return;
    const auto answer = Messages::inputQuery(QStringLiteral("Enter Pay Rate"),
                                             QStringLiteral("Enter Pay Rate for this employee using this position."),
                                             QStringLiteral("0.00"));
    if (!answer)
        return; // Cancel assigns nothing
    const QString rate = answer->trimmed();
    if (rate.isEmpty())
        return;
    const auto value = Decimal4::parse(rate);
    if (!value || value->raw() < 0) {
        Messages::error(QStringLiteral("\"%1\" is not a valid pay rate. Enter the rate per hour as a number, "
                                       "for example 12.50.")
                            .arg(rate));
        return;
    }
    ScopedQuery q(QStringLiteral("SELECT PositionName FROM Positions WHERE PositionID = ") + SqlText::integer(positionID));
    const QString positionName = q->field(0).asString();
    q.close();
    dmMain->ExecuteSQL(QStringLiteral("INSERT INTO CurrentPositions (ServerID, PositionID, PositionName, Rate) VALUES (")
                       + id + QStringLiteral(", ") + SqlText::integer(positionID) + QStringLiteral(", ")
                       + SqlText::quoted(positionName) + QStringLiteral(", ") + rate + u')');
    RefreshPositionList();
}

void TfrmEmployees::lblDeleteClick()
{
    const QListWidgetItem* item = lbPositions->currentItem();
    if (!item || !item->isSelected())
        return;
    const auto serverID = CurrentServerID();
    if (!serverID)
        return;
    const qint64 positionID = item->data(Qt::UserRole).toLongLong();
    if (!Messages::confirm(QStringLiteral("Remove the Position from this employee?")))
        return;
    dmMain->ExecuteSQL(QStringLiteral("DELETE FROM CurrentPositions WHERE PositionID = ") + SqlText::integer(positionID)
                       + QStringLiteral(" AND ServerID = ") + SqlText::integer(*serverID));
    RefreshPositionList();
}

void TfrmEmployees::Label6Click()
{
    const int serverID = PickFromList(QStringLiteral("SELECT (ServerFirst || ' ' || ServerLast) As Server, ServerID "
                                                     "FROM Servers ORDER BY ServerFirst, ServerLast"),
                                      QStringLiteral("Choose Employee"));
    if (serverID > 0)
        qryMain.locate(QStringLiteral("ServerID"), FbValue(serverID));
}
