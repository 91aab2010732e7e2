#include "DBAdvNavigator.h"

#include "app/MessageBoxes.h"
#include "app/ProgramErrors.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

const QColor glyphColor(0x00, 0x00, 0x80);

// The button faces, drawn rather than shipped as images.
QIcon glyph(TDBAdvNavigator::Button b)
{
    constexpr int s = 16;
    QPixmap pm(s, s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(glyphColor);
    auto triangle = [&](qreal tipX, qreal baseX) {
        QPainterPath path;
        path.moveTo(tipX, 8);
        path.lineTo(baseX, 3);
        path.lineTo(baseX, 13);
        path.closeSubpath();
        p.drawPath(path);
    };
    QPen line(glyphColor, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    using B = TDBAdvNavigator;
    switch (b) {
    case B::First:
        p.drawRect(QRectF(3, 3, 2, 10));
        triangle(5.5, 12.5);
        break;
    case B::Prior:
        triangle(4.5, 11.5);
        break;
    case B::Next:
        triangle(11.5, 4.5);
        break;
    case B::Last:
        triangle(10.5, 3.5);
        p.drawRect(QRectF(11, 3, 2, 10));
        break;
    case B::Insert:
        p.drawRect(QRectF(7, 3, 2.2, 10));
        p.drawRect(QRectF(3, 6.9, 10, 2.2));
        break;
    case B::Delete:
        p.drawRect(QRectF(3, 6.9, 10, 2.2));
        break;
    case B::Edit: {
        QPainterPath path;
        path.moveTo(8, 3.5);
        path.lineTo(13, 12);
        path.lineTo(3, 12);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case B::Post:
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(3.5, 8.5), QPointF(6.5, 11.5), QPointF(12.5, 4.5)}));
        break;
    case B::Cancel:
        p.setPen(line);
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case B::Refresh: {
        p.setPen(QPen(glyphColor, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3.5, 3.5, 9, 9), 30 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(glyphColor);
        QPainterPath head;
        head.moveTo(13.8, 2.2);
        head.lineTo(14.2, 7.2);
        head.lineTo(9.6, 5.4);
        head.closeSubpath();
        p.drawPath(head);
        break;
    }
    case B::SetBookmark:
    case B::GotoBookmark: {
        QPainterPath flag;
        flag.moveTo(4, 2.5);
        flag.lineTo(11, 2.5);
        flag.lineTo(11, 13.5);
        flag.lineTo(7.5, 10.5);
        flag.lineTo(4, 13.5);
        flag.closeSubpath();
        if (b == B::SetBookmark) {
            p.drawPath(flag);
        } else {
            p.setPen(QPen(glyphColor, 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawPath(flag);
            p.setPen(Qt::NoPen);
            p.setBrush(glyphColor);
            QPainterPath arrow;
            arrow.moveTo(15.5, 8);
            arrow.lineTo(11.5, 5);
            arrow.lineTo(11.5, 11);
            arrow.closeSubpath();
            p.drawPath(arrow);
        }
        break;
    }
    }
    return QIcon(pm);
}

} // namespace

QString TDBAdvNavigator::hintOf(Button b)
{
    static const char* const hints[ButtonCount] = {"First", "Prior", "Next", "Last", "Insert", "Delete",
                                                   "Edit", "Post", "Cancel", "Refresh", "Set bookmark",
                                                   "Go to bookmark"};
    return QString::fromLatin1(hints[b]);
}

TDBAdvNavigator::TDBAdvNavigator(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int i = 0; i < ButtonCount; ++i) {
        const auto b = Button(i);
        auto* tb = new QToolButton(this);
        tb->setObjectName(hintOf(b));
        tb->setIcon(glyph(b));
        tb->setToolTip(hintOf(b));
        tb->setAutoRaise(false);
        tb->setFocusPolicy(Qt::NoFocus);
        tb->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(tb, &QToolButton::clicked, this, ProgramErrors::guarded([this, b] { click(b); }));
        row->addWidget(tb);
        m_buttons[i] = tb;
    }
    updateButtons();
}

void TDBAdvNavigator::setDataSource(FbDataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    m_bookmark = 0;
    if (source) {
        connect(source, &FbDataSource::stateChanged, this, &TDBAdvNavigator::updateButtons);
        connect(source, &FbDataSource::dataChanged, this, &TDBAdvNavigator::updateButtons);
    }
    updateButtons();
}

void TDBAdvNavigator::updateButtons()
{
    FbDataSet* ds = m_source ? m_source->dataSet() : nullptr;
    const bool active = ds && ds->isActive();
    const bool editing = active && ds->isEditing();
    const bool empty = !active || ds->isEmpty();
    m_buttons[First]->setEnabled(active && !ds->bof());
    m_buttons[Prior]->setEnabled(active && !ds->bof());
    m_buttons[Next]->setEnabled(active && !ds->eof());
    m_buttons[Last]->setEnabled(active && !ds->eof());
    m_buttons[Insert]->setEnabled(active);
    m_buttons[Delete]->setEnabled(active && !empty);
    m_buttons[Edit]->setEnabled(active && !editing && !empty);
    m_buttons[Post]->setEnabled(editing);
    m_buttons[Cancel]->setEnabled(editing);
    m_buttons[Refresh]->setEnabled(active);
    m_buttons[SetBookmark]->setEnabled(active && !empty);
    m_buttons[GotoBookmark]->setEnabled(active && ds->bookmarkValid(m_bookmark));
}

void TDBAdvNavigator::click(Button b)
{
    FbDataSet* ds = m_source ? m_source->dataSet() : nullptr;
    if (!ds)
        return;
    switch (b) {
    case First: ds->first(); break;
    case Prior: ds->prior(); break;
    case Next: ds->next(); break;
    case Last: ds->last(); break;
    case Insert: ds->insert(); break;
    case Delete:
        if (!confirmDelete || Messages::confirm(QStringLiteral("Delete record?")))
            ds->deleteRecord();
        break;
    case Edit: ds->edit(); break;
    case Post: ds->post(); break;
    case Cancel: ds->cancel(); break;
    case Refresh: ds->refresh(); break;
    case SetBookmark: m_bookmark = ds->bookmark(); break;
    case GotoBookmark: ds->gotoBookmark(m_bookmark); break;
    }
    updateButtons();
}
