#include "core/platform/date_time.h"

#include <cstdio>

namespace hrs {

std::string Yyyymmdd(const Date& d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
  return buf;
}

std::string ShortDate(const Date& d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

std::string WriteFormDate(const DateTime& dt) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "#%04d-%02d-%02d %02d:%02d:%02d#", dt.date.year, dt.date.month, dt.date.day,
                dt.hour, dt.minute, dt.second);
  return buf;
}

std::optional<DateTime> ParseWriteFormDate(std::string_view text) {
  std::string t(text);
  if (!t.empty() && t.front() == '#') t.erase(0, 1);
  if (!t.empty() && t.back() == '#') t.pop_back();
  DateTime dt;
  int used = -1;
  // The whole text must be the date (and time): nothing may follow it.
  if (std::sscanf(t.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &dt.date.year, &dt.date.month, &dt.date.day, &dt.hour,
                  &dt.minute, &dt.second, &used) != 6 ||
      static_cast<size_t>(used) != t.size()) {
    dt = DateTime{};
    used = -1;
    if (std::sscanf(t.c_str(), "%4d-%2d-%2d%n", &dt.date.year, &dt.date.month, &dt.date.day, &used) != 3 ||
        static_cast<size_t>(used) != t.size())
      return std::nullopt;
  }
  if (dt.date.month < 1 || dt.date.month > 12 || dt.date.day < 1 || dt.date.day > 31) return std::nullopt;
  if (dt.hour < 0 || dt.hour > 23 || dt.minute < 0 || dt.minute > 59 || dt.second < 0 || dt.second > 59)
    return std::nullopt;
  return dt;
}

const char* MonthName(int month) {
  static const char* const names[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
  return month >= 1 && month <= 12 ? names[month - 1] : "";
}

}  // namespace hrs
