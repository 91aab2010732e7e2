// The report's band layout and display formats, without a database: pages,
// columns and heights for tables of day blocks, and the schedule report's
// design and scripts over rows given by hand.

#include "data/FbConnection.h"
#include "data/LocaleFormat.h"
#include "report/ReportFormat.h"
#include "report/ReportLayout.h"
#include "report/UrptScheduleMain.h"
#include "support/TestMain.h"
#include "HandReport.h"

#include <QImage>
#include <QPainter>

using ReportLayout::Placement;

namespace {

// The schedule report's page and bands: a column holds 169.33 mm, a day
// block 12.17 + 3.18 per shift, then 6.88 of space.
ReportLayout::Input scheduleInput(const QList<int>& shiftsPerDay, const QList<int>& newScheduleAtDay = {})
{
    ReportLayout::Input in;
    in.page.headerHeight = 25.14;
    in.page.footerHeight = 8.73;
    ReportLayout::GroupBands schedule;
    schedule.newPage = true;
    schedule.resetPageNumber = true;
    ReportLayout::GroupBands day;
    day.headerHeight = 12.17;
    day.footerHeight = 6.88;
    day.keepTogether = true;
    day.reprintHeader = true;
    in.groups = {schedule, day};
    in.detailHeight = 3.18;
    for (int d = 0; d < shiftsPerDay.size(); ++d)
        for (int s = 0; s < shiftsPerDay[d]; ++s)
            in.breakLevel.push_back(s > 0 ? 2 : newScheduleAtDay.contains(d) ? 0 : 1);
    return in;
}

// "1:{H d2 H d3}{}": per page its number and per column its bands: H a day
// heading, R a heading repeated over the rest of a split day, dN N rows.
QString summary(const std::vector<ReportLayout::Page>& pages)
{
    QStringList out;
    for (const auto& page : pages) {
        QString s = QString::number(page.number) + u':';
        for (int col = 0; col < 2; ++col) {
            QStringList tokens;
            int run = 0;
            auto flush = [&] {
                if (run)
                    tokens << QStringLiteral("d%1").arg(run);
                run = 0;
            };
            for (const auto& b : page.bands) {
                if (b.column != col || b.kind == Placement::GroupFooter)
                    continue;
                if (b.kind == Placement::Detail) {
                    ++run;
                } else {
                    flush();
                    tokens << (b.reprinted ? QStringLiteral("R") : QStringLiteral("H"));
                }
            }
            flush();
            s += u'{' + tokens.join(u' ') + u'}';
        }
        out << s;
    }
    return out.join(u' ');
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
private slots:
    void pagesAndColumns_data();
    void pagesAndColumns();
    void bandsStackInColumns();
    void paperTooSmallRaises();

    void formats_data();
    void formats();

    void closingText_data();
    void closingText();
    void designOverHandRows();
    void reportWithoutRows();
    void paintsToImage();
};

void TestReportLayout::pagesAndColumns_data()
{
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QList<int>>("newSchedules");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two shifts on one day, one heading") << QList<int>{2} << QList<int>{} << "1:{H d2}{}";
    QTest::newRow("days follow in one column") << QList<int>{2, 3, 1} << QList<int>{} << "1:{H d2 H d3 H d1}{}";
    QTest::newRow("a day not fitting the rest moves to the next column")
        << QList<int>{40, 10} << QList<int>{} << "1:{H d40}{H d10}";
    QTest::newRow("from the second column to a new page")
        << QList<int>{40, 40, 10} << QList<int>{} << "1:{H d40}{H d40} 2:{H d10}{}";
    QTest::newRow("a full column's empty space after the day is cut")
        << QList<int>{49, 3} << QList<int>{} << "1:{H d49}{H d3}";
    QTest::newRow("a day taller than a column is split") << QList<int>{50} << QList<int>{} << "1:{H d49}{R d1}";
    QTest::newRow("a tall day starts a fresh column")
        << QList<int>{5, 50} << QList<int>{} << "1:{H d5}{H d49} 2:{R d1}{}";
    QTest::newRow("a day over several columns and pages")
        << QList<int>{120} << QList<int>{} << "1:{H d49}{R d49} 2:{R d22}{}";
    QTest::newRow("each schedule on new pages counted from 1")
        << QList<int>{2, 40, 40, 10} << QList<int>{2} << "1:{H d2 H d40}{} 1:{H d40}{H d10}";
}

void TestReportLayout::pagesAndColumns()
{
    QFETCH(QList<int>, days);
    QFETCH(QList<int>, newSchedules);
    QFETCH(QString, expected);
    const auto in = scheduleInput(days, newSchedules);
    const auto pages = ReportLayout::layOut(in);
    QCOMPARE(summary(pages), expected);

    // Nothing lost, nothing twice, in the order of the rows; every band
    // inside its column.
    int next = 0;
    for (const auto& page : pages)
        for (const auto& b : page.bands) {
            QVERIFY(b.top >= in.page.columnTop() - 1e-9);
            if (b.kind == Placement::Detail) {
                QCOMPARE(b.row, next++);
                QVERIFY(b.top + in.detailHeight <= in.page.columnBottom() + 1e-9);
            }
        }
    QCOMPARE(next, int(in.breakLevel.size()));
}

void TestReportLayout::bandsStackInColumns()
{
    const auto pages = ReportLayout::layOut(scheduleInput({2, 40, 1}));
    QCOMPARE(pages.size(), size_t(1));
    const auto& b = pages[0].bands;
    // day 1: heading at the column top, rows under it, then its space
    QCOMPARE(b[0].kind, Placement::GroupHeader);
    QCOMPARE(b[0].column, 0);
    QCOMPARE(b[0].top, 6.35 + 25.14);
    QCOMPARE(b[1].top, 6.35 + 25.14 + 12.17);
    QCOMPARE(b[2].top, 6.35 + 25.14 + 12.17 + 3.18);
    QCOMPARE(b[3].kind, Placement::GroupFooter);
    QVERIFY(qAbs(b[4].top - (6.35 + 25.14 + 12.17 + 2 * 3.18 + 6.88)) < 1e-9);
    // day 3 does not fit under day 2 and starts the second column
    const auto& last = b[b.size() - 2];
    QCOMPARE(last.kind, Placement::Detail);
    QCOMPARE(last.column, 1);
    QVERIFY(qAbs(last.top - (6.35 + 25.14 + 12.17)) < 1e-9);
    QCOMPARE(pages[0].firstRow, 0);
}

void TestReportLayout::paperTooSmallRaises()
{
    auto in = scheduleInput({1});
    in.page.paperHeight = 40;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ReportLayout::layOut(in));
}

