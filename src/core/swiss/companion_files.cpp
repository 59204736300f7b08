#include "core/swiss/companion_files.h"

#include <cmath>

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

// A value that must be a number; an empty value reads as 0, as the codec does.
std::optional<long long> NumberValue(const FormValue& v) {
  if (Trim(v.text).empty()) return 0;
  auto n = NumericValue(v.text, true);
  if (!n || std::fabs(*n) > 2147483647.0) return std::nullopt;
  return std::llround(*n);
}

}  // namespace

std::string CompanionSetupFileName(const std::string& code) { return code + "fast.dat"; }
std::string CompanionParticipantsFileName(const std::string& code) { return code + "delt.dat"; }

std::optional<CompanionSetup> ParseCompanionSetup(std::string_view bytes) {
  WriteFormReader reader(bytes);
  CompanionSetup setup;
  // The first part must be there whole; the second is read as far as present.
  constexpr int FirstPart = 15, Last = 36;
  for (int index = 1; index <= Last; ++index) {
    auto v = reader.Next();
    if (!v) {
      if (index <= FirstPart) return std::nullopt;
      break;
    }
    std::optional<long long> number;
    if (index == 3 || index == 10 || index == 13 || index == 36) {
      number = NumberValue(*v);
      if (!number) return std::nullopt;
    }
    switch (index) {
      case 1: setup.name = v->text; break;
      case 3: setup.value3 = *number; break;
      case 10: setup.maxSupported = *number; break;
      case 13: setup.sanctioned = *number == 1; break;
      case 36: setup.team = *number == 1; break;
      default: break;
    }
  }
  return setup;
}

std::optional<CompanionSetup> ReadCompanionSetup(const DataLocation& where, const std::string& code) {
  auto bytes = ReadWholeFile(FindNoCase(where.DataDir(), CompanionSetupFileName(code)));
  if (!bytes) return std::nullopt;
  return ParseCompanionSetup(*bytes);
}

std::optional<std::string> ReadCompanionName(const DataLocation& where, const std::string& code) {
  auto bytes = ReadWholeFile(FindNoCase(where.DataDir(), CompanionSetupFileName(code)));
  if (!bytes) return std::nullopt;
  return WriteFormReader(*bytes).Text();
}

std::optional<std::vector<CompanionParticipant>> ParseParticipants(std::string_view bytes) {
  WriteFormReader reader(bytes);
  std::vector<CompanionParticipant> table;
  while (!reader.AtEnd()) {
    if (table.size() == MaxParticipants) return std::nullopt;
    CompanionParticipant p;
    for (int index = 1; index <= 7; ++index) {
      auto v = reader.Next();
      if (!v) return std::nullopt;
      if (index == 1) {
        auto n = NumberValue(*v);
        if (!n || *n < -32768 || *n > 32767) return std::nullopt;
        p.number = static_cast<int16_t>(*n);
      } else if (index == 2) {
        p.name = v->text;
      } else if (index == 6) {
        const double m = LeadingNumber(Trim(v->text));
        if (std::fabs(m) > 2147483647.0) return std::nullopt;
        p.mbShipNo = static_cast<int32_t>(std::llround(m));
      }
    }
    table.push_back(std::move(p));
  }
  return table;
}

std::optional<std::vector<CompanionParticipant>> ReadParticipants(const DataLocation& where,
                                                                  const std::string& code) {
  auto bytes = ReadWholeFile(FindNoCase(where.DataDir(), CompanionParticipantsFileName(code)));
  if (!bytes) return std::nullopt;
  return ParseParticipants(*bytes);
}

const CompanionParticipant* FindParticipant(const std::vector<CompanionParticipant>& table, int number) {
  for (const auto& p : table)
    if (p.number == number) return &p;
  return nullptr;
}

}  // namespace hrs
