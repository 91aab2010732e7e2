// The positions editor, its palette and colour rule, driven as a user
// would against fresh database files.

#include "data/FbDataSet.h"
#include "staff/PositionColors.h"
#include "staff/UfrmPositions.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"
#include "widgets/AdvColorSelector.h"
#include "widgets/DBAdvNavigator.h"
#include "widgets/DBControls.h"
#include "widgets/LinkLabel.h"
#include "workspace/UfrmSchedule.h"

#include <QComboBox>
#include <QToolButton>
#include <memory>

namespace {

using PositionColors::fromRrggbb;

struct Workspace {
    std::unique_ptr<TfrmSchedule> w = std::make_unique<TfrmSchedule>();
    Workspace() { frmSchedule = w.get(); }
    ~Workspace() { frmSchedule = nullptr; }
};

// Answers the colour dialog: a colour, or Cancel; counts the calls.
struct ColorDialogAnswers {
    std::optional<QColor> answer;
    int asked = 0;
    ColorDialogAnswers()
    {
        TColorDialog::setRunner([this](const QColor&, QWidget*) {
            ++asked;
            return answer;
        });
    }
    ~ColorDialogAnswers() { TColorDialog::setRunner(nullptr); }
};

TfrmPositions& editor(QDialog& d)
{
    return static_cast<TfrmPositions&>(d);
}

void clickNav(TfrmPositions& f, TDBAdvNavigator::Button b)
{
    QTest::mouseClick(f.DBAdvNavigator1->button(b), Qt::LeftButton);
}

// Drops the palette down and clicks entry index, as the user would.
void pickFromPalette(TfrmPositions& f, int index)
{
    QTest::mouseClick(f.CS, Qt::LeftButton);
    QFrame* palette = f.CS->palette();
    QVERIFY(palette->isVisible());
    auto* entry = palette->findChild<QAbstractButton*>(QStringLiteral("entry%1").arg(index));
    QVERIFY(entry);
    QTest::mouseClick(entry, Qt::LeftButton);
    QVERIFY(!palette->isVisible());
}

void clickLink(TLinkLabel* l)
{
    QTest::mouseClick(l, Qt::LeftButton, {}, l->rect().center());
}

qint64 storedColor(TestDatabase& db, int positionID)
{
    return db.scalar(QStringLiteral("SELECT POSITION_COLOR FROM POSITIONS WHERE POSITIONID = %1").arg(positionID)).asInteger();
}

int paletteIndexOf(quint32 rrggbb)
{
    const auto& p = PositionColors::Palette;
    return int(std::find(p.begin(), p.end(), fromRrggbb(rrggbb)) - p.begin()) + 1;
}

} // namespace

class TestPositions : public QObject {
    Q_OBJECT
private slots:
    void contrastFontColor_data();
    void contrastFontColor();
    void paletteAsTheShopHasIt();
    void windowAndControls();
    void newPositionGetsTheGeneratorsId();
    void paletteColoursTheNameBox_data();
    void paletteColoursTheNameBox();
    void moreColorsUsesTheDialog();
    void changePositionColor();
    void changePositionColorStopsWhileInserting();
    void changePositionColorStopsAtTheEnd();
    void movingShowsEachColour();
    void closingRefreshesThePositionFilter();
};

void TestPositions::contrastFontColor_data()
{
    QTest::addColumn<quint32>("background");
    QTest::addColumn<quint32>("text");
    const quint32 navy = fromRrggbb(0x000080), white = fromRrggbb(0xFFFFFF);
    QTest::newRow("yellow") << fromRrggbb(0xFFFF00) << navy;
    QTest::newRow("navy") << fromRrggbb(0x000080) << white;
    QTest::newRow("mid-grey is exactly 128") << fromRrggbb(0x808080) << white;
    QTest::newRow("just above") << fromRrggbb(0x818181) << navy;
    QTest::newRow("black") << fromRrggbb(0x000000) << white;
    QTest::newRow("white") << fromRrggbb(0xFFFFFF) << navy;
    QTest::newRow("pure green is bright") << fromRrggbb(0x00FF00) << navy;
    QTest::newRow("pure red is dark") << fromRrggbb(0xFF0000) << white;
    QTest::newRow("pure blue is dark") << fromRrggbb(0x0000FF) << white;
}

