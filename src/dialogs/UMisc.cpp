#include "UMisc.h"

#include "UfrmLookup.h"
#include "app/MessageBoxes.h"
#include "workspace/ScopedQuery.h"

#include <QLabel>
#include <QListWidget>
#include <memory>

qint32 ChosenLookupID = 0;

int PickFromList(const QString& SQL, const QString& Message)
{
    // Until it is shown the dialog is ours to free, also when the query fails.
    auto dlg = std::make_unique<TfrmLookup>();
    ScopedQuery q(SQL);
    dlg->lblMessage->setText(Message);
    for (; !q->eof(); q->next()) {
        auto* item = new QListWidgetItem(q->field(0).asString(), dlg->lbValues);
        item->setData(Qt::UserRole, qint32(q->field(1).asInteger()));
    }
    // The dialog frees itself when it closes.
    Messages::execModal(*dlg.release());
    const int result = ChosenLookupID;
    ChosenLookupID = 0;
    q.close();
    return result;
}
