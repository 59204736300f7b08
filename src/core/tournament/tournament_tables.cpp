#include "core/tournament/tournament_tables.h"

#include "core/text/align.h"

namespace hrs {

std::string TournamentBaseFor(const Date& day) {
  return "LT" + TwoDigits(day.year % 100) + TwoDigits(day.month) + TwoDigits(day.day);
}

std::string FirstChars(const std::string& text, size_t count) {
  size_t chars = 0, i = 0;
  while (i < text.size()) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (chars == count) break;
      ++chars;
    }
    ++i;
  }
  return text.substr(0, i);
}

}  // namespace hrs