void TestPositions::contrastFontColor()
{
    QFETCH(quint32, background);
    QFETCH(quint32, text);
    QCOMPARE(ContrastFontColor(background), text);
}

void TestPositions::paletteAsTheShopHasIt()
{
    const auto entries = TfrmPositions::PaletteEntries();
    QCOMPARE(entries.size(), std::size_t(42));
    QCOMPARE(entries.front().type, TAdvColorSelector::Entry::FullWidthButton);
    QCOMPARE(entries.front().caption, QStringLiteral("Automatic"));
    QCOMPARE(entries.front().hint, QStringLiteral("Automatic"));
    QCOMPARE(entries.front().color, 0u);
    QCOMPARE(entries.back().type, TAdvColorSelector::Entry::FullWidthButton);
    QCOMPARE(entries.back().caption, QStringLiteral("More Colors..."));
    QCOMPARE(entries.back().hint, QStringLiteral("More Color"));
    const quint32 table[40] = {
        0x000000, 0x993300, 0x333300, 0x003300, 0x003366, 0x000080, 0x333335, 0x333333, 0x800000, 0xFF6600,
        0x808000, 0x008000, 0x008080, 0x0000FF, 0x666699, 0x808080, 0xFF0000, 0xFF9900, 0x99CC00, 0x339966,
        0x33CCCC, 0x3366FF, 0x800080, 0x999999, 0xFF00FF, 0xFFCC00, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x00CCFF,
        0x993366, 0xC0C0C0, 0xFF99CC, 0xFFCC99, 0xFFFF99, 0xCCFFCC, 0xCCFFFF, 0x99CCFF, 0xCC99FF, 0xFFFFFF};
    for (int i = 0; i < 40; ++i) {
        QCOMPARE(entries[i + 1].type, TAdvColorSelector::Entry::Cell);
        QCOMPARE(PositionColors::toRrggbb(entries[i + 1].color), table[i]);
    }
    // stored blue * 65536 + green * 256 + red
    QCOMPARE(entries[7].color, 0x35u * 65536 + 0x33u * 256 + 0x33u);
    QCOMPARE(entries[27].color, 0x00FFFFu);
    QCOMPARE(TAdvColorSelector::rgbHint(entries[27].color), QStringLiteral("RGB(255,255,0)"));
}

void TestPositions::windowAndControls()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        QCOMPARE(frmPositions, &f);
        QCOMPARE(f.windowTitle(), QStringLiteral("Employee Positions"));
        QCOMPARE(f.Label1->text(), QStringLiteral("Positions"));
        QCOMPARE(f.Label2->text(), QStringLiteral("Change Position Color"));
        QCOMPARE(f.CS->toolTip(), QStringLiteral("Choose color to represent the Position"));
        QCOMPARE(f.edbPositionName->dataField(), QStringLiteral("POSITIONNAME"));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QFrame* palette = f.CS->palette();
        QCOMPARE(palette->findChild<QAbstractButton*>(QStringLiteral("entry27"))->toolTip(),
                 QStringLiteral("RGB(255,255,0)"));
        QCOMPARE(palette->findChild<QAbstractButton*>(QStringLiteral("entry0"))->toolTip(),
                 QStringLiteral("Automatic"));
        QCOMPARE(palette->findChild<QAbstractButton*>(QStringLiteral("entry41"))->toolTip(),
                 QStringLiteral("More Color"));
        QCOMPARE(f.qryMain.updateSql(), TfrmPositions::UpdateSQL.join(u'\n'));
        d.close();
    });
    ws.w->Label1Click();
    QVERIFY(boxes.modals.empty());
    QCOMPARE(frmPositions, nullptr);
}

