#include "ReportLayout.h"

#include <algorithm>
#include <stdexcept>

namespace ReportLayout {

namespace {

// Millimetre sums of band heights are not exact in binary.
constexpr double kEpsilon = 1e-6;

class Cursor {
public:
    explicit Cursor(const Input& in) : m_in(in), m_top(in.page.columnTop()), m_bottom(in.page.columnBottom()) {}

    std::vector<Page> pages;

    int levels() const { return int(m_in.groups.size()); }
    const GroupBands& group(int g) const { return m_in.groups[g]; }

    double remaining() const { return m_bottom - m_y; }
    bool fits(double h) const { return h <= remaining() + kEpsilon; }
    bool columnEmpty() const { return !m_columnUsed; }
    bool pageEmpty() const { return !pages.empty() && pages.back().bands.empty(); }

    void newPage(bool resetNumber, int row)
    {
        const int number = pages.empty() || resetNumber ? 1 : pages.back().number + 1;
        pages.push_back(Page{number, row, {}});
        m_column = 0;
        m_y = m_top;
        m_columnUsed = false;
    }

    void nextColumn(int row)
    {
        if (m_column + 1 < int(m_in.page.columnLefts.size())) {
            ++m_column;
            m_y = m_top;
            m_columnUsed = false;
        } else {
            newPage(false, row);
        }
    }

    void place(Placement::Kind kind, int group, int row, double h, bool reprinted = false)
    {
        if (h <= 0)
            return;
        pages.back().bands.push_back(Placement{kind, group, row, m_column, m_y, reprinted});
        m_y += h;
        m_columnUsed = true;
    }

    // Ends the column: nothing more goes into it.
    void fillColumn() { m_y = m_bottom; }

private:
    const Input& m_in;
    double m_top;
    double m_bottom;
    double m_y = 0;
    int m_column = 0;
    bool m_columnUsed = false;
};

int levelAt(const Input& in, int row)
{
    return row == 0 ? 0 : std::clamp(in.breakLevel[row], 0, int(in.groups.size()));
}

// The height that must stand together for the group of level g starting
// at row first: its header, its rows with the inner groups' bands between
// them, and its footer when that shows something. Also returns the row
// after the block.
double blockHeight(const Input& in, int g, int first, int& end)
{
    const int levels = int(in.groups.size());
    const int rows = int(in.breakLevel.size());
    double h = 0;
    int row = first;
    for (; row < rows; ++row) {
        const int level = row == first ? g : levelAt(in, row);
        if (row != first && level <= g)
            break;
        if (row != first)
            for (int k = levels - 1; k >= level; --k)
                h += in.groups[k].footerHeight;
        for (int k = level; k < levels; ++k)
            h += in.groups[k].headerHeight;
        h += in.detailHeight;
    }
    for (int k = levels - 1; k > g; --k)
        h += in.groups[k].footerHeight;
    if (in.groups[g].footerHasContent)
        h += in.groups[g].footerHeight;
    end = row;
    return h;
}

} // namespace

std::vector<Page> layOut(const Input& in)
{
    const double columnHeight = in.page.columnHeight();
    if (columnHeight <= kEpsilon || in.page.columnLefts.empty())
        throw std::runtime_error("The paper is too small for the report's columns");

    Cursor c(in);
    const int levels = c.levels();
    const int rows = int(in.breakLevel.size());
    c.newPage(true, rows > 0 ? 0 : -1);

    // Splitting a block happens only inside a kept-together group that did
    // not fit a whole column; until the row given here, headers of the
    // groups open then are repeated in each new column.
    int splitUntil = -1;
    std::vector<int> openHeaderRow(levels, -1);

    // A band goes to the next column when it does not fit; a header takes
    // its first row along so that it never stands alone at a column's end.
    auto flow = [&](Placement::Kind kind, int g, int row, double h, double withNext) {
        if (!c.columnEmpty() && !c.fits(h + withNext)) {
            c.nextColumn(row);
            if (row < splitUntil && kind == Placement::Detail)
                for (int k = 0; k < levels; ++k)
                    if (openHeaderRow[k] >= 0 && c.group(k).reprintHeader)
                        c.place(Placement::GroupHeader, k, row, c.group(k).headerHeight, true);
        }
        c.place(kind, g, row, h);
    };

    auto closeGroups = [&](int downTo, int lastRow) {
        for (int k = levels - 1; k >= downTo; --k) {
            const GroupBands& gb = c.group(k);
            openHeaderRow[k] = -1;
            if (gb.footerHeight <= 0)
                continue;
            if (c.fits(gb.footerHeight))
                c.place(Placement::GroupFooter, k, lastRow, gb.footerHeight);
            else if (gb.footerHasContent)
                flow(Placement::GroupFooter, k, lastRow, gb.footerHeight, 0);
            else
                c.fillColumn();
        }
    };

    for (int row = 0; row < rows; ++row) {
        const int level = levelAt(in, row);
        if (row > 0 && level < levels)
            closeGroups(level, row - 1);
        for (int g = level; g < levels; ++g) {
            const GroupBands& gb = c.group(g);
            if (gb.newPage && !c.pageEmpty())
                c.newPage(gb.resetPageNumber, row);
            else if (gb.resetPageNumber && c.pageEmpty())
                c.pages.back().number = 1;
            if (gb.keepTogether) {
                int end = row;
                const double h = blockHeight(in, g, row, end);
                if (!c.fits(h)) {
                    if (h <= columnHeight + kEpsilon) {
                        c.nextColumn(row);
                    } else {
                        // Taller than any column: start it on a fresh one and split.
                        if (!c.columnEmpty())
                            c.nextColumn(row);
                        splitUntil = std::max(splitUntil, end);
                    }
                }
            }
            double withNext = in.detailHeight;
            for (int k = g + 1; k < levels; ++k)
                withNext += c.group(k).headerHeight;
            openHeaderRow[g] = row;
            if (gb.headerHeight > 0)
                flow(Placement::GroupHeader, g, row, gb.headerHeight, withNext);
        }
        flow(Placement::Detail, -1, row, in.detailHeight, 0);
    }
    if (rows > 0)
        closeGroups(0, rows - 1);
    return c.pages;
}

} // namespace ReportLayout
