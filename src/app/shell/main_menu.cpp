#include "app/shell/main_menu.h"

#include "core/shell/help_text.h"

#include <string_view>

namespace hrs::app {

namespace {

MenuItemDef Separator(const char* name, int index = -1) { return {name, index, "-", "", ItemKind::Separator}; }

MenuItemDef Form(const char* name, const char* caption, const char* key, const char* form, MenuCommand command) {
  return {name, -1, caption, key, ItemKind::Form, form, command};
}

MenuItemDef Action(const char* name, int index, const char* caption, const char* key = "") {
  return {name, index, caption, key, ItemKind::Action};
}

MenuItemDef Print(int index, const char* caption, const char* key) {
  return {"dbprt", index, caption, key, ItemKind::Print, "", MenuCommand::Print};
}

std::vector<MenuItemDef> ReadMeItems() {
  static const std::vector<std::string> captions = ReadMeMenuCaptions();
  std::vector<MenuItemDef> items;
  int index = 0;
  for (const std::string& caption : captions) {
    items.push_back(caption == "-" ? Separator("rmdb", index) : Action("rmdb", index, caption.c_str()));
    ++index;
  }
  return items;
}

}  // namespace

const std::vector<MenuDef>& MainMenuTable() {
  using C = MenuCommand;
  static const std::vector<MenuDef> table = {
      {"dbfile",
       "&File",
       {
           Form("mnusetup", "Setup", "", "dbSetup", C::Setup),
           {"mnu_wsd", -1, "Window arrangement by user", "", ItemKind::Arrangement},
           {"mnuexit", -1, "Exit", "", ItemKind::Exit},
       }},
      {"mnuman",
       "&Edit",
       {
           Form("mnuplay", "Players", "F2", "dbPlayer", C::Players),
           Form("mnukey", "Control Centre", "F3", "dbRating", C::ControlCentre),
           Form("mnuutil", "Utilities", "F4", "dbUtil", C::Utilities),
           Separator("mnu_m1"),
           Form("mnutour", "QTP Swiss Tournament", "F5", "dbTurn", C::SwissTournament),
           Separator("mnu_em1"),
           {"mnucopc", -1, "Copy to ClipBoard", "", ItemKind::Copy},
       }},
      {"mnuratings",
       "Perf&orm",
       {
           Form("mnucalc", "Calculate Ratings", "F6", "dbCalc", C::CalculateRatings),
           Form("mnuquery", "Rating Query", "", "Query", C::RatingQuery),
           Separator("mnu_m2"),
           Form("mnu_lt", "Small Tournament", "", "dbLocal", C::SmallTournament),
       }},
      {"mnuview",
       "&View",
       {
           Action("mnuv1", -1, "Ranking List", "F7"),
           Action("mnuv2", -1, "Master List by Sys ID"),
           Action("mnuv3", -1, "Master List by Membership No"),
           Action("mnuv4", -1, "Master List by Name"),
           Separator("mnu_m3"),
           Action("mnuv5", -1, "Rating History by Sys Id"),
           Action("mnuv6", -1, "Ratig History by Name"),
       }},
      {"mnupr",
       "&Print",
       {
           Action("mnu_rlbm", -1, "Ranking List, by month", "F8"),
           Print(0, "Ranking List, dynamic", "F9"),
           Print(1, "Master List by Sys ID", "F11"),
           Print(2, "Master List by Membership No", ""),
           Print(3, "Master List by Name", "F12"),
           Separator("mnu_m5"),
           Action("mnu_prh", -1, "Rating History by Sys Id"),
           Action("mnu_prhn", -1, "Rating History by Name"),
       }},
      {"mnurm", "Re&adMe", ReadMeItems()},
  };
  return table;
}

}  // namespace hrs::app
