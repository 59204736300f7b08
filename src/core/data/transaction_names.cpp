#include "core/data/transaction_names.h"

#include "core/text/align.h"

namespace hrs {

std::string MonthFileName(int year, int month) {
  return "RS" + std::to_string(year) + TwoDigits(month) + ".DAT";
}

std::string RegistryFileName(int year) { return "QTPR" + std::to_string(year) + ".DAT"; }

}  // namespace hrs
