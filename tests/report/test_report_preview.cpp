// The preview window driven as a user would: tool buttons, the page
// number box, the zoom list, the mouse wheel, printing and saving.

#include "HandReport.h"
#include "report/ReportViewer.h"
#include "report/UfrmRBPreview.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

namespace {

// Keys that reach the window after the page number box had its say.
class KeySpy : public QObject {
public:
    int enters = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent*>(e)->key();
            enters += k == Qt::Key_Return || k == Qt::Key_Enter;
        }
        return false;
    }
};

int pdfPages(const QString& pdf, QString* size = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (size)
        *size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+ x [\\d.]+)")).match(out).captured(1);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

void sendWheel(QWidget* target, int delta)
{
    const QPointF pos(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent e(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowAndToolBar();
    void arrowsAtTheEndsChangeNothing();
    void enterOnPageNumber_data();
    void enterOnPageNumber();
    void otherKeysOnlyEdit();
    void notANumberChangesNothing();
    void zoomChoiceSetsZoomAndFocus();
    void wheelStepScrollsTenPixels();
    void closeFreesTheWindow();
    void saveToPdfAndPng();
    void printThroughTheDialog();
    void paperChangeLaysOutAgain();

private:
    std::unique_ptr<HandReport> m_report;
    QPointer<TfrmRBPreview> m_w;
    std::unique_ptr<RecordingMessages> m_messages;
    QTemporaryDir m_dir;
};

void TestReportPreview::init()
{
    m_messages = std::make_unique<RecordingMessages>();
    m_report = std::make_unique<HandReport>(shiftsOver({40, 40, 40, 40, 10})); // three pages
    frmRBPreview = new TfrmRBPreview;
    m_w = frmRBPreview;
    m_w->Prev->setReport(&m_report->r.rpt);
    m_w->Prev->generate();
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w));
}

void TestReportPreview::cleanup()
{
    delete m_w;
    QCOMPARE(frmRBPreview, nullptr);
    m_report.reset();
    m_messages.reset();
}

void TestReportPreview::windowAndToolBar()
{
    QCOMPARE(m_w->windowTitle(), QStringLiteral("QuendalScheduler Preview"));
    QVERIFY(m_w->windowState() & Qt::WindowMaximized);
    QVERIFY(m_w->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(m_w->AdvToolBar1->isMovable() && m_w->AdvToolBar1->isFloatable());
    QStringList zooms;
    for (int i = 0; i < m_w->cboZoom->count(); ++i)
        zooms << m_w->cboZoom->itemText(i);
    QCOMPARE(zooms, (QStringList{"10   Percent", "20   Percent", "30   Percent", "40   Percent", "50   Percent",
                                 "75   Percent", "100 Percent", "125 Percent", "150 Percent", "200 Percent",
                                 "300 Percent"}));
    QVERIFY(!m_w->cboZoom->isEditable());
    // the list and the view agree from the start
    QCOMPARE(m_w->cboZoom->currentIndex(), 6);
    QCOMPARE(m_w->Prev->zoomPercent(), 100);
    QCOMPARE(m_w->ePageNumber->text(), QStringLiteral("1"));
    QCOMPARE(m_w->ePageNumber->toolTip(), QStringLiteral("Current Page - Type in here and press Enter to Change Page"));
    QCOMPARE(m_w->bClose->toolTip(), QStringLiteral("Close"));
    QCOMPARE(m_w->bClose->size(), QSize(24, 22));
    QCOMPARE(m_w->lblStatus->text(), QStringLiteral("3 pages"));
    // the tool bar from left to right
    const QList<QWidget*> order{m_w->bClose, m_w->bLeft, m_w->ePageNumber, m_w->bRight, m_w->bPrint, m_w->cboZoom,
                                m_w->lblStatus};
    for (int i = 1; i < order.size(); ++i)
        QVERIFY(order[i - 1]->geometry().right() < order[i]->geometry().left());
}

void TestReportPreview::arrowsAtTheEndsChangeNothing()
{
    QTest::mouseClick(m_w->bLeft, Qt::LeftButton);
    QCOMPARE(m_w->Prev->pageNumber(), 1);
    QCOMPARE(m_w->ePageNumber->text(), QStringLiteral("1"));
    QTest::mouseClick(m_w->bRight, Qt::LeftButton);
    QCOMPARE(m_w->Prev->pageNumber(), 2);
    QCOMPARE(m_w->ePageNumber->text(), QStringLiteral("2"));
    QTest::mouseClick(m_w->bRight, Qt::LeftButton);
    QTest::mouseClick(m_w->bRight, Qt::LeftButton);
    QCOMPARE(m_w->Prev->pageNumber(), 3);
    QCOMPARE(m_w->ePageNumber->text(), QStringLiteral("3"));
    // a number typed but not entered is put right by the arrows
    m_w->ePageNumber->setText(QStringLiteral("1"));
    QTest::mouseClick(m_w->bRight, Qt::LeftButton);
    QCOMPARE(m_w->ePageNumber->text(), QStringLiteral("3"));
    QTest::mouseClick(m_w->bLeft, Qt::LeftButton);
    QCOMPARE(m_w->Prev->pageNumber(), 2);
}

void TestReportPreview::enterOnPageNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("page");
    QTest::newRow("a page") << "2" << int(Qt::Key_Return) << 2;
    QTest::newRow("keypad Enter") << "3" << int(Qt::Key_Enter) << 3;
    QTest::newRow("beyond the last") << "99" << int(Qt::Key_Return) << 3;
    QTest::newRow("below the first") << "0" << int(Qt::Key_Return) << 1;
    QTest::newRow("leading blank") << " 2" << int(Qt::Key_Return) << 2;
}

