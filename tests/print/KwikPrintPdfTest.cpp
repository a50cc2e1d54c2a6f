// A whole document printed to a PDF file through a real QPrinter, checked with
// poppler's command-line tools.
#include "QZ_KwikPrint.h"
#include "QZ_PrinterBackend.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString RunTool(const QString& AProgram, const QStringList& AArguments) {
  QProcess process;
  process.start(AProgram, AArguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) {
    ADD_FAILURE() << AProgram.toStdString() << " failed: " << process.readAllStandardError().toStdString();
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString PageText(const QString& APdf, int APage) {
  const QString page = QString::number(APage);
  return RunTool("pdftotext", {"-layout", "-f", page, "-l", page, APdf, "-"});
}

QString LineText(int ANumber) { return QStringLiteral("Body line %1").arg(ANumber, 3, 10, QLatin1Char('0')); }

}  // namespace

// Lines run down each page with automatic page breaks until the third page;
// every page carries a header and its page number.
TEST(KwikPrintPdf, PrintsAThreePageDocument) {
  for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"}) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " (poppler-utils) is not installed";
  }
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath("document.pdf");

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::A4));
  TKwikPrint kwik(std::make_unique<TPrinterBackend>(printer));
  kwik.ProgramFilePath = "/usr/bin/quillmark";
  kwik.DefaultFont = QFont("DejaVu Sans", 11);
  kwik.MarginLeft = 0.75f;
  kwik.MarginTop = 0.5f;
  kwik.MarginBottom = 0.5f;
  kwik.AutoAdjustAreas = true;
  kwik.Framed = true;
  kwik.HeaderRecord.Enabled = true;
  kwik.HeaderRecord.HeaderBottom = 0.8f;
  kwik.HeaderRecord.HeaderBoxRounded = true;
  kwik.HeaderRecord.Line2Caption = "Quillmark print test";
  kwik.HeaderRecord.Line2YPos = 0.25f;
  kwik.HeaderRecord.Line2Align = TFP_Alignment::alCenter;
  kwik.HeaderRecord.Line2Font = QFont("DejaVu Sans", 16, QFont::Bold);
  kwik.PageNumberRecord.Enabled = true;
  kwik.PageNumberRecord.PageNumberAlign = TFP_Alignment::alRight;
  kwik.PageNumberRecord.PageNumberYPos = 10.2f;

  kwik.Start();
  int lines = 0;
  std::vector<int> firstLineOfPage{1};
  while (kwik.CurrentPage() < 3 || lines < firstLineOfPage.back() + 4) {
    const int page = kwik.CurrentPage();
    kwik.BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, LineText(++lines), 0, 0);
    if (kwik.CurrentPage() != page) firstLineOfPage.push_back(lines);
  }
  kwik.DrawBoxXY(2, 8, 5, 9, 3, TFP_Shading::shDark, false);
  kwik.BodyLine(TFP_WriteMode::wmAbsXY, TFP_Alignment::alCenter, "On a dark box", 0, 8.4f);
  kwik.Stop();
  ASSERT_EQ(firstLineOfPage.size(), 3u);

  const QString info = RunTool("pdfinfo", {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(R"(Pages:\s+3\n)"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(R"(Title:\s+quillmark\n)"))) << info.toStdString();

  for (int page = 1; page <= 3; ++page) {
    const QString text = PageText(pdf, page);
    EXPECT_TRUE(text.contains("Quillmark print test")) << "page " << page;
    EXPECT_TRUE(text.contains(QStringLiteral("Page : %1").arg(page))) << "page " << page;
    const int first = firstLineOfPage[size_t(page - 1)];
    const int last = page < 3 ? firstLineOfPage[size_t(page)] - 1 : lines;
    EXPECT_TRUE(text.contains(LineText(first))) << "page " << page;
    EXPECT_TRUE(text.contains(LineText(last))) << "page " << page;
    if (page > 1) {
      EXPECT_FALSE(text.contains(LineText(first - 1))) << "page " << page;
    }
  }
  EXPECT_TRUE(PageText(pdf, 3).contains("On a dark box"));

  // The header box is shaded light gray and the page otherwise white.
  const QString png = dir.filePath("page");
  RunTool("pdftoppm", {"-png", "-r", "50", "-f", "1", "-l", "1", "-singlefile", pdf, png});
  const QImage rendered(png + ".png");
  ASSERT_FALSE(rendered.isNull());
  EXPECT_EQ(rendered.pixelColor(rendered.width() / 8, 50).red(), 225);
  EXPECT_EQ(rendered.pixelColor(rendered.width() / 2, rendered.height() / 2).red(), 255);

  if (const QString keep = qEnvironmentVariable("QUILLMARK_KEEP_PRINT_OUTPUT"); !keep.isEmpty()) {
    QDir().mkpath(keep);
    QFile::remove(keep + "/kwikprint.pdf");
    QFile::copy(pdf, keep + "/kwikprint.pdf");
  }
}
