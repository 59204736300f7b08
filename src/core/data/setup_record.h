#pragma once
#include <cstdint>

#include "core/data/text_field.h"

namespace hrs {

// The system-wide settings, in storage order.
struct SetupRecord {
  TextField ListName;
  int16_t FirstRating = 0;
  int16_t RatingYear = 0;
  int32_t LatestCount = 0;
  int16_t WinFactor = 0;
  int16_t Group1Limit = 0;
  int16_t Group2Limit = 0;
  int16_t AdjConst1 = 0;
  int16_t AdjConst2 = 0;
  int16_t AdjConst3 = 0;
  TextField PreRegFile;
  int16_t MinAdjustments = 0;

  // The values of a newly created setup for the given rating year.
  static SetupRecord Created(int year);
  bool operator==(const SetupRecord&) const = default;
};

inline constexpr int LinesPerPage = 55;
inline constexpr int PageWidth = 74;

}  // namespace hrs
