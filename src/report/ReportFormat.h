#pragma once

#include "data/FbValue.h"

#include <QString>

// The display formats the report's data fields use, written as the report
// designer writes them: "mmmm d, yyyy", "hh:nn:ss AM/PM", "#,0.00;-#,0.00".
namespace ReportFormat {

// A field's text under a display format; an empty format gives the value's
// plain text, a null value gives empty text.
QString display(const FbValue& value, const QString& format);

// A date-time pattern turned into Qt's notation: mmmm/mmm/mm/m months
// (minutes after an hour), nn/n minutes, AM/PM or am/pm, quoted literals.
QString qtDateTimeFormat(const QString& format);

// A number pattern: sections split by ';' for positive and negative
// values, ',' for thousands separators, the digits after '.' for decimals.
QString number(Decimal4 value, const QString& format);

} // namespace ReportFormat
