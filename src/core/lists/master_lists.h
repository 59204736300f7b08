#pragma once
#include <optional>

#include "core/data/database.h"
#include "core/lists/list_view.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/print_job.h"

namespace hrs {

enum class MasterOrder { BySysId, ByMbShip, ByName };

// The master list on screen (the whole table by Sys Id, void records as
// "Void" lines; the active players by membership number or by name).
ListViewContent MasterListView(MasterOrder order, const Database& db);

// View, "Master List by ...": nothing (after "No players in database")
// without players.
std::optional<ListViewContent> ShowMasterList(MasterOrder order, const Database& db, Dialogs& dialogs);

// Print, "Master List by ..." (PrintList 2 to 4): the active players, 51 a
// page. True when printed.
bool PrintMasterList(MasterOrder order, const Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock);

// The shared printout routine of the Print menu: list 1 is the dynamic
// ranking list, lists 2 to 4 the master lists by Sys Id, by membership
// number and by name.
void PrintList(int listNumber, Database& db, Dialogs& dialogs, PrintJob& job, const Clock& clock);

}  // namespace hrs
