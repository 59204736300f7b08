#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace hrs {

struct Date {
  int year = 0, month = 0, day = 0;
  bool operator==(const Date&) const = default;
};

struct DateTime {
  Date date;
  int hour = 0, minute = 0, second = 0;
  bool operator==(const DateTime&) const = default;
};

std::string Yyyymmdd(const Date& d);                  // "20261208"
std::string ShortDate(const Date& d);                 // "2026-12-08", the title bar's short form
std::string WriteFormDate(const DateTime& dt);        // "#2026-12-08 14:30:00#"
std::optional<DateTime> ParseWriteFormDate(std::string_view text);  // with or without the number signs

// "January" .. "December"; "" for anything else.
const char* MonthName(int month);

}  // namespace hrs
