// The job: title, printer errors, the setup dialog, and the working copies of
// the header, footer, page number and date records.
#include "KwikPrintFixture.h"

#include "DialogSeam.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

TEST(KwikPrintJobTitle, IsTheProgramNameCutBeforeItsFirstDot) {
  struct {
    const char* Path;
    const char* Title;
  } const cases[] = {
      {"/opt/quill/Quill.mark.exe", "Quill"},
      {"/usr/bin/quillmark", "quillmark"},
      {"relative/.hidden", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TKwikPrint::JobTitleFor(c.Path), c.Title) << c.Path;
}

TEST_F(KwikPrintFixture, JobIsTitledAfterTheProgramFile) {
  Printer->Start();
  Printer->Stop();
  Printer->ProgramFilePath = "/opt/quill/Quill.mark.exe";
  Printer->Start();
  Printer->Stop();
  const auto jobs = Recorder->RecordsOf(TPrintRecord::rkBeginJob);
  ASSERT_EQ(jobs.size(), 2u);
  EXPECT_EQ(jobs[0].Text, QFileInfo(QCoreApplication::applicationFilePath()).fileName().section('.', 0, 0));
  EXPECT_EQ(jobs[1].Text, "Quill");
}

TEST_F(KwikPrintFixture, RefusedJobRaisesAndLeavesThePrinterIdle) {
  Recorder->RefuseJobs(true);
  bool reportStarted = false;
  Printer->BeforeReport = [&](TKwikPrint&) { reportStarted = true; };
  EXPECT_THROW(Printer->Start(), EPrinterError);
  EXPECT_FALSE(Printer->Printing());
  EXPECT_FALSE(reportStarted);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "lost", 0, 0);
  Printer->Stop();
  EXPECT_TRUE(Recorder->Records().empty());

  Recorder->RefuseJobs(false);
  Printer->Start();
  EXPECT_TRUE(Printer->Printing());
  EXPECT_THROW(Printer->Start(), EPrinterError);  // one job at a time
  Printer->Stop();
  EXPECT_FALSE(Printer->Printing());
}

TEST_F(KwikPrintFixture, PrinterFailingOnANewPageEndsTheJob) {
  Printer->Start();
  Recorder->RefuseNewPages(true);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "first", 0, 0);
  EXPECT_THROW(Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "second", 0, 0), EPrinterError);
  EXPECT_FALSE(Printer->Printing());
  EXPECT_FALSE(Recorder->JobOpen());
  EXPECT_EQ(Recorder->Records().back().Kind, TPrintRecord::rkAbortJob);
  Recorder->RefuseNewPages(false);
  Printer->Start();  // the next job starts afresh
  Printer->Stop();
}

TEST_F(KwikPrintFixture, PrinterWithoutResolutionIsRefused) {
  TPrintPageGeometry broken = TRecordingPrintBackend::DefaultGeometry();
  broken.DpiY = 0;
  Recorder->SetGeometry(broken);
  EXPECT_THROW(Printer->Start(), EPrinterError);
  EXPECT_FALSE(Printer->Printing());
  EXPECT_FALSE(Recorder->JobOpen());
}

TEST_F(KwikPrintFixture, PrinterSetupShowsThePrintDialogAndReportsTheAnswer) {
  for (int answer : {int(QDialog::Accepted), int(QDialog::Rejected)}) {
    QString shown;
    ScopedDialogHandler handler([&](QDialog& dialog) {
      auto* printDialog = qobject_cast<QPrintDialog*>(&dialog);
      EXPECT_NE(printDialog, nullptr);
      if (printDialog) {
        EXPECT_EQ(printDialog->printer(), &Recorder->SetupPrinter());
      }
      shown = dialog.metaObject()->className();
      return answer;
    });
    EXPECT_EQ(Printer->PrinterSetup(), answer == QDialog::Accepted);
    EXPECT_FALSE(shown.isEmpty());
  }
}

TEST_F(KwikPrintFixture, RecordsAreCopiedIntoTheWorkingCopies) {
  TKwikHeader& header = Printer->HeaderRecord;
  header.Enabled = true;
  header.HeaderTop = 0.5f;
  header.HeaderBoxLineWidth = 4;
  header.HeaderShading = TFP_Shading::shDark;
  header.Line3Caption = "Third";
  header.Line3YPos = 0.75f;
  header.Line3Align = TFP_Alignment::alRight;
  QFont font = DejaVuSans(14);
  font.setBold(true);
  font.setItalic(true);
  header.Line3Font = font;
  Printer->FooterRecord.FooterBoxed = false;
  Printer->FooterRecord.Line5Caption = "Fifth";
  Printer->PageNumberRecord.PageNumberCaption = "P. ";
  Printer->DateFieldRecord.Enabled = true;
  Printer->DateFieldRecord.DateFieldShading = TFP_Shading::shMedium;

  Printer->RefreshProperties();
  EXPECT_TRUE(Printer->HeaderEnabled);
  EXPECT_FLOAT_EQ(Printer->HeaderTop, 0.5f);
  EXPECT_EQ(Printer->HeaderLineWidth, 4);
  EXPECT_EQ(Printer->HeaderShading, TFP_Shading::shDark);
  const TFP_THeadFootRecord& third = Printer->HeaderLine(3);
  EXPECT_EQ(third.BText, "Third");
  EXPECT_FLOAT_EQ(third.YPosition, 0.75f);
  EXPECT_EQ(third.Alignment, TFP_Alignment::alRight);
  EXPECT_EQ(third.FontName, "DejaVu Sans");
  EXPECT_EQ(third.FontSize, 14);
  EXPECT_EQ(third.FontStyle, TFP_FontStyle::fsBold | TFP_FontStyle::fsItalic);
  EXPECT_EQ(third.Font().bold(), true);
  EXPECT_FALSE(Printer->FooterBoxed);
  EXPECT_EQ(Printer->FooterLine(5).BText, "Fifth");
  EXPECT_EQ(Printer->PageNumber().BText, "P. ");
  EXPECT_FALSE(Printer->PageNumber().Enabled);
  EXPECT_TRUE(Printer->DateField().Enabled);
  EXPECT_EQ(Printer->DateField().Shading, TFP_Shading::shMedium);
}

