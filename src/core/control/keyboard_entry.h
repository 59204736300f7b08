#pragma once
#include <string>

namespace hrs {

// The help text of keyboard entry in Label7, its lines joined by "\r".
std::string KeyboardEntryHelp();

}  // namespace hrs
