#include "core/players/player_form.h"

#include <algorithm>

#include "core/data/player_file.h"
#include "core/text/characters.h"

namespace hrs {

const char* const NewPlayerHelp =
    " Entry: Straight forward\r  Please don't use temporary MbShip Id's.\r  Void Sys Id's are marked with 'V'\r\r"
    "  Change: Straight forward\r  Use TAB-key to navigate\r\r  Deletion: Re-entry only possible\r  with new System Id";
const char* const ChangeHelp =
    "Please don't use your own temporary membership Id's. \r\r\rVoid Sys Id's marked with 'V' are ready for re-use.";
const char* const DeleteHelp =
    " Entry: Straight forward\r  Please don't use temporary MbShip Id's.\r\r\r"
    "  Change: Straight forward\r  Use TAB-key to navigate\r\r  Deletion: Re-entry only possible\r  with new System Id";

namespace {

void SetMode(PlayerForm& f, PlayerMode mode) {
  f.mode = mode;
  f.Option1.value = mode == PlayerMode::NewPlayer;
  f.Option2.value = mode == PlayerMode::Change;
  f.Option3.value = mode == PlayerMode::Delete;
  f.Option4.value = mode == PlayerMode::AlphaSearch;
}

void FillSysIdOrder(PlayerForm& f, const Database& db, InfoColumn info, bool opening = false) {
  f.order = PlayerOrder::SysId;
  f.List1.Clear();
  f.List1.lines = SysIdOrderLines(db.players, info);
  f.Label10.caption = SysIdOrderHeader(opening);
}

void FillNameOrder(PlayerForm& f, const Database& db) {
  f.order = PlayerOrder::Name;
  f.List1.Clear();
  f.List1.lines = NameOrderLines(db.players);
  f.Label10.caption = NameOrderHeader();
}

void Select(PlayerForm& f, int index) {
  f.List1.selected.clear();
  f.List1.listIndex = -1;
  if (index < 0 || index >= static_cast<int>(f.List1.lines.size())) return;
  f.List1.selected.push_back(index);
  f.List1.listIndex = index;
}

// The last line chosen, and the last rows of the list in view.
void SelectLast(PlayerForm& f) {
  const int n = static_cast<int>(f.List1.lines.size());
  Select(f, n - 1);
  f.List1.topIndex = std::max(0, n - PlayerListRows);
}

void SelectFirst(PlayerForm& f) {
  Select(f, 0);
  f.List1.topIndex = 0;
}

void EmptyFields(PlayerForm& f) {
  for (TextBox* t : {&f.text1, &f.text2, &f.text3, &f.text4, &f.Text5}) t->text.clear();
}

std::string NextSysId(const Database& db) { return std::to_string(db.players.PlayerCount + 1); }

int IndexOfSysId(const PlayerForm& f, int sysId) {
  if (f.order == PlayerOrder::SysId) {
    // Found by position, as every player has his line there.
    const int at = sysId - 1;
    return at >= 0 && at < static_cast<int>(f.List1.lines.size()) && f.List1.lines[static_cast<size_t>(at)].value == sysId
               ? at
               : -1;
  }
  for (size_t i = 0; i < f.List1.lines.size(); ++i)
    if (f.List1.lines[i].value == sysId) return static_cast<int>(i);
  return -1;
}

// Puts a player's line where its order wants it; the index it took.
int PlaceLine(PlayerForm& f, const Database& db, int sysId) {
  auto& lines = f.List1.lines;
  const std::string line = OrderLine(f.order, sysId, db.players[sysId]);
  const int at = IndexOfSysId(f, sysId);
  if (f.order == PlayerOrder::SysId) {
    if (at >= 0) {
      lines[static_cast<size_t>(at)].line = line;
      return at;
    }
    lines.push_back({line, sysId});
    return static_cast<int>(lines.size()) - 1;
  }
  if (at >= 0) lines.erase(lines.begin() + at);
  const auto place = std::upper_bound(lines.begin(), lines.end(), line,
                                      [](const std::string& l, const SortedList::Item& item) {
                                        return SortedBefore(l, item.line);
                                      });
  return static_cast<int>(lines.insert(place, {line, sysId}) - lines.begin());
}

// The line in view without moving the list more than needed.
void KeepInView(PlayerForm& f, int index) {
  if (index < f.List1.topIndex) f.List1.topIndex = index;
  else if (index >= f.List1.topIndex + PlayerListRows) f.List1.topIndex = index - PlayerListRows + 1;
}

}  // namespace

void PlayerFormLoad(PlayerForm& f, const Database& db) {
  SetMode(f, PlayerMode::NewPlayer);
  f.Text5.text = std::to_string(db.setup.FirstRating);
  f.text1.text = NextSysId(db);
  FillSysIdOrder(f, db, InfoColumn::Left9, true);
  SelectLast(f);
  f.Label5.caption = NewPlayerHelp;
  f.Label11.visible = false;
  f.Pic1.visible = false;
}

void PlayerFormActivate(PlayerForm& f, const Database& db) {
  // Only a new player's Sys Id is the system's to give; in the other modes
  // it is the one the operator chose.
  if (f.mode == PlayerMode::NewPlayer) f.text1.text = NextSysId(db);
  f.focus = "text2";
}

void Option1Click(PlayerForm& f, const Database& db) {
  SetMode(f, PlayerMode::NewPlayer);
  f.Command3.enabled = true;
  f.Label5.caption = NewPlayerHelp;
  f.Pic1.visible = false;
  f.Label11.visible = false;
  if (f.order == PlayerOrder::Name) FillSysIdOrder(f, db, InfoColumn::Right10);
  f.text2.text.clear();
  f.text3.text.clear();
  f.text4.text.clear();
  f.text1.text = NextSysId(db);
  f.Text5.text = std::to_string(db.setup.FirstRating);
  SelectLast(f);
  f.focus = "text2";
}

void Option2Click(PlayerForm& f, const Database& db) {
  if (db.players.PlayerCount == 0) return Option1Click(f, db);
  SetMode(f, PlayerMode::Change);
  f.Label5.caption = ChangeHelp;
  f.Label5.visible = true;
  f.Label11.visible = true;
  if (f.order == PlayerOrder::SysId) FillNameOrder(f, db);
  EmptyFields(f);
  f.focus = "text1";
}

void Option3Click(PlayerForm& f, const Database& db) {
  if (db.players.PlayerCount == 0) return Option1Click(f, db);
  SetMode(f, PlayerMode::Delete);
  f.Label5.caption = DeleteHelp;
  f.Label11.visible = true;
  EmptyFields(f);
  f.focus = "text1";
}

void Option4Click(PlayerForm& f, const Database& db) {
  SetMode(f, PlayerMode::AlphaSearch);
  if (f.order == PlayerOrder::SysId) FillNameOrder(f, db);
  f.text2.text.clear();
  text2Change(f);
  f.focus = "text2";
}

void Command3Click(PlayerForm& f, const Database& db) {
  if (f.order == PlayerOrder::SysId) {
    FillNameOrder(f, db);
  } else {
    FillSysIdOrder(f, db, InfoColumn::Left9);
    f.Label11.visible = true;
  }
  if (f.mode == PlayerMode::NewPlayer) {
    SelectLast(f);
  } else if (f.mode == PlayerMode::AlphaSearch) {
    // As choosing new-player mode does: a player taken into the fields by a
    // double click must not be saved a second time as a new one.
    SetMode(f, PlayerMode::NewPlayer);
    f.Label5.caption = NewPlayerHelp;
    f.text1.text = NextSysId(db);
    f.text2.text.clear();
    f.text3.text.clear();
    f.text4.text.clear();
    f.Text5.text = std::to_string(db.setup.FirstRating);
    SelectFirst(f);
  }
  if (f.mode != PlayerMode::NewPlayer) {
    EmptyFields(f);
    f.focus = "text1";
  } else {
    f.focus = "text2";
  }
}

void Command1Click(PlayerForm& f, Database& db, Dialogs& dialogs) {
  PlayerEntry e{f.mode, f.text1.text, f.text2.text, f.text3.text, f.text4.text, f.Text5.text, f.Check1.value,
                f.Check2.value};
  const EntryOutcome out = SavePlayerEntry(e, db, dialogs);
  f.text3.text = e.text3;
  f.Text5.text = e.Text5;
  if (out.showPic1) f.Pic1.visible = true;
  if (!out.saved) {
    if (!out.focus.empty()) f.focus = out.focus;
    return;
  }
  int index = -1;
  if (f.mode == PlayerMode::Delete) {
    index = IndexOfSysId(f, out.sysId);
    if (index >= 0) f.List1.lines[static_cast<size_t>(index)].line += " D";
  } else {
    index = PlaceLine(f, db, out.sysId);
  }
  Select(f, index);
  if (index >= 0) KeepInView(f, index);
  if (f.mode == PlayerMode::NewPlayer) f.text1.text = NextSysId(db);
  f.text2.text.clear();
  f.text3.text.clear();
  f.text4.text.clear();
  f.Text5.text = std::to_string(db.setup.FirstRating);
  f.focus = "text2";
}

void List1Click(PlayerForm& f, std::vector<int> selected) {
  f.List1.selected = std::move(selected);
  f.List1.listIndex = f.List1.selected.empty() ? -1 : f.List1.selected.back();
}

void List1DblClick(PlayerForm& f, const Database& db, int index) {
  if (f.mode == PlayerMode::NewPlayer) return;
  if (index < 0 || index >= static_cast<int>(f.List1.lines.size())) return;
  const int id = f.List1.lines[static_cast<size_t>(index)].value;
  if (id < 1 || id > db.players.PlayerCount) return;
  const PlayerRecord& p = db.players[id];
  f.text1.text = std::to_string(id);
  f.text2.text = p.Name.str();
  f.text3.text = p.Info.str();
  f.text4.text = std::to_string(p.MbShipNo);
  f.Text5.text = std::to_string(p.StartRating);
  f.Pic1.visible = false;
  f.focus = f.mode == PlayerMode::Delete ? "text1" : "text2";
}

void text1Change(PlayerForm& f) { f.Pic1.visible = false; }

void text2Change(PlayerForm& f) {
  if (f.mode == PlayerMode::Delete) {
    f.focus = "text1";
    return;
  }
  if (f.mode != PlayerMode::AlphaSearch) return;
  f.List1.selected.clear();
  f.List1.listIndex = -1;
  const std::string& start = f.text2.text;
  if (start.empty()) return;
  for (size_t i = 0; i < f.List1.lines.size(); ++i)
    if (StartsWithNoCase(f.List1.lines[i].line, start)) f.List1.selected.push_back(static_cast<int>(i));
  if (!f.List1.selected.empty()) {
    f.List1.listIndex = f.List1.selected.front();
    f.List1.topIndex = f.List1.listIndex;
  }
}

void text1GotFocus(PlayerForm& f) {
  if (f.mode == PlayerMode::NewPlayer) f.focus = "text2";
}

void text2GotFocus(PlayerForm& f) {
  if (f.mode == PlayerMode::Delete) f.focus = "text1";
}

void text3GotFocus(PlayerForm& f) {
  if (f.mode == PlayerMode::Delete) f.focus = "text1";
  else if (f.Check1.value) f.focus = "text4";
}

void text4GotFocus(PlayerForm& f) {
  if (f.mode == PlayerMode::Delete) f.focus = "text1";
}

void Text5GotFocus(PlayerForm& f) {
  if (f.mode == PlayerMode::NewPlayer) f.focus = "text2";
}

void Check1Click(PlayerForm& f) { f.focus = f.Check1.value ? "text4" : "text3"; }

void Check2Click(PlayerForm& f) { f.focus = f.Check2.value ? "text2" : "text4"; }

Failure PlayerFormUnload(PlayerForm&, Database& db, Dialogs& dialogs) {
  auto error = SavePlayers(db.location, db.players);
  if (error) dialogs.Message("The player file could not be written.\r" + *error, Buttons::Ok, Icon::Critical);
  return error;
}

}  // namespace hrs
