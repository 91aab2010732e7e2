#include "MoneyEdit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// Room for NUMERIC(18,4): fourteen whole digits, four decimals.
constexpr int wholeDigits = 14;
constexpr int decimals = 4;

// Digits and at most one decimal point, also while being typed.
bool amountSoFar(const QString& text)
{
    static const QRegularExpression re(
        QStringLiteral("^\\d{0,%1}(\\.\\d{0,%2})?$").arg(wholeDigits).arg(decimals));
    return re.match(text).hasMatch();
}

class AmountValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        if (!amountSoFar(input))
            return Invalid;
        if (input.isEmpty() || input == QLatin1String("."))
            return Intermediate;
        return Acceptable;
    }
};

// An amount the box can hold, or nullopt.
std::optional<Decimal4> fitting(__int128 raw)
{
    constexpr qint64 limit = Q_INT64_C(100000000000000) * 10000; // 10^14 whole units
    if (raw < 0 || raw >= limit)
        return std::nullopt;
    return Decimal4::fromRaw(qint64(raw));
}

} // namespace

TMoneyCalculator::TMoneyCalculator(QWidget* parent) : QFrame(parent, Qt::Popup)
{
    setFrameShape(QFrame::Box);
    setObjectName(QStringLiteral("calculator"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    m_display = new QLabel(QStringLiteral("0"), this);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFrameShape(QFrame::StyledPanel);
    m_display->setMinimumHeight(20);
    m_display->setStyleSheet(QStringLiteral("background: white; padding-right: 3px;"));
    layout->addWidget(m_display);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    const char* rows[] = {"789/", "456*", "123-", "0.=+"};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const QChar key = QLatin1Char(rows[r][c]);
            auto* b = new QPushButton(QString(key), this);
            b->setFixedSize(26, 22);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
            grid->addWidget(b, r, c);
            m_buttons.insert(key, b);
        }
    }
    auto* clear = new QPushButton(QStringLiteral("C"), this);
    clear->setFixedHeight(22);
    clear->setFocusPolicy(Qt::NoFocus);
    connect(clear, &QPushButton::clicked, this, [this] { press(u'C'); });
    grid->addWidget(clear, 4, 0, 1, 4);
    m_buttons.insert(u'C', clear);
    layout->addLayout(grid);
}

void TMoneyCalculator::start(const QString& text)
{
    m_acc.reset();
    m_op = QChar();
    m_error = false;
    m_entry = Decimal4::parse(text) ? text : QString();
    showEntry();
}

QString TMoneyCalculator::display() const
{
    return m_display->text();
}

void TMoneyCalculator::showEntry()
{
    if (m_error)
        m_display->setText(QStringLiteral("Error"));
    else if (!m_entry.isEmpty())
        m_display->setText(m_entry);
    else
        m_display->setText(m_acc ? m_acc->formatPlain() : QStringLiteral("0"));
}

// Folds the entry into the left operand with the pending operator.
bool TMoneyCalculator::applyPending()
{
    if (m_entry.isEmpty())
        return true; // an operator typed twice replaces the first
    const std::optional<Decimal4> right =
        m_entry == QLatin1String(".") ? Decimal4() : Decimal4::parse(m_entry);
    m_entry.clear();
    if (!right)
        return false;
    if (!m_acc || m_op.isNull()) {
        m_acc = right;
        return true;
    }
    const __int128 a = m_acc->raw();
    const __int128 b = right->raw();
    __int128 raw = 0;
    switch (m_op.unicode()) {
    case u'+': raw = a + b; break;
    case u'-': raw = a - b; break;
    case u'*': {
        const __int128 p = a * b;
        raw = (p + 5000) / 10000; // both non-negative: rounds half up
        break;
    }
    case u'/':
        if (b == 0)
            return false;
        raw = (a * 10000 * 2 + b) / (b * 2);
        break;
    }
    m_acc = fitting(raw);
    return m_acc.has_value();
}

void TMoneyCalculator::press(QChar key)
{
    if (key == u'C') {
        start(QString());
        return;
    }
    if (m_error)
        start(QString());
    if (key.isDigit() || key == u'.') {
        if (amountSoFar(m_entry + key))
            m_entry += key;
        showEntry();
        return;
    }
    if (key == u'+' || key == u'-' || key == u'*' || key == u'/' || key == u'=') {
        if (!applyPending()) {
            m_error = true;
            m_acc.reset();
            m_op = QChar();
            showEntry();
            return;
        }
        if (key == u'=') {
            m_op = QChar();
            showEntry();
            emit resultReady(m_acc ? m_acc->formatPlain() : QStringLiteral("0"));
            return;
        }
        if (!m_acc)
            m_acc = Decimal4();
        m_op = key;
        showEntry();
    }
}

void TMoneyCalculator::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        hide();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press(u'=');
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        press(u'C');
        return;
    default:
        break;
    }
    const QString t = event->text();
    if (t.size() == 1 && (t[0].isDigit() || QStringLiteral(".+-*/=cC").contains(t[0]))) {
        press(t[0].toUpper());
        return;
    }
    QFrame::keyPressEvent(event);
}

TMoneyEdit::TMoneyEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new AmountValidator(this));
    m_button = new QToolButton(this);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setCursor(Qt::ArrowCursor);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setToolTip(QStringLiteral("Calculator"));
    m_calculator = new TMoneyCalculator(this);
    m_calculator->hide();
    connect(m_button, &QToolButton::clicked, this, &TMoneyEdit::showCalculator);
    connect(m_calculator, &TMoneyCalculator::resultReady, this, [this](const QString& text) {
        setText(text);
        m_calculator->hide();
        setFocus();
    });
    setValue(Decimal4());
}

void TMoneyEdit::setValue(Decimal4 v)
{
    setText(v.formatPlain());
}

std::optional<Decimal4> TMoneyEdit::value() const
{
    return Decimal4::parse(text());
}

void TMoneyEdit::showCalculator()
{
    m_calculator->start(text());
    m_calculator->adjustSize();
    m_calculator->move(mapToGlobal(QPoint(width() - m_calculator->width(), height())));
    m_calculator->show();
    m_calculator->setFocus();
}

void TMoneyEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int h = height() - 2 * frame;
    m_button->setGeometry(width() - frame - h, frame, h, h);
    setTextMargins(0, 0, h, 0);
}

void TMoneyEdit::keyPressEvent(QKeyEvent* event)
{
    // Alt+Down opens the calculator, as it opens a drop-down list.
    if (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) {
        showCalculator();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
