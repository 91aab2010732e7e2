#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// A read-only grid of text cells addressed as (column, row). The first
// fixedRows() rows stay at the top, the last fixedFooters() rows stay at the
// bottom, and the first fixedCols() columns stay at the left while the rest
// scroll; fixed cells are drawn bold on a shade.
class TStringGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    using AlignmentProvider = std::function<Qt::Alignment(int row, int col)>;

    explicit TStringGrid(QWidget* parent = nullptr);

    int colCount() const { return int(m_widths.size()); }
    void setColCount(int cols);
    int rowCount() const { return int(m_cells.size()); }
    void setRowCount(int rows);
    // Inserts an empty row before row.
    void insertRow(int row);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    QStringList rowTexts(int row) const;

    int colWidth(int col) const { return m_widths.at(col); }
    void setColWidth(int col, int pixels);
    int defaultRowHeight() const { return m_rowHeight; }
    void setDefaultRowHeight(int pixels);

    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows);
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int cols);
    int fixedFooters() const { return m_fixedFooters; }
    void setFixedFooters(int rows);

    // The horizontal alignment of a cell (GetAlignment); left when none is set.
    void setAlignmentProvider(AlignmentProvider provider);
    Qt::Alignment alignment(int row, int col) const;

    // Where a cell is drawn now, in viewport coordinates; empty when hidden.
    QRect cellRect(int col, int row) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    int bodyRows() const;
    int footerTop() const;
    int fixedWidth() const;
    int totalWidth() const;
    void paintCell(QPainter& p, int col, int row, const QRect& r) const;

    std::vector<QStringList> m_cells; // by row
    std::vector<int> m_widths;
    int m_rowHeight = 21;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_fixedFooters = 0;
    AlignmentProvider m_alignment;
};
