#pragma once

#include "support/TestDatabase.h"

// Makes the test's own database refuse a write with a real database error:
// a trigger on table for event (e.g. "BEFORE INSERT") raising an exception
// when condition holds.
inline void refuse(TestDatabase& db, const QString& event, const QString& table, const QString& condition)
{
    db.exec(QStringLiteral("CREATE EXCEPTION E_REFUSED 'refused by the test'"));
    db.exec(QStringLiteral("CREATE TRIGGER T_REFUSE FOR %1 %2 AS BEGIN IF (%3) THEN EXCEPTION E_REFUSED; END")
                .arg(table, event, condition));
}
