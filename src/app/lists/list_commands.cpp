#include "app/lists/list_commands.h"

#include "app/lists/list_view_window.h"
#include "app/shell/app_context.h"
#include "app/shell/busy_cursor.h"
#include "app/shell/mdi_form.h"
#include "core/lists/master_lists.h"
#include "core/lists/ranking_list.h"
#include "core/lists/rating_history.h"

namespace hrs::app {

void ViewRankingList(AppContext& ctx) {
  std::optional<ListViewContent> content;
  {
    BusyCursor busy(&ctx.mainWindow);
    content = ShowRankingList(ctx.db, ctx.dialogs);
  }
  if (content) ShowInListWindow(ctx, *content);
}

void ViewMasterList(AppContext& ctx, int which) {
  const MasterOrder order = which == 1 ? MasterOrder::BySysId : which == 2 ? MasterOrder::ByMbShip : MasterOrder::ByName;
  if (const auto content = ShowMasterList(order, ctx.db, ctx.dialogs)) ShowInListWindow(ctx, *content);
}

void PrintListCommand(AppContext& ctx, int index) { PrintList(index + 1, ctx.db, ctx.dialogs, ctx.printer, ctx.clock); }

void PrintRankingByMonthCommand(AppContext& ctx) { PrintRankingByMonth(ctx.db, ctx.dialogs, ctx.printer, ctx.clock); }

void PrintHistoryCommand(AppContext& ctx, int order) {
  PrintHistory(order == 1 ? HistoryOrder::BySysId : HistoryOrder::ByName, ctx.db, ctx.dialogs, ctx.printer, ctx.clock);
}

}  // namespace hrs::app
