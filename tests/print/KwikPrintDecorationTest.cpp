// What the printer adds at the end of every page: header and footer boxes with
// their lines, page number, date field, column lines, and the frame.
#include "KwikPrintFixture.h"

#include <QDate>
#include <QRegularExpression>

namespace {

const QColor Light(225, 225, 225), Medium(190, 190, 190), Dark(120, 120, 120), White(255, 255, 255);

// One line per record: its kind and, for texts, the text.
QStringList Trace(const std::vector<TPrintRecord>& ARecords) {
  QStringList trace;
  for (const TPrintRecord& record : ARecords) {
    switch (record.Kind) {
      case TPrintRecord::rkBeginJob: trace << "begin"; break;
      case TPrintRecord::rkText: trace << "text " + record.Text.left(7); break;
      case TPrintRecord::rkRectangle: trace << "rect"; break;
      case TPrintRecord::rkLine: trace << "line"; break;
      case TPrintRecord::rkImage: trace << "image"; break;
      case TPrintRecord::rkNewPage: trace << "page"; break;
      case TPrintRecord::rkEndJob: trace << "end"; break;
      case TPrintRecord::rkAbortJob: trace << "abort"; break;
    }
  }
  return trace;
}

class KwikPrintDecorations : public KwikPrintFixture {
protected:
  void EnableEverything() {
    TKwikHeader& header = Printer->HeaderRecord;
    header.Enabled = true;
    header.HeaderTop = 0.25f;
    header.HeaderBottom = 1.0f;
    header.HeaderBoxLineWidth = 3;
    header.HeaderShading = TFP_Shading::shMedium;
    header.HeaderBoxRounded = true;
    header.Line1Caption = "Left";
    header.Line1YPos = 0.3f;
    header.Line2Caption = "Middle";
    header.Line2YPos = 0.5f;
    header.Line2Align = TFP_Alignment::alCenter;
    header.Line3Caption = "Right";
    header.Line3YPos = 0.7f;
    header.Line3Align = TFP_Alignment::alRight;
    TKwikFooter& footer = Printer->FooterRecord;
    footer.Enabled = true;
    footer.FooterTop = 9.5f;
    footer.FooterBottom = 10.0f;
    footer.Line4Caption = "Foot";
    footer.Line4YPos = 9.6f;
    Printer->PageNumberRecord.Enabled = true;
    Printer->PageNumberRecord.PageNumberYPos = 10.2f;
    Printer->PageNumberRecord.PageNumberAlign = TFP_Alignment::alRight;
    Printer->PageNumberRecord.PageNumberShading = TFP_Shading::shDark;
    Printer->DateFieldRecord.Enabled = true;
    Printer->DateFieldRecord.DateFieldYPos = 10.2f;
    Printer->DateFieldRecord.DateFieldShading = TFP_Shading::shNone;
    Printer->ColumnLines = true;
    Printer->SetColumn(2, 1, 1);
  }
};

}  // namespace

TEST_F(KwikPrintDecorations, PageEndsDrawDecorationsInOrderAroundTheEvents) {
  EnableEverything();
  Printer->Framed = true;
  QStringList events;
  const auto log = [&](const char* name) {
    return [&events, name, this](TKwikPrint& sender) {
      EXPECT_EQ(&sender, Printer.get());
      events << QStringLiteral("%1 after %2 records").arg(name).arg(Recorder->Records().size());
    };
  };
  Printer->BeforeReport = log("BeforeReport");
  Printer->BeforeNewPage = log("BeforeNewPage");
  Printer->AfterNewPage = log("AfterNewPage");
  Printer->AfterReport = log("AfterReport");

  Printer->Start();
  Printer->BodyLine(TFP_WriteMode::wmAbsXY, TFP_Alignment::alLeft, "body 1", 0, 2);
  Printer->NewPage();
  Printer->BodyLine(TFP_WriteMode::wmAbsXY, TFP_Alignment::alLeft, "body 2", 0, 2);
  Printer->Stop();

  const QStringList pageEnd = {"rect",        "text Left", "text Middle", "text Right", "rect",
                               "text Foot",   "text Page : ", "text Date : ", "line"};
  QStringList expected = QStringList{"begin", "rect", "text body 1"} + pageEnd + QStringList{"page", "rect", "text body 2"} +
                         pageEnd + QStringList{"end"};
  EXPECT_EQ(Trace(Recorder->Records()), expected);
  EXPECT_EQ(events, (QStringList{"BeforeReport after 1 records", "BeforeNewPage after 3 records",
                                 "AfterNewPage after 14 records", "AfterReport after 25 records"}));
}

