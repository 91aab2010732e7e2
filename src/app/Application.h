#pragma once

#include <QApplication>

// The program's QApplication: tool tips stay up for 4000 milliseconds, and an
// exception that slipped past every handler's own net is still reported
// instead of ending the program.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

namespace ToolTips {
constexpr int hidePauseMs = 4000;
// Shows every tool tip of the application for hidePauseMs.
void install(QApplication& app);
}
