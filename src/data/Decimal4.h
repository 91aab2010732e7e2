#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Money and hours: fixed point with four decimals, kept as ten-thousandths.
class Decimal4 {
public:
    constexpr Decimal4() = default;
    static constexpr Decimal4 fromRaw(qint64 tenThousandths) { Decimal4 d; d.m_raw = tenThousandths; return d; }
    // A scaled integer as Firebird delivers it: value = raw * 10^scale.
    static Decimal4 fromScaled(qint64 raw, int scale);
    static Decimal4 fromDouble(double v);
    // Plain decimal text: optional sign, digits, optional point and digits.
    static std::optional<Decimal4> parse(const QString& text);

    constexpr qint64 raw() const { return m_raw; }
    double toDouble() const { return double(m_raw) / 10000.0; }

    // "#0.00": at least one integer digit, two decimals, rounded half away from zero.
    QString format2() const;
    // Shortest plain form without trailing zeros: 8.5, 8, 0.25.
    QString formatPlain() const;

    Decimal4 operator+(Decimal4 o) const { return fromRaw(m_raw + o.m_raw); }
    Decimal4 operator-(Decimal4 o) const { return fromRaw(m_raw - o.m_raw); }
    Decimal4& operator+=(Decimal4 o) { m_raw += o.m_raw; return *this; }
    // Product rounded half away from zero to four decimals.
    Decimal4 operator*(Decimal4 o) const;
    auto operator<=>(const Decimal4&) const = default;

private:
    qint64 m_raw = 0;
};
