#include "ReportViewer.h"

#include "BandReport.h"
#include "app/HourglassCursor.h"
#include "app/MessageBoxes.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <stdexcept>

// The page image with a border and a shadow, on the window colour.
class ReportViewer::PageView : public QWidget {
public:
    static constexpr int kGap = 12;
    explicit PageView(QWidget* parent) : QWidget(parent) {}

    void setPage(const QImage& page)
    {
        m_page = page;
        const QSizeF logical = page.isNull() ? QSizeF() : QSizeF(page.size()) / page.devicePixelRatio();
        setFixedSize(qCeil(logical.width()) + 2 * kGap, qCeil(logical.height()) + 2 * kGap);
        update();
    }
    const QImage& page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        if (m_page.isNull())
            return;
        const QSizeF size = QSizeF(m_page.size()) / m_page.devicePixelRatio();
        const QRectF paper(kGap, kGap, size.width(), size.height());
        p.fillRect(paper.translated(4, 4), QColor(0, 0, 0, 70));
        p.drawImage(paper.topLeft(), m_page);
        p.setPen(QColor(110, 110, 110));
        p.drawRect(paper.adjusted(-1, -1, 0, 0));
    }

private:
    QImage m_page;
};

// Sets a working state with its status and goes back to idle on every way out.
class ReportViewer::StateScope {
public:
    StateScope(ReportViewer& v, PrintState s, const QString& status) : m_v(v) { m_v.setState(s, status); }
    ~StateScope() { m_v.setState(PrintState::Idle, m_v.idleStatus()); }
    StateScope(const StateScope&) = delete;
    StateScope& operator=(const StateScope&) = delete;

private:
    ReportViewer& m_v;
};

ReportViewer::ReportViewer(QWidget* parent) : QScrollArea(parent), m_view(new PageView(this))
{
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Window);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWidget(m_view);
    setWidgetResizable(false);
}

ReportViewer::~ReportViewer() = default;

int ReportViewer::pageCount() const
{
    return m_report && m_report->generated() ? m_report->pageCount() : 0;
}

void ReportViewer::setState(PrintState state, const QString& status)
{
    m_state = state;
    m_status = status;
    emit printStateChanged();
}

QString ReportViewer::idleStatus() const
{
    const int n = pageCount();
    return n == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(n);
}

void ReportViewer::generate()
{
    if (!m_report)
        return;
    {
        HourglassCursor wait;
        StateScope state(*this, PrintState::Generating, QStringLiteral("Generating the report"));
        m_report->generate();
    }
    m_page = 1;
    render();
}

void ReportViewer::showPage(int number)
{
    m_page = std::clamp(number, 1, std::max(1, pageCount()));
    render();
}

void ReportViewer::nextPage()
{
    if (!isLastPage())
        showPage(m_page + 1);
}

void ReportViewer::priorPage()
{
    if (!isFirstPage())
        showPage(m_page - 1);
}

void ReportViewer::setZoomPercent(int percent)
{
    m_zoom = std::clamp(percent, 1, 1000);
    render();
}

int ReportViewer::verticalPosition() const
{
    return verticalScrollBar()->value();
}

void ReportViewer::setVerticalPosition(int pixels)
{
    verticalScrollBar()->setValue(pixels);
}

void ReportViewer::render()
{
    if (pageCount() == 0) {
        m_view->setPage(QImage());
        return;
    }
    const double ratio = devicePixelRatioF();
    const double dpi = logicalDpiX() * m_zoom / 100.0 * ratio;
    const QSizeF mm = m_report->paperSize();
    QImage img(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi), QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    img.fill(Qt::white);
    {
        QPainter p(&img);
        m_report->paintPage(p, m_page - 1);
    }
    img.setDevicePixelRatio(ratio);
    m_view->setPage(img);
}

void ReportViewer::print()
{
    if (pageCount() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_report->jobName);
    printer.setFullPage(true);
    printer.setPageLayout(m_report->pageLayout());
    QPrintDialog dialog(&printer, window());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                      | QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintCurrentPage
                      | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, pageCount());
    if (Messages::execModal(dialog) != QDialog::Accepted)
        return;
    const QSizeF before = m_report->paperSize();
    bool laidOut = false;
    try {
        HourglassCursor wait;
        StateScope state(*this, PrintState::Generating, QStringLiteral("Generating the report"));
        // Laid out again for the printer's paper; the preview follows.
        m_report->setPaperSize(printer.pageLayout().fullRect(QPageLayout::Millimeter).size());
        m_report->generate();
        laidOut = true;
        printPages(printer);
    } catch (...) {
        if (!laidOut)
            m_report->setPaperSize(before); // the pages still are those of the old paper
        showPage(m_page);
        throw;
    }
    showPage(m_page);
}

void ReportViewer::printPages(QPrinter& printer)
{
    const int count = pageCount();
    int from = 1;
    int to = count;
    if (printer.printRange() == QPrinter::PageRange) {
        from = std::max(1, printer.fromPage());
        to = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        from = to = std::min(m_page, count);
    }
    if (from > to)
        return;
    // Without the print system's own copies, each copy is printed here.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    std::vector<int> order;
    if (printer.collateCopies()) {
        for (int c = 0; c < copies; ++c)
            for (int n = from; n <= to; ++n)
                order.push_back(n);
    } else {
        for (int n = from; n <= to; ++n)
            order.insert(order.end(), copies, n);
    }
    QPainter p;
    if (!p.begin(&printer))
        throw std::runtime_error("The printer could not be started");
    for (size_t i = 0; i < order.size(); ++i) {
        setState(PrintState::Printing, QStringLiteral("Printing page %1 of %2").arg(order[i]).arg(count));
        if (i > 0)
            printer.newPage();
        m_report->paintPage(p, order[i] - 1);
    }
    p.end();
}

void ReportViewer::exportPdf(const QString& path)
{
    if (pageCount() == 0)
        return;
    HourglassCursor wait;
    StateScope state(*this, PrintState::Saving, QStringLiteral("Saving %1").arg(path));
    m_report->exportPdf(path);
}

QStringList ReportViewer::exportPng(const QString& folder, const QString& baseName)
{
    if (pageCount() == 0)
        return {};
    HourglassCursor wait;
    StateScope state(*this, PrintState::Saving, QStringLiteral("Saving the pages in %1").arg(folder));
    return m_report->exportPng(folder, baseName);
}
