#include "app/platform/fixed_font.h"

#include <gtest/gtest.h>

#include <QFontDialog>
#include <QFontInfo>
#include <QPrinter>
#include <QProcess>

#include "app/platform/qt_print_job.h"
#include "support/temp_dir.h"

namespace hrs::app {
namespace {

// The font dialog opens on the face "Courier" gives, regular, 10 points,
// and the page is printed in the face chosen there.
TEST(FixedFont, TheDialogOpensOnCourierRegularTenAndThePagePrintsInTheChoice) {
  const QString courier = QFontInfo(ListFont()).family();
  EXPECT_EQ(ResolvedFamily("Courier"), courier);
  EXPECT_EQ(ResolvedFamily("Courier New"), courier);
  const QFont preset = FontDialogPreset("Courier", 10);
  EXPECT_EQ(preset.family(), courier);
  EXPECT_EQ(preset.pointSize(), 10);
  QFontDialog dialog(preset);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  EXPECT_EQ(dialog.currentFont().family(), courier);
  EXPECT_FALSE(QFontInfo(dialog.currentFont()).italic());
  EXPECT_EQ(QFontInfo(dialog.currentFont()).weight(), QFont::Normal);
  EXPECT_EQ(dialog.currentFont().pointSize(), 10);

  test::TempDir dir;
  const QString path = QString::fromStdString((dir.path() / "font.pdf").string());
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  QtPrintJob job(printer);
  job.SetDocumentFile(path.toStdString());
  EXPECT_EQ(printer.outputFileName(), path);
  EXPECT_EQ(printer.docName(), "font");
  job.SetFont(courier.toStdString(), 10);
  job.PrintLine("Ranking List");
  ASSERT_TRUE(job.EndDoc());
  EXPECT_EQ(job.DocumentFile(), path.toStdString());
  // The next document is not offered the file of this one.
  EXPECT_TRUE(printer.outputFileName().isEmpty());
  QProcess fonts;
  fonts.start("pdffonts", {path});
  ASSERT_TRUE(fonts.waitForFinished());
  const QString listed = QString::fromUtf8(fonts.readAllStandardOutput());
  EXPECT_TRUE(listed.contains(QString(courier).remove(' '))) << listed.toStdString();
  EXPECT_FALSE(listed.contains("DejaVu")) << listed.toStdString();
}

}  // namespace
}  // namespace hrs::app
