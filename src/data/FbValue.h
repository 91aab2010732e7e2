#pragma once

#include "Decimal4.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <variant>

// One column value of a row, or one statement parameter. Exact numbers keep
// Firebird's scaled form; dates and times are wall-clock values (UTC).
class FbValue {
public:
    struct Scaled {
        qint64 raw = 0;
        int scale = 0; // zero or negative: value = raw * 10^scale
        bool operator==(const Scaled&) const = default;
    };

    FbValue() = default; // null
    FbValue(int v) : m_v(Scaled{v, 0}) {}
    FbValue(qint64 v) : m_v(Scaled{v, 0}) {}
    FbValue(Scaled v) : m_v(v) {}
    FbValue(Decimal4 v) : m_v(Scaled{v.raw(), -4}) {}
    FbValue(double v) : m_v(v) {}
    FbValue(bool v) : m_v(v) {}
    FbValue(const QString& v) : m_v(v) {}
    FbValue(const char* v) : m_v(QString::fromUtf8(v)) {}
    FbValue(const QByteArray& v) : m_v(v) {}
    FbValue(QDate v) : m_v(v) {}
    FbValue(QTime v) : m_v(v) {}
    FbValue(const QDateTime& v) : m_v(v.isValid() ? Variant(v) : Variant()) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(m_v); }

    // Readings in the manner of the original data layer: null reads as empty
    // text, zero, or an invalid date-time; text that is no number raises.
    QString asString() const;
    qint64 asInteger() const;
    double asDouble() const;
    Decimal4 asMoney() const;
    QDateTime asDateTime() const;
    QDate asDate() const { return asDateTime().date(); }
    QByteArray asBytes() const;

    bool operator==(const FbValue&) const = default;

    using Variant = std::variant<std::monostate, Scaled, double, bool, QString, QByteArray, QDate, QTime, QDateTime>;
    const Variant& variant() const { return m_v; }

private:
    Variant m_v;
};
