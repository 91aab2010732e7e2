#include "SqlText.h"

namespace SqlText {

QString date(QDate d)
{
    return QStringLiteral("%1/%2/%3")
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}

QString dateTime(const QDateTime& dt)
{
    const QTime t = dt.time();
    return date(dt.date()) + QStringLiteral(" %1:%2:%3")
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

QString quoted(const QString& text)
{
    QString s = text;
    s.replace(u'\'', QStringLiteral("''"));
    return u'\'' + s + u'\'';
}

} // namespace SqlText
