#pragma once
#include <string>
#include <vector>

namespace hrs {

// The figures of a finished calculation that its report tells.
struct CalculationFigures {
  long long calculations = 0;      // 2 per result used
  long long resultsCollected = 0;  // items of all month lists
  bool bypassed = false;           // a result was left out
  long long elapsedSeconds = 0;
  bool dataInQtpDir = false;
};

// The closing report, lines joined by "\r".
std::string CalculationReport(const CalculationFigures& f);

// The report when files could not be written: never "successfully".
std::string CalculationSaveFailure(const std::vector<std::string>& errors);

// a / b (b > 0) in the number format "####": rounded, halves away from zero,
// no leading zeros (0 shows as nothing).
std::string FormatWhole(long long a, long long b);
// a / b (b > 0) in the format "###.0%": the percentage to one decimal,
// halves away from zero, no leading zero before the point.
std::string FormatPercent(long long a, long long b);

}  // namespace hrs
