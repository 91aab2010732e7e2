#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// The system's date and time texts. The short date always has a four-digit
// year so that the texts the windows show can be parsed back; the long time
// carries no time zone name.
namespace LocaleFormat {

QString shortDateFormat();
QString longTimeFormat();
QString shortDate(QDate d);
// An invalid QDate when the text is not a short date.
QDate parseShortDate(const QString& text);
QString longTime(QTime t);
QString weekdayName(QDate d);
// Wall-clock date-times carry no zone: always UTC inside the program.
inline QDateTime wallClock(QDate d, QTime t = QTime(0, 0)) { return QDateTime(d, t, Qt::UTC); }

} // namespace LocaleFormat
