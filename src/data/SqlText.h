#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Values written into SQL text. The shop database reads dates month first.
namespace SqlText {

// "mm/dd/yyyy"
QString date(QDate d);
// "mm/dd/yyyy hh:nn:ss", 24-hour clock
QString dateTime(const QDateTime& dt);
// The text inside single quotes, any single quote doubled.
QString quoted(const QString& text);
inline QString quotedDate(QDate d) { return quoted(date(d)); }
inline QString quotedDateTime(const QDateTime& dt) { return quoted(dateTime(dt)); }
inline QString integer(qint64 v) { return QString::number(v); }

} // namespace SqlText
