#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/lists/list_view.h"
#include "core/lists/rating_history.h"
#include "core/platform/clock.h"
#include "core/platform/date_time.h"
#include "core/platform/dialogs.h"

namespace hrs {

// A shown list as a table of cells, for a spreadsheet or a web page.
struct ExportTable {
  std::string title;  // the window's caption
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;
};

ExportTable ListExportTable(const ListViewContent& content);
// The grid's heading row as the headings, one row a player.
ExportTable GridExportTable(const HistoryGrid& grid);

// CSV: comma-separated, UTF-8, CR LF line ends, the headings first; a cell
// with a comma, a quote or a line break is quoted, and a text a spreadsheet
// would take for a formula is kept as text.
std::string ExportCsv(const ExportTable& table);

// A self-contained HTML page: the rating list's name, the list's title, the
// date, and a plain table that prints well. Every text is escaped.
std::string ExportHtml(const ExportTable& table, const std::string& listName, const Date& date);

enum class ExportFormat { Csv, Html };

// By the file name's extension: ".htm" and ".html" are HTML, the rest CSV.
ExportFormat ExportFormatOf(const std::string& fileName);

// The file a name chosen for Export... is written to: the chosen type (the
// filter's entry: 0 CSV, 1 HTML) adds its extension to a name without it;
// with no type told, ".csv" is added to a name with no extension at all.
std::string ExportFileName(const std::string& chosen, int type);

// "Export...": asks for the file (its type as above), asks before replacing
// one the dialog did not name, and writes it whole; a failure is told and leaves any earlier file as
// it was. True when saved.
bool ExportList(const ExportTable& table, const Database& db, Dialogs& dialogs, const Clock& clock);

inline constexpr const char* ExportTitle = "Export";
inline constexpr const char* ExportFilter = "CSV for spreadsheets (*.csv);;HTML page (*.html *.htm)";
inline constexpr const char* ExportFailedMessage = "The list could not be saved to the file";
// Before replacing a file: the file's path, then this.
inline constexpr const char* ExportReplaceQuestion = "already exists.\rDo you want to replace it?";

}  // namespace hrs