void TestPositions::newPositionGetsTheGeneratorsId()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    qint64 id = 0;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        clickNav(f, TDBAdvNavigator::Insert);
        id = f.qryMain.fieldValue(QStringLiteral("POSITIONID")).asInteger();
        QTest::keyClicks(f.edbPositionName, QStringLiteral("Runner"));
        clickNav(f, TDBAdvNavigator::Post);
        d.close();
    });
    ws.w->Label1Click();
    QVERIFY2(boxes.errors().isEmpty(), qPrintable(boxes.errors().join(u'|')));
    QCOMPARE(id, 6);
    QCOMPARE(db.scalar(QStringLiteral("SELECT POSITIONNAME FROM POSITIONS WHERE POSITIONID = 6")).asString(),
             QStringLiteral("Runner"));
}

void TestPositions::paletteColoursTheNameBox_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<quint32>("rrggbb");
    QTest::addColumn<quint32>("textRrggbb");
    QTest::newRow("yellow") << paletteIndexOf(0xFFFF00) << 0xFFFF00u << 0x000080u;
    QTest::newRow("navy") << paletteIndexOf(0x000080) << 0x000080u << 0xFFFFFFu;
    QTest::newRow("grey 50%") << paletteIndexOf(0x808080) << 0x808080u << 0xFFFFFFu;
    QTest::newRow("Automatic") << 0 << 0x000000u << 0xFFFFFFu;
}

void TestPositions::paletteColoursTheNameBox()
{
    QFETCH(int, index);
    QFETCH(quint32, rrggbb);
    QFETCH(quint32, textRrggbb);
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    ColorDialogAnswers dialog;
    Workspace ws;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        clickNav(f, TDBAdvNavigator::Next); // Server
        pickFromPalette(f, index);
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Edit);
        QCOMPARE(PositionColors::toRrggbb(f.NameBoxColor()), rrggbb);
        QCOMPARE(PositionColors::toRrggbb(f.NameBoxFontColor()), textRrggbb);
        QCOMPARE(PositionColors::toRrggbb(f.CS->selectedColor()), rrggbb);
        // not posted yet: closing posts it
        d.close();
    });
    ws.w->Label1Click();
    QCOMPARE(dialog.asked, 0);
    QVERIFY2(boxes.errors().isEmpty(), qPrintable(boxes.errors().join(u'|')));
    QCOMPARE(storedColor(db, 2), qint64(fromRrggbb(rrggbb)));
    QCOMPARE(storedColor(db, 1), 10092543); // the others keep theirs
}

void TestPositions::moreColorsUsesTheDialog()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    ColorDialogAnswers dialog;
    Workspace ws;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        const quint32 before = f.NameBoxColor();
        pickFromPalette(f, 41); // cancelled
        QCOMPARE(dialog.asked, 1);
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Browse);
        QCOMPARE(f.NameBoxColor(), before);
        QCOMPARE(f.CS->selectedColor(), before);
        dialog.answer = QColor(0x12, 0x34, 0x56);
        pickFromPalette(f, 41);
        QCOMPARE(PositionColors::toRrggbb(f.NameBoxColor()), 0x123456u);
        QCOMPARE(PositionColors::toRrggbb(f.CS->selectedColor()), 0x123456u);
        clickNav(f, TDBAdvNavigator::Post);
        d.close();
    });
    ws.w->Label1Click();
    QCOMPARE(dialog.asked, 2);
    QCOMPARE(storedColor(db, 1), 0x563412);
}

void TestPositions::changePositionColor()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    ColorDialogAnswers dialog;
    Workspace ws;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        clickNav(f, TDBAdvNavigator::Next);
        clickNav(f, TDBAdvNavigator::Next); // Cook
        clickLink(f.Label2); // cancelled: nothing
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Browse);
        dialog.answer = QColor(0xFF, 0xFF, 0x00);
        clickLink(f.Label2);
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Edit);
        QCOMPARE(PositionColors::toRrggbb(f.NameBoxColor()), 0xFFFF00u);
        QCOMPARE(PositionColors::toRrggbb(f.NameBoxFontColor()), 0x000080u);
        clickNav(f, TDBAdvNavigator::Next); // posts
        d.close();
    });
    ws.w->Label1Click();
    QCOMPARE(dialog.asked, 2);
    QCOMPARE(storedColor(db, 3), 0x00FFFF);
}

