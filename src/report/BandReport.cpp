#include "BandReport.h"

#include "ReportFormat.h"
#include "data/FbError.h"
#include "data/LocaleFormat.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <stdexcept>

// ---- data

void ReportData::setFields(const QStringList& names)
{
    m_fields = names;
    m_index.clear();
    for (int i = 0; i < names.size(); ++i)
        m_index.insert(names[i].toUpper(), i);
}

void ReportData::clear()
{
    m_rows.clear();
}

int ReportData::fieldIndex(const QString& name) const
{
    return m_index.value(name.toUpper(), -1);
}

const FbValue& ReportData::value(int row, const QString& field) const
{
    const int i = fieldIndex(field);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Field %1 not found").arg(field));
    return m_rows.at(row).at(i);
}

// ---- elements and bands

QFont ReportElement::font() const
{
    QFont f(fontName);
    f.setPointSizeF(fontSize);
    f.setBold(bold);
    return f;
}

ReportElement* ReportBand::place(ReportElement::Kind kind, const QString& name, double left, double top,
                                 double width)
{
    auto e = std::make_unique<ReportElement>(kind, name);
    e->left = left;
    e->top = top;
    e->width = width;
    elements.push_back(std::move(e));
    return elements.back().get();
}

ReportElement* ReportBand::addText(ReportElement::Kind kind, const QString& name, double anchor, double top,
                                   Qt::Alignment alignment)
{
    ReportElement* e = place(kind, name, anchor, top, 0);
    e->autoSize = true;
    e->alignment = alignment;
    return e;
}

ReportElement* ReportBand::addBox(ReportElement::Kind kind, const QString& name, double left, double right,
                                  double top, Qt::Alignment alignment)
{
    ReportElement* e = place(kind, name, left, top, right - left);
    e->alignment = alignment;
    return e;
}

ReportElement* ReportBand::addShape(const QString& name, double left, double top, double width, double height)
{
    ReportElement* e = place(ReportElement::Shape, name, left, top, width);
    e->height = height;
    return e;
}

ReportElement* ReportBand::addLine(const QString& name, double left, double top, double length, double weightPt)
{
    ReportElement* e = place(ReportElement::Line, name, left, top, length);
    e->penWidthPt = weightPt;
    return e;
}

// ---- report

QString BandReport::printedText(const QDateTime& dt)
{
    // Short forms: the long time's seconds would run into "Printed".
    QString time = QLocale().toString(dt.time(), QLocale::ShortFormat);
    time.replace(QChar(0x202F), u' ').replace(QChar(0x00A0), u' ');
    return LocaleFormat::shortDate(dt.date()) + u' ' + time;
}

ReportGroup* BandReport::addGroup(const QString& breakField)
{
    groups.push_back(std::make_unique<ReportGroup>());
    groups.back()->breakField = breakField;
    return groups.back().get();
}

void BandReport::generate()
{
    ReportData fresh;
    if (openData)
        openData(fresh);

    ReportLayout::Input in;
    in.page = page;
    in.page.headerHeight = header.height;
    in.page.footerHeight = footer.height;
    in.detailHeight = detail.height;
    for (const auto& g : groups) {
        ReportLayout::GroupBands gb;
        gb.headerHeight = g->header.height;
        gb.footerHeight = g->footer.height;
        gb.newPage = g->newPage;
        gb.resetPageNumber = g->resetPageNumber;
        gb.keepTogether = g->keepTogether;
        gb.reprintHeader = g->reprintHeader;
        gb.footerHasContent = !g->footer.elements.empty();
        in.groups.push_back(gb);
    }
    const int levels = int(groups.size());
    in.breakLevel.assign(fresh.rowCount(), levels);
    for (int row = 1; row < fresh.rowCount(); ++row)
        for (int g = 0; g < levels; ++g)
            if (!(fresh.value(row, groups[g]->breakField) == fresh.value(row - 1, groups[g]->breakField))) {
                in.breakLevel[row] = g;
                break;
            }
    if (fresh.rowCount() > 0)
        for (const auto& g : groups)
            fresh.value(0, g->breakField); // a missing break field raises here

    auto pages = ReportLayout::layOut(in);
    m_data = std::move(fresh);
    m_pages = std::move(pages);
    m_printed = QDateTime::currentDateTime();
    m_generated = true;
}

const FbValue& BandReport::value(const QString& field) const
{
    static const FbValue none;
    if (!hasCurrentRow())
        return none;
    return m_data.value(m_current, field);
}

