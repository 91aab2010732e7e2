#pragma once

#include "ReportLayout.h"
#include "data/FbValue.h"

#include <QColor>
#include <QPageLayout>
#include <QDateTime>
#include <QHash>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QFont;
class QPainter;
class QPaintDevice;

// A small banded report engine: a page header and footer on every page,
// groups that break on a field, detail bands for the rows, newspaper
// columns. The layout is computed once per generation (ReportLayout);
// painting goes to any QPaintDevice: screen page images, printer, PDF, PNG.

// The rows a report prints, fetched once per generation.
class ReportData {
public:
    void setFields(const QStringList& names);
    void addRow(std::vector<FbValue> row) { m_rows.push_back(std::move(row)); }
    void clear();

    int rowCount() const { return int(m_rows.size()); }
    int fieldIndex(const QString& name) const; // -1 when there is none
    // Raises DatabaseError for a field the data does not have.
    const FbValue& value(int row, const QString& field) const;
    const QStringList& fields() const { return m_fields; }

private:
    QStringList m_fields;
    QHash<QString, int> m_index; // upper-case name to column
    std::vector<std::vector<FbValue>> m_rows;
};

class ReportElement {
public:
    enum Kind { Label, DBText, Variable, SystemVariable, Shape, Line };
    ReportElement(Kind kind, const QString& name) : kind(kind), name(name) {}

    Kind kind;
    QString name;
    // Millimetres from the band's origin. A text sized to its text has no
    // width: left is then its anchor, the left edge, right edge or centre
    // after its alignment. A fixed box cuts its text at its edges.
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool autoSize = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    QString fontName = QStringLiteral("Arial");
    double fontSize = 10;
    bool bold = false;
    QColor color = Qt::black;
    double penWidthPt = 1; // lines and shapes
    double cornerRadius = 0; // shapes, millimetres

    QString caption; // Label
    QString dataField; // DBText
    QString displayFormat; // DBText
    std::function<void(QString& value)> onCalc; // Variable

    QFont font() const;
};

class ReportBand {
public:
    explicit ReportBand(double heightMm = 0) : height(heightMm) {}
    double height;
    std::vector<std::unique_ptr<ReportElement>> elements;
    // Runs before the band prints, with the row it prints for current.
    std::function<void()> beforePrint;

    // A text sized to its text, anchored after its alignment.
    ReportElement* addText(ReportElement::Kind kind, const QString& name, double anchor, double top,
                           Qt::Alignment alignment = Qt::AlignLeft);
    // A text in a fixed box from left to right that cuts its text.
    ReportElement* addBox(ReportElement::Kind kind, const QString& name, double left, double right, double top,
                          Qt::Alignment alignment = Qt::AlignLeft);
    ReportElement* addShape(const QString& name, double left, double top, double width, double height);
    ReportElement* addLine(const QString& name, double left, double top, double length, double weightPt);

private:
    ReportElement* place(ReportElement::Kind kind, const QString& name, double left, double top, double width);
};

class ReportGroup {
public:
    QString breakField;
    ReportBand header;
    ReportBand footer;
    bool newPage = false;
    bool resetPageNumber = false;
    bool keepTogether = false;
    bool reprintHeader = false;
};

class BandReport {
public:
    BandReport() = default;
    BandReport(const BandReport&) = delete;
    BandReport& operator=(const BandReport&) = delete;

    // Paper, margins and columns; band heights are taken from the bands.
    ReportLayout::PageSetup page;
    ReportBand header;
    ReportBand detail;
    ReportBand footer;
    std::vector<std::unique_ptr<ReportGroup>> groups;
    QString jobName = QStringLiteral("Report");
    QString pdfAuthor;
    QString pdfCreator;
    // Fetches the rows for a generation.
    std::function<void(ReportData&)> openData;

    ReportGroup* addGroup(const QString& breakField);
    void setPaperSize(QSizeF mm) { page.paperWidth = mm.width(); page.paperHeight = mm.height(); }
    QSizeF paperSize() const { return {page.paperWidth, page.paperHeight}; }
    // The paper as a page layout without margins: pages are painted whole.
    QPageLayout pageLayout() const;

    // Fetches the rows and lays out the pages; the printing time is now.
    void generate();
    bool generated() const { return m_generated; }
    int pageCount() const { return int(m_pages.size()); }
    const ReportLayout::Page& pageAt(int index) const { return m_pages.at(index); }
    const ReportData& data() const { return m_data; }
    QDateTime printDateTime() const { return m_printed; }
    void setPrintDateTime(const QDateTime& dt) { m_printed = dt; }
    // The printing date and time as the page header shows it.
    static QString printedText(const QDateTime& dt);

    // For the scripts: the row the band being printed belongs to.
    bool hasCurrentRow() const { return m_current >= 0 && m_current < m_data.rowCount(); }
    int currentRow() const { return m_current; }
    const FbValue& value(const QString& field) const;

    // One text, shape or line of a page, with the text it prints, at its
    // band's origin (millimetres from the paper's top-left corner).
    struct Item {
        const ReportElement* element;
        QString text;
        double bandLeft;
        double bandTop;
        int row; // -1 for the page header and footer without rows
    };
    std::vector<Item> pageItems(int index);

    // Paints a page; the painter's origin is the paper's top-left corner
    // and units are the device's pixels.
    void paintPage(QPainter& painter, int index);
    // Whole report out to files. Raise std::runtime_error when a file
    // cannot be written. PNG pages are <folder>/<baseName>-<n>.png.
    void exportPdf(const QString& path);
    QStringList exportPng(const QString& folder, const QString& baseName, int dpi = 150);

private:
    QString textOf(const ReportElement& e);
    void collectBand(std::vector<Item>& out, ReportBand& band, double left, double top, int row);

    ReportData m_data;
    std::vector<ReportLayout::Page> m_pages;
    QDateTime m_printed;
    int m_current = -1;
    bool m_generated = false;
};
