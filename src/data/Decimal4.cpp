#include "Decimal4.h"

#include <cmath>

namespace {

qint64 pow10(int n)
{
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Integer division rounding half away from zero.
qint64 divRound(qint64 num, qint64 den)
{
    const qint64 q = num / den;
    const qint64 r = num % den;
    if (2 * (r < 0 ? -r : r) >= den)
        return q + (num < 0 ? -1 : 1);
    return q;
}

} // namespace

Decimal4 Decimal4::fromScaled(qint64 raw, int scale)
{
    // scale is zero or negative (Firebird's convention)
    const int decimals = -scale;
    if (decimals == 4)
        return fromRaw(raw);
    if (decimals < 4)
        return fromRaw(raw * pow10(4 - decimals));
    return fromRaw(divRound(raw, pow10(decimals - 4)));
}

Decimal4 Decimal4::fromDouble(double v)
{
    return fromRaw(qint64(std::llround(v * 10000.0)));
}

std::optional<Decimal4> Decimal4::parse(const QString& input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negative = false;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++i;
    }
    qint64 whole = 0;
    int wholeDigits = 0;
    for (; i < text.size() && text[i].isDigit(); ++i, ++wholeDigits) {
        if (whole > (Q_INT64_C(922337203685477) - 9) / 10)
            return std::nullopt;
        whole = whole * 10 + text[i].digitValue();
    }
    qint64 frac = 0;
    int fracDigits = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        for (; i < text.size() && text[i].isDigit(); ++i, ++fracDigits) {
            if (fracDigits < 4)
                frac = frac * 10 + text[i].digitValue();
            else if (fracDigits == 4)
                roundUp = text[i].digitValue() >= 5;
        }
    }
    if (i != text.size() || wholeDigits + fracDigits == 0)
        return std::nullopt;
    for (int k = fracDigits; k < 4; ++k)
        frac *= 10;
    qint64 raw = whole * 10000 + frac + (roundUp ? 1 : 0);
    return fromRaw(negative ? -raw : raw);
}

QString Decimal4::format2() const
{
    const qint64 cents = divRound(m_raw, 100);
    const qint64 a = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QLatin1Char('0'));
}

QString Decimal4::formatPlain() const
{
    const qint64 a = m_raw < 0 ? -m_raw : m_raw;
    QString s = QString::number(a / 10000);
    qint64 frac = a % 10000;
    if (frac != 0) {
        QString f = QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
        while (f.endsWith(u'0'))
            f.chop(1);
        s += u'.' + f;
    }
    return m_raw < 0 ? u'-' + s : s;
}

Decimal4 Decimal4::operator*(Decimal4 o) const
{
    // Both operands hold four decimals: the product holds eight.
    const __int128 p = __int128(m_raw) * o.m_raw;
    const __int128 den = 10000;
    __int128 q = p / den;
    const __int128 r = p % den;
    if (2 * (r < 0 ? -r : r) >= den)
        q += (p < 0 ? -1 : 1);
    return fromRaw(qint64(q));
}
