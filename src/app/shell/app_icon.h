#pragma once
#include <QIcon>

namespace hrs::app {

// The program's icon, drawn rather than shipped as a file.
QIcon AppIcon();

}  // namespace hrs::app
