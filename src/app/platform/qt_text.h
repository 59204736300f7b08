#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace hrs::app {

// Text of the core as Qt text. The core keeps bytes; files written by this
// system are UTF-8, and older files in the Windows character set are shown
// as Latin-1 rather than as replacement marks.
QString ToQt(std::string_view text);
std::string FromQt(const QString& text);

// A message text of the system: each "\r" is a line break on screen.
QString MessageText(std::string_view text);

}  // namespace hrs::app
