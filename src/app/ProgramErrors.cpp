#include "ProgramErrors.h"

#include "MessageBoxes.h"

#include <QString>

namespace ProgramErrors {

void report(const std::exception& e)
{
    Messages::error(QString::fromUtf8(e.what()));
}

void reportUnknown()
{
    Messages::error(QStringLiteral("An unexpected error occurred."));
}

} // namespace ProgramErrors
