#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/data/file_io.h"
#include "core/lists/list_export.h"
#include "core/lists/master_lists.h"
#include "core/lists/ranking_list.h"
#include "lists_club.h"

namespace hrs {
namespace {

using test::ListsClub;

// An RFC 4180 reader written apart from the writer: what a spreadsheet sees.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1);
  std::string cell;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') cell += text[++i];
      else if (c == '"') quoted = false;
      else cell += c;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().push_back(std::move(cell));
      cell.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rows.back().push_back(std::move(cell));
      cell.clear();
      rows.emplace_back();
      ++i;
    } else {
      cell += c;
    }
  }
  if (rows.back().empty() && cell.empty()) rows.pop_back();
  return rows;
}

TEST(ListExport, EveryCellComesBackFromACsvReader) {
  struct Case {
    std::string cell, read;
  };
  const std::vector<Case> cases = {
      {"Åse Ødegård", "Åse Ødegård"},       {"Berg, Anna", "Berg, Anna"},
      {"say \"hi\"", "say \"hi\""},         {"two\r\nlines", "two\r\nlines"},
      {"=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")"}, {"@cmd", "'@cmd"},
      {"+12", "+12"},                       {"-3", "-3"},
      {"-x", "'-x"},                        {"", ""},
  };
  ExportTable table{"Master List by Name", {"Name", "Id"}, {}};
  for (size_t i = 0; i < cases.size(); ++i) table.rows.push_back({cases[i].cell, std::to_string(i + 1)});
  const auto rows = ReadCsv(ExportCsv(table));
  ASSERT_EQ(rows.size(), cases.size() + 1);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"Name", "Id"}));
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].cell);
    EXPECT_EQ(rows[i + 1], (std::vector<std::string>{cases[i].read, std::to_string(i + 1)}));
  }
}

TEST(ListExport, TheListsAsCellsOneRowALine) {
  ListsClub club;
  club.Add("Siri", 1510, 0, 0, 0, StatusActive, 700);
  club.Add("Gone", 1500, 0, 0, 0, StatusVoid);
  club.Add("Ola", 1620, 0, 0, 0, StatusActive, 500);
  club[3].PrevRating = 1600;
  club[3].Info = TextField::Of("Junior");
  struct Case {
    ListViewContent view;
    std::vector<std::string> headings, first;
    size_t rows;
  };
  const std::vector<Case> cases = {
      {RankingListView(club.db, std::nullopt), {"Rank", "Id", "Name", "Rating", "+/-"}, {"1", "3", "Ola", "1620", "+20"}, 2},
      {MasterListView(MasterOrder::BySysId, club.db), {"Id", "Name", "Rate", "MbShip"}, {"1", "Siri", "1510", "700"}, 3},
      {MasterListView(MasterOrder::ByMbShip, club.db), {"MbShip", "Id", "Name", "Rate"}, {"500", "3", "Ola", "1620"}, 2},
      {MasterListView(MasterOrder::ByName, club.db), {"Name", "Id", "Rate", "MbShip", "Info"},
       {"Ola", "3", "1620", "500", "Junior"}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.view.caption);
    const ExportTable table = ListExportTable(c.view);
    EXPECT_EQ(table.title, c.view.caption);
    EXPECT_EQ(table.headings, c.headings);
    ASSERT_EQ(table.rows.size(), c.rows);
    EXPECT_EQ(table.rows.size(), c.view.lines.size());
    EXPECT_EQ(table.rows[0], c.first);
  }
  EXPECT_EQ(ListExportTable(MasterListView(MasterOrder::BySysId, club.db)).rows[1],
            (std::vector<std::string>{"2", "Void", "", ""}));
  // A list without cells is exported line by line as shown.
  const ExportTable plain = ListExportTable({"Other", " Id Name", {"   1 Siri"}, true, {}, {}});
  EXPECT_EQ(plain.headings, (std::vector<std::string>{"Id Name"}));
  EXPECT_EQ(plain.rows, (std::vector<std::vector<std::string>>{{"   1 Siri"}}));
}