void TestPositions::changePositionColorStopsWhileInserting()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    ColorDialogAnswers dialog;
    dialog.answer = QColor(0xFF, 0x00, 0x00);
    Workspace ws;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        clickNav(f, TDBAdvNavigator::Insert);
        clickLink(f.Label2);
        QCOMPARE(dialog.asked, 1);
        QVERIFY(f.qryMain.fieldValue(QStringLiteral("POSITION_COLOR")).isNull());
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Insert);
        // the palette still works in this state
        pickFromPalette(f, paletteIndexOf(0x33CCCC));
        QCOMPARE(PositionColors::toRrggbb(quint32(f.qryMain.fieldValue(QStringLiteral("POSITION_COLOR")).asInteger())),
                 0x33CCCCu);
        QTest::keyClicks(f.edbPositionName, QStringLiteral("Barback"));
        d.close();
    });
    ws.w->Label1Click();
    QCOMPARE(storedColor(db, 6), qint64(fromRrggbb(0x33CCCC)));
}

void TestPositions::changePositionColorStopsAtTheEnd()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    ColorDialogAnswers dialog;
    dialog.answer = QColor(0xFF, 0x00, 0x00);
    Workspace ws;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        clickNav(f, TDBAdvNavigator::Last);
        QVERIFY(f.qryMain.eof());
        const quint32 before = f.NameBoxColor();
        clickLink(f.Label2);
        QCOMPARE(dialog.asked, 1);
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Browse);
        QCOMPARE(f.NameBoxColor(), before);
        pickFromPalette(f, paletteIndexOf(0xFF99CC));
        QCOMPARE(f.qryMain.state(), FbDataSet::State::Edit);
        d.close();
    });
    ws.w->Label1Click();
    QCOMPARE(storedColor(db, 5), qint64(fromRrggbb(0xFF99CC)));
}

void TestPositions::movingShowsEachColour()
{
    TestDatabase db(TestDatabase::Demo);
    db.exec(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME) VALUES (6, 'No Colour')"));
    RecordingMessages boxes;
    Workspace ws;
    QList<quint32> boxColors, selectorColors, textColors;
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        for (int i = 0; i < 6; ++i) {
            boxColors << f.NameBoxColor();
            selectorColors << f.CS->selectedColor();
            textColors << f.NameBoxFontColor();
            clickNav(f, TDBAdvNavigator::Next);
        }
        d.close();
    });
    ws.w->Label1Click();
    const QList<quint32> stored = {10092543, 16737843, 8388608, 13421619, 39423};
    QCOMPARE(boxColors.mid(0, 5), stored);
    QCOMPARE(selectorColors.mid(0, 5), stored);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(textColors[i], ContrastFontColor(stored[i]));
    // no colour: the box keeps the last one, the selector shows black
    QCOMPARE(boxColors[5], stored[4]);
    QCOMPARE(selectorColors[5], 0u);
}

void TestPositions::closingRefreshesThePositionFilter()
{
    TestDatabase db(TestDatabase::Demo);
    RecordingMessages boxes;
    Workspace ws;
    QComboBox* filter = ws.w->cboPosition;
    if (filter->findText(QStringLiteral("Cook")) < 0)
        QSKIP("the workspace does not fill its position filter yet");
    filter->setCurrentIndex(filter->findText(QStringLiteral("Cook")));
    boxes.modals.push_back([&](QDialog& d) {
        TfrmPositions& f = editor(d);
        QVERIFY(f.qryMain.locate(QStringLiteral("POSITIONID"), FbValue(3)));
        f.edbPositionName->selectAll();
        QTest::keyClicks(f.edbPositionName, QStringLiteral("Line Cook"));
        clickNav(f, TDBAdvNavigator::Insert);
        QTest::keyClicks(f.edbPositionName, QStringLiteral("Barback"));
        d.close();
    });
    ws.w->Label1Click();
    QCOMPARE(filter->currentText(), QStringLiteral("Line Cook"));
    QCOMPARE(filter->currentData().toInt(), 3);
    QVERIFY(filter->findText(QStringLiteral("Barback")) > 0);
    QCOMPARE(filter->itemText(0), QStringLiteral("Show All Positions"));
}

QUENDAL_TEST_MAIN(TestPositions)
#include "test_positions.moc"
