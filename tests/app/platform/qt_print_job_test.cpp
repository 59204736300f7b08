#include "app/platform/qt_print_job.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include "support/temp_dir.h"

namespace hrs::app {
namespace {

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = file.readAll();
  return static_cast<int>(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST(QtPrintJob, LinesGoOnPagesAndAFullPageGoesOnToTheNext) {
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.path() / "out.pdf").string());
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  QtPrintJob job(printer);
  job.SetOrientation(Orientation::Portrait);
  job.SetFont("Courier", 10);
  EXPECT_EQ(job.PageNumber(), 1);
  job.PrintLine("Ranking List");
  job.NewPage();
  EXPECT_EQ(job.PageNumber(), 2);
  // Far more lines than a page holds.
  for (int i = 0; i < 200; ++i) job.PrintLine("line " + std::to_string(i));
  EXPECT_GT(job.PageNumber(), 3);
  const int pages = job.PageNumber();
  EXPECT_TRUE(job.EndDoc());
  EXPECT_EQ(job.PageNumber(), 1);
  EXPECT_EQ(PdfPages(path), pages);
}

TEST(QtPrintJob, AFileThatCannotBeWrittenIsReportedAtTheEnd) {
  test::TempDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  // A folder where the file should go.
  std::filesystem::create_directory(dir.path() / "out.pdf");
  printer.setOutputFileName(QString::fromStdString((dir.path() / "out.pdf").string()));
  QtPrintJob job(printer);
  job.PrintLine("Ranking List");
  EXPECT_FALSE(job.EndDoc());
}

}  // namespace
}  // namespace hrs::app
