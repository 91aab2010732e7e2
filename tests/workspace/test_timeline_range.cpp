// The arithmetic of loading a day onto the timeline.

#include "support/TestMain.h"
#include "data/LocaleFormat.h"
#include "workspace/TimelineRange.h"

using Timeline::SlotRange;

class TestTimelineRange : public QObject {
    Q_OBJECT
private slots:
    void intervalToUnit_data();
    void intervalToUnit();
    void visibleRange_data();
    void visibleRange();
    void captionColour_data();
    void captionColour();
    void caption_data();
    void caption();
};

void TestTimelineRange::intervalToUnit_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("minutes");
    QTest::newRow("1 Hour") << 0 << 60;
    QTest::newRow("30 Mins") << 1 << 30;
    QTest::newRow("15 Mins") << 2 << 15;
    QTest::newRow("none chosen") << -1 << 15;
}

void TestTimelineRange::intervalToUnit()
{
    QFETCH(int, index);
    QFETCH(int, minutes);
    QCOMPARE(Timeline::displayUnitForInterval(index), minutes);
}

static QDateTime at(int day, int h, int m, int s = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(h, m, s), Qt::UTC);
}

void TestTimelineRange::visibleRange_data()
{
    QTest::addColumn<QDateTime>("S");
    QTest::addColumn<QDateTime>("E");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    // the default range of a day, 00:00 to 23:45
    QTest::newRow("default at 30 Mins") << at(9, 0, 0) << at(9, 23, 45) << 30 << 0 << 49;
    QTest::newRow("default at 1 Hour") << at(9, 0, 0) << at(9, 23, 45) << 60 << 0 << 24;
    QTest::newRow("default at 15 Mins") << at(9, 0, 0) << at(9, 23, 45) << 15 << 0 << 99;
    QTest::newRow("08:30-17:00 at 30 Mins") << at(9, 8, 30) << at(9, 17, 0) << 30 << 16 << 35;
    QTest::newRow("fit 09:15-17:45 at 30 Mins") << at(9, 9, 15) << at(9, 17, 45) << 30 << 18 << 37;
    QTest::newRow("fit 09:15-17:45 at 1 Hour") << at(9, 9, 15) << at(9, 17, 45) << 60 << 9 << 18;
    QTest::newRow("fit 09:15-17:45 at 15 Mins") << at(9, 9, 15) << at(9, 17, 45) << 15 << 36 << 74;
    // 8.5 hours must not fall to 8.4999 and lose a slot
    QTest::newRow("8.5 hours at 30 Mins") << at(9, 9, 0) << at(9, 17, 30) << 30 << 18 << 37;
    // an overnight shift reaches into the next day's slots
    QTest::newRow("22:00 to 02:00 next day") << at(9, 22, 0) << at(10, 2, 0) << 30 << 44 << 54;
    // the range runs from S whichever way round the ends are
    QTest::newRow("end before start") << at(9, 17, 0) << at(9, 8, 30) << 30 << 34 << 53;
    // the night the clocks change in New York still has its full hours
    QTest::newRow("DST night") << at(8, 0, 0) << at(8, 23, 45) << 60 << 0 << 24;
}

void TestTimelineRange::visibleRange()
{
    QFETCH(QDateTime, S);
    QFETCH(QDateTime, E);
    QFETCH(int, unit);
    QFETCH(int, first);
    QFETCH(int, last);
    const SlotRange r = Timeline::visibleRange(S, E, unit);
    QCOMPARE(r.first, first);
    QCOMPARE(r.last, last);
}

void TestTimelineRange::captionColour_data()
{
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("white");
    // stored with red in the low byte
    QTest::newRow("yellow #FFFF00") << qint64(0x00FFFF) << QColor(0xFF, 0xFF, 0x00) << false;
    QTest::newRow("navy #000080") << qint64(0x800000) << QColor(0x00, 0x00, 0x80) << true;
    QTest::newRow("black #000000") << qint64(0) << QColor(0, 0, 0) << true;
    QTest::newRow("white #FFFFFF") << qint64(0xFFFFFF) << QColor(0xFF, 0xFF, 0xFF) << false;
    QTest::newRow("red #FF0000") << qint64(0x0000FF) << QColor(0xFF, 0x00, 0x00) << true;
    QTest::newRow("blue #0000FF") << qint64(0xFF0000) << QColor(0x00, 0x00, 0xFF) << true;
    // either side of 128: green 178 gives 127.3, 179 gives 128.01
    QTest::newRow("green #00B200") << qint64(0x00B200) << QColor(0x00, 0xB2, 0x00) << true;
    QTest::newRow("green #00B300") << qint64(0x00B300) << QColor(0x00, 0xB3, 0x00) << false;
}

void TestTimelineRange::captionColour()
{
    QFETCH(qint64, stored);
    QFETCH(QColor, colour);
    QFETCH(bool, white);
    const QColor c = Timeline::colorFromStored(stored);
    QCOMPARE(c, colour);
    QCOMPARE(Timeline::needsWhiteCaption(c), white);
}

void TestTimelineRange::caption_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("end");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Ann Lee") << QTime(9, 0) << QTime(17, 0) << "Ann" << "Lee" << "Host" << "8"
                             << "9:00:00 AM-5:00:00 PM Ann Lee (Host) Hours: 8.00";
    QTest::newRow("overnight, half hours") << QTime(22, 30) << QTime(2, 0) << "Dev" << "Patel" << "Cook" << "3.5"
                                           << "10:30:00 PM-2:00:00 AM Dev Patel (Cook) Hours: 3.50";
    QTest::newRow("empty names") << QTime(0, 0) << QTime(12, 0) << "" << "" << "" << "0"
                                 << "12:00:00 AM-12:00:00 PM   () Hours: 0.00";
}

void TestTimelineRange::caption()
{
    QFETCH(QTime, start);
    QFETCH(QTime, end);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, position);
    QFETCH(QString, hours);
    QFETCH(QString, expected);
    const Timeline::ShiftCaptioner caption;
    QCOMPARE(caption(start, end, first, last, position, *Decimal4::parse(hours)), expected);
    // the same times as the rest of the program writes them
    QVERIFY(expected.startsWith(LocaleFormat::longTime(start) + u'-' + LocaleFormat::longTime(end) + u' '));
}

QUENDAL_TEST_MAIN(TestTimelineRange)
#include "test_timeline_range.moc"
