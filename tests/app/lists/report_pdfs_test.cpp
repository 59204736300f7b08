#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <cstdlib>
#include <filesystem>

#include "app/shell/mdi_form.h"
#include "app/shell/shell_fixture.h"

namespace hrs::test {
namespace {

struct Pdf {
  int pages = 0, portraitPages = 0;
};

Pdf ReadPdf(const std::filesystem::path& path) {
  Pdf pdf;
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly)) return pdf;
  const QString bytes = QString::fromLatin1(file.readAll());
  auto boxes = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0 0 ([0-9.]+) ([0-9.]+)")).globalMatch(bytes);
  while (boxes.hasNext()) {
    const auto box = boxes.next();
    ++pdf.pages;
    if (box.captured(1).toDouble() < box.captured(2).toDouble()) ++pdf.portraitPages;
  }
  return pdf;
}

// Each report goes to a file of its own in the data directory, named after it
// and the day; after a landscape rating history every other report is again
// printed in portrait. HRS_KEEP_PDFS=DIR keeps the files for a look.
TEST(ReportPdfs, EveryListReportToItsOwnFileInItsOwnOrientation) {
  ShellFixture f;
  f.WriteClub(120);
  ASSERT_TRUE(f.Start());
  Database& db = f.window->database();
  db.setup.MinAdjustments = 0;
  db.setup.ListName = TextField::Of("Halvik Games Club");
  for (int id = 1; id <= 120; ++id) {
    db.players[id].Rating = static_cast<int16_t>(1500 + (id * 37) % 400);
    for (int m = 1; m <= 11; ++m) db.stats.At(id, m + 1) = static_cast<int16_t>(1500 + (id * 37 + m * 11) % 400);
  }
  f.printer.setOutputFormat(QPrinter::PdfFormat);
  f.printer.setOutputFileName({});
  // The operator turns the paper when the rating history asks for it.
  f.dialogs.pageSetupAction = [&] {
    f.printer.setPageOrientation(f.printer.pageLayout().orientation() == QPageLayout::Portrait ? QPageLayout::Landscape
                                                                                               : QPageLayout::Portrait);
  };
  struct Report {
    const char* item;
    int index;
    const char* file;
    bool portrait;
  };
  const Report reports[] = {
      {"mnu_prhn", -1, "history-by-name-2026-12-08.pdf", false},  {"dbprt", 0, "ranking-2026-12-08.pdf", true},
      {"mnu_prh", -1, "history-by-sys-id-2026-12-08.pdf", false}, {"dbprt", 1, "master-by-sys-id-2026-12-08.pdf", true},
      {"dbprt", 2, "master-by-mbship-no-2026-12-08.pdf", true},   {"dbprt", 3, "master-by-name-2026-12-08.pdf", true},
      {"mnu_rlbm", -1, "ranking-by-month-2026-12-08.pdf", true},  {"dbprt", 0, "ranking-2026-12-08-2.pdf", true},
  };
  const char* keep = std::getenv("HRS_KEEP_PDFS");
  for (const Report& r : reports) {
    SCOPED_TRACE(r.file);
    f.dialogs.InputAnswer("11");  // the month of the ranking by month
    f.window->RunMenuItem(r.item, r.index);
    const auto path = f.data.path() / r.file;
    ASSERT_TRUE(std::filesystem::exists(path));
    const Pdf pdf = ReadPdf(path);
    EXPECT_GT(pdf.pages, 1);
    EXPECT_EQ(pdf.portraitPages, r.portrait ? pdf.pages : 0);
    if (keep)
      std::filesystem::copy_file(path, std::filesystem::path(keep) / r.file,
                                 std::filesystem::copy_options::overwrite_existing);
  }
}

}  // namespace
}  // namespace hrs::test
