// The schedule report against real shop databases: its query, the rows it
// prints, and the generated PDF read back with poppler's tools.

#include "data/LocaleFormat.h"
#include "data/SqlText.h"
#include "report/UrptScheduleMain.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <memory>

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qWarning() << program << args << p.readAllStandardError();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a region of a page, in points from the paper's top-left.
QString pdfText(const QString& pdf, int page, double x, double y, double w, double h)
{
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                QString::number(page), QStringLiteral("-x"), QString::number(qRound(x)), QStringLiteral("-y"),
                QString::number(qRound(y)), QStringLiteral("-W"), QString::number(qRound(w)), QStringLiteral("-H"),
                QString::number(qRound(h)), pdf, QStringLiteral("-")});
}

double pt(double mm)
{
    return mm / 25.4 * 72;
}

// Columns and bands of landscape Letter, in points.
QString columnText(const QString& pdf, int page, int column)
{
    const double left = column == 0 ? 6.35 : 139.7;
    return pdfText(pdf, page, pt(left), pt(6.35 + 25.14), pt(133.35), pt(215.9 - 12.7 - 25.14 - 8.73));
}

QString pageText(const QString& pdf, int page)
{
    return pdfText(pdf, page, 0, 0, pt(279.4), pt(215.9));
}

int pdfPages(const QString& pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Every needle found in text, in the order given.
bool inOrder(const QString& text, const QStringList& needles, QString* missing = nullptr)
{
    qsizetype from = 0;
    for (const QString& n : needles) {
        const qsizetype at = text.indexOf(n, from);
        if (at < 0) {
            if (missing)
                *missing = n;
            return false;
        }
        from = at + n.size();
    }
    return true;
}

// Text extraction folds the footer's two blanks before the web address
// into one; the word boxes show the gap.
const QString kFooter = QStringLiteral(
    "Schedules Provided Compliments of Quendal Business Solutions, Co. makers of QuendalPOS Restaurant "
    "Point of Sale Software www.quendal.example");

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax; // points
};

std::vector<Word> pdfWords(const QString& pdf, int page)
{
    std::vector<Word> out;
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"),
                                                           QString::number(page), QStringLiteral("-l"),
                                                           QString::number(page), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                       m.captured(4).toDouble()});
    }
    return out;
}

