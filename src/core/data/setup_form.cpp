#include "core/data/setup_form.h"

#include <optional>

#include "core/data/rating_year_rollback.h"
#include "core/data/setup_file.h"
#include "core/text/numeric.h"
#include "core/text/rounding.h"

namespace hrs {

const std::array<const char*, SetupFieldCount>& SetupCaptions() {
  static const std::array<const char*, SetupFieldCount> captions = {
      "Name of ranking list",  "Rating Year",          "Default First Rating", "Win Expectancy Factor",
      "Rating Group 1 Limit",  "Rating Group 2 Limit", "Adjust Constant 1",    "Adjust Constant 2",
      "Adjust Constant 3",     "Minimum Adjustments"};
  return captions;
}

SetupFields SetupFieldsFrom(const SetupRecord& s) {
  return {s.ListName.str(),
          std::to_string(s.RatingYear),
          std::to_string(s.FirstRating),
          std::to_string(s.WinFactor),
          std::to_string(s.Group1Limit),
          std::to_string(s.Group2Limit),
          std::to_string(s.AdjConst1),
          std::to_string(s.AdjConst2),
          std::to_string(s.AdjConst3),
          std::to_string(s.MinAdjustments)};
}

namespace {

constexpr const char* FactorsTitle = "Rating adjustment formula factors";
constexpr const char* WinFactorTitle = "Win expectancy factor";

// One Save action: the fields, the record and the seams, with the two ways
// a step ends it.
class SaveRun {
 public:
  SaveRun(SetupFields& fields, Database& db, Dialogs& dialogs) : f_(fields), db_(db), d_(dialogs) {}

  std::string& Text(int n) { return f_[static_cast<size_t>(n - 1)]; }
  SetupSaveOutcome Stop(int n) { return {false, n}; }
  void Restore(int n, long value) { Text(n) = std::to_string(value); }
  void Warn(const std::string& text, Icon icon, const std::string& title = {}) {
    d_.Beep();
    d_.Message(text, Buttons::Ok, icon, title);
  }

  // The numeric value of a field, or nothing when the Save ends there. Text
  // that is not a number ends it silently (with a beep where asked); a number
  // that cannot be stored in the file's 16-bit field is refused with a word.
  std::optional<double> Number(int n, bool allowPoint = false, bool beepWhenNotNumeric = false) {
    auto v = NumericValue(Text(n), allowPoint);
    if (!v) {
      if (beepWhenNotNumeric) d_.Beep();
      return std::nullopt;
    }
    if (RoundHalfEven(*v) < -32768 || RoundHalfEven(*v) > 32767) {
      Warn("Please enter a number from -32768 to 32767", Icon::Warning);
      return std::nullopt;
    }
    return v;
  }

  std::optional<std::string> Save() { return SaveSetup(db_.location, db_.setup); }
  void SaveFailed(const std::string& reason) {
    Warn("The setup could not be saved.\r" + reason, Icon::Critical);
  }

