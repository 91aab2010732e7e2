// The workspace's own widgets, driven with mouse and keys.

#include "support/TestMain.h"
#include "widgets/AdvToolPanelTab.h"
#include "widgets/ColumnComboBox.h"
#include "widgets/DateEdit.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

class TestWorkspaceWidgets : public QObject {
    Q_OBJECT
private slots:
    void columnComboRows();
    void columnComboUserAndCodeChanges();
    void columnComboDropDownShowsBothColumns();
    void toolPanelTabsOpenAndClose();
    void toolPanelLock();
    void dateEditPickGoesThroughHandler();
};

void TestWorkspaceWidgets::columnComboRows()
{
    TColumnComboBox c;
    QCOMPARE(c.count(), 0);
    QCOMPARE(c.currentIndex(), -1);
    QCOMPARE(c.currentTag(), 0);
    c.addRow(QStringLiteral("Week 1"), QStringLiteral("3/2/2026 --> 3/8/2026"), 7);
    c.addRow(QStringLiteral("Week 2"), QStringLiteral("3/9/2026 --> 3/15/2026"), 9);
    c.addRow(QStringLiteral("Week 1"), QStringLiteral("later"), 11);
    // filling chooses nothing
    QCOMPARE(c.currentIndex(), -1);
    QCOMPARE(c.count(), 3);
    QCOMPARE(c.text(1, 0), QStringLiteral("Week 2"));
    QCOMPARE(c.text(1, 1), QStringLiteral("3/9/2026 --> 3/15/2026"));
    QCOMPARE(c.tag(2), 11);
    QCOMPARE(c.findColumnText(0, QStringLiteral("Week 1")), 0);
    QCOMPARE(c.findColumnText(0, QStringLiteral("week 1")), -1);
    c.setCurrentIndex(1);
    QCOMPARE(c.currentTag(), 9);
    QCOMPARE(c.currentColumnText(1), QStringLiteral("3/9/2026 --> 3/15/2026"));
    c.setCurrentIndex(-1);
    QCOMPARE(c.currentColumnText(0), QString());
    c.setCurrentIndex(2);
    c.clear();
    QCOMPARE(c.count(), 0);
    QCOMPARE(c.currentIndex(), -1);
}

void TestWorkspaceWidgets::columnComboUserAndCodeChanges()
{
    TColumnComboBox c;
    for (int i = 0; i < 3; ++i)
        c.addRow(QStringLiteral("S%1").arg(i), QString(), i + 1);
    c.show();
    QSignalSpy user(&c, &TColumnComboBox::userChanged);
    c.setCurrentIndex(0);
    c.setCurrentIndex(2);
    c.clear();
    for (int i = 0; i < 3; ++i)
        c.addRow(QStringLiteral("S%1").arg(i), QString(), i + 1);
    QCOMPARE(user.count(), 0);
    c.setCurrentIndex(0);
    c.setFocus();
    QTest::keyClick(&c, Qt::Key_Down);
    QCOMPARE(user.count(), 1);
    QCOMPARE(user.at(0).at(0).toInt(), 1);
    QCOMPARE(c.currentTag(), 2);
}

