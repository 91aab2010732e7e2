#include "FbValue.h"

#include "FbError.h"
#include "LocaleFormat.h"

#include <cmath>

namespace {

template <class... Ts>
struct overloaded : Ts... { using Ts::operator()...; };

double scaledToDouble(const FbValue::Scaled& s)
{
    return double(s.raw) * std::pow(10.0, s.scale);
}

ConversionError notA(const QString& what, const QString& text)
{
    return ConversionError(QStringLiteral("'%1' is not a valid %2 value").arg(text, what));
}

} // namespace

QString FbValue::asString() const
{
    return std::visit(overloaded{
        [](std::monostate) { return QString(); },
        [](const Scaled& s) {
            if (s.scale == 0)
                return QString::number(s.raw);
            if (s.scale >= -4)
                return Decimal4::fromScaled(s.raw, s.scale).formatPlain();
            return QString::number(scaledToDouble(s), 'g', 15);
        },
        [](double d) { return QString::number(d, 'g', 15); },
        [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
        [](const QString& s) { return s; },
        [](const QByteArray& b) { return QString::fromLatin1(b.toHex()); },
        [](QDate d) { return LocaleFormat::shortDate(d); },
        [](QTime t) { return LocaleFormat::longTime(t); },
        [](const QDateTime& dt) {
            QString s = LocaleFormat::shortDate(dt.date());
            if (dt.time() != QTime(0, 0))
                s += u' ' + LocaleFormat::longTime(dt.time());
            return s;
        },
    }, m_v);
}

qint64 FbValue::asInteger() const
{
    return std::visit(overloaded{
        [](std::monostate) -> qint64 { return 0; },
        [](const Scaled& s) -> qint64 {
            if (s.scale == 0)
                return s.raw;
            return qint64(std::llround(scaledToDouble(s)));
        },
        [](double d) -> qint64 { return qint64(std::llround(d)); },
        [](bool b) -> qint64 { return b ? 1 : 0; },
        [](const QString& s) -> qint64 {
            bool ok = false;
            const qint64 v = s.trimmed().toLongLong(&ok);
            if (!ok)
                throw notA(QStringLiteral("integer"), s);
            return v;
        },
        [this](const auto&) -> qint64 { throw notA(QStringLiteral("integer"), asString()); },
    }, m_v);
}

double FbValue::asDouble() const
{
    return std::visit(overloaded{
        [](std::monostate) { return 0.0; },
        [](const Scaled& s) { return scaledToDouble(s); },
        [](double d) { return d; },
        [](bool b) { return b ? 1.0 : 0.0; },
        [](const QString& s) {
            bool ok = false;
            const double v = s.trimmed().toDouble(&ok);
            if (!ok)
                throw notA(QStringLiteral("floating point"), s);
            return v;
        },
        [this](const auto&) -> double { throw notA(QStringLiteral("floating point"), asString()); },
    }, m_v);
}

Decimal4 FbValue::asMoney() const
{
    return std::visit(overloaded{
        [](std::monostate) { return Decimal4(); },
        [](const Scaled& s) { return Decimal4::fromScaled(s.raw, s.scale); },
        [](double d) { return Decimal4::fromDouble(d); },
        [](bool b) { return Decimal4::fromRaw(b ? 10000 : 0); },
        [](const QString& s) {
            const auto v = Decimal4::parse(s);
            if (!v)
                throw notA(QStringLiteral("currency"), s);
            return *v;
        },
        [this](const auto&) -> Decimal4 { throw notA(QStringLiteral("currency"), asString()); },
    }, m_v);
}

QDateTime FbValue::asDateTime() const
{
    return std::visit(overloaded{
        [](std::monostate) { return QDateTime(); },
        [](QDate d) { return LocaleFormat::wallClock(d); },
        [](QTime t) { return LocaleFormat::wallClock(QDate(1899, 12, 30), t); },
        [](const QDateTime& dt) { return dt; },
        [](const QString& s) {
            const QDate d = LocaleFormat::parseShortDate(s.trimmed());
            if (!d.isValid())
                throw notA(QStringLiteral("date"), s);
            return LocaleFormat::wallClock(d);
        },
        [this](const auto&) -> QDateTime { throw notA(QStringLiteral("date"), asString()); },
    }, m_v);
}

QByteArray FbValue::asBytes() const
{
    if (const auto* b = std::get_if<QByteArray>(&m_v))
        return *b;
    return asString().toUtf8();
}
