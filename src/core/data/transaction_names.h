#pragma once
#include <string>

namespace hrs {

// "RS" + year (4) + month (2 digits) + ".DAT": June 1997 is RS199706.DAT.
std::string MonthFileName(int year, int month);
// "QTPR" + year (4) + ".DAT", the tournament registry of a year.
std::string RegistryFileName(int year);

inline constexpr const char* NoQtpFiles = "No QTP files";
inline constexpr const char* ValidatedMark = "kontrol";
inline constexpr const char* TransactionScratchFile = "hvkwork.dat";
inline constexpr const char* ValidationScratchFile = "qtpturnwork";

}  // namespace hrs
