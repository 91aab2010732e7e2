#pragma once

#include <QImage>
#include <QScrollArea>
#include <QString>

class BandReport;
class QPrinter;

// The page view of the preview: one page of a generated report at a zoom,
// drawn on the window colour, and printing through the print dialog.
class ReportViewer : public QScrollArea {
    Q_OBJECT
public:
    enum class PrintState { Idle, Generating, Printing, Saving };

    explicit ReportViewer(QWidget* parent = nullptr);
    ~ReportViewer() override;

    void setReport(BandReport* report) { m_report = report; }
    BandReport* report() const { return m_report; }

    // Lays the report out again and shows its first page.
    void generate();

    // Page numbers count the whole report from 1; numbers out of range
    // show the first or the last page.
    void showPage(int number);
    void nextPage();
    void priorPage();
    int pageNumber() const { return m_page; }
    int pageCount() const;
    bool isLastPage() const { return m_page >= pageCount(); }
    bool isFirstPage() const { return m_page <= 1; }

    void setZoomPercent(int percent);
    int zoomPercent() const { return m_zoom; }

    // The print dialog (printer, pages, copies, print to file), then the
    // printer; the report is generated again for the printer's paper.
    void print();
    // Pages are the ones shown, written to files.
    void exportPdf(const QString& path);
    QStringList exportPng(const QString& folder, const QString& baseName);

    int verticalPosition() const;
    void setVerticalPosition(int pixels); // kept within the view's range

    PrintState printState() const { return m_state; }
    QString statusText() const { return m_status; }

signals:
    void printStateChanged();

private:
    class PageView;
    class StateScope;
    void setState(PrintState state, const QString& status);
    QString idleStatus() const;
    void render();
    void printPages(QPrinter& printer);

    BandReport* m_report = nullptr;
    PageView* m_view;
    int m_page = 1;
    int m_zoom = 100;
    PrintState m_state = PrintState::Idle;
    QString m_status;
};
