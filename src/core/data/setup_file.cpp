#include "core/data/setup_file.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/platform/dialogs.h"
#include "core/platform/question_names.h"

namespace hrs {

SetupRecord SetupRecord::Created(int year) {
  SetupRecord s;
  s.ListName = TextField::Of("The Best Ranking List");
  s.FirstRating = 1600;
  s.RatingYear = static_cast<int16_t>(year);
  s.LatestCount = 0;
  s.WinFactor = 400;
  s.Group1Limit = 2099;
  s.Group2Limit = 2399;
  s.AdjConst1 = 32;
  s.AdjConst2 = 24;
  s.AdjConst3 = 16;
  s.PreRegFile = TextField::Unset();
  s.MinAdjustments = 0;
  return s;
}

std::string SetupFileBytes(const SetupRecord& s) {
  WriteFormLine first;
  WriteTextField(first, s.ListName);
  first.Number(s.FirstRating).Number(s.RatingYear).Number(s.LatestCount).Number(s.WinFactor);
  std::string out = first.Str();
  for (int v : {s.Group1Limit, s.Group2Limit, s.AdjConst1, s.AdjConst2, s.AdjConst3})
    out += WriteFormLine().Number(v).Str();
  WriteFormLine pre;
  WriteTextField(pre, s.PreRegFile);
  out += pre.Str();
  out += WriteFormLine().Number(s.MinAdjustments).Str();
  return out;
}

std::optional<SetupRecord> ParseSetupFile(std::string_view bytes) {
  WriteFormReader r(bytes);
  SetupRecord s;
  auto name = r.Next();
  auto first = r.Int16();
  auto year = r.Int16();
  auto latest = r.Int32();
  auto factor = r.Int16();
  if (!name || !first || !year || !latest || !factor) return std::nullopt;
  s.ListName = TextField::FromValue(*name);
  s.FirstRating = *first;
  s.RatingYear = *year;
  s.LatestCount = *latest;
  s.WinFactor = *factor;
  // From here a value that cannot be read leaves its field as it was.
  auto take16 = [&r](int16_t& field) {
    if (auto v = r.Int16()) field = *v;
  };
  take16(s.Group1Limit);
  take16(s.Group2Limit);
  take16(s.AdjConst1);
  take16(s.AdjConst2);
  take16(s.AdjConst3);
  if (auto v = r.Next()) s.PreRegFile = TextField::FromValue(*v);
  take16(s.MinAdjustments);

  if (s.WinFactor < 1) s.WinFactor = 400;
  if (s.Group1Limit < 1600) s.Group1Limit = 2099;
  if (s.Group2Limit < 1600) s.Group2Limit = 2399;
  if (s.AdjConst1 < 1) s.AdjConst1 = 32;
  if (s.AdjConst2 < 1) s.AdjConst2 = 24;
  if (s.AdjConst3 < 1) s.AdjConst3 = 16;
  return s;
}

bool LoadSetup(const DataLocation& where, SetupRecord& setup, Dialogs& dialogs, const Clock& clock) {
  const auto path = where.DataPath(SetupFile);
  const auto bytes = ReadWholeFile(path);
  if (bytes) {
    if (auto parsed = ParseSetupFile(*bytes)) {
      setup = *parsed;
      return true;
    }
  }
  const Answer a = dialogs.Message("Welcome to Halvik Ranking System\r\rPlease confirm Setup Creation",
                                   Buttons::OkCancel, Icon::Question, {}, question::SetupCreation);
  if (a != Answer::Ok) return false;
  // A damaged setup still holds the operator's settings: keep them beside it.
  if (bytes && HoldsValues(*bytes) && !KeptDamagedCopy(path, *bytes, dialogs)) return false;
  setup = SetupRecord::Created(clock.Today().year);
  if (auto error = SaveSetup(where, setup)) {
    dialogs.Message("The setup file could not be written.\r" + *error, Buttons::Ok, Icon::Critical);
    return false;
  }
  return true;
}

Failure SaveSetup(const DataLocation& where, const SetupRecord& setup) {
  return WriteFileAtomically(where.DataPath(SetupFile), SetupFileBytes(setup));
}

}  // namespace hrs
