#pragma once

#include <QString>
#include <QtGlobal>

// The lookup dialog's answer: the chosen id on Select, -1 on Cancel; 0
// between calls.
extern qint32 ChosenLookupID;

// Shows the rows of a two-column SELECT (text to show, integer id) in the
// lookup dialog under the prompt Message, and returns the id of the row the
// user chose, -1 when the user cancelled and 0 when the dialog closed any
// other way. Only a result above 0 is a choice.
int PickFromList(const QString& SQL, const QString& Message);