TEST(ListExport, TheHtmlPageHasTitleListNameDateAndEscapedCells) {
  const ExportTable table{"Ranking List", {"Rank", "Name", "Rating"}, {{"1", "Tom & <Jerry>", "1620"}}};
  const std::string html = ExportHtml(table, "Halvik \"Club\"", {2026, 12, 8});
  for (const char* part : {"<!DOCTYPE html>", "<meta charset=\"utf-8\" />",
                           "<title>Ranking List - Halvik &quot;Club&quot;</title>", "<h1>Halvik &quot;Club&quot;</h1>",
                           "<h2>Ranking List</h2>", "<p class=\"date\">2026-12-08</p>",
                           "<tr><th class=\"n\">Rank</th><th>Name</th><th class=\"n\">Rating</th></tr>",
                           "<tr><td class=\"n\">1</td><td>Tom &amp; &lt;Jerry&gt;</td><td class=\"n\">1620</td></tr>",
                           "@media print", "</html>\n"})
    EXPECT_NE(html.find(part), std::string::npos) << part;
  EXPECT_EQ(html.find("http"), std::string::npos);  // nothing fetched from elsewhere
}

TEST(ListExport, TheFileChosenGetsCsvOrHtmlByItsName) {
  ListsClub club;
  club.Add("Siri", 1510);
  const ExportTable table = ListExportTable(MasterListView(MasterOrder::ByName, club.db));
  struct Case {
    std::string chosen, written;
    bool html;
  };
  const std::string dir = club.dir.path().string() + "/";
  for (const Case& c : std::vector<Case>{{"a", "a.csv", false}, {"b.CSV", "b.CSV", false}, {"c.html", "c.html", true},
                                         {"d.htm", "d.htm", true}}) {
    SCOPED_TRACE(c.chosen);
    club.dialogs.FileAnswer(dir + c.chosen);
    ASSERT_TRUE(ExportList(table, club.db, club.dialogs, club.clock));
    const auto bytes = ReadWholeFile(dir + c.written);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->rfind("<!DOCTYPE html>", 0) == 0, c.html);
    if (!c.html) {
      EXPECT_EQ(*bytes, "Name,Id,Rate,MbShip,Info\r\nSiri,1,1510,999999,\r\n");
    }
  }
  club.dialogs.FileAnswer(std::nullopt);
  EXPECT_FALSE(ExportList(table, club.db, club.dialogs, club.clock));

  club.dialogs.Clear();
  club.dialogs.FileAnswer(dir + "no-such-folder/list.csv");
  EXPECT_FALSE(ExportList(table, club.db, club.dialogs, club.clock));
  ASSERT_EQ(club.dialogs.Messages().size(), 1u);
  EXPECT_EQ(club.dialogs.Messages()[0].rfind(std::string(ExportFailedMessage) + "\r" + dir + "no-such-folder/list.csv",
                                             0),
            0u);
}

TEST(ListExport, TheChosenTypeDecidesTheExtensionAndReplacingAFileAsks) {
  struct Case {
    std::string chosen;
    int type;
    std::string written;
  };
  for (const Case& c : std::vector<Case>{{"hist_id", 1, "hist_id.html"},
                                         {"hist_id.htm", 1, "hist_id.htm"},
                                         {"hist_id.csv", 1, "hist_id.csv.html"},
                                         {"hist_id", 0, "hist_id.csv"},
                                         {"club.2026", 0, "club.2026.csv"},
                                         {"x.CSV", 0, "x.CSV"},
                                         {"club.2026", -1, "club.2026"},
                                         {"plain", -1, "plain.csv"}})
    EXPECT_EQ(ExportFileName(c.chosen, c.type), c.written) << c.chosen << " " << c.type;

  ListsClub club;
  club.Add("Siri", 1510);
  const ExportTable table = ListExportTable(MasterListView(MasterOrder::ByName, club.db));
  const std::string file = club.dir.path().string() + "/hist_id.html";
  ASSERT_FALSE(WriteFileAtomically(file, "old"));
  club.dialogs.fileType = 1;
  // Refused: the old file stays; accepted: an HTML page replaces it.
  for (const auto answer : {Answer::No, Answer::Yes}) {
    club.dialogs.Clear();
    club.dialogs.FileAnswer(club.dir.path().string() + "/hist_id");
    club.dialogs.Answer(answer);
    EXPECT_EQ(ExportList(table, club.db, club.dialogs, club.clock), answer == Answer::Yes);
    ASSERT_EQ(club.dialogs.Messages(), std::vector<std::string>{file + " already exists.\rDo you want to replace it?"});
    EXPECT_EQ(ReadWholeFile(file)->rfind("<!DOCTYPE html>", 0) == 0, answer == Answer::Yes);
  }
}

}  // namespace
}  // namespace hrs
