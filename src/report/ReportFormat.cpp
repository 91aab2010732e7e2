#include "ReportFormat.h"

#include <QLocale>
#include <QRegularExpression>

namespace ReportFormat {

namespace {

int runLength(const QString& s, int i, QChar c)
{
    int n = 0;
    while (i + n < s.size() && s[i + n].toLower() == c)
        ++n;
    return n;
}

void appendLiteral(QString& out, const QString& text)
{
    if (text.isEmpty())
        return;
    QString t = text;
    t.replace(u'\'', QLatin1String("''"));
    out += u'\'' + t + u'\'';
}

} // namespace

QString qtDateTimeFormat(const QString& f)
{
    QString out;
    QString literal;
    bool afterHour = false;
    auto token = [&](const QString& t) {
        appendLiteral(out, literal);
        literal.clear();
        out += t;
    };
    for (int i = 0; i < f.size();) {
        const QChar c = f[i].toLower();
        if (f.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            token(f[i].isUpper() ? QStringLiteral("AP") : QStringLiteral("ap"));
            i += 5;
        } else if (f[i] == u'"' || f[i] == u'\'') {
            const int end = f.indexOf(f[i], i + 1);
            const int stop = end < 0 ? int(f.size()) : end;
            literal += f.mid(i + 1, stop - i - 1);
            i = stop + 1;
        } else if (c == u'y') {
            const int n = runLength(f, i, c);
            token(n >= 3 ? QStringLiteral("yyyy") : QStringLiteral("yy"));
            i += n;
        } else if (c == u'm') {
            const int n = runLength(f, i, c);
            if (afterHour)
                token(n >= 2 ? QStringLiteral("mm") : QStringLiteral("m"));
            else
                token(QString(std::min(n, 4), u'M'));
            afterHour = false;
            i += n;
        } else if (c == u'n') {
            const int n = runLength(f, i, c);
            token(n >= 2 ? QStringLiteral("mm") : QStringLiteral("m"));
            afterHour = false;
            i += n;
        } else if (c == u'd' || c == u'h' || c == u's') {
            const int n = runLength(f, i, c);
            const int keep = c == u'd' ? std::min(n, 4) : std::min(n, 2);
            token(QString(keep, c));
            afterHour = c == u'h';
            i += n;
        } else {
            literal += f[i];
            ++i;
        }
    }
    appendLiteral(out, literal);
    return out;
}

QString number(Decimal4 value, const QString& format)
{
    const QStringList sections = format.split(u';');
    const bool negative = value.raw() < 0;
    const QString section = negative && sections.size() > 1 ? sections[1] : sections[0];
    const int firstPlace = int(section.indexOf(QRegularExpression(QStringLiteral("[#0.,]"))));
    const int lastPlace = int(section.lastIndexOf(QRegularExpression(QStringLiteral("[#0.,]"))));
    const QString prefix = firstPlace < 0 ? section : section.left(firstPlace);
    const QString suffix = lastPlace < 0 ? QString() : section.mid(lastPlace + 1);
    const QString pattern = firstPlace < 0 ? QString() : section.mid(firstPlace, lastPlace - firstPlace + 1);
    const int point = int(pattern.indexOf(u'.'));
    const int decimals = point < 0 ? 0 : std::min<int>(4, int(pattern.size()) - point - 1);
    const int minWhole = int((point < 0 ? pattern : pattern.left(point)).count(u'0'));
    const bool thousands = pattern.contains(u',');

    qint64 scale = 1;
    for (int k = decimals; k < 4; ++k)
        scale *= 10;
    qint64 a = value.raw() < 0 ? -value.raw() : value.raw();
    a = (a + scale / 2) / scale; // half away from zero
    qint64 unit = 1;
    for (int k = 0; k < decimals; ++k)
        unit *= 10;

    const QLocale loc;
    QString whole = QString::number(a / unit);
    if (whole == QLatin1String("0") && minWhole == 0)
        whole.clear();
    while (whole.size() < minWhole)
        whole.prepend(u'0');
    if (thousands)
        for (int k = int(whole.size()) - 3; k > 0; k -= 3)
            whole.insert(k, loc.groupSeparator());
    QString text = whole;
    if (decimals > 0)
        text += loc.decimalPoint() + QStringLiteral("%1").arg(a % unit, decimals, 10, QLatin1Char('0'));
    // One section only: the minus comes in front, as it would be written.
    const QString sign = negative && sections.size() < 2 && a != 0 ? QStringLiteral("-") : QString();
    return sign + prefix + text + suffix;
}

QString display(const FbValue& value, const QString& format)
{
    if (value.isNull())
        return QString();
    if (format.isEmpty())
        return value.asString();
    const auto& v = value.variant();
    if (std::holds_alternative<QDate>(v) || std::holds_alternative<QDateTime>(v) || std::holds_alternative<QTime>(v)) {
        const QDateTime dt = value.asDateTime();
        return QLocale().toString(dt, qtDateTimeFormat(format));
    }
    if (std::holds_alternative<FbValue::Scaled>(v) || std::holds_alternative<double>(v))
        return number(value.asMoney(), format);
    return value.asString();
}

} // namespace ReportFormat
