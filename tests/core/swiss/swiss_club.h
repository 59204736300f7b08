#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/swiss/turn_form.h"
#include "support/test_club.h"

namespace hrs::test {

// A club of six players (one deleted, two without membership, one unrated)
// with the companion program's directory beside its data.
struct SwissClub : TestClub {
  SwissClub() : TestClub(2026) {
    db.location.qtpDir = dir.path() / "qtpwin";
    std::filesystem::create_directories(db.location.qtpDir);
    db.setup.FirstRating = 1500;
    db.StartupOk = 1;
    const struct {
      const char* name;
      int rating;
      int mbShip;
      int status;
    } players[] = {{"Anna Berg", 1850, 12345, 0},  {"Bo Lund", 1720, 999999, 0}, {"Cecilia Ek", 1640, 23456, 0},
                   {"Dan Falk", 1700, 34567, 99}, {"Zed Young", 1500, 999999, 0}, {"Eva Gran", 0, 45678, 0}};
    for (const auto& p : players) AddPlayer(p.name, p.rating, p.mbShip, p.status);
  }

  // A tournament of the companion program from the fixtures "swiss/<state>_rund.dat"
  // and "swiss/<setup>_fast.dat" (none when empty).
  void Tournament(const std::string& code, const std::string& state, const std::string& setup) const {
    if (!state.empty()) WriteQtp(code + "rund.dat", Fixture("swiss/" + state + "_rund.dat"));
    if (!setup.empty()) WriteQtp(code + "fast.dat", Fixture("swiss/" + setup + "_fast.dat"));
  }
  void WriteQtp(const std::string& name, const std::string& bytes) const { dir.Write("qtpwin/" + name, bytes); }
  std::string ReadQtp(const std::string& name) const { return dir.Read("qtpwin/" + name); }

  // Opens the window and adds the grid rows with the button.
  void Open() { TurnFormLoad(form, db, dialogs); }
  void Add(std::vector<int> rows) {
    Grid1SelectionChange(form, std::move(rows));
    Command1Click(form, db);
  }
  std::vector<std::string> Lines(const ListBox& list) const {
    std::vector<std::string> lines;
    for (const auto& item : list.lines) lines.push_back(item.line);
    return lines;
  }

  TurnForm form;
};

}  // namespace hrs::test
