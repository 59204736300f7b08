#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace hrs::app {

// The one conversion between the core's text (UTF-8) and what a window shows.
// A typed text is composed (NFC), so one letter is one character of the core.
QString ToQt(std::string_view text);
std::string FromQt(const QString& text);

// A message text of the system: each "\r" is a line break on screen.
QString MessageText(std::string_view text);

}  // namespace hrs::app