void TestReportPreview::enterOnPageNumber()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, page);
    KeySpy spy;
    m_w->installEventFilter(&spy);
    m_w->ePageNumber->setFocus();
    m_w->ePageNumber->selectAll();
    QTest::keyClicks(m_w->ePageNumber, typed);
    QCOMPARE(m_w->Prev->pageNumber(), 1); // nothing until Enter
    QTest::keyClick(m_w->ePageNumber, Qt::Key(key));
    QCOMPARE(m_w->Prev->pageNumber(), page);
    QCOMPARE(m_w->ePageNumber->text(), QString::number(page));
    QCOMPARE(spy.enters, 0); // the key is used up
    QVERIFY(m_w->isVisible());
    QVERIFY(m_messages->shown.empty());
}

void TestReportPreview::otherKeysOnlyEdit()
{
    m_w->ePageNumber->setFocus();
    QTest::keyClick(m_w->ePageNumber, Qt::Key_End);
    QTest::keyClick(m_w->ePageNumber, Qt::Key_Backspace);
    QTest::keyClicks(m_w->ePageNumber, QStringLiteral("12"));
    QCOMPARE(m_w->ePageNumber->text(), QStringLiteral("12"));
    QCOMPARE(m_w->Prev->pageNumber(), 1);
}

void TestReportPreview::notANumberChangesNothing()
{
    QTest::mouseClick(m_w->bRight, Qt::LeftButton);
    m_w->ePageNumber->setFocus();
    m_w->ePageNumber->selectAll();
    QTest::keyClicks(m_w->ePageNumber, QStringLiteral("2x"));
    QTest::keyClick(m_w->ePageNumber, Qt::Key_Return);
    QCOMPARE(m_messages->errors(), QStringList{QStringLiteral("'2x' is not a valid integer value")});
    QCOMPARE(m_w->Prev->pageNumber(), 2);
    QCOMPARE(m_w->ePageNumber->text(), QStringLiteral("2x"));
}

void TestReportPreview::zoomChoiceSetsZoomAndFocus()
{
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w));
    const int width100 = m_w->Prev->widget()->width();
    m_w->cboZoom->setFocus();
    QTest::keyClick(m_w->cboZoom, Qt::Key_Up); // from "100 Percent" to "75   Percent"
    QCOMPARE(m_w->cboZoom->currentText(), QStringLiteral("75   Percent"));
    QCOMPARE(m_w->Prev->zoomPercent(), 75);
    QCOMPARE(QApplication::focusWidget(), m_w->ePageNumber);
    const int gaps = 2 * 12;
    QVERIFY(qAbs((m_w->Prev->widget()->width() - gaps) - (width100 - gaps) * 3 / 4) <= 2);
    // no entry chosen: the zoom stays, the focus still moves
    m_w->cboZoom->setCurrentIndex(-1);
    m_w->cboZoom->setFocus();
    m_w->cboZoomChange();
    QCOMPARE(m_w->Prev->zoomPercent(), 75);
    QCOMPARE(QApplication::focusWidget(), m_w->ePageNumber);
}

void TestReportPreview::wheelStepScrollsTenPixels()
{
    QVERIFY(m_w->Prev->verticalScrollBar()->maximum() > 30);
    QCOMPARE(m_w->Prev->verticalPosition(), 0);
    sendWheel(m_w->Prev->viewport(), -120);
    QCOMPARE(m_w->Prev->verticalPosition(), 10);
    // anywhere in the window, the tool bar too
    sendWheel(m_w->lblStatus, -120);
    QCOMPARE(m_w->Prev->verticalPosition(), 20);
    sendWheel(m_w->cboZoom, 120);
    QCOMPARE(m_w->Prev->verticalPosition(), 10);
    QCOMPARE(m_w->cboZoom->currentIndex(), 6);
    sendWheel(m_w->Prev->viewport(), -240); // two steps at once
    QCOMPARE(m_w->Prev->verticalPosition(), 30);
    for (int i = 0; i < 10; ++i)
        sendWheel(m_w->Prev->viewport(), 120);
    QCOMPARE(m_w->Prev->verticalPosition(), 0);
    const int max = m_w->Prev->verticalScrollBar()->maximum();
    for (int i = 0; i < max / 10 + 5; ++i)
        sendWheel(m_w->Prev->viewport(), -120);
    QCOMPARE(m_w->Prev->verticalPosition(), max);
}