QString BandReport::textOf(const ReportElement& e)
{
    switch (e.kind) {
    case ReportElement::Label:
        return e.caption;
    case ReportElement::DBText:
        return hasCurrentRow() ? ReportFormat::display(value(e.dataField), e.displayFormat) : QString();
    case ReportElement::Variable: {
        QString v;
        if (e.onCalc)
            e.onCalc(v);
        return v;
    }
    case ReportElement::SystemVariable:
        return printedText(m_printed);
    case ReportElement::Shape:
    case ReportElement::Line:
        break;
    }
    return QString();
}

void BandReport::collectBand(std::vector<Item>& out, ReportBand& band, double left, double top, int row)
{
    m_current = row;
    if (band.beforePrint)
        band.beforePrint();
    for (const auto& e : band.elements)
        out.push_back(Item{e.get(), textOf(*e), left, top, row});
}

std::vector<BandReport::Item> BandReport::pageItems(int index)
{
    const ReportLayout::Page& pg = m_pages.at(index);
    std::vector<Item> out;
    struct Reset {
        int& current;
        ~Reset() { current = -1; }
    } reset{m_current};
    collectBand(out, header, page.marginLeft, page.marginTop, pg.firstRow);
    int last = pg.firstRow;
    for (const auto& b : pg.bands) {
        ReportBand* band = &detail;
        if (b.kind == ReportLayout::Placement::GroupHeader)
            band = &groups[b.group]->header;
        else if (b.kind == ReportLayout::Placement::GroupFooter)
            band = &groups[b.group]->footer;
        collectBand(out, *band, page.columnLefts.at(b.column), b.top, b.row);
        last = b.row;
    }
    collectBand(out, footer, page.marginLeft, page.paperHeight - page.marginBottom - footer.height, last);
    return out;
}

namespace {

// The characters a box shows: those that start inside it, from the side
// its alignment writes from.
QString cutToBox(const QFontMetricsF& fm, const QString& text, double width, Qt::Alignment align)
{
    if (fm.horizontalAdvance(text) <= width || (align & Qt::AlignHCenter))
        return text;
    const bool fromRight = align & Qt::AlignRight;
    int keep = 0;
    for (int k = 1; k <= text.size(); ++k) {
        const QString before = fromRight ? text.right(k - 1) : text.left(k - 1);
        if (fm.horizontalAdvance(before) >= width)
            break;
        keep = k;
    }
    return fromRight ? text.right(keep) : text.left(keep);
}

} // namespace

void BandReport::paintPage(QPainter& p, int index)
{
    const auto items = pageItems(index);
    QPaintDevice* dev = p.device();
    const double sx = dev->logicalDpiX() / 25.4;
    const double sy = dev->logicalDpiY() / 25.4;
    const double ptToMm = 25.4 / 72.0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setBrush(Qt::NoBrush);
    for (const Item& it : items) {
        const ReportElement& e = *it.element;
        const double x = (it.bandLeft + e.left) * sx;
        const double y = (it.bandTop + e.top) * sy;
        switch (e.kind) {
        case ReportElement::Shape: {
            QPen pen(e.color, e.penWidthPt * ptToMm * sx);
            p.setPen(pen);
            const double r = e.cornerRadius * sx;
            p.drawRoundedRect(QRectF(x, y, e.width * sx, e.height * sy), r, r);
            break;
        }
        case ReportElement::Line: {
            const double w = e.penWidthPt * ptToMm;
            QPen pen(e.color, w * sy);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            const double ly = y + w / 2 * sy;
            p.drawLine(QPointF(x, ly), QPointF(x + e.width * sx, ly));
            break;
        }
        default: {
            if (it.text.isEmpty())
                break;
            const QFont f = e.font();
            const QFontMetricsF fm(f, dev);
            QRectF r;
            QString text = it.text;
            if (e.autoSize) {
                const double w = fm.horizontalAdvance(text);
                double left = x;
                if (e.alignment & Qt::AlignRight)
                    left = x - w;
                else if (e.alignment & Qt::AlignHCenter)
                    left = x - w / 2;
                r = QRectF(left, y, w, fm.height());
            } else {
                r = QRectF(x, y, e.width * sx, fm.height());
                text = cutToBox(fm, text, r.width(), e.alignment);
            }
            p.save();
            if (!e.autoSize)
                p.setClipRect(r, Qt::IntersectClip);
            p.setFont(f);
            p.setPen(e.color);
            p.drawText(r, int(e.alignment | Qt::AlignTop) | Qt::TextSingleLine | Qt::TextDontClip, text);
            p.restore();
            break;
        }
        }
    }
    p.restore();
}

