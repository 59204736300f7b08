#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <QXmlStreamReader>

#include "app/shell/mdi_form.h"
#include "app/shell/shell_fixture.h"

namespace hrs::test {
namespace {

struct ChartAndExport : ::testing::Test {
  void SetUp() override {
    f.WriteClub(3);
    ASSERT_TRUE(f.Start());
    Database& db = f.window->database();
    db.setup.Group1Limit = 1750;  // near Player2's ratings: drawn
    db.setup.Group2Limit = 2399;  // far above them: left out
    db.players[2].StartRating = 1600;
    for (int m = 1; m <= 12; ++m) db.stats.At(2, m + 1) = static_cast<int16_t>(m == 5 ? 0 : 1600 + 10 * m);
    f.dialogs.Clear();
  }
  std::string Saved(const std::string& name) { return (f.data.path() / name).string(); }
  ShellFixture f;
};

TEST_F(ChartAndExport, TheChartOfAGridRowAndTheExportOfBothWindows) {
  f.window->RunMenuItem("mnuv5");
  QWidget* history = f.window->FindChildWindow("dbM_overview");
  ASSERT_TRUE(history);
  auto* grid = history->findChild<QTableWidget*>("Grid1");
  ASSERT_TRUE(grid);

  // A double click on Player2's row opens his chart.
  const QPoint row2 = grid->visualItemRect(grid->item(2, 1)).center();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row2);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row2);
  QApplication::processEvents();
  QWidget* chartWindow = f.window->FindChildWindow("dbChart");
  ASSERT_TRUE(chartWindow);
  EXPECT_EQ(chartWindow->windowTitle(), "Rating Chart - Sys Id 2  Player2");
  auto* view = chartWindow->findChild<QChartView*>("Chart1");
  ASSERT_TRUE(view && view->chart());
  EXPECT_EQ(view->chart()->title(), "Sys Id 2  Player2");
  QLineSeries* ratings = nullptr;
  QLineSeries* limit1 = nullptr;
  int limits = 0;
  for (QAbstractSeries* s : view->chart()->series()) {
    if (s->name() == "Rating") ratings = qobject_cast<QLineSeries*>(s);
    if (s->name() == "Rating Group 1 Limit") limit1 = qobject_cast<QLineSeries*>(s);
    if (s->name().startsWith("Rating Group")) ++limits;
  }
  ASSERT_TRUE(ratings && limit1);
  EXPECT_EQ(limits, 1);
  // The series against the statistics row as the grid shows it: May (0) left out.
  std::vector<QPointF> expected;
  for (int c = 2; c < 15; ++c)
    if (grid->item(2, c) && grid->item(2, c)->text() != "0") expected.emplace_back(c - 2, grid->item(2, c)->text().toInt());
  const QList<QPointF> points = ratings->points();
  EXPECT_EQ(std::vector<QPointF>(points.begin(), points.end()), expected);
  EXPECT_EQ(ratings->count(), 12);
  EXPECT_EQ(limit1->at(0).y(), 1750);
  // The axes hold every point whole and the limit drawn.
  auto* months = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Horizontal).value(0));
  auto* values = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).value(0));
  ASSERT_TRUE(values);
  EXPECT_LT(values->min(), 1600);
  EXPECT_GT(values->max(), 1750);
  EXPECT_LT(values->max(), 2000);
  ASSERT_TRUE(months);
  EXPECT_EQ(months->min(), -0.5);
  EXPECT_EQ(months->max(), 12.5);

  QTest::mouseClick(chartWindow->findChild<QPushButton*>("cmdCopy"), Qt::LeftButton);
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Sys Id 2  Player2\r\nStart\t1600\r\nJan\t1610\r\n"));

  // Print to PDF: a file of its own in the data directory, not the one the
  // previous printout went to.
  f.printer.setOutputFormat(QPrinter::PdfFormat);
  f.printer.setOutputFileName(QString::fromStdString(Saved("ranking.pdf")));
  QTest::mouseClick(chartWindow->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
  ASSERT_FALSE(f.dialogs.Messages().empty());
  const std::string chartPdf = Saved("chart-2-" + ShortDate(f.clock.Today()) + ".pdf");
  EXPECT_EQ(f.dialogs.Messages().back(), "The document was printed to the file\r" + chartPdf);
  EXPECT_GT(QFile(QString::fromStdString(chartPdf)).size(), 4000);

  // Export... of the grid as HTML: a well-formed page.
  f.dialogs.FileAnswer(Saved("history.html"));
  history->findChild<QAction*>("mnuExport")->trigger();
  QFile html(QString::fromStdString(Saved("history.html")));
  ASSERT_TRUE(html.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(html.readAll().replace("<!DOCTYPE html>", ""));
  int cells = 0;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("td")) ++cells;
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(cells, 3 * 15);

  // Export... of the list window as CSV.
  f.window->RunMenuItem("mnuv2");
  QWidget* list = f.window->FindChildWindow("dbListView");
  ASSERT_TRUE(list);
  f.dialogs.FileAnswer(Saved("master"));
  list->findChild<QListWidget*>("List1")->actions().at(0)->trigger();
  QFile csv(QString::fromStdString(Saved("master.csv")));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], "Id,Name,Rate,MbShip");
  EXPECT_TRUE(lines[2].startsWith("2,Player2,"));
}

}  // namespace
}  // namespace hrs::test
