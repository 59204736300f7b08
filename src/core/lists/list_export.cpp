#include "core/lists/list_export.h"

#include <algorithm>
#include <filesystem>

#include "core/data/file_io.h"
#include "core/text/numeric.h"

namespace hrs {

namespace {

std::vector<std::string> Trimmed(const std::vector<std::string>& cells) {
  std::vector<std::string> out;
  out.reserve(cells.size());
  for (const auto& cell : cells) out.push_back(Trim(cell));
  return out;
}

std::string CsvCell(const std::string& cell, bool typed) {
  std::string text = cell;
  // A typed "=...", "@..." and the like would run as a formula in a
  // spreadsheet; a signed number such as a movement stays a number.
  if (typed && !text.empty() && std::string_view("=+-@").find(text[0]) != std::string_view::npos && !IsNumeric(text))
    text.insert(0, 1, '\'');
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void AddCsvRow(std::string& out, const std::vector<std::string>& cells, bool typed) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    out += CsvCell(cells[i], typed);
  }
  out += "\r\n";
}

std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      case '\r': break;
      case '\n': out += ' '; break;
      default: out += c;
    }
  }
  return out;
}

// Columns of figures only are right-aligned, as on the screen.
std::vector<bool> NumericColumns(const ExportTable& table) {
  std::vector<bool> numeric(table.headings.size(), true);
  for (size_t c = 0; c < numeric.size(); ++c) {
    bool any = false;
    for (const auto& row : table.rows) {
      if (c >= row.size() || row[c].empty()) continue;
      any = true;
      if (!IsNumeric(row[c])) {
        numeric[c] = false;
        break;
      }
    }
    numeric[c] = numeric[c] && any;
  }
  return numeric;
}

}  // namespace

ExportTable ListExportTable(const ListViewContent& content) {
  ExportTable table;
  table.title = content.caption;
  if (content.cells.empty() && !content.lines.empty()) {
    // A list built without cells: each line one cell, as it is shown.
    table.headings = {Trim(content.header)};
    for (const auto& line : content.lines) table.rows.push_back({line});
    return table;
  }
  table.headings = content.headings;
  table.rows.reserve(content.cells.size());
  for (const auto& row : content.cells) table.rows.push_back(Trimmed(row));
  return table;
}

ExportTable GridExportTable(const HistoryGrid& grid) {
  ExportTable table;
  table.title = grid.caption;
  if (grid.rows.empty()) return table;
  table.headings.assign(grid.rows[0].begin(), grid.rows[0].end());
  table.rows.reserve(grid.rows.size() - 1);
  for (size_t r = 1; r < grid.rows.size(); ++r)
    table.rows.push_back(Trimmed({grid.rows[r].begin(), grid.rows[r].end()}));
  return table;
}

std::string ExportCsv(const ExportTable& table) {
  std::string out;
  AddCsvRow(out, table.headings, false);
  for (const auto& row : table.rows) AddCsvRow(out, row, true);
  return out;
}

std::string ExportHtml(const ExportTable& table, const std::string& listName, const Date& date) {
  const std::vector<bool> numeric = NumericColumns(table);
  const auto cellTag = [&](const char* tag, size_t c) {
    return std::string("<") + tag + (c < numeric.size() && numeric[c] ? " class=\"n\">" : ">");
  };
  std::string out =
      "<!DOCTYPE html>\n"
      "<html lang=\"en\">\n"
      "<head>\n"
      "<meta charset=\"utf-8\" />\n"
      "<meta name=\"generator\" content=\"" + std::string(ProductShort) + "\" />\n"
      "<title>" + Escaped(table.title) + (listName.empty() ? "" : " - " + Escaped(listName)) + "</title>\n"
      "<style>\n"
      "body { font-family: \"Liberation Sans\", Arial, sans-serif; margin: 1.5em; color: #000; }\n"
      "h1 { font-size: 1.4em; margin: 0 0 0.2em 0; }\n"
      "h2 { font-size: 1.1em; font-weight: normal; margin: 0 0 0.2em 0; }\n"
      "p.date { margin: 0 0 1em 0; color: #444; }\n"
      "table { border-collapse: collapse; }\n"
      "th, td { border: 1px solid #999; padding: 0.15em 0.6em; text-align: left; white-space: nowrap; }\n"
      "th { background: #e8e8e8; }\n"
      "td.n, th.n { text-align: right; }\n"
      "tbody tr:nth-child(even) { background: #f6f6f6; }\n"
      "@media print { body { margin: 0; } th { background: none; } tbody tr:nth-child(even) { background: none; }"
      " tr { break-inside: avoid; } }\n"
      "</style>\n"
      "</head>\n"
      "<body>\n";
  if (!listName.empty()) out += "<h1>" + Escaped(listName) + "</h1>\n";
  out += "<h2>" + Escaped(table.title) + "</h2>\n";
  out += "<p class=\"date\">" + ShortDate(date) + "</p>\n";
  out += "<table>\n<thead>\n<tr>";
  for (size_t c = 0; c < table.headings.size(); ++c) out += cellTag("th", c) + Escaped(table.headings[c]) + "</th>";
  out += "</tr>\n</thead>\n<tbody>\n";
  for (const auto& row : table.rows) {
    out += "<tr>";
    for (size_t c = 0; c < row.size(); ++c) out += cellTag("td", c) + Escaped(row[c]) + "</td>";
    out += "</tr>\n";
  }
  out += "</tbody>\n</table>\n</body>\n</html>\n";
  return out;
}

ExportFormat ExportFormatOf(const std::string& fileName) {
  std::string ext = std::filesystem::path(fileName).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".html" || ext == ".htm" ? ExportFormat::Html : ExportFormat::Csv;
}

std::string ExportFileName(const std::string& chosen, int type) {
  const std::filesystem::path path(chosen);
  if (type == 1) return ExportFormatOf(chosen) == ExportFormat::Html ? chosen : chosen + ".html";
  if (type == 0) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".csv" ? chosen : chosen + ".csv";
  }
  return path.has_extension() ? chosen : chosen + ".csv";
}

bool ExportList(const ExportTable& table, const Database& db, Dialogs& dialogs, const Clock& clock) {
  const auto chosen = dialogs.ChooseSaveFile(ExportTitle, ExportFilter, db.location.DataDir().string());
  if (!chosen || chosen->empty()) return false;
  const std::filesystem::path path(ExportFileName(*chosen, dialogs.ChosenFileType()));
  // The save dialog asked about the name as chosen; a name with the type's
  // extension added is asked about here.
  std::error_code ec;
  if (path.string() != *chosen && std::filesystem::exists(path, ec) &&
      dialogs.Message(path.string() + " " + ExportReplaceQuestion, Buttons::YesNo, Icon::Question, ExportTitle) !=
          Answer::Yes)
    return false;
  const std::string bytes = ExportFormatOf(path.string()) == ExportFormat::Html
                                ? ExportHtml(table, db.setup.ListName.str(), clock.Today())
                                : ExportCsv(table);
  if (const auto error = WriteFileAtomically(path, bytes)) {
    dialogs.Beep();
    dialogs.Message(std::string(ExportFailedMessage) + "\r" + path.string() + "\r" + *error, Buttons::Ok,
                    Icon::Critical);
    return false;
  }
  return true;
}

}  // namespace hrs
