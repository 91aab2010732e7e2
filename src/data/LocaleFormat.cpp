#include "LocaleFormat.h"

#include <QLocale>
#include <QRegularExpression>

namespace LocaleFormat {

namespace {

// Some CLDR versions put a narrow no-break space before AM/PM; the texts of
// this program use a plain blank.
QString plainBlanks(QString s)
{
    s.replace(QChar(0x202F), u' ');
    s.replace(QChar(0x00A0), u' ');
    return s;
}

} // namespace

QString shortDateFormat()
{
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return f;
}

QString longTimeFormat()
{
    QString f = QLocale().timeFormat(QLocale::LongFormat);
    f.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return plainBlanks(f.trimmed());
}

QString shortDate(QDate d)
{
    return QLocale().toString(d, shortDateFormat());
}

QDate parseShortDate(const QString& text)
{
    return QLocale().toDate(text, shortDateFormat());
}

QString longTime(QTime t)
{
    return plainBlanks(QLocale().toString(t, longTimeFormat()));
}

QString weekdayName(QDate d)
{
    return QLocale().toString(d, QStringLiteral("dddd"));
}

} // namespace LocaleFormat
