#pragma once

#include "data/FbDataSet.h"
#include "data/FbTransaction.h"
#include "widgets/AdvColorSelector.h"

#include <QDialog>

class QLabel;
class TDBAdvNavigator;
class TDBEdit;
class TLinkLabel;

// The positions editor: each position's name and the colour its shifts show
// in, through an editable record set in a transaction of the window's own,
// committed when it closes.
class TfrmPositions : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPositions(QWidget* parent = nullptr);
    ~TfrmPositions() override;

    // The record set's statements, line by line as stored.
    static const QStringList SelectSQL, InsertSQL, UpdateSQL, DeleteSQL;
    // The palette of CS: "Automatic", the forty cells, "More Colors...".
    static std::vector<TAdvColorSelector::Entry> PaletteEntries();

    FbTransaction Trans;
    FbDataSet qryMain;
    FbDataSource dsMain;

    QLabel* Label1;
    TDBEdit* edbPositionName;
    TAdvColorSelector* CS;
    TLinkLabel* Label2; // "Change Position Color"
    TDBAdvNavigator* DBAdvNavigator1;
    TColorDialog CD;

    void FormCreate();
    void FormClose();
    void qryMainAfterInsert();
    void qryMainAfterScroll();
    void CSSelect(int Index, const TAdvColorSelector::Entry& Item);
    void Label2Click();

    // The name box's background and text colours, as the database stores colours.
    quint32 NameBoxColor() const;
    quint32 NameBoxFontColor() const;

    void done(int r) override;

private:
    void PaintNameBox(quint32 color);
    void SetPositionColor(quint32 color);
};

extern TfrmPositions* frmPositions;