void TestReportPreview::closeFreesTheWindow()
{
    QTest::mouseClick(m_w->bClose, Qt::LeftButton);
    QTRY_VERIFY(m_w.isNull());
    QCOMPARE(frmRBPreview, nullptr);
    // the report stays with its owner
    QCOMPARE(m_report->r.rpt.pageCount(), 3);
}

void TestReportPreview::saveToPdfAndPng()
{
    const QString pdf = m_dir.filePath(QStringLiteral("week.pdf"));
    m_messages->modals.push_back([&](QDialog& d) {
        auto& fd = dynamic_cast<QFileDialog&>(d);
        QCOMPARE(fd.acceptMode(), QFileDialog::AcceptSave);
        fd.selectFile(pdf);
        d.accept(); // QFileDialog keeps accept() to itself
    });
    QTest::mouseClick(m_w->bSave, Qt::LeftButton);
    QVERIFY(m_messages->errors().isEmpty());
    QCOMPARE(pdfPages(pdf), 3);

    m_messages->modals.push_back([&](QDialog& d) {
        auto& fd = dynamic_cast<QFileDialog&>(d);
        fd.selectNameFilter(fd.nameFilters().at(1));
        fd.selectFile(m_dir.filePath(QStringLiteral("week.png")));
        d.accept(); // QFileDialog keeps accept() to itself
    });
    QTest::mouseClick(m_w->bSave, Qt::LeftButton);
    QVERIFY(m_messages->errors().isEmpty());
    for (int n = 1; n <= 3; ++n)
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("week-%1.png").arg(n))));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("week-4.png"))));

    // the functions behind the button, and a cancelled dialog
    QCOMPARE(m_w->exportPng(m_dir.path()).size(), 3);
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("Schedule-3.png"))));
    m_w->exportPdf(m_dir.filePath(QStringLiteral("direct.pdf")));
    QCOMPARE(pdfPages(m_dir.filePath(QStringLiteral("direct.pdf"))), 3);
    QTest::mouseClick(m_w->bSave, Qt::LeftButton); // no driver: cancelled
    QVERIFY(m_messages->errors().isEmpty());
}

namespace {

// Prints to a PDF file through the dialog's own file field; optionally
// with other paper, set on the printer as its properties would.
std::function<void(QDialog&)> printToFile(const QString& path, std::function<void(QPrintDialog&)> more = {})
{
    return [path, more](QDialog& d) {
        auto& pd = dynamic_cast<QPrintDialog&>(d);
        QCOMPARE(pd.printer()->pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(pd.printer()->docName(), QStringLiteral("Report"));
        if (auto* file = pd.findChild<QLineEdit*>(QStringLiteral("filename")))
            file->setText(path);
        pd.printer()->setOutputFileName(path);
        if (more)
            more(pd);
        pd.accept();
    };
}

} // namespace

void TestReportPreview::printThroughTheDialog()
{
    QStringList states;
    connect(m_w->Prev, &ReportViewer::printStateChanged, this, [&] { states << m_w->Prev->statusText(); });
    const QString pdf = m_dir.filePath(QStringLiteral("printed.pdf"));
    m_messages->modals.push_back(printToFile(pdf));
    QTest::mouseClick(m_w->bRight, Qt::LeftButton);
    QTest::mouseClick(m_w->bPrint, Qt::LeftButton);
    QVERIFY2(m_messages->errors().isEmpty(), qPrintable(m_messages->errors().join(u'\n')));
    QString size;
    QCOMPARE(pdfPages(pdf, &size), 3);
    QCOMPARE(size, QStringLiteral("792 x 612"));
    QVERIFY(states.contains(QStringLiteral("Printing page 3 of 3")));
    QCOMPARE(m_w->lblStatus->text(), QStringLiteral("3 pages"));
    QCOMPARE(m_w->Prev->pageNumber(), 2); // back on the page shown
    QCOMPARE(m_w->ePageNumber->text(), QStringLiteral("2"));

    // cancelled: nothing printed
    QFile::remove(pdf);
    QTest::mouseClick(m_w->bPrint, Qt::LeftButton);
    QVERIFY(!QFile::exists(pdf));
}

void TestReportPreview::paperChangeLaysOutAgain()
{
    const QString pdf = m_dir.filePath(QStringLiteral("a4.pdf"));
    m_messages->modals.push_back(printToFile(pdf, [](QPrintDialog& pd) {
        pd.printer()->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    }));
    const int imageWidth = m_w->Prev->widget()->width();
    QTest::mouseClick(m_w->bPrint, Qt::LeftButton);
    QVERIFY2(m_messages->errors().isEmpty(), qPrintable(m_messages->errors().join(u'\n')));
    QString size;
    const int pages = pdfPages(pdf, &size);
    QCOMPARE(size, QStringLiteral("595 x 842")); // A4 portrait
    // a taller page holds more: the preview shows the new pages
    QCOMPARE(m_w->Prev->pageCount(), pages);
    QVERIFY(m_w->Prev->widget()->width() < imageWidth);
    QCOMPARE(m_w->lblStatus->text(), QStringLiteral("%1 pages").arg(pages));
}

QUENDAL_TEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