  SetupFields& f_;
  Database& db_;
  Dialogs& d_;
};

}  // namespace

SetupSaveOutcome SaveSetupForm(SetupFields& fields, Database& db, Dialogs& dialogs, const Clock& clock) {
  SaveRun run(fields, db, dialogs);
  SetupRecord& s = db.setup;

  // The list name as typed; the file writer keeps quotes and line breaks out.
  s.ListName = TextField::Of(run.Text(1));

  // Rating year.
  {
    auto v = NumericValue(run.Text(2));
    if (!v) return run.Stop(2);
    const long year = static_cast<long>(*v);
    const int calendarYear = clock.Today().year;
    if (year != calendarYear && year != calendarYear - 1) {
      run.Warn("The ranking system supports current and last\rcalendar year only.\r"
               "If not a typing mistake please check the System Clock",
               Icon::Information);
      run.Restore(2, s.RatingYear);
      return run.Stop(2);
    }
    if (year < s.RatingYear) {
      switch (RollBackRatingYear(db, static_cast<int>(year), dialogs, clock)) {
        case RollBack::Done:
          break;
        case RollBack::Declined:
          run.Restore(2, s.RatingYear);
          return run.Stop(2);
        case RollBack::Failed:
          return run.Stop(2);
      }
    } else {
      s.RatingYear = static_cast<int16_t>(year);
      if (auto error = run.Save()) {
        run.SaveFailed(*error);
        return run.Stop(2);
      }
    }
  }

  // Default first rating.
  {
    auto v = run.Number(3);
    if (!v) return run.Stop(3);
    if (*v < 1400) {
      run.Warn("The rating adjustment algorithm does not\rsupport a default startrating below 1400", Icon::Warning);
      run.Restore(3, s.FirstRating);
      return run.Stop(3);
    }
    if (*v < 1500) {
      if (dialogs.Message("Very low default startrating, are you sure?", Buttons::OkCancel) == Answer::Cancel) {
        run.Restore(3, s.FirstRating);
        return run.Stop(3);
      }
    } else if (*v > 1600) {
      run.Warn("The rating adjustment algorithm does not\rsupport a default startrating over 1600", Icon::Information);
      run.Restore(3, s.FirstRating);
      return run.Stop(3);
    }
    s.FirstRating = static_cast<int16_t>(*v);
  }

  // Win expectancy factor; it divides in the formula, so it must be positive.
  {
    auto v = run.Number(4, true);
    if (!v) return run.Stop(4);
    if (RoundHalfEven(*v) < 1) {
      run.Warn("The win expectancy factor must be at least 1", Icon::Warning, WinFactorTitle);
      run.Restore(4, s.WinFactor);
      return run.Stop(4);
    }
    if (*v < 400 || *v > 1000) {
      dialogs.Beep();
      if (dialogs.Message("This is an unusual expectancy factor.\r"
                          "The default factor is 400, but may be increased\r"
                          "up to 1000 to give players with high ratings\r"
                          "against players with low ratings more to gain\r"
                          "and less to lose. Do you maintain the number?",
                          Buttons::YesNo, Icon::Question, WinFactorTitle) == Answer::No) {
        run.Restore(4, s.WinFactor);
        return run.Stop(4);
      }
    }
    s.WinFactor = static_cast<int16_t>(RoundHalfEven(*v));
  }

  // Group 1 limit.
  {
    auto v = run.Number(5);
    if (!v) return run.Stop(5);
    if (*v < s.FirstRating) {
      run.Warn("The upper limit of rating group 1 must not\rbe less than default first rating", Icon::Warning,
               FactorsTitle);
      return run.Stop(5);
    }
    s.Group1Limit = static_cast<int16_t>(*v);
  }

  // Group 2 limit.
  {
    auto v = run.Number(6);
    if (!v) return run.Stop(6);
    if (*v < s.Group1Limit) {
      run.Warn("The upper limit of rating group 2 must not\rbe less than upper limit of rating group 1",
               Icon::Warning, FactorsTitle);
      return run.Stop(6);
    }
    s.Group2Limit = static_cast<int16_t>(*v);
  }

  // Constant 1.
  {
    auto v = run.Number(7);
    if (!v) return run.Stop(7);
    if (*v < 1) return run.Stop(7);
    if (*v < 16) {
      dialogs.Beep();
      if (dialogs.Message("This is an unusual low number.\rDo you maintain?", Buttons::OkCancel, Icon::Warning,
                          FactorsTitle) == Answer::Cancel)
        return run.Stop(7);
    }
    s.AdjConst1 = static_cast<int16_t>(*v);
  }

  // Constants 2 and 3: not above the one before, and at least 1
  // (the loader would put its own default in place of a lower one).
  struct LaterConstant {
    int field;
    int number;  // 2 or 3
    const int16_t& before;  // as stored by the step before
    int16_t& stored;
  };
  for (const LaterConstant c : {LaterConstant{8, 2, s.AdjConst1, s.AdjConst2},
                                LaterConstant{9, 3, s.AdjConst2, s.AdjConst3}}) {
    auto v = run.Number(c.field);
    if (!v) return run.Stop(c.field);
    const std::string name = "Constant " + std::to_string(c.number);
    if (*v > c.before) {
      run.Warn(name + " must be less than or equal to constant " + std::to_string(c.number - 1), Icon::Warning,
               FactorsTitle);
      return run.Stop(c.field);
    }
    if (*v < 1) {
      run.Warn(name + " must be at least 1", Icon::Warning, FactorsTitle);
      return run.Stop(c.field);
    }
    c.stored = static_cast<int16_t>(*v);
  }

  // Minimum adjustments; a negative number counts as 0.
  {
    auto v = run.Number(10, false, true);
    if (!v) return run.Stop(10);
    if (*v < 0) {
      run.Restore(10, 0);
      v = 0;
    }
    s.MinAdjustments = static_cast<int16_t>(*v);
  }

  if (auto error = run.Save()) {
    run.SaveFailed(*error);
    return run.Stop(0);
  }
  dialogs.Message("Setup saved");
  return {true, 0};
}

}  // namespace hrs
