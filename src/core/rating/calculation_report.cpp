#include "core/rating/calculation_report.h"

namespace hrs {

namespace {

// a / b rounded to the nearest whole number, halves away from zero (b > 0).
long long RoundedQuotient(long long a, long long b) {
  if (a >= 0) return (2 * a + b) / (2 * b);
  return -((-2 * a + b) / (2 * b));
}

std::string Digits(long long v) { return v == 0 ? std::string() : std::to_string(v); }

}  // namespace

std::string FormatWhole(long long a, long long b) {
  const long long v = RoundedQuotient(a, b);
  if (v < 0) return "-" + Digits(-v);
  return Digits(v);
}

std::string FormatPercent(long long a, long long b) {
  const long long tenths = RoundedQuotient(a * 1000, b);
  const long long magnitude = tenths < 0 ? -tenths : tenths;
  return (tenths < 0 ? "-" : "") + Digits(magnitude / 10) + "." + std::to_string(magnitude % 10) + "%";
}

std::string CalculationReport(const CalculationFigures& f) {
  std::string text = "Ratings successfully completed";
  text += "\r" + std::to_string(f.calculations) + " calculations performed";
  if (f.elapsedSeconds != 0)
    text += "\rwith " + FormatWhole(f.calculations, f.elapsedSeconds) + " calculations per second";
  text += "\rincluding file handling and database update.";
  if (f.resultsCollected > 0)
    text += "\r" + FormatPercent(f.calculations, 2 * f.resultsCollected) + " of the filed results were used.";
  if (f.bypassed && f.dataInQtpDir)
    text += "\r" + std::to_string((2 * f.resultsCollected - f.calculations) / 2) +
            " unidentifyable results were found.";
  return text;
}

std::string CalculationSaveFailure(const std::vector<std::string>& errors) {
  std::string text = "The ratings were calculated, but not every file could be saved:";
  for (const auto& e : errors) text += "\r" + e;
  text += "\r\rThe files not saved keep their earlier content.\rPlease correct the cause and calculate again.";
  return text;
}

}  // namespace hrs