TEST_F(KwikPrintDecorations, HeaderAndFooterBoxesCarryTheirLines) {
  EnableEverything();
  Printer->Start();
  Printer->Stop();
  const auto rects = Rectangles();
  ASSERT_EQ(rects.size(), 2u);
  const TPrintRecord& header = rects[0];
  EXPECT_EQ(header.Rect, QRect(QPoint(31, 46 + 75), QPoint(MaxRight - 1, 46 + 300 - 1)));
  EXPECT_EQ(header.PenWidth, 3);
  EXPECT_EQ(header.Fill, Medium);
  EXPECT_EQ(header.CornerEllipse, 180);
  const TPrintRecord& footer = rects[1];
  EXPECT_EQ(footer.Rect.top(), 46 + 2850);
  EXPECT_EQ(footer.Rect.bottom() + 1, 46 + 3000);
  EXPECT_EQ(footer.PenWidth, 2);
  EXPECT_EQ(footer.Fill, Light);
  EXPECT_EQ(footer.CornerEllipse, 0);

  // Left lines sit one left margin further in than body text.
  EXPECT_EQ(Text("Left").Rect.topLeft(), QPoint(2 * LeftGutter, 46 + 90));
  EXPECT_EQ(Text("Middle").Rect.left(), 31 + (MaxRight - 31) / 2 - 60);
  EXPECT_EQ(Text("Right").Rect.left() + Text("Right").Rect.width(), MaxRight);
  EXPECT_EQ(Text("Left").Fill, Medium);  // the text background is the box's shading
  EXPECT_EQ(Text("Foot").Rect.top(), 46 + 2880);
  EXPECT_EQ(Text("Foot").Fill, Light);
}

TEST_F(KwikPrintDecorations, UnboxedHeaderPrintsOnlyItsLines) {
  Printer->HeaderRecord.Enabled = true;
  Printer->HeaderRecord.HeaderBoxed = false;
  Printer->HeaderRecord.Line5Caption = "Only";
  Printer->Start();
  Printer->Stop();
  EXPECT_TRUE(Rectangles().empty());
  EXPECT_EQ(Text("Only").Fill, White);
}

TEST_F(KwikPrintDecorations, PageNumberOfPageTwelve) {
  Printer->PageNumberRecord.Enabled = true;
  Printer->PageNumberRecord.PageNumberYPos = 10.2f;
  Printer->PageNumberRecord.PageNumberAlign = TFP_Alignment::alRight;
  Printer->PageNumberRecord.PageNumberShading = TFP_Shading::shDark;
  Printer->Start();
  for (int i = 0; i < 11; ++i) Printer->NewPage();
  EXPECT_EQ(Printer->CurrentPage(), 12);
  Printer->BodyLine(TFP_WriteMode::wmAbsXY, TFP_Alignment::alLeft, "after", 0, 1);
  Printer->Stop();
  const auto last = Recorder->TextsOnPage(12);
  ASSERT_EQ(last.size(), 2u);
  EXPECT_EQ(last[1].Text, "Page : 12");
  EXPECT_EQ(last[1].Rect.topLeft(), QPoint(MaxRight - 9 * CharPixels, 46 + 3060));
  EXPECT_EQ(last[1].Fill, Dark);
  EXPECT_EQ(last[0].Fill, White);  // the next page's body text is back on white
  EXPECT_EQ(Text("Page : 1").Page, 1);
}

TEST_F(KwikPrintDecorations, DateFieldShowsTheDateOfStart) {
  Printer->DateFieldRecord.Enabled = true;
  Printer->DateFieldRecord.DateFieldShading = TFP_Shading::shMedium;
  Printer->DateFormat = "yyyy";
  Printer->Start();
  Printer->Stop();
  EXPECT_EQ(Printer->DateText(), QString::number(QDate::currentDate().year()));
  const TPrintRecord date = Text("Date : " + Printer->DateText());
  EXPECT_EQ(date.Rect.topLeft(), QPoint(LeftGutter, TopGutter));
  EXPECT_EQ(date.Fill, Medium);
}

TEST_F(KwikPrintDecorations, DateFormatThatFailsFallsBackToTheDefault) {
  Printer->DateFormat = "'unclosed";
  Printer->Start();
  Printer->Stop();
  // "dd/mm/yyyy hh:NN" with the locale's separators.
  EXPECT_TRUE(QRegularExpression(R"(^\d\d\D\d\d\D\d{4} \d\d\D\d\d$)").match(Printer->DateText()).hasMatch())
      << Printer->DateText().toStdString();
}

