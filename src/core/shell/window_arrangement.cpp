#include "core/shell/window_arrangement.h"

#include "core/data/file_io.h"
#include "core/data/write_form.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

std::optional<int> PlaceValue(const std::string& text) {
  auto v = NumericValue(text);
  // No screen is ten million twips wide; larger values are damage.
  if (!v || *v < -10000000.0 || *v > 10000000.0) return std::nullopt;
  return static_cast<int>(*v);
}

}  // namespace

std::optional<WindowPlace> WindowArrangement::PlaceFor(std::string_view name) const {
  if (!byUser || name.empty()) return std::nullopt;
  for (const auto& p : places)
    if (p.name == name) return p;
  return std::nullopt;
}

void WindowArrangement::Remember(std::string_view name, int left, int top, bool normalState) {
  if (!byUser || !normalState || name.empty()) return;
  for (int i = 0; i < UsedEntries; ++i) {
    if (places[i].name == name) {
      places[i].left = left;
      places[i].top = top;
      return;
    }
  }
  for (int i = 0; i < UsedEntries; ++i) {
    if (places[i].name.empty()) {
      places[i] = {std::string(name), left, top};
      return;
    }
  }
}

std::string WindowArrangement::Toggle() {
  byUser = !byUser;
  caption = byUser ? "Window Arrangement by user" : "Window Arrangement by default";
  return caption;
}

void ParseArrangement(std::string_view bytes, WindowArrangement& arrangement) {
  WriteFormReader reader(bytes);
  const auto mode = reader.Next();
  if (!mode || !IsNumeric(mode->text)) return;
  for (auto& place : arrangement.places) {
    if (reader.AtEnd()) break;
    auto name = reader.Next();
    auto left = reader.Next();
    auto top = reader.Next();
    // A damaged entry ends the reading; the mode stays as it was.
    if (!name || !left || !top) return;
    place = {name->text, PlaceValue(left->text), PlaceValue(top->text)};
  }
  arrangement.byUser = NumericValue(mode->text) == 1.0;
  arrangement.caption = arrangement.byUser ? "Window arrangement by user" : "Window arrangement by default";
}

std::string ArrangementBytes(const WindowArrangement& arrangement) {
  std::string out = WriteFormLine().Number(arrangement.byUser ? 1 : 0).Str();
  for (const auto& p : arrangement.places) {
    if (p.name.empty()) continue;
    WriteFormLine line;
    line.Text(p.name);
    p.left ? line.Number(*p.left) : line.Raw("");
    p.top ? line.Number(*p.top) : line.Raw("");
    out += line.Str();
  }
  return out;
}

void LoadArrangement(const std::filesystem::path& file, WindowArrangement& arrangement) {
  if (auto bytes = ReadWholeFile(file)) ParseArrangement(*bytes, arrangement);
}

Failure SaveArrangement(const std::filesystem::path& file, const WindowArrangement& arrangement) {
  return WriteFileAtomically(file, ArrangementBytes(arrangement));
}

void ToggleArrangement(WindowArrangement& arrangement, Dialogs& dialogs) {
  dialogs.Message(arrangement.Toggle());
}

}  // namespace hrs
