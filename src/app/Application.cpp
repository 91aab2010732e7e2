#include "Application.h"

#include "ProgramErrors.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

class ToolTipPause : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || w->toolTip().isEmpty())
            return false;
        const auto* he = static_cast<QHelpEvent*>(event);
        QToolTip::showText(he->globalPos(), w->toolTip(), w, QRect(), ToolTips::hidePauseMs);
        return true;
    }
};

} // namespace

namespace ToolTips {
void install(QApplication& app)
{
    app.installEventFilter(new ToolTipPause(&app));
}
} // namespace ToolTips

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    ToolTips::install(*this);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ProgramErrors::report(e);
    } catch (...) {
        ProgramErrors::reportUnknown();
    }
    return false;
}
