#pragma once

#include <QApplication>

// The hourglass for the whole application while this lives; restored on
// every way out.
class HourglassCursor {
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor()
    {
        if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};
