#include "support/TestMain.h"
#include "widgets/Planner.h"

#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

namespace {

const QDate Day(2024, 3, 10);

QDateTime at(int hour, int minute, int dayOffset = 0)
{
    return QDateTime(Day.addDays(dayOffset), QTime(hour, minute), Qt::UTC);
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestPlanner : public QObject {
    Q_OBJECT

    std::unique_ptr<TPlanner> planner;
    TPlannerItem* first = nullptr;  // row 0, 9 AM to 5 PM
    TPlannerItem* second = nullptr; // row 1, 10 AM to noon

    TPlannerItem* addItem(int row, const QDateTime& start, const QDateTime& end, int tag)
    {
        TPlannerItem* item = planner->createItem();
        item->Tag = tag;
        item->ItemPos = row;
        item->ItemStartTime = start;
        item->ItemEndTime = end;
        item->CaptionText = QStringLiteral("Shift %1").arg(tag);
        return item;
    }

    // Press at from, move in a few steps to to, and let go there.
    void drag(const QPoint& from, const QPoint& to, bool release = true)
    {
        QTest::mousePress(planner.get(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(planner.get(), from + (to - from) * step / 4);
        if (release)
            QTest::mouseRelease(planner.get(), Qt::LeftButton, {}, to);
    }

    void hover(const QPoint& pos)
    {
        QMouseEvent move(QEvent::MouseMove, pos, planner->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(planner.get(), &move);
    }

private slots:
    void init()
    {
        // 8 AM to 6 PM in half hours, two rows.
        planner = std::make_unique<TPlanner>();
        planner->resize(900, 300);
        planner->beginUpdate();
        planner->setDisplayUnit(30);
        planner->setTimeLineStart(Day);
        planner->setDisplayStart(16);
        planner->setDisplayEnd(35);
        planner->setActiveStart(16);
        planner->setActiveEnd(35);
        planner->setPositions(2);
        planner->setHeaderCaption(1, QStringLiteral("Ann Lee"));
        planner->setHeaderCaption(2, QStringLiteral("Bob Marsh"));
        first = addItem(0, at(9, 0), at(17, 0), 11);
        second = addItem(1, at(10, 0), at(12, 0), 12);
        planner->endUpdate();
        planner->show();
        QVERIFY(QTest::qWaitForWindowExposed(planner.get()));
    }

    void cleanup()
    {
        planner.reset();
    }

    void barsLieWhereTheirTimesAre()
    {
        const QRect body = planner->bodyRect();
        const QRect bar = planner->itemRect(first);
        QCOMPARE(bar.left(), body.left() + 2 * TPlanner::DisplayScale);   // 9 AM is two slots after 8
        QCOMPARE(bar.right() + 1, body.left() + 18 * TPlanner::DisplayScale); // 5 PM
        QVERIFY(bar.top() >= body.top() && bar.bottom() < body.top() + TPlanner::RowHeight);
        QCOMPARE(body.top(), TPlanner::TitleHeight + TPlanner::AxisHeight);
        QCOMPARE(planner->hitTest(bar.center()).item, first);
        QCOMPARE(planner->hitTest(bar.center()).hit, PlannerGeometry::Hit::Move);
        QCOMPARE(planner->hitTest(QPoint(bar.left(), bar.center().y())).hit, PlannerGeometry::Hit::ExtendLeft);
        QCOMPARE(planner->hitTest(QPoint(bar.right(), bar.center().y())).hit, PlannerGeometry::Hit::ExtendRight);
        // The title bar and the axis above the bar are no part of it.
        QCOMPARE(planner->hitTest(QPoint(bar.center().x(), 10)).item, nullptr);
        QCOMPARE(planner->hitTest(QPoint(bar.center().x(), body.top() - 5)).item, nullptr);
    }

    void dragMovesByWholeSlots()
    {
        QSignalSpy moved(planner.get(), &TPlanner::itemMoved);
        QSignalSpy sized(planner.get(), &TPlanner::itemSized);
        const QPoint from = planner->itemRect(first).center();
        drag(from, from + QPoint(2 * TPlanner::DisplayScale, 0), false);
        QVERIFY(planner->isDragging());
        QCOMPARE(first->ItemStartTime, at(10, 0));
        QCOMPARE(moved.count(), 0); // not while the mouse moves
        QTest::mouseRelease(planner.get(), Qt::LeftButton, {}, from + QPoint(2 * TPlanner::DisplayScale, 0));
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0).at(0).value<TPlannerItem*>(), first);
        QCOMPARE(sized.count(), 0);
        QCOMPARE(first->ItemStartTime, at(10, 0));
        QCOMPARE(first->ItemEndTime, at(18, 0));
        QCOMPARE(first->ItemStartTime.timeSpec(), Qt::UTC);
        QCOMPARE(first->ItemPos, 0);
        QCOMPARE(planner->selectedItem(), first);
        QVERIFY(!planner->isDragging());
        QCOMPARE(second->ItemStartTime, at(10, 0)); // the other item stays
    }

    void stretch_data()
    {
        QTest::addColumn<bool>("leftEdge");
        QTest::addColumn<int>("dx");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::newRow("right edge out") << false << 48 << at(9, 0) << at(18, 0);
        QTest::newRow("right edge in") << false << -48 << at(9, 0) << at(16, 0);
        QTest::newRow("left edge out") << true << -24 << at(8, 30) << at(17, 0);
        QTest::newRow("left edge in") << true << 26 << at(9, 30) << at(17, 0);
        QTest::newRow("right edge past the left") << false << -600 << at(9, 0) << at(9, 30);
        QTest::newRow("left edge past the right") << true << 600 << at(16, 30) << at(17, 0);
    }
    void stretch()
    {
        QFETCH(bool, leftEdge);
        QFETCH(int, dx);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QSignalSpy moved(planner.get(), &TPlanner::itemMoved);
        QSignalSpy sized(planner.get(), &TPlanner::itemSized);
        const QRect bar = planner->itemRect(first);
        const QPoint from(leftEdge ? bar.left() : bar.right(), bar.center().y());
        hover(from);
        QCOMPARE(planner->cursor().shape(), Qt::SizeHorCursor);
        drag(from, from + QPoint(dx, 0));
        QCOMPARE(sized.count(), 1);
        QCOMPARE(sized.at(0).at(0).value<TPlannerItem*>(), first);
        QCOMPARE(moved.count(), 0);
        QCOMPARE(first->ItemStartTime, start);
        QCOMPARE(first->ItemEndTime, end);
    }

    void stretchOfAShortItemDoesNotPassTheOtherEdge()
    {
        // 10 AM to noon is 96 pixels; its right edge dragged far to the left
        // leaves one half hour.
        QSignalSpy sized(planner.get(), &TPlanner::itemSized);
        const QRect bar = planner->itemRect(second);
        const QPoint from(bar.right(), bar.center().y());
        drag(from, from - QPoint(400, 0));
        QCOMPARE(second->ItemStartTime, at(10, 0));
        QCOMPARE(second->ItemEndTime, at(10, 30));
        QCOMPARE(sized.count(), 1);
    }

    void smallMovesChangeNothing()
    {
        QSignalSpy moved(planner.get(), &TPlanner::itemMoved);
        QSignalSpy sized(planner.get(), &TPlanner::itemSized);
        const QPoint from = planner->itemRect(first).center();
        drag(from, from + QPoint(QApplication::startDragDistance() - 1, 0));
        QCOMPARE(first->ItemStartTime, at(9, 0));
        QCOMPARE(first->ItemEndTime, at(17, 0));
        QCOMPARE(moved.count() + sized.count(), 0);
        QCOMPARE(planner->selectedItem(), first); // the press still selects
    }

    void dragBackToWhereItStartedEmitsNothing()
    {
        QSignalSpy moved(planner.get(), &TPlanner::itemMoved);
        const QPoint from = planner->itemRect(first).center();
        drag(from, from + QPoint(48, 0), false);
        QCOMPARE(first->ItemStartTime, at(10, 0));
        QTest::mouseMove(planner.get(), from + QPoint(3, 0));
        QTest::mouseRelease(planner.get(), Qt::LeftButton, {}, from + QPoint(3, 0));
        QCOMPARE(first->ItemStartTime, at(9, 0));
        QCOMPARE(moved.count(), 0);
    }

    void escapePutsTheBarBack()
    {
        QSignalSpy moved(planner.get(), &TPlanner::itemMoved);
        QSignalSpy sized(planner.get(), &TPlanner::itemSized);
        const QPoint from = planner->itemRect(first).center();
        drag(from, from + QPoint(48, 0), false);
        QCOMPARE(first->ItemStartTime, at(10, 0));
        QTest::keyClick(planner.get(), Qt::Key_Escape);
        QVERIFY(!planner->isDragging());
        QCOMPARE(first->ItemStartTime, at(9, 0));
        QCOMPARE(first->ItemEndTime, at(17, 0));
        // Going on moving and letting go after Escape does nothing either.
        QTest::mouseMove(planner.get(), from + QPoint(96, 0));
        QTest::mouseRelease(planner.get(), Qt::LeftButton, {}, from + QPoint(96, 0));
        QCOMPARE(first->ItemStartTime, at(9, 0));
        QCOMPARE(moved.count() + sized.count(), 0);
    }

    void fixedItemsKeepTheirRow()
    {
        QSignalSpy moved(planner.get(), &TPlanner::itemMoved);
        const QPoint from = planner->itemRect(first).center();
        drag(from, from + QPoint(48, TPlanner::RowHeight));
        QCOMPARE(first->ItemPos, 0);
        QCOMPARE(first->ItemStartTime, at(10, 0));
        QCOMPARE(moved.count(), 1);
    }

    void freeItemsMayChangeRow()
    {
        first->FixedPosition = false;
        QSignalSpy moved(planner.get(), &TPlanner::itemMoved);
        const QPoint from = planner->itemRect(first).center();
        drag(from, from + QPoint(0, TPlanner::RowHeight));
        QCOMPARE(first->ItemPos, 1);
        QCOMPARE(first->ItemStartTime, at(9, 0));
        QCOMPARE(moved.count(), 1);
    }

    void handlerMayReloadTheTimeline()
    {
        // The workspace reloads after a write-back; the widget must not touch
        // the freed item afterwards.
        int calls = 0;
        connect(planner.get(), &TPlanner::itemMoved, planner.get(), [&](TPlannerItem* item) {
            ++calls;
            QCOMPARE(item->ItemStartTime, at(10, 0));
            planner->removeAllItems();
        });
        const QPoint from = planner->itemRect(first).center();
        drag(from, from + QPoint(48, 0));
        QCOMPARE(calls, 1);
        QVERIFY(planner->items().empty());
        QCOMPARE(planner->selectedItem(), nullptr);
        hover(from);
        QCOMPARE(planner->cursor().shape(), Qt::ArrowCursor);
    }

    void removeAllItemsDuringADragEndsIt()
    {
        QSignalSpy moved(planner.get(), &TPlanner::itemMoved);
        const QPoint from = planner->itemRect(first).center();
        drag(from, from + QPoint(48, 0), false);
        planner->removeAllItems();
        QVERIFY(!planner->isDragging());
        QTest::mouseMove(planner.get(), from + QPoint(96, 0));
        QTest::mouseRelease(planner.get(), Qt::LeftButton, {}, from + QPoint(96, 0));
        QCOMPARE(moved.count(), 0);
    }

    void cursorShowsWhatAPressWouldDo()
    {
        const QRect bar = planner->itemRect(first);
        hover(QPoint(bar.left(), bar.center().y()));
        QCOMPARE(planner->cursor().shape(), Qt::SizeHorCursor);
        hover(bar.center());
        QCOMPARE(planner->cursor().shape(), Qt::SizeAllCursor);
        hover(QPoint(bar.right(), bar.center().y()));
        QCOMPARE(planner->cursor().shape(), Qt::SizeHorCursor);
        hover(QPoint(bar.right() + 20, bar.center().y()));
        QCOMPARE(planner->cursor().shape(), Qt::ArrowCursor);
        hover(QPoint(bar.center().x(), 5)); // title bar
        QCOMPARE(planner->cursor().shape(), Qt::ArrowCursor);
    }

    void pressOnEmptySpaceClearsTheSelection()
    {
        planner->setSelectedItem(first);
        const QRect bar = planner->itemRect(first);
        QTest::mouseClick(planner.get(), Qt::LeftButton, {}, QPoint(bar.right() + 30, bar.center().y()));
        QCOMPARE(planner->selectedItem(), nullptr);
    }

    void rightClickSelectsTheItemUnderTheMouse()
    {
        QMenu menu;
        menu.addAction(QStringLiteral("Edit"));
        planner->setItemPopupMenu(&menu);
        planner->setSelectedItem(first);
        QTest::mouseClick(planner.get(), Qt::RightButton, {}, planner->itemRect(second).center());
        QCOMPARE(planner->selectedItem(), second);
        QVERIFY(menu.isVisible());
        menu.hide();
        // Not on empty space.
        QTest::mouseClick(planner.get(), Qt::RightButton, {}, planner->itemRect(second).center() + QPoint(300, 0));
        QCOMPARE(planner->selectedItem(), second);
        QVERIFY(!menu.isVisible());
    }

    void rightClickWithoutMenuStillSelects()
    {
        QTest::mouseClick(planner.get(), Qt::RightButton, {}, planner->itemRect(first).center());
        QCOMPARE(planner->selectedItem(), first);
    }

    void doubleClickOnAnItem()
    {
        QSignalSpy dbl(planner.get(), &TPlanner::itemDblClicked);
        QTest::mouseDClick(planner.get(), Qt::LeftButton, {}, planner->itemRect(second).center());
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(dbl.at(0).at(0).value<TPlannerItem*>(), second);
        QTest::mouseDClick(planner.get(), Qt::LeftButton, {}, planner->itemRect(second).center() + QPoint(300, 0));
        QCOMPARE(dbl.count(), 1);
    }

    void drops_data()
    {
        QTest::addColumn<int>("handler"); // 0 none, 1 refuses, 2 accepts
        QTest::addColumn<bool>("accepted");
        QTest::newRow("no handler") << 0 << false;
        QTest::newRow("refused") << 1 << false;
        QTest::newRow("accepted") << 2 << true;
    }
    void drops()
    {
        QFETCH(int, handler);
        QFETCH(bool, accepted);
        if (handler > 0)
            planner->setDragOverHandler([handler] { return handler == 2; });
        QVERIFY(planner->acceptDrops());
        QSignalSpy dropped(planner.get(), &TPlanner::dropped);
        QMimeData mime;
        mime.setText(QStringLiteral("Ann Lee"));
        const QPoint pos = planner->bodyRect().center();
        QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(planner.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QDragMoveEvent move(pos + QPoint(10, 0), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(planner.get(), &move);
        QCOMPARE(move.isAccepted(), accepted);
        QDropEvent drop(QPointF(pos), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(planner.get(), &drop);
        QCOMPARE(dropped.count(), accepted ? 1 : 0);
    }

    void balloon()
    {
        planner->setBalloonTextProvider([](TPlannerItem* item) { return QStringLiteral("Drag <me> %1").arg(item->Tag); });
        const QPoint pos = planner->itemRect(second).center();
        QHelpEvent help(QEvent::ToolTip, pos, planner->mapToGlobal(pos));
        QApplication::sendEvent(planner.get(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(QStringLiteral("<b>Shift 12</b>")));
        QVERIFY(QToolTip::text().contains(QStringLiteral("Drag &lt;me&gt; 12")));
        QToolTip::hideText();
    }

    void noBalloonWithoutProvider()
    {
        QToolTip::hideText();
        const QPoint pos = planner->itemRect(second).center();
        QHelpEvent help(QEvent::ToolTip, pos, planner->mapToGlobal(pos));
        QApplication::sendEvent(planner.get(), &help);
        QVERIFY(!QToolTip::isVisible());
    }

    void headerCaptionsGrowAndNeverShrink()
    {
        TPlanner p;
        QCOMPARE(p.positions(), 1);
        QCOMPARE(p.headerCaptions().size(), 2);
        p.setPositions(5);
        QCOMPARE(p.headerCaptions().size(), 6);
        p.setHeaderCaption(5, QStringLiteral("Eve Price"));
        p.setPositions(1);
        QCOMPARE(p.positions(), 1);
        QCOMPARE(p.headerCaptions().size(), 6);
        QCOMPARE(p.headerCaptions().at(5), QStringLiteral("Eve Price"));
        p.setPositions(0);
        QCOMPARE(p.positions(), 1);
        p.setHeaderCaption(8, QStringLiteral("far"));
        QCOMPARE(p.headerCaptions().size(), 9);
    }

    void nothingIsPaintedUntilTheOutermostEndUpdate()
    {
        PaintCounter counter;
        planner->installEventFilter(&counter);
        QApplication::processEvents();
        counter.paints = 0;
        planner->beginUpdate();
        planner->beginUpdate();
        planner->removeAllItems();
        for (int k = 0; k < 20; ++k) {
            planner->setPositions(k + 1);
            addItem(k, at(9, 0), at(10, 0), k);
            planner->setHeaderCaption(k + 1, QStringLiteral("Row %1").arg(k));
        }
        planner->endUpdate();
        QApplication::processEvents();
        QCOMPARE(counter.paints, 0);
        planner->endUpdate();
        QTRY_VERIFY(counter.paints > 0);
        QVERIFY(!planner->isUpdating());
        planner->removeEventFilter(&counter);
    }

    void scrollsWhenRowsOrSlotsDoNotFit()
    {
        QVERIFY(!planner->verticalScrollBar()->isVisible());
        QVERIFY(!planner->horizontalScrollBar()->isVisible());
        planner->beginUpdate();
        planner->setDisplayStart(0);
        planner->setDisplayEnd(49);
        planner->setPositions(40);
        planner->endUpdate();
        const QRect body = planner->bodyRect();
        QVERIFY(planner->verticalScrollBar()->isVisible());
        QVERIFY(planner->horizontalScrollBar()->isVisible());
        const QRect before = planner->itemRect(first);
        planner->verticalScrollBar()->setValue(TPlanner::RowHeight);
        planner->horizontalScrollBar()->setValue(48);
        // The body moves under the fixed title bar, axis and row captions.
        QCOMPARE(planner->bodyRect(), body);
        QCOMPARE(planner->itemRect(first), before.translated(-48, -TPlanner::RowHeight));
        const QPoint onSecond = planner->itemRect(second).center();
        QVERIFY(planner->bodyRect().contains(onSecond));
        QCOMPARE(planner->hitTest(onSecond).item, second);
        // The first row now lies under the axis: not hit there.
        QCOMPARE(planner->hitTest(planner->itemRect(first).center()).item, nullptr);
    }

    void itemsOutsideTheRangeHaveNoBar()
    {
        TPlannerItem* early = addItem(1, at(6, 0), at(7, 0), 20);
        TPlannerItem* late = addItem(1, at(19, 0), at(21, 0), 21);
        TPlannerItem* overnight = addItem(0, at(16, 0), at(2, 0, 1), 22);
        planner->itemChanged(nullptr);
        QVERIFY(planner->itemRect(early).isEmpty());
        QVERIFY(planner->itemRect(late).isEmpty());
        const QRect cut = planner->itemRect(overnight);
        QCOMPARE(cut.right() + 1, planner->bodyRect().left() + 20 * TPlanner::DisplayScale);
        // The cut-off right end is no edge to stretch.
        QCOMPARE(planner->hitTest(QPoint(cut.right(), cut.center().y())).hit, PlannerGeometry::Hit::Move);
        const QImage image = planner->grab().toImage();
        QVERIFY(!image.isNull());
    }
};

QUENDAL_TEST_MAIN(TestPlanner)
#include "test_planner.moc"
