#include "support/TestMain.h"
#include "widgets/PlannerGeometry.h"

#include <QtTest>

using namespace PlannerGeometry;

Q_DECLARE_METATYPE(PlannerGeometry::Hit)
Q_DECLARE_METATYPE(PlannerGeometry::Visibility)

namespace {

const QDate Day(2024, 3, 10); // clocks go forward in New York that night

QDateTime at(int dayOffset, int hour, int minute)
{
    return QDateTime(Day.addDays(dayOffset), QTime(hour, minute), Qt::UTC);
}

TimeScale scale(int unit, int first, int last)
{
    TimeScale s;
    s.day = Day;
    s.unit = unit;
    s.firstSlot = first;
    s.lastSlot = last;
    return s;
}

} // namespace

class TestPlannerGeometry : public QObject {
    Q_OBJECT
private slots:
    void minutesFromMidnight_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<double>("minutes");
        QTest::newRow("midnight") << at(0, 0, 0) << 0.0;
        QTest::newRow("9:15") << at(0, 9, 15) << 555.0;
        QTest::newRow("after the DST change") << at(0, 3, 0) << 180.0;
        QTest::newRow("next day 2 AM") << at(1, 2, 0) << 1560.0;
        QTest::newRow("day before 11 PM") << at(-1, 23, 0) << -60.0;
        QTest::newRow("seconds") << QDateTime(Day, QTime(9, 0, 30), Qt::UTC) << 540.5;
    }
    void minutesFromMidnight()
    {
        QFETCH(QDateTime, time);
        QFETCH(double, minutes);
        QCOMPARE(PlannerGeometry::minutesFromMidnight(Day, time), minutes);
    }

    void timeToPixel_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("first");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<double>("x");
        QTest::newRow("hour, midnight") << 60 << 0 << 0.0 << 0.0;
        QTest::newRow("hour, 9 AM") << 60 << 0 << 540.0 << 216.0;
        QTest::newRow("hour, half past 9") << 60 << 0 << 570.0 << 228.0;
        QTest::newRow("30 min from 8 AM, 8 AM") << 30 << 16 << 480.0 << 0.0;
        QTest::newRow("30 min from 8 AM, 8:30") << 30 << 16 << 510.0 << 24.0;
        QTest::newRow("30 min from 8 AM, 6 PM") << 30 << 16 << 1080.0 << 480.0;
        QTest::newRow("30 min from 8 AM, 7 AM") << 30 << 16 << 420.0 << -48.0;
        QTest::newRow("30 min, 0:30 next day") << 30 << 0 << 1470.0 << 1176.0;
        QTest::newRow("15 min, next midnight") << 15 << 0 << 1440.0 << 2304.0;
        QTest::newRow("15 min from 9 AM, 9:05") << 15 << 36 << 545.0 << 8.0;
    }
    void timeToPixel()
    {
        QFETCH(int, unit);
        QFETCH(int, first);
        QFETCH(double, minutes);
        QFETCH(double, x);
        const TimeScale s = scale(unit, first, first + 40);
        QCOMPARE(minutesToX(s, minutes), x);
        QCOMPARE(xToMinutes(s, x), minutes);
        QCOMPARE(xToMinutes(s, minutesToX(s, minutes)), minutes);
    }

    void pixelRoundTrip()
    {
        for (int unit : {15, 30, 60})
            for (int first : {0, 16, 37})
                for (int x = -48; x <= 2400; x += 7) {
                    const TimeScale s = scale(unit, first, first + 99);
                    QCOMPARE(minutesToX(s, xToMinutes(s, x)), double(x));
                }
    }

    void itemBar_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<Visibility>("visibility");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<bool>("clippedLeft");
        QTest::addColumn<bool>("clippedRight");
        // 8 AM to 6 PM in half hours: 480 pixels.
        QTest::newRow("inside") << 30 << 16 << 35 << at(0, 9, 0) << at(0, 17, 0) << Visibility::Inside << 48.0 << 432.0 << false << false;
        QTest::newRow("on both ends") << 30 << 16 << 35 << at(0, 8, 0) << at(0, 18, 0) << Visibility::Inside << 0.0 << 480.0 << false << false;
        QTest::newRow("starts before") << 30 << 16 << 35 << at(0, 7, 0) << at(0, 10, 0) << Visibility::Inside << 0.0 << 96.0 << true << false;
        QTest::newRow("ends after") << 30 << 16 << 35 << at(0, 17, 0) << at(0, 20, 0) << Visibility::Inside << 432.0 << 480.0 << false << true;
        QTest::newRow("wider than the range") << 30 << 16 << 35 << at(0, 6, 0) << at(0, 22, 0) << Visibility::Inside << 0.0 << 480.0 << true << true;
        QTest::newRow("wholly before") << 30 << 16 << 35 << at(0, 5, 0) << at(0, 7, 0) << Visibility::Before << 0.0 << 0.0 << false << false;
        QTest::newRow("ends at the first slot") << 30 << 16 << 35 << at(0, 5, 0) << at(0, 8, 0) << Visibility::Before << 0.0 << 0.0 << false << false;
        QTest::newRow("starts at the end") << 30 << 16 << 35 << at(0, 18, 0) << at(0, 20, 0) << Visibility::After << 0.0 << 0.0 << false << false;
        QTest::newRow("another day") << 30 << 16 << 35 << at(1, 9, 0) << at(1, 17, 0) << Visibility::After << 0.0 << 0.0 << false << false;
        // Midnight to 1 AM of the next day in half hours: slots 0 to 49.
        QTest::newRow("overnight, in the slots past midnight") << 30 << 0 << 49 << at(0, 16, 0) << at(1, 0, 30) << Visibility::Inside << 768.0 << 1176.0 << false << false;
        QTest::newRow("overnight, past the range") << 30 << 0 << 49 << at(0, 16, 0) << at(1, 2, 0) << Visibility::Inside << 768.0 << 1200.0 << false << true;
        QTest::newRow("quarter hours") << 15 << 0 << 95 << at(0, 9, 15) << at(0, 9, 45) << Visibility::Inside << 888.0 << 936.0 << false << false;
        QTest::newRow("no length") << 30 << 16 << 35 << at(0, 9, 0) << at(0, 9, 0) << Visibility::Inside << 48.0 << 48.0 + MinBarWidth << false << false;
        QTest::newRow("no length at the end") << 30 << 16 << 35 << at(0, 17, 59) << at(0, 17, 59) << Visibility::Inside << 480.0 - MinBarWidth << 480.0 << false << false;
        QTest::newRow("end before start") << 30 << 16 << 35 << at(0, 12, 0) << at(0, 10, 0) << Visibility::Inside << 192.0 << 192.0 + MinBarWidth << false << false;
    }
    void itemBar()
    {
        QFETCH(int, unit);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(Visibility, visibility);
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(bool, clippedLeft);
        QFETCH(bool, clippedRight);
        const ItemBar bar = PlannerGeometry::itemBar(scale(unit, first, last), start, end, 2, 26);
        QCOMPARE(bar.visibility, visibility);
        if (visibility != Visibility::Inside) {
            QVERIFY(bar.rect.isEmpty());
            return;
        }
        QCOMPARE(bar.rect.left(), left);
        QCOMPARE(bar.rect.right(), right);
        QCOMPARE(bar.rect.top(), 2 * 26 + BarMargin);
        QCOMPARE(bar.rect.bottom(), 3 * 26 - BarMargin);
        QCOMPARE(bar.clippedLeft, clippedLeft);
        QCOMPARE(bar.clippedRight, clippedRight);
        // The bar's ends map back to the item's times where they are not cut off.
        const TimeScale s = scale(unit, first, last);
        if (!clippedLeft && right - left > MinBarWidth)
            QCOMPARE(xToMinutes(s, bar.rect.left()), PlannerGeometry::minutesFromMidnight(Day, start));
        if (!clippedRight && right - left > MinBarWidth)
            QCOMPARE(xToMinutes(s, bar.rect.right()), PlannerGeometry::minutesFromMidnight(Day, end));
    }

    void hitTest_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<bool>("clippedLeft");
        QTest::addColumn<bool>("clippedRight");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<Hit>("hit");
        // A wide bar: 5-pixel edge zones.
        QTest::newRow("wide, left edge") << 100.0 << 300.0 << false << false << QPointF(100, 10) << Hit::ExtendLeft;
        QTest::newRow("wide, inside left zone") << 100.0 << 300.0 << false << false << QPointF(104.5, 10) << Hit::ExtendLeft;
        QTest::newRow("wide, past left zone") << 100.0 << 300.0 << false << false << QPointF(105, 10) << Hit::Move;
        QTest::newRow("wide, middle") << 100.0 << 300.0 << false << false << QPointF(200, 10) << Hit::Move;
        QTest::newRow("wide, before right zone") << 100.0 << 300.0 << false << false << QPointF(295, 10) << Hit::Move;
        QTest::newRow("wide, inside right zone") << 100.0 << 300.0 << false << false << QPointF(295.5, 10) << Hit::ExtendRight;
        QTest::newRow("wide, right edge") << 100.0 << 300.0 << false << false << QPointF(300, 10) << Hit::ExtendRight;
        QTest::newRow("wide, right of the bar") << 100.0 << 300.0 << false << false << QPointF(300.5, 10) << Hit::None;
        QTest::newRow("wide, left of the bar") << 100.0 << 300.0 << false << false << QPointF(99.5, 10) << Hit::None;
        QTest::newRow("wide, above the bar") << 100.0 << 300.0 << false << false << QPointF(200, 2) << Hit::None;
        QTest::newRow("wide, below the bar") << 100.0 << 300.0 << false << false << QPointF(200, 24) << Hit::None;
        // An 8-pixel bar: zones of 2, the middle still moves it.
        QTest::newRow("narrow, left") << 100.0 << 108.0 << false << false << QPointF(101, 10) << Hit::ExtendLeft;
        QTest::newRow("narrow, middle") << 100.0 << 108.0 << false << false << QPointF(104, 10) << Hit::Move;
        QTest::newRow("narrow, right") << 100.0 << 108.0 << false << false << QPointF(107, 10) << Hit::ExtendRight;
        // A 4-pixel bar: zones of 1.
        QTest::newRow("tiny, left") << 100.0 << 104.0 << false << false << QPointF(100.5, 10) << Hit::ExtendLeft;
        QTest::newRow("tiny, middle") << 100.0 << 104.0 << false << false << QPointF(102, 10) << Hit::Move;
        QTest::newRow("tiny, right") << 100.0 << 104.0 << false << false << QPointF(103.5, 10) << Hit::ExtendRight;
        // A cut-off end is no edge.
        QTest::newRow("clipped left, at left") << 0.0 << 200.0 << true << false << QPointF(1, 10) << Hit::Move;
        QTest::newRow("clipped left, at right") << 0.0 << 200.0 << true << false << QPointF(199, 10) << Hit::ExtendRight;
        QTest::newRow("clipped right, at right") << 100.0 << 480.0 << false << true << QPointF(479, 10) << Hit::Move;
        QTest::newRow("clipped right, at left") << 100.0 << 480.0 << false << true << QPointF(101, 10) << Hit::ExtendLeft;
    }
    void hitTest()
    {
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(bool, clippedLeft);
        QFETCH(bool, clippedRight);
        QFETCH(QPointF, point);
        QFETCH(Hit, hit);
        ItemBar bar;
        bar.rect = QRectF(QPointF(left, 3), QPointF(right, 23));
        bar.clippedLeft = clippedLeft;
        bar.clippedRight = clippedRight;
        QCOMPARE(PlannerGeometry::hitTest(bar, point), hit);
    }

    void hitTestOutside()
    {
        ItemBar bar;
        bar.visibility = Visibility::Before;
        QCOMPARE(PlannerGeometry::hitTest(bar, QPointF(0, 0)), Hit::None);
    }

    void snap_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<qint64>("step");
        QTest::addColumn<qint64>("snapped");
        QTest::newRow("zero") << qint64(0) << qint64(1800) << qint64(0);
        QTest::newRow("below half") << qint64(899) << qint64(1800) << qint64(0);
        QTest::newRow("half") << qint64(900) << qint64(1800) << qint64(1800);
        QTest::newRow("exact") << qint64(3600) << qint64(1800) << qint64(3600);
        QTest::newRow("negative below half") << qint64(-899) << qint64(1800) << qint64(0);
        QTest::newRow("negative half") << qint64(-900) << qint64(1800) << qint64(-1800);
        QTest::newRow("negative") << qint64(-4000) << qint64(1800) << qint64(-3600);
        QTest::newRow("odd step") << qint64(7) << qint64(5) << qint64(5);
        QTest::newRow("odd step, half") << qint64(8) << qint64(5) << qint64(10);
    }
    void snap()
    {
        QFETCH(qint64, value);
        QFETCH(qint64, step);
        QFETCH(qint64, snapped);
        QCOMPARE(PlannerGeometry::snap(value, step), snapped);
    }

    void dragDelta_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<Hit>("hit");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<double>("dx");
        QTest::addColumn<int>("startMinutes"); // change of start
        QTest::addColumn<int>("endMinutes");
        const QDateTime nine = at(0, 9, 0), five = at(0, 17, 0);
        // A whole day in half hours.
        QTest::newRow("move 2 slots") << 30 << 0 << 47 << Hit::Move << nine << five << 48.0 << 60 << 60;
        QTest::newRow("move back 2 slots") << 30 << 0 << 47 << Hit::Move << nine << five << -48.0 << -60 << -60;
        QTest::newRow("move under half a slot") << 30 << 0 << 47 << Hit::Move << nine << five << 11.0 << 0 << 0;
        QTest::newRow("move half a slot") << 30 << 0 << 47 << Hit::Move << nine << five << 12.0 << 30 << 30;
        QTest::newRow("move in quarter hours") << 15 << 0 << 95 << Hit::Move << nine << five << 30.0 << 15 << 15;
        QTest::newRow("move by hours") << 60 << 0 << 23 << Hit::Move << nine << five << 70.0 << 180 << 180;
        QTest::newRow("move keeps odd minutes") << 30 << 0 << 47 << Hit::Move << at(0, 9, 15) << at(0, 17, 15) << 24.0 << 30 << 30;
        QTest::newRow("stretch right") << 30 << 0 << 47 << Hit::ExtendRight << nine << five << 48.0 << 0 << 60;
        QTest::newRow("shrink right") << 30 << 0 << 47 << Hit::ExtendRight << nine << five << -24.0 << 0 << -30;
        QTest::newRow("stretch left") << 30 << 0 << 47 << Hit::ExtendLeft << nine << five << -24.0 << -30 << 0;
        QTest::newRow("shrink left") << 30 << 0 << 47 << Hit::ExtendLeft << nine << five << 72.0 << 90 << 0;
        // One unit at least stays.
        QTest::newRow("left past the right edge") << 30 << 0 << 47 << Hit::ExtendLeft << nine << five << 2000.0 << 450 << 0;
        QTest::newRow("right past the left edge") << 30 << 0 << 47 << Hit::ExtendRight << nine << five << -2000.0 << 0 << -450;
        QTest::newRow("short item keeps its length") << 30 << 0 << 47 << Hit::ExtendLeft << nine << at(0, 9, 45) << 24.0 << 0 << 0;
        QTest::newRow("short item may grow") << 30 << 0 << 47 << Hit::ExtendRight << nine << at(0, 9, 45) << 24.0 << 0 << 30;
        QTest::newRow("shrink with odd length") << 30 << 0 << 47 << Hit::ExtendRight << nine << at(0, 10, 15) << -100.0 << 0 << -30;
        // Not further out of the visible range (8 AM to 6 PM) than it was.
        QTest::newRow("move stops at the end") << 30 << 16 << 35 << Hit::Move << nine << five << 200.0 << 60 << 60;
        QTest::newRow("move stops at the start") << 30 << 16 << 35 << Hit::Move << nine << five << -200.0 << -60 << -60;
        QTest::newRow("move stops on whole units") << 30 << 16 << 35 << Hit::Move << at(0, 9, 15) << at(0, 17, 15) << -100.0 << -60 << -60;
        QTest::newRow("cut-off item moves no further out") << 30 << 16 << 35 << Hit::Move << at(0, 7, 0) << at(0, 10, 0) << -48.0 << 0 << 0;
        QTest::newRow("cut-off item moves in") << 30 << 16 << 35 << Hit::Move << at(0, 7, 0) << at(0, 10, 0) << 48.0 << 60 << 60;
        QTest::newRow("stretch stops at the end") << 30 << 16 << 35 << Hit::ExtendRight << nine << five << 500.0 << 0 << 60;
        QTest::newRow("stretch stops at the start") << 30 << 16 << 35 << Hit::ExtendLeft << nine << five << -500.0 << -60 << 0;
        // Past midnight when the range reaches there (midnight to 1 AM).
        QTest::newRow("move past midnight") << 30 << 0 << 49 << Hit::Move << at(0, 20, 0) << at(0, 23, 30) << 48.0 << 60 << 60;
        QTest::newRow("no hit") << 30 << 0 << 47 << Hit::None << nine << five << 48.0 << 0 << 0;
    }
    void dragDelta()
    {
        QFETCH(int, unit);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(Hit, hit);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(double, dx);
        QFETCH(int, startMinutes);
        QFETCH(int, endMinutes);
        const DragDelta d = PlannerGeometry::dragDelta(scale(unit, first, last), hit, start, end, dx);
        QCOMPARE(d.start, qint64(startMinutes) * 60);
        QCOMPARE(d.end, qint64(endMinutes) * 60);
    }

    void labels_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("time");
        QTest::newRow("midnight") << 0 << "12 AM" << "12:00 AM";
        QTest::newRow("9 AM") << 540 << "9 AM" << "9:00 AM";
        QTest::newRow("9:30") << 570 << "9 AM" << "9:30 AM";
        QTest::newRow("11:45") << 705 << "11 AM" << "11:45 AM";
        QTest::newRow("noon") << 720 << "12 PM" << "12:00 PM";
        QTest::newRow("1 PM") << 780 << "1 PM" << "1:00 PM";
        QTest::newRow("11 PM") << 1380 << "11 PM" << "11:00 PM";
        QTest::newRow("next midnight") << 1440 << "12 AM" << "12:00 AM";
        QTest::newRow("next day 1:30") << 1530 << "1 AM" << "1:30 AM";
        QTest::newRow("day before") << -30 << "11 PM" << "11:30 PM";
    }
    void labels()
    {
        QFETCH(int, minutes);
        QFETCH(QString, hour);
        QFETCH(QString, time);
        QCOMPARE(hourLabel(minutes), hour);
        QCOMPARE(timeLabel(minutes), time);
    }
};

QUENDAL_TEST_MAIN(TestPlannerGeometry)
#include "test_planner_geometry.moc"
