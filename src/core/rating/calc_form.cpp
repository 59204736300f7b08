#include "core/rating/calc_form.h"

#include "core/rating/calc_ranking.h"
#include "core/text/align.h"
#include "core/text/numeric.h"

namespace hrs {

void CalcFormLoad(CalcForm& form, const Database& db, const Clock& clock) {
  form = CalcForm{};
  form.Text1.text = std::to_string(db.setup.RatingYear);
  form.Text3.text = TwoDigits(DefaultEndMonth(db.setup, clock));
}

void CalcActivate(CalcForm& form, const Clock& clock) {
  form.focus = "Text2";
  if (clock.Today().month > 1) form.Label5.visible = true;
}

void Text1Change(CalcForm& form, const Database& db) { form.Text1.text = std::to_string(db.setup.RatingYear); }

void Text2Change(CalcForm& form, const Clock& clock, const std::string& text) {
  form.Text2.text = text;
  // Compared as text, as the month has always been.
  if (!IsNumeric(text) || text > TwoDigits(clock.Today().month)) form.Text2.text = "01";
}

void Check1Click(CalcForm& form, const Database& db, const Clock& clock) {
  Text2Change(form, clock, "1");
  // The whole year so far: the current month, or all twelve for an earlier year.
  form.Text3.text = TwoDigits(DefaultEndMonth(db.setup, clock));
}

std::optional<CalcPeriod> CheckPeriod(CalcForm& form, const Clock& clock) {
  const auto start = NumericValue(form.Text2.text);
  if (!start) {
    form.focus = "Text2";
    return std::nullopt;
  }
  if (*start < 1 || *start > 12) Text2Change(form, clock, "1");
  const auto end = NumericValue(form.Text3.text);
  if (!end) {
    form.focus = "Text3";
    return std::nullopt;
  }
  if (*end < 1 || *end > 12) form.Text3.text = "12";
  return CalcPeriod{static_cast<int>(NumericValue(form.Text2.text).value_or(1)),
                    static_cast<int>(NumericValue(form.Text3.text).value_or(12))};
}

void CalcProgressShown(CalcForm& form, CalculationStep step, const std::string& label) {
  switch (step) {
    case CalculationStep::Initializing:
      form.Frame1Colour = Rgb{255, 0, 0};
      form.Label6 = {label, true};
      form.Label5.visible = false;
      break;
    case CalculationStep::Month:
      form.Label6.caption = label;
      break;
    case CalculationStep::Finished:
      form.Label6.visible = false;
      form.Frame1Colour = Rgb{0, 0, 128};
      break;
  }
}

std::optional<CalculationOutcome> Command1Click(CalcForm& form, Database& db, Dialogs& dialogs, const Clock& clock,
                                                const std::function<void()>& shown) {
  const auto period = CheckPeriod(form, clock);
  if (!period) return std::nullopt;
  return CalculateRatings(db, period->start, period->end, dialogs, clock,
                          [&form, &shown](CalculationStep step, const std::string& label) {
                            CalcProgressShown(form, step, label);
                            if (shown) shown();
                          });
}

bool Command3Click(CalcForm& form, Database& db, Dialogs& dialogs) {
  const PlayerTable& players = db.players;
  if (NobodyEnrolled(players, dialogs)) return false;
  form.List1.Clear();
  for (auto& line : CalcRankingLines(players)) form.List1.AddLine(std::move(line));
  if (const auto average = CalcRankingAverage(players)) db.AverageRating = *average;
  form.Label7 = {CalcRankingHeader(), true};
  return true;
}

}  // namespace hrs
