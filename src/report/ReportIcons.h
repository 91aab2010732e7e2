#pragma once

#include <QIcon>

// The preview's pictures, drawn here rather than loaded from image files.
namespace ReportIcons {

QIcon closeFolder(); // a folder with a green return arrow
QIcon arrowLeft(); // red
QIcon arrowRight(); // red
QIcon printer();
QIcon saveToFile(); // a disk
QIcon previewWindow(); // a page under a magnifying glass

} // namespace ReportIcons