void TestReportLayout::formats_data()
{
    QTest::addColumn<FbValue>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    const QDate d(2026, 12, 14);
    QTest::newRow("date box") << FbValue(d) << "mmmm d, yyyy" << "December 14, 2026";
    QTest::newRow("single-digit day") << FbValue(QDate(2026, 1, 5)) << "mmmm d, yyyy" << "January 5, 2026";
    QTest::newRow("afternoon") << at(d, 17) << "hh:nn:ss AM/PM" << "05:00:00 PM";
    QTest::newRow("midnight") << at(d, 0) << "hh:nn:ss AM/PM" << "12:00:00 AM";
    QTest::newRow("noon and a half") << at(d, 12, 30) << "hh:nn:ss AM/PM" << "12:30:00 PM";
    QTest::newRow("minutes after hours") << at(d, 9, 5) << "h:mm" << "9:05";
    QTest::newRow("hours") << FbValue(Decimal4::fromRaw(80000)) << "#,0.00;-#,0.00" << "8.00";
    QTest::newRow("thousands") << FbValue(Decimal4::fromRaw(12345000)) << "#,0.00;-#,0.00" << "1,234.50";
    QTest::newRow("negative") << FbValue(Decimal4::fromRaw(-22500)) << "#,0.00;-#,0.00" << "-2.25";
    QTest::newRow("rounded half away from zero") << FbValue(Decimal4::fromRaw(50)) << "#,0.00;-#,0.00" << "0.01";
    QTest::newRow("null prints nothing") << FbValue() << "#,0.00;-#,0.00" << "";
    QTest::newRow("text as it is") << FbValue("Cook") << "" << "Cook";
}

