#pragma once

namespace hrs::app {

class AppContext;

// The View and Print menu commands of the lists and reports.
void ViewRankingList(AppContext& ctx);                 // mnuv1
void ViewMasterList(AppContext& ctx, int which);       // mnuv2..mnuv4: 1 Sys Id, 2 MbShip, 3 name
void PrintListCommand(AppContext& ctx, int index);     // dbprt(index): PrintList index + 1
void PrintRankingByMonthCommand(AppContext& ctx);      // mnu_rlbm
void PrintHistoryCommand(AppContext& ctx, int order);  // mnu_prh (1), mnu_prhn (2)

}  // namespace hrs::app
