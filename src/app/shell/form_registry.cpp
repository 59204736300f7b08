#include "app/shell/form_registry.h"

#include <map>

#include "app/control/control_centre_window.h"
#include "app/data/setup_window.h"
#include "app/lists/history_window.h"
#include "app/lists/list_commands.h"
#include "app/players/player_window.h"
#include "app/rating/calc_window.h"
#include "app/rating/query_window.h"
#include "app/shell/app_context.h"
#include "app/shell/help_window.h"
#include "app/swiss/turn_window.h"
#include "app/tournament/local_window.h"
#include "app/utilities/util_window.h"

namespace hrs::app {

namespace {

using FormTable = std::map<std::string, FormFactory, std::less<>>;
using ActionTable = std::map<std::string, MenuAction, std::less<>>;

// One line per working window of the program, by form name:
//   {"dbSetup", [](AppContext& ctx) -> QWidget* { return new SetupWindow(ctx); }},
FormTable& Forms() {
  static FormTable forms = {
      {"dbUtil", [](AppContext& ctx) -> QWidget* { return new UtilWindow(ctx); }},
      {"dbSetup", [](AppContext& ctx) -> QWidget* {
         return new SetupWindow(ctx.db, ctx.dialogs, ctx.clock, [&ctx] { ctx.RefreshStatus(); });
       }},
      {"dbPlayer", [](AppContext& ctx) -> QWidget* { return new PlayerWindow(ctx); }},
      {"dbCalc", [](AppContext& ctx) -> QWidget* { return new CalcWindow(ctx); }},
      {"dbRating", [](AppContext& ctx) -> QWidget* { return new ControlCentreWindow(ctx); }},
      {"Query", [](AppContext& ctx) -> QWidget* { return new QueryWindow(ctx); }},
      {"dbLocal", [](AppContext& ctx) -> QWidget* { return OpenLocalWindow(ctx); }},
      {"dbTurn", [](AppContext& ctx) -> QWidget* { return new TurnWindow(ctx); }},
  };
  return forms;
}

// One line per menu command, by the menu item's objectName:
//   {"mnuv1", [](AppContext& ctx, int) { ShowRankingList(ctx); }},
ActionTable& MenuActions() {
  static ActionTable actions = {
      {"rmdb", [](AppContext& ctx, int index) { ShowReadMe(ctx, index); }},
      {"mnuv1", [](AppContext& ctx, int) { ViewRankingList(ctx); }},
      {"mnuv2", [](AppContext& ctx, int) { ViewMasterList(ctx, 1); }},
      {"mnuv3", [](AppContext& ctx, int) { ViewMasterList(ctx, 2); }},
      {"mnuv4", [](AppContext& ctx, int) { ViewMasterList(ctx, 3); }},
      {"mnuv5", [](AppContext& ctx, int) { ShowHistoryWindow(ctx, HistoryOrder::BySysId); }},
      {"mnuv6", [](AppContext& ctx, int) { ShowHistoryWindow(ctx, HistoryOrder::ByName); }},
      {"dbprt", [](AppContext& ctx, int index) { PrintListCommand(ctx, index); }},
      {"mnu_rlbm", [](AppContext& ctx, int) { PrintRankingByMonthCommand(ctx); }},
      {"mnu_prh", [](AppContext& ctx, int) { PrintHistoryCommand(ctx, 1); }},
      {"mnu_prhn", [](AppContext& ctx, int) { PrintHistoryCommand(ctx, 2); }},
  };
  return actions;
}

}  // namespace

const FormFactory* FindFormFactory(std::string_view formName) {
  const auto& forms = Forms();
  const auto it = forms.find(formName);
  return it != forms.end() && it->second ? &it->second : nullptr;
}

const MenuAction* FindMenuAction(std::string_view itemName) {
  const auto& actions = MenuActions();
  const auto it = actions.find(itemName);
  return it != actions.end() && it->second ? &it->second : nullptr;
}

FormFactory SetFormFactoryForTest(const std::string& formName, FormFactory factory) {
  FormFactory previous = std::move(Forms()[formName]);
  Forms()[formName] = std::move(factory);
  return previous;
}

}  // namespace hrs::app