void TestReportLayout::formats()
{
    QFETCH(FbValue, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(ReportFormat::display(value, format), expected);
}

void TestReportLayout::closingText_data()
{
    QTest::addColumn<FbValue>("close");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1") << FbValue(1) << "Yes";
    QTest::newRow("0") << FbValue(0) << "No";
    QTest::newRow("null") << FbValue() << "No";
    QTest::newRow("2") << FbValue(2) << "No";
}

void TestReportLayout::closingText()
{
    QFETCH(FbValue, close);
    QFETCH(QString, expected);
    // the row before closes, so a stale caption would show
    HandReport h({{QDate(2026, 12, 14), "Ann", "Lee", "Host", FbValue(1), 9, 17, 80000},
                  {QDate(2026, 12, 14), "Ben", "Carter", "Server", close, 11, 19, 80000}});
    const QStringList t = h.texts(0);
    const QStringList closing = t.filter(QStringLiteral("lblClosing="));
    QCOMPARE(closing, (QStringList{"lblClosing=Yes", "lblClosing=" + expected}));
}

void TestReportLayout::designOverHandRows()
{
    const QDate mon(2026, 12, 14);
    HandReport h({{mon, "Ann", "Lee", "Host", FbValue(0), 9, 17, 80000},
                  {mon, "Ben", "Carter", "Server", FbValue(1), 17, 1, 80000},
                  {mon.addDays(1), "Carla", "Diaz", "Cook", FbValue(0), 7, 15, 85000}});
    QCOMPARE(h.r.rpt.pageCount(), 1);
    const QStringList t = h.texts(0);
    const QString printed = BandReport::printedText(h.r.rpt.printDateTime());
    const QStringList expected{
        "ppLabel1=Schedule", "ppVariable1=From 12/14/2026 Through 12/20/2026", "ppLabel2=Printed",
        "ppSystemVariable1=" + printed,
        "ppDBText1=December 14, 2026", "ppLabel3=Employee", "ppLabel4=Position", "ppLabel9=Close",
        "ppLabel5=Start", "ppLabel6=End", "ppLabel7=Hrs.",
        "ppVariable2=Ann Lee", "ppDBText2=Host", "lblClosing=No", "ppDBText3=09:00:00 AM",
        "ppDBText4=05:00:00 PM", "ppDBText5=8.00",
        // over midnight: under the day it starts, with the next morning's end
        "ppVariable2=Ben Carter", "ppDBText2=Server", "lblClosing=Yes", "ppDBText3=05:00:00 PM",
        "ppDBText4=01:00:00 AM", "ppDBText5=8.00",
        "ppDBText1=December 15, 2026", "ppLabel3=Employee", "ppLabel4=Position", "ppLabel9=Close",
        "ppLabel5=Start", "ppLabel6=End", "ppLabel7=Hrs.",
        "ppVariable2=Carla Diaz", "ppDBText2=Cook", "lblClosing=No", "ppDBText3=07:00:00 AM",
        "ppDBText4=03:00:00 PM", "ppDBText5=8.50",
        "ppLabel8=Schedules Provided Compliments of Quendal Business Solutions, Co. makers of QuendalPOS "
        "Restaurant Point of Sale Software  www.quendal.example"};
    QCOMPARE(t, expected);
    QVERIFY(printed.startsWith(LocaleFormat::shortDate(QDate::currentDate())));
}

void TestReportLayout::reportWithoutRows()
{
    HandReport h({});
    QCOMPARE(h.r.rpt.pageCount(), 1);
    const QStringList t = h.texts(0);
    QCOMPARE(t.first(), QStringLiteral("ppLabel1=Schedule"));
    QVERIFY(t.last().startsWith(QStringLiteral("ppLabel8=Schedules Provided")));
    QCOMPARE(t.filter(QStringLiteral("ppVariable1")), QStringList());
    QCOMPARE(t.size(), 4);
}

void TestReportLayout::paintsToImage()
{
    // A 12-hour shift and a long position name: the name is cut at its box.
    HandReport h({{QDate(2026, 12, 14), "Ann", "Lee", "Assistant General Manager", FbValue(0), 9, 21, 120000}});
    QImage img(1100, 850, QImage::Format_RGB32); // Letter landscape at 100 dpi
    img.setDotsPerMeterX(qRound(100 / 0.0254));
    img.setDotsPerMeterY(qRound(100 / 0.0254));
    img.fill(Qt::white);
    {
        QPainter p(&img);
        h.r.rpt.paintPage(p, 0);
    }
    auto inkIn = [&](double leftMm, double topMm, double rightMm, double bottomMm) {
        int ink = 0;
        for (int y = qRound(topMm / 25.4 * 100); y < qRound(bottomMm / 25.4 * 100); ++y)
            for (int x = qRound(leftMm / 25.4 * 100); x < qRound(rightMm / 25.4 * 100); ++x)
                ink += qGray(img.pixel(x, y)) < 128;
        return ink;
    };
    const double detailTop = 6.35 + 25.14 + 12.17;
    QVERIFY(inkIn(6.35 + 36.25, detailTop, 6.35 + 53.18, detailTop + 3.18) > 0); // the position
    QCOMPARE(inkIn(6.35 + 53.3, detailTop, 6.35 + 56.2, detailTop + 3.18), 0); // cut at its box
    QVERIFY(inkIn(6.35 + 125, detailTop, 6.35 + 132.03, detailTop + 3.18) > 0); // "12.00" to the right
    QCOMPARE(inkIn(6.35 + 132.3, detailTop, 139.7, detailTop + 3.18), 0);
    // the footer ends at its right edge
    QVERIFY(inkIn(6.35 + 250, 215.9 - 6.35 - 8.73 + 4.23, 6.35 + 265.91, 215.9 - 6.35) > 0);
    QCOMPARE(inkIn(6.35 + 266.2, 215.9 - 6.35 - 8.73, 279.4, 215.9), 0);
    // nothing in the second column (the date box reaches 0.27 mm into its margin)
    QCOMPARE(inkIn(140.3, 6.35 + 25.14, 279.4, 215.9 - 6.35 - 8.73), 0);
}

QUENDAL_TEST_MAIN(TestReportLayout)
#include "test_report_layout.moc"