TEST_F(KwikPrintDecorations, ColumnLinesMarkEveryUsedColumnBetweenTheirLimits) {
  Printer->ColumnLines = true;
  Printer->ColumnLineWidth = 2;
  Printer->SetColumn(1, 0, 1);
  Printer->SetColumn(2, 1, 2);
  Printer->SetColumn(3, 3, 0);  // no length: no line
  Printer->SetColumn(4, 4, 1);
  struct {
    const char* Name;
    bool Suppress1, Header, Footer;
    float TopY, BottomY;
    std::vector<int> Xs;
    int Top, Bottom;
  } const cases[] = {
      // Without header or footer the lines run from the top margin, placed as a y, to MaxBottom.
      {"defaults", true, false, false, 0, 0, {331, 1231}, 2 * TopGutter, MaxBottom},
      {"column 1 too", false, false, false, 0, 0, {31, 331, 1231}, 2 * TopGutter, MaxBottom},
      {"between header and footer", true, true, true, 0, 0, {331, 1231}, 46 + 300, 46 + 2700},
      {"own extent", true, true, true, 2, 8, {331, 1231}, 46 + 600, 46 + 2400},
  };
  for (const auto& c : cases) {
    Recorder->Clear();
    Printer->ColumnLineSuppress1 = c.Suppress1;
    Printer->HeaderRecord.Enabled = c.Header;
    Printer->HeaderRecord.HeaderBottom = 1;
    Printer->FooterRecord.Enabled = c.Footer;
    Printer->FooterRecord.FooterTop = 9;
    Printer->ColumnLineTopY = c.TopY;
    Printer->ColumnLineBottomY = c.BottomY;
    Printer->Start();
    Printer->Stop();
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), c.Xs.size()) << c.Name;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].From, QPoint(c.Xs[i], c.Top)) << c.Name;
      EXPECT_EQ(lines[i].To, QPoint(c.Xs[i], c.Bottom)) << c.Name;
      EXPECT_EQ(lines[i].PenWidth, 2);
    }
  }
}

TEST_F(KwikPrintDecorations, FrameSurroundsThePrintableAreaOnEveryPage) {
  Printer->Framed = true;
  Printer->FramLineWidth = 4;
  Printer->Start();
  Printer->NewPage();
  Printer->Stop();
  const auto frames = Rectangles();
  ASSERT_EQ(frames.size(), 2u);
  for (const TPrintRecord& frame : frames) {
    EXPECT_EQ(frame.Rect, QRect(QPoint(LeftGutter, TopGutter), QPoint(2550 - 31 - 41 - 1, 3300 - 46 - 56 - 1)));
    EXPECT_EQ(frame.PenWidth, 4);
  }
  EXPECT_EQ(frames[1].Page, 2);
}

TEST_F(KwikPrintDecorations, FooterBottomFallsBackToMaxBottom) {
  struct {
    bool Enabled;
    float Bottom, Expected;
  } const cases[] = {
      {false, 0, MaxBottom / 300.0f},
      {true, 0, MaxBottom / 300.0f},
      {true, 20, MaxBottom / 300.0f},
      {false, 20, 20},
      {true, 10, 10},
  };
  for (const auto& c : cases) {
    Printer->FooterRecord.Enabled = c.Enabled;
    Printer->FooterRecord.FooterBottom = c.Bottom;
    Printer->Start();
    Printer->Stop();
    EXPECT_FLOAT_EQ(Printer->FooterBottom, c.Expected) << c.Enabled << " " << c.Bottom;
  }
}

// Decorations print in their own fonts; the body keeps its font and line height.
TEST(KwikPrintFonts, DecorationFontsDoNotLeakIntoTheBody) {
  auto backend = std::make_unique<TRecordingPrintBackend>();
  TRecordingPrintBackend& recorder = *backend;
  TKwikPrint printer(std::move(backend));
  printer.DefaultFont = DejaVuSans(10);
  printer.HeaderRecord.Enabled = true;
  printer.HeaderRecord.Line1Caption = "Big header";
  printer.HeaderRecord.Line1Font = DejaVuSans(36);
  printer.PageNumberRecord.Enabled = true;
  printer.PageNumberRecord.PageNumberFont = QFont(QStringLiteral("DejaVu Serif"), 20);
  printer.DetailTop = 2;
  printer.DetailBottom = 9;
  printer.Start();
  const float bodyLineHeight = printer.LineHeight();
  for (int page = 0; page < 2; ++page) {
    printer.BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "a", 0, 0);
    printer.BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "b", 0, 0);
    if (page == 0) printer.NewPage();
  }
  printer.Stop();
  EXPECT_FLOAT_EQ(printer.LineHeight(), bodyLineHeight);

  std::vector<int> bodyTops;
  for (const TPrintRecord& text : recorder.RecordsOf(TPrintRecord::rkText)) {
    if (text.Text == "Big header") {
      EXPECT_EQ(text.Font.pointSize(), 36);
    } else if (text.Text.startsWith("Page : ")) {
      EXPECT_EQ(text.Font.family(), "DejaVu Serif");
    } else {
      EXPECT_EQ(text.Font.pointSize(), 10) << text.Text.toStdString();
      bodyTops.push_back(text.Rect.top());
    }
  }
  ASSERT_EQ(bodyTops.size(), 4u);
  EXPECT_EQ(bodyTops[2], bodyTops[0]);  // page 2 starts where page 1 did
  EXPECT_EQ(bodyTops[3] - bodyTops[2], bodyTops[1] - bodyTops[0]);
  EXPECT_EQ(bodyTops[1] - bodyTops[0], printer.InchesToPixelsVertical(bodyLineHeight));
}