namespace {

QByteArray pdfString(const QString& s)
{
    QByteArray b = s.toLatin1();
    b.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
    return '(' + b + ')';
}

// QPdfWriter of this Qt has no author: an incremental update at the end of
// the file gives the document information an /Author entry.
void addPdfAuthor(const QString& path, const QString& author)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw std::runtime_error(QStringLiteral("Cannot write the file %1").arg(path).toStdString());
    const QByteArray pdf = file.readAll();
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt)
        return; // no classic trailer to extend
    const QString trailer = QString::fromLatin1(pdf.mid(trailerAt, startAt - trailerAt));
    const auto info = QRegularExpression(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R")).match(trailer);
    const auto root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+)\\s+0\\s+R")).match(trailer);
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(trailer);
    const auto prev = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)"))
                          .match(QString::fromLatin1(pdf.mid(startAt)));
    if (!info.hasMatch() || !root.hasMatch() || !size.hasMatch() || !prev.hasMatch())
        return;
    const QByteArray objHead = '\n' + info.captured(1).toLatin1() + " 0 obj";
    const qsizetype objAt = pdf.indexOf(objHead);
    const qsizetype dictAt = objAt < 0 ? -1 : pdf.indexOf("<<", objAt);
    const qsizetype endAt = objAt < 0 ? -1 : pdf.indexOf("endobj", objAt);
    const qsizetype dictEnd = endAt < 0 ? -1 : pdf.lastIndexOf(">>", endAt);
    if (dictAt < 0 || dictEnd < dictAt)
        return;
    QByteArray dict = pdf.mid(dictAt + 2, dictEnd - dictAt - 2);
    QString kept = QString::fromLatin1(dict);
    kept.remove(QRegularExpression(QStringLiteral("/Author\\s*(\\([^)]*\\)|<[^>]*>)")));
    dict = kept.toLatin1();
    QByteArray update = "\n";
    const qsizetype objOffset = pdf.size() + update.size();
    update += info.captured(1).toLatin1() + " 0 obj\n<<" + dict + "/Author " + pdfString(author) + "\n>>\nendobj\n";
    const qsizetype xrefOffset = pdf.size() + update.size();
    update += "xref\n0 1\n0000000000 65535 f \n" + info.captured(1).toLatin1() + " 1\n"
        + QByteArray::number(objOffset).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + size.captured(1).toLatin1() + "\n/Info " + info.captured(1).toLatin1()
        + " 0 R\n/Root " + root.captured(1).toLatin1() + " 0 R\n/Prev " + prev.captured(1).toLatin1()
        + "\n>>\nstartxref\n" + QByteArray::number(xrefOffset) + "\n%%EOF\n";
    file.seek(pdf.size());
    if (file.write(update) != update.size())
        throw std::runtime_error(QStringLiteral("Cannot write the file %1").arg(path).toStdString());
}

} // namespace

QPageLayout BandReport::pageLayout() const
{
    const QSizeF mm = paperSize();
    const bool landscape = mm.width() > mm.height();
    const QSizeF portrait = landscape ? mm.transposed() : mm;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void BandReport::exportPdf(const QString& path)
{
    {
        QPdfWriter writer(path);
        writer.setPageLayout(pageLayout());
        writer.setTitle(jobName);
        writer.setCreator(pdfCreator);
        QPainter p;
        if (!p.begin(&writer))
            throw std::runtime_error(QStringLiteral("Cannot write the file %1").arg(path).toStdString());
        for (int i = 0; i < pageCount(); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(p, i);
        }
        p.end();
    }
    if (!pdfAuthor.isEmpty())
        addPdfAuthor(path, pdfAuthor);
}

QStringList BandReport::exportPng(const QString& folder, const QString& baseName, int dpi)
{
    QStringList files;
    const QSize px(qRound(page.paperWidth / 25.4 * dpi), qRound(page.paperHeight / 25.4 * dpi));
    for (int i = 0; i < pageCount(); ++i) {
        QImage img(px, QImage::Format_RGB32);
        img.setDotsPerMeterX(qRound(dpi / 0.0254));
        img.setDotsPerMeterY(qRound(dpi / 0.0254));
        img.fill(Qt::white);
        {
            QPainter p(&img);
            paintPage(p, i);
        }
        const QString file = QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(baseName).arg(i + 1));
        if (!img.save(file, "PNG"))
            throw std::runtime_error(QStringLiteral("Cannot write the file %1").arg(file).toStdString());
        files << file;
    }
    return files;
}