void TestWorkspaceWidgets::columnComboDropDownShowsBothColumns()
{
    TColumnComboBox c;
    QFont bold = c.font();
    bold.setBold(true);
    c.setColumnFont(0, bold);
    c.setColumnColor(0, Qt::blue);
    c.setDropWidth(75);
    c.addRow(QStringLiteral("Demo Week"), QStringLiteral("3/2/2026 --> 3/8/2026"), 1);
    c.addRow(QStringLiteral("Next"), QStringLiteral("3/9/2026 --> 3/15/2026"), 2);
    c.show();
    c.showPopup();
    QTableView* v = c.dropDownView();
    QVERIFY(v->isVisible());
    QVERIFY(v->showGrid());
    QCOMPARE(v->model()->columnCount(), 2);
    QVERIFY(!v->isColumnHidden(1));
    QVERIFY(v->columnWidth(1) > 0);
    QVERIFY(v->width() >= v->columnWidth(0) + v->columnWidth(1));
    const QModelIndex name = v->model()->index(1, 0);
    QVERIFY(name.data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(name.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
    QVERIFY(!v->model()->index(1, 1).data(Qt::FontRole).isValid());
    // the user clicks the second row
    QSignalSpy user(&c, &TColumnComboBox::userChanged);
    const QRect r = v->visualRect(v->model()->index(1, 1));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(user.count(), 1);
    QCOMPARE(c.currentTag(), 2);
}

void TestWorkspaceWidgets::toolPanelTabsOpenAndClose()
{
    QWidget host;
    host.resize(600, 400);
    auto* box = new QVBoxLayout(&host);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    auto* area = new QWidget(&host);
    box->addWidget(area, 1);
    auto* bar = new TAdvToolPanelTab(&host);
    box->addWidget(bar);
    TAdvToolPanel* a = bar->addPanel(QStringLiteral("Scheduling"));
    TAdvToolPanel* b = bar->addPanel(QStringLiteral("Employees"));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(bar->height(), TAdvToolPanelTab::TabHeight);
    QCOMPARE(bar->openedPanel(), nullptr);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(bar->openedPanel(), a);
    QTRY_COMPARE(bar->slide(), int(TAdvToolPanelTab::PanelHeight));
    // it slides out over the area above the bar, the bar keeps its height
    QVERIFY(a->isVisible());
    QCOMPARE(a->height(), int(TAdvToolPanelTab::PanelHeight));
    const QPoint panelBottom = a->mapTo(&host, QPoint(0, a->height()));
    QCOMPARE(panelBottom.y(), bar->geometry().top());
    QCOMPARE(bar->height(), TAdvToolPanelTab::TabHeight);
    QCOMPARE(area->height(), host.height() - bar->height());

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(bar->openedPanel(), b);
    QVERIFY(!a->isVisible());
    QVERIFY(b->isVisible());

    // its own tab again slides it back
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QTRY_COMPARE(bar->openedPanel(), nullptr);
    QVERIFY(!b->isVisible());
}

void TestWorkspaceWidgets::toolPanelLock()
{
    QWidget host;
    host.resize(600, 400);
    auto* box = new QVBoxLayout(&host);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(new QWidget(&host), 1);
    auto* bar = new TAdvToolPanelTab(&host);
    box->addWidget(bar);
    TAdvToolPanel* a = bar->addPanel(QStringLiteral("Scheduling"));
    bar->addPanel(QStringLiteral("Employees"));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(bar->lockButton()->toolTip(), QStringLiteral("Lock panel"));
    bar->openPanel(a, false);
    QTest::mouseClick(bar->lockButton(), Qt::LeftButton);
    QVERIFY(bar->isLocked());
    QCOMPARE(bar->lockButton()->toolTip(), QStringLiteral("Unlock panel"));
    // locked, the panel lies in the bar and the area above gives way
    QTRY_COMPARE(bar->height(), TAdvToolPanelTab::TabHeight + TAdvToolPanelTab::PanelHeight);
    QCOMPARE(a->mapTo(bar, QPoint(0, 0)), QPoint(0, 0));
    QCOMPARE(a->height(), int(TAdvToolPanelTab::PanelHeight));
    // a locked panel does not close from its tab
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(bar->openedPanel(), a);
    QTest::mouseClick(bar->lockButton(), Qt::LeftButton);
    QVERIFY(!bar->isLocked());
    QCOMPARE(bar->lockButton()->toolTip(), QStringLiteral("Lock panel"));
    QTRY_COMPARE(bar->height(), TAdvToolPanelTab::TabHeight);
    QCOMPARE(bar->openedPanel(), a);
}

void TestWorkspaceWidgets::dateEditPickGoesThroughHandler()
{
    TDateEdit e;
    QCOMPARE(e.displayFormat(), QStringLiteral("M/d/yyyy"));
    e.setDate(QDate(2026, 3, 4));
    QCOMPARE(e.text(), QStringLiteral("3/4/2026"));
    QList<QDate> seen;
    e.setAcceptDateHandler([&](QDate& d) {
        seen << d;
        if (d > QDate(2026, 3, 8))
            d = QDate(2026, 3, 8);
    });
    e.show();
    QTest::mouseClick(e.calendarButton(), Qt::LeftButton);
    QVERIFY(e.isCalendarVisible());
    QCOMPARE(e.calendar()->selectedDate(), QDate(2026, 3, 4));
    // a click on the 20th in the month shown
    auto* table = e.calendar()->findChild<QTableView*>();
    QVERIFY(table);
    QModelIndex day20;
    for (int r = 0; r < table->model()->rowCount() && !day20.isValid(); ++r)
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            const QModelIndex i = table->model()->index(r, c);
            if (i.data().toString() == QLatin1String("20") && r > 0) {
                day20 = i;
                break;
            }
        }
    QVERIFY(day20.isValid());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(day20).center());
    QCOMPARE(seen, QList<QDate>{QDate(2026, 3, 20)});
    QCOMPARE(e.date(), QDate(2026, 3, 8));
    QVERIFY(!e.isCalendarVisible());
    // a typed date passes no handler
    e.setFocus();
    e.setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(&e, QStringLiteral("25"));
    QCOMPARE(e.date(), QDate(2026, 3, 25));
    QCOMPARE(seen.size(), 1);
    // disabled, the calendar does not open
    e.setEnabled(false);
    e.showCalendar();
    QVERIFY(!e.isCalendarVisible());
}

QUENDAL_TEST_MAIN(TestWorkspaceWidgets)
#include "test_workspace_widgets.moc"