const Word* findWord(const std::vector<Word>& words, const QString& text)
{
    for (const auto& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

QString longDate(QDate d)
{
    return QLocale().toString(d, QStringLiteral("MMMM d, yyyy"));
}

// The report's rows as "first last/position/close/start/end" for checks.
QStringList reportRows(TrptScheduleMain& r)
{
    QStringList out;
    const ReportData& d = r.rpt.data();
    for (int i = 0; i < d.rowCount(); ++i)
        out << d.value(i, QStringLiteral("SERVERFIRST")).asString() + u'/'
                + d.value(i, QStringLiteral("POSITIONNAME")).asString() + u'/'
                + d.value(i, QStringLiteral("SCHEDULESTART")).asDateTime().toString(QStringLiteral("MM-dd hh:mm"));
    return out;
}

void addSchedule(TestDatabase& db, int id, const QString& start, const QString& end)
{
    db.exec(QStringLiteral("INSERT INTO SCHEDULER (SCHEDULER_ID, SCHEDULER_NAME, SCHEDULER_START, SCHEDULER_END) "
                           "VALUES (%1, 'Week %1', '%2', '%3')")
                .arg(id)
                .arg(start, end));
}

// A shift on day from one time to another, over midnight when it ends earlier.
void addShift(TestDatabase& db, int schedule, int server, int position, QDate day, QTime from, QTime to,
              int close = 0, const QString& hours = QStringLiteral("8"))
{
    const QDateTime s(day, from, Qt::UTC);
    const QDateTime e(to < from ? day.addDays(1) : day, to, Qt::UTC);
    db.exec(QStringLiteral("INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, SCHEDULEEND, "
                           "SCHEDULEDATE, SCHEDULECLOSE, RATE, TOTALHOURS) VALUES (%1, %2, %3, %4, %5, %6, %7, 10, %8)")
                .arg(schedule)
                .arg(server)
                .arg(position)
                .arg(SqlText::quotedDateTime(s), SqlText::quotedDateTime(e), SqlText::quotedDate(day))
                .arg(close)
                .arg(hours));
}

// The report of schedule 1, generated.
std::unique_ptr<TrptScheduleMain> generated()
{
    auto r = std::make_unique<TrptScheduleMain>(dmMain->FBDB);
    r->ScheduleID = 1;
    r->rpt.generate();
    return r;
}

void addStaff(TestDatabase& db)
{
    db.exec(QStringLiteral("INSERT INTO SERVERS (SERVERID, SERVERFIRST, SERVERLAST, ISACTIVE, SERVERNUMBER) "
                           "VALUES (1, 'Ann', 'Lee', 1, 1)"));
    db.exec(QStringLiteral("INSERT INTO SERVERS (SERVERID, SERVERFIRST, SERVERLAST, ISACTIVE, SERVERNUMBER) "
                           "VALUES (2, 'Ben', 'Carter', 1, 2)"));
    db.exec(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME, POSITION_COLOR) VALUES (1, 'Host', 0)"));
    db.exec(QStringLiteral("INSERT INTO POSITIONS (POSITIONID, POSITIONNAME, POSITION_COLOR) VALUES (2, 'Cook', 0)"));
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void demoRowsOfTheOpenScheduleOnly();
    void shiftWithoutEmployeeOrPositionLeftOut();
    void daysInDateOrderShiftsByStart();
    void generatingAgainReadsAgain();
    void demoToPdf();
    void footerOnEveryPage();
    void pngPages();
    void unwritableFileRaises();
};

void TestReport::demoRowsOfTheOpenScheduleOnly()
{
    TestDatabase db(TestDatabase::Demo);
    addSchedule(db, 2, QStringLiteral("01/05/2026"), QStringLiteral("01/11/2026"));
    addShift(db, 2, 1, 1, QDate(2026, 1, 5), QTime(9, 0), QTime(17, 0));
    auto report = generated();
    TrptScheduleMain& r = *report;
    QCOMPARE(r.rpt.data().rowCount(), int(db.count(QStringLiteral("SCHEDULE WHERE SCHEDULER_ID = 1"))));
    const ReportData& d = r.rpt.data();
    for (int i = 0; i < d.rowCount(); ++i)
        QCOMPARE(d.value(i, QStringLiteral("SCHEDULER_ID")).asInteger(), 1);
    // its own transaction is done with after each generation
    QVERIFY(!r.IBOTransaction1.isActive());
}

void TestReport::shiftWithoutEmployeeOrPositionLeftOut()
{
    TestDatabase db;
    addStaff(db);
    addSchedule(db, 1, QStringLiteral("12/14/2026"), QStringLiteral("12/20/2026"));
    addShift(db, 1, 1, 1, QDate(2026, 12, 14), QTime(9, 0), QTime(17, 0));
    addShift(db, 1, 9, 1, QDate(2026, 12, 14), QTime(10, 0), QTime(18, 0)); // employee gone
    addShift(db, 1, 2, 9, QDate(2026, 12, 14), QTime(11, 0), QTime(19, 0)); // position gone
    addShift(db, 1, 2, 2, QDate(2026, 12, 14), QTime(12, 0), QTime(20, 0));
    auto report = generated();
    TrptScheduleMain& r = *report;
    QCOMPARE(reportRows(r), (QStringList{"Ann/Host/12-14 09:00", "Ben/Cook/12-14 12:00"}));
}

void TestReport::daysInDateOrderShiftsByStart()
{
    TestDatabase db;
    addStaff(db);
    addSchedule(db, 1, QStringLiteral("12/14/2026"), QStringLiteral("12/20/2026"));
    // entered out of order; one over midnight
    addShift(db, 1, 2, 2, QDate(2026, 12, 15), QTime(14, 0), QTime(22, 0));
    addShift(db, 1, 1, 1, QDate(2026, 12, 14), QTime(22, 0), QTime(6, 0), 1);
    addShift(db, 1, 2, 1, QDate(2026, 12, 15), QTime(7, 0), QTime(15, 0));
    addShift(db, 1, 2, 2, QDate(2026, 12, 14), QTime(8, 0), QTime(16, 30), 0, QStringLiteral("8.5"));
    auto report = generated();
    TrptScheduleMain& r = *report;
    QCOMPARE(reportRows(r), (QStringList{"Ben/Cook/12-14 08:00", "Ann/Host/12-14 22:00", "Ben/Host/12-15 07:00",
                                         "Ben/Cook/12-15 14:00"}));
    QStringList printed;
    for (const auto& it : r.rpt.pageItems(0))
        if (it.element == r.ppDBText1 || it.element == r.ppVariable2 || it.element == r.ppDBText4
            || it.element == r.lblClosing || it.element == r.ppDBText5)
            printed << it.text;
    QCOMPARE(printed, (QStringList{"December 14, 2026", "Ben Carter", "No", "04:30:00 PM", "8.50",
                                   // the night shift ends next morning, under the day it starts
                                   "Ann Lee", "Yes", "06:00:00 AM", "8.00",
                                   "December 15, 2026", "Ben Carter", "No", "03:00:00 PM", "8.00",
                                   "Ben Carter", "No", "10:00:00 PM", "8.00"}));
}

void TestReport::generatingAgainReadsAgain()
{
    TestDatabase db;
    addStaff(db);
    addSchedule(db, 1, QStringLiteral("12/14/2026"), QStringLiteral("12/20/2026"));
    addShift(db, 1, 1, 1, QDate(2026, 12, 14), QTime(9, 0), QTime(17, 0));
    auto report = generated();
    TrptScheduleMain& r = *report;
    QCOMPARE(r.rpt.data().rowCount(), 1);
    addShift(db, 1, 2, 2, QDate(2026, 12, 16), QTime(9, 0), QTime(17, 0));
    r.rpt.generate();
    QCOMPARE(r.rpt.data().rowCount(), 2);
}

void TestReport::demoToPdf()
{
    TestDatabase db(TestDatabase::Demo);
    auto report = generated();
    TrptScheduleMain& r = *report;
    const QString pdf = db.folder() + QStringLiteral("/demo.pdf");
    r.rpt.exportPdf(pdf);
    QCOMPARE(pdfPages(pdf), r.rpt.pageCount());
    QVERIFY(run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(
        QStringLiteral("Author:\\s+QuendalScheduler QuendalPOS"))));

    const QDate start = db.scalar(QStringLiteral("SELECT SCHEDULER_START FROM SCHEDULER")).asDate();
    const QString whole = pageText(pdf, 1);
    const QString header = QStringLiteral("From %1 Through %2")
                               .arg(LocaleFormat::shortDate(start), LocaleFormat::shortDate(start.addDays(6)));
    QString missing;
    QVERIFY2(inOrder(whole, {"Schedule", header, "Printed " + LocaleFormat::shortDate(QDate::currentDate()), kFooter},
                     &missing),
             qPrintable(missing + " in\n" + whole));

    // Each day's heading, then its shifts by start, down the first column
    // and on down the second; no day is split between them.
    QStringList expected;
    QDate day;
    for (const auto& row : db.rows(QStringLiteral(
             "SELECT S.SCHEDULEDATE, E.SERVERFIRST || ' ' || E.SERVERLAST, P.POSITIONNAME FROM SCHEDULE S "
             "JOIN SERVERS E ON E.SERVERID = S.SERVERID JOIN POSITIONS P ON P.POSITIONID = S.POSITIONID "
             "WHERE S.SCHEDULER_ID = 1 ORDER BY S.SCHEDULESTART"))) {
        if (row[0].asDate() != day) {
            day = row[0].asDate();
            expected << longDate(day) << QStringLiteral("Employee");
        }
        expected << row[1].asString() + QStringLiteral(" ") << row[2].asString();
    }
    QString columns;
    for (int page = 1; page <= r.rpt.pageCount(); ++page)
        columns += columnText(pdf, page, 0) + columnText(pdf, page, 1);
    QVERIFY2(inOrder(columns, expected, &missing), qPrintable(missing + " in\n" + columns));
    for (int d = 0; d < 7; ++d)
        QCOMPARE(columns.count(longDate(start.addDays(d))), 1);

    // Where things are, in millimetres from the paper's edges.
    const auto words = pdfWords(pdf, 1);
    auto mm = [](double points) { return points / 72 * 25.4; };
    const Word* title = findWord(words, QStringLiteral("Schedule"));
    QVERIFY(title);
    QVERIFY(qAbs(mm(title->xMin + title->xMax) / 2 - 139.7) < 0.5); // centred on the page
    QVERIFY(qAbs(mm(title->yMin) - 6.35) < 0.5);
    const Word* printed = findWord(words, QStringLiteral("Printed"));
    QVERIFY(printed);
    QVERIFY(qAbs(mm(printed->xMin) - 6.35) < 0.3);
    QVERIFY(qAbs(mm(printed->yMin) - (6.35 + 13.23)) < 0.8);
    const Word* hrs = findWord(words, QStringLiteral("Hrs."));
    QVERIFY(hrs);
    QVERIFY(qAbs(mm(hrs->xMax) - (6.35 + 132.03)) < 0.3); // right-aligned in its column
    const Word* month = findWord(words, longDate(start).section(u' ', 0, 0));
    QVERIFY(month);
    QVERIFY(qAbs(mm(month->xMin) - (6.35 + 53.45)) < 0.3);
    QVERIFY(qAbs(mm(month->yMin) - (6.35 + 25.14 + 0.27)) < 0.8);
    const Word* software = findWord(words, QStringLiteral("Software"));
    const Word* web = findWord(words, QStringLiteral("www.quendal.example"));
    QVERIFY(software && web);
    QVERIFY(qAbs(mm(web->xMax) - (6.35 + 265.91)) < 0.3); // the footer's right edge
    const double blank = 8 * 0.278; // Arial's blank at 8 points
    QVERIFY2(web->xMin - software->xMax > 1.6 * blank, "two blanks before the web address");

    // one line per shift, as the columns of the heading
    QVERIFY2(columns.contains(QRegularExpression(
                 QStringLiteral("Employee\\s+Position\\s+Close\\s+Start\\s+End\\s+Hrs\\."))),
             qPrintable(columns));
    QVERIFY(columns.contains(QRegularExpression(
        QStringLiteral("Ann Lee\\s+Host\\s+No\\s+09:00:00 AM\\s+05:00:00 PM\\s+8\\.00"))));
    QVERIFY(columns.contains(QRegularExpression(
        QStringLiteral("Dev Patel\\s+Dishwasher\\s+Yes\\s+04:00:00 PM\\s+11:00:00 PM\\s+7\\.00"))));
}

void TestReport::footerOnEveryPage()
{
    TestDatabase db(TestDatabase::Demo);
    // 35 shifts doubled three times: 40 a day, one day per column
    for (int i = 0; i < 3; ++i)
        db.exec(QStringLiteral(
            "INSERT INTO SCHEDULE (SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, SCHEDULEEND, SCHEDULEDATE, "
            "SCHEDULECLOSE, RATE, TOTALHOURS) SELECT SCHEDULER_ID, SERVERID, POSITIONID, SCHEDULESTART, "
            "SCHEDULEEND, SCHEDULEDATE, SCHEDULECLOSE, RATE, TOTALHOURS FROM SCHEDULE"));
    auto report = generated();
    TrptScheduleMain& r = *report;
    QCOMPARE(r.rpt.data().rowCount(), 280);
    QCOMPARE(r.rpt.pageCount(), 4);
    const QString pdf = db.folder() + QStringLiteral("/long.pdf");
    r.rpt.exportPdf(pdf);
    QCOMPARE(pdfPages(pdf), 4);
    const QDate start = db.scalar(QStringLiteral("SELECT SCHEDULER_START FROM SCHEDULER")).asDate();
    int lines = 0;
    const QRegularExpression shiftLine(
        QStringLiteral("\\d\\d:\\d\\d:\\d\\d [AP]M\\s+\\d\\d:\\d\\d:\\d\\d [AP]M"));
    for (int page = 1; page <= 4; ++page) {
        const QString text = pageText(pdf, page);
        QVERIFY2(inOrder(text, {"Schedule", "From " + LocaleFormat::shortDate(start), kFooter}), qPrintable(text));
        QCOMPARE(text.count(kFooter), 1);
        // two days a page, the last page one
        const QString left = columnText(pdf, page, 0);
        const QString right = columnText(pdf, page, 1);
        QCOMPARE(left.count(QStringLiteral("Employee")), 1);
        QCOMPARE(right.count(QStringLiteral("Employee")), page < 4 ? 1 : 0);
        QVERIFY(left.contains(longDate(start.addDays(2 * (page - 1)))));
        lines += int(left.count(shiftLine) + right.count(shiftLine));
    }
    QCOMPARE(lines, 280);
}

void TestReport::pngPages()
{
    TestDatabase db(TestDatabase::Demo);
    auto report = generated();
    TrptScheduleMain& r = *report;
    const QStringList files = r.rpt.exportPng(db.folder(), QStringLiteral("Schedule"));
    QCOMPARE(files.size(), r.rpt.pageCount());
    QCOMPARE(files.first(), db.folder() + QStringLiteral("/Schedule-1.png"));
    const QImage img(files.first());
    QCOMPARE(img.size(), QSize(1650, 1275)); // 150 dpi
    int dark = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            dark += qGray(img.pixel(x, y)) < 100;
    QVERIFY(dark > 500);
}

void TestReport::unwritableFileRaises()
{
    TestDatabase db(TestDatabase::Demo);
    auto report = generated();
    TrptScheduleMain& r = *report;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, r.rpt.exportPdf(db.folder() + QStringLiteral("/no/such/folder/x.pdf")));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, r.rpt.exportPng(db.folder() + QStringLiteral("/no/such"), QStringLiteral("x")));
}

QUENDAL_TEST_MAIN(TestReport)
#include "test_report.moc"
