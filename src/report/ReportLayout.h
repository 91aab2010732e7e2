#pragma once

#include <vector>

// Where the bands of a banded report go: which row lands on which page, in
// which column and at what height. Pure geometry in millimetres, computed
// once per generation, so the page count is known before anything is painted.
namespace ReportLayout {

struct PageSetup {
    double paperWidth = 279.4; // landscape Letter
    double paperHeight = 215.9;
    double marginLeft = 6.35;
    double marginTop = 6.35;
    double marginRight = 6.35;
    double marginBottom = 6.35;
    // Each column's left edge, from the paper's left edge.
    std::vector<double> columnLefts{6.35, 139.7};
    double columnWidth = 133.35;
    double headerHeight = 0; // page header band, on every page
    double footerHeight = 0; // page footer band, on every page
    double columnHeaderHeight = 0;
    double columnFooterHeight = 0;

    double columnTop() const { return marginTop + headerHeight + columnHeaderHeight; }
    double columnBottom() const { return paperHeight - marginBottom - footerHeight - columnFooterHeight; }
    double columnHeight() const { return columnBottom() - columnTop(); }
    double footerTop() const { return paperHeight - marginBottom - footerHeight; }
};

struct GroupBands {
    double headerHeight = 0;
    double footerHeight = 0;
    bool newPage = false; // each group starts on a page of its own
    bool resetPageNumber = false; // and its pages count from 1
    bool keepTogether = false; // header and rows in one column when they fit in one
    bool reprintHeader = false; // a block split over columns repeats its header
    bool footerHasContent = false; // an empty footer is only space, cut at a column's end
};

struct Input {
    PageSetup page;
    std::vector<GroupBands> groups; // outermost first
    double detailHeight = 0;
    // Per row: the outermost group level that starts at this row, or
    // groups.size() when the row continues the groups of the row before.
    // Row 0 starts every group whatever it says.
    std::vector<int> breakLevel;
};

struct Placement {
    enum Kind { GroupHeader, Detail, GroupFooter };
    Kind kind = Detail;
    int group = -1; // level, for headers and footers
    int row = 0; // the row the band prints with
    int column = 0;
    double top = 0; // from the paper's top edge
    bool reprinted = false; // a header repeated above the rest of a split block
};

struct Page {
    int number = 1; // counted within its outermost page-numbering group
    int firstRow = -1; // the row current when the page starts; -1 without rows
    std::vector<Placement> bands;
};

// Raises std::runtime_error when the paper leaves no room for a column.
std::vector<Page> layOut(const Input& input);

} // namespace ReportLayout