TEST_F(KwikPrintFixture, OutOfRangeLineNumbersChangeNothing) {
  Printer->HeaderRecord.Line1Caption = "one";
  Printer->FooterRecord.Line5Caption = "five";
  Printer->RefreshProperties();
  EXPECT_TRUE(Printer->HeaderLine(6).BText.isEmpty());
  for (int line : {0, 6, -1}) {
    Printer->SetHeaderLine(line, "changed");
    Printer->SetHeaderLine(line, 3.0f, "changed", TFP_Alignment::alRight, "Serif", 30, TFP_FontStyle::fsBold);
    Printer->SetFooterLine(line, TFP_Alignment::alCenter);
    Printer->SetFooterLine(line, DejaVuSans(30));
  }
  for (int line = 1; line <= 5; ++line) {
    EXPECT_EQ(Printer->HeaderLine(line).BText, line == 1 ? "one" : "");
    EXPECT_FLOAT_EQ(Printer->HeaderLine(line).YPosition, 0);
    EXPECT_EQ(Printer->FooterLine(line).BText, line == 5 ? "five" : "");
    EXPECT_EQ(Printer->FooterLine(line).Alignment, TFP_Alignment::alLeft);
    EXPECT_NE(Printer->FooterLine(line).FontSize, 30);
  }
}

TEST_F(KwikPrintFixture, SetOperationsChangeOneFieldOfTheWorkingLine) {
  Printer->SetHeaderLine(2, 1.25f, "text", TFP_Alignment::alCenter, "DejaVu Serif", 12, TFP_FontStyle::fsUnderline);
  Printer->SetHeaderLine(2, 1.5f);
  Printer->SetHeaderLine(2, TFP_Alignment::alRight);
  const TFP_THeadFootRecord& line = Printer->HeaderLine(2);
  EXPECT_FLOAT_EQ(line.YPosition, 1.5f);
  EXPECT_EQ(line.BText, "text");
  EXPECT_EQ(line.Alignment, TFP_Alignment::alRight);
  EXPECT_EQ(line.FontName, "DejaVu Serif");
  EXPECT_EQ(line.FontStyle, TFP_FontStyle::fsUnderline);
  Printer->SetHeaderLine(2, DejaVuSans(9));
  EXPECT_EQ(line.FontName, "DejaVu Sans");
  EXPECT_EQ(line.FontStyle, 0);
  EXPECT_EQ(line.BText, "text");
  Printer->ClearHeaderCaptions();
  EXPECT_TRUE(line.BText.isEmpty());
  EXPECT_FLOAT_EQ(line.YPosition, 1.5f);

  Printer->SetPageNumber(TFP_Shading::shDark);
  Printer->SetPageNumber(true);
  Printer->SetPageNumber("No. ");
  Printer->SetPageNumber(2.5);
  EXPECT_EQ(Printer->PageNumber().Shading, TFP_Shading::shDark);
  EXPECT_TRUE(Printer->PageNumber().Enabled);
  EXPECT_EQ(Printer->PageNumber().BText, "No. ");
  EXPECT_FLOAT_EQ(Printer->PageNumber().YPosition, 2.5f);
  Printer->SetDateField(1, "On ", TFP_Alignment::alCenter, DejaVuSans(8), TFP_Shading::shLight, true);
  EXPECT_EQ(Printer->DateField().FontSize, 8);
  EXPECT_TRUE(Printer->DateField().Enabled);
}

// Start copies the records again: a working change made before Start is
// replaced, one made during the job holds until the next Start.
TEST_F(KwikPrintFixture, WorkingChangesLastUntilTheNextStart) {
  Printer->PageNumberRecord.Enabled = true;
  Printer->SetPageNumber("Before ");
  Printer->Start();
  Printer->SetPageNumber("During ");
  Printer->NewPage();
  Printer->Stop();
  Printer->Start();
  Printer->Stop();
  QStringList texts;
  for (const TPrintRecord& text : Texts()) texts << text.Text;
  EXPECT_EQ(texts, (QStringList{"During 1", "During 2", "Page : 1"}));
}
