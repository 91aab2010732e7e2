// The times and hours a shift is written with, from the dialog's pickers or
// from a bar's new place on the timeline.

#include "dialogs/ShiftTimes.h"
#include "data/SqlText.h"
#include "support/TestMain.h"

class TestShiftTimes : public QObject {
    Q_OBJECT
private slots:
    void fromItem_data();
    void fromItem();
    void dialogSpan_data();
    void dialogSpan();
    void hoursText_data();
    void hoursText();
};

namespace {

QDateTime at(QDate d, int h, int m, int s = 0)
{
    return QDateTime(d, QTime(h, m, s), Qt::UTC);
}

} // namespace

void TestShiftTimes::fromItem_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QDateTime>("itemStart");
    QTest::addColumn<QDateTime>("itemEnd");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("hours");

    const QDate d(2026, 3, 7); // the day before New York's clocks change
    const QDate n = d.addDays(1);
    QTest::newRow("moved overnight") << d << at(d, 22, 0) << at(n, 2, 0)
                                     << "03/07/2026 22:00:00" << "03/08/2026 02:00:00" << "4";
    QTest::newRow("stretched to midnight") << d << at(d, 18, 0) << at(n, 0, 0)
                                           << "03/07/2026 18:00:00" << "03/08/2026 00:00:00" << "6";
    QTest::newRow("moved half an hour") << d << at(d, 9, 30) << at(d, 17, 30)
                                        << "03/07/2026 09:30:00" << "03/07/2026 17:30:00" << "8";
    QTest::newRow("past midnight counts times of day") << d << at(d, 0, 0) << at(n, 0, 30)
                                                       << "03/07/2026 00:00:00" << "03/07/2026 00:30:00" << "0.5";
    QTest::newRow("half hours") << d << at(d, 9, 0) << at(d, 17, 30)
                                << "03/07/2026 09:00:00" << "03/07/2026 17:30:00" << "8.5";
    QTest::newRow("quarter of an hour slots") << d << at(d, 23, 45) << at(n, 0, 15)
                                              << "03/07/2026 23:45:00" << "03/08/2026 00:15:00" << "0.5";
    // the item's own day plays no part: the timeline's day does
    QTest::newRow("item on another day") << d << at(d.addDays(-3), 10, 0) << at(d.addDays(-3), 11, 15)
                                         << "03/07/2026 10:00:00" << "03/07/2026 11:15:00" << "1.25";
    // the night the clocks go forward still has 24 hours of wall clock
    QTest::newRow("over the clock change") << n << at(n, 22, 0) << at(n.addDays(1), 6, 0)
                                           << "03/08/2026 22:00:00" << "03/09/2026 06:00:00" << "8";
}

void TestShiftTimes::fromItem()
{
    QFETCH(QDate, day);
    QFETCH(QDateTime, itemStart);
    QFETCH(QDateTime, itemEnd);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, hours);
    const ShiftTimes::Span s = ShiftTimes::fromItem(day, itemStart, itemEnd);
    QCOMPARE(SqlText::dateTime(s.start), start);
    QCOMPARE(SqlText::dateTime(s.end), end);
    QCOMPARE(ShiftTimes::hoursText(s), hours);
}

void TestShiftTimes::dialogSpan_data()
{
    QTest::addColumn<QTime>("startTime");
    QTest::addColumn<QTime>("endTime");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("hours");

    QTest::newRow("overnight") << QTime(22, 0) << QTime(6, 0)
                               << "11/02/2025 22:00:00" << "11/03/2025 06:00:00" << "8";
    QTest::newRow("equal times") << QTime(12, 0) << QTime(12, 0)
                                 << "11/02/2025 12:00:00" << "11/02/2025 12:00:00" << "0";
    // hour and minute equal: the end stays on the day, twenty seconds early
    QTest::newRow("seconds differ") << QTime(10, 0, 30) << QTime(10, 0, 10)
                                    << "11/02/2025 10:00:30" << "11/02/2025 10:00:10" << "0.00555555555555556";
    QTest::newRow("one minute back") << QTime(10, 1) << QTime(10, 0)
                                     << "11/02/2025 10:01:00" << "11/03/2025 10:00:00" << "23.9833333333333";
    QTest::newRow("twenty minutes") << QTime(9, 0) << QTime(9, 20)
                                    << "11/02/2025 09:00:00" << "11/02/2025 09:20:00" << "0.333333333333333";
    QTest::newRow("milliseconds dropped") << QTime(9, 0, 0, 999) << QTime(17, 0, 0, 1)
                                          << "11/02/2025 09:00:00" << "11/02/2025 17:00:00" << "8";
}

void TestShiftTimes::dialogSpan()
{
    QFETCH(QTime, startTime);
    QFETCH(QTime, endTime);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, hours);
    // 2 November 2025: New York's clocks go back that night
    const QDate d(2025, 11, 2);
    const ShiftTimes::Span s = ShiftTimes::span(d, startTime, d, endTime);
    QCOMPARE(SqlText::dateTime(s.start), start);
    QCOMPARE(SqlText::dateTime(s.end), end);
    QCOMPARE(ShiftTimes::hoursText(s), hours);
}

void TestShiftTimes::hoursText_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("hours");
    QTest::newRow("one second") << 1 << "0.000277777777777778";
    QTest::newRow("a quarter") << 900 << "0.25";
    QTest::newRow("ten hours") << 36000 << "10";
    QTest::newRow("backwards") << -5400 << "1.5";
}

void TestShiftTimes::hoursText()
{
    QFETCH(int, seconds);
    QFETCH(QString, hours);
    const QDateTime start = at(QDate(2026, 1, 5), 12, 0);
    QCOMPARE(ShiftTimes::hoursText({start, start.addSecs(seconds)}), hours);
}

QUENDAL_TEST_MAIN(TestShiftTimes)
#include "test_shift_times.moc"
