// Measuring the page, placing positions, the write modes, alignments and paging.
#include "KwikPrintFixture.h"

#include <cmath>
#include <limits>
#include <set>

namespace {

struct MarginCase {
  const char* Name;
  float Left, Right, Top, Bottom;
  int LeftMargin, RightMargin, TopMargin, BottomMargin, MaxRight, MaxBottom;
};

class KwikPrintMargins : public KwikPrintFixture, public ::testing::WithParamInterface<MarginCase> {};

}  // namespace

TEST_F(KwikPrintFixture, MeasuresGuttersAndPrintableAreaFromThePrinter) {
  Printer->Start();
  EXPECT_EQ(Printer->PixelsPerInchHorizontal(), 300);
  EXPECT_EQ(Printer->TotalPageWidthPixels(), 2550);
  EXPECT_FLOAT_EQ(Printer->TotalPageHeightInches(), 11.0f);
  EXPECT_EQ(Printer->GutterLeft(), LeftGutter);
  EXPECT_EQ(Printer->GutterTop(), TopGutter);
  EXPECT_EQ(Printer->GutterRight(), RightGutter);
  EXPECT_EQ(Printer->GutterBottom(), BottomGutter);
  EXPECT_EQ(Printer->PrintableWidthPixels(), 2480);
  EXPECT_EQ(Printer->PrintableHeightPixels(), 3200);
  EXPECT_FLOAT_EQ(Printer->LineHeight(), 1.0f / 6);
  Printer->Stop();
}

TEST_P(KwikPrintMargins, ComputesMarginsAndLimits) {
  const MarginCase& c = GetParam();
  Printer->MarginLeft = c.Left;
  Printer->MarginRight = c.Right;
  Printer->MarginTop = c.Top;
  Printer->MarginBottom = c.Bottom;
  Printer->Start();
  EXPECT_EQ(Printer->LeftMargin(), c.LeftMargin);
  EXPECT_EQ(Printer->RightMargin(), c.RightMargin);
  EXPECT_EQ(Printer->TopMargin(), c.TopMargin);
  EXPECT_EQ(Printer->BottomMargin(), c.BottomMargin);
  EXPECT_EQ(Printer->MaxRight(), c.MaxRight);
  EXPECT_EQ(Printer->MaxBottom(), c.MaxBottom);
  Printer->Stop();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KwikPrintMargins,
    ::testing::Values(
        MarginCase{"ZeroFallsBackToGutters", 0, 0, 0, 0, 31, 41, 46, 56, 2478, 3198},
        MarginCase{"OneInchEach", 1, 1, 1, 1, 300, 300, 300, 300, 2219, 2954},
        MarginCase{"NegativeActsAsItsSize", -1, -0.5f, -2, -1, 300, 150, 600, 300, 2369, 2954},
        MarginCase{"PairFillingThePageFallsBack", 5, 4, 6, 5, 31, 41, 46, 56, 2478, 3198},
        MarginCase{"OneSideZero", 0.5f, 0, 0, 2, 150, 41, 46, 600, 2478, 2654},
        MarginCase{"NotANumberCountsAsZero", std::numeric_limits<float>::quiet_NaN(), 0,
                   std::numeric_limits<float>::infinity(), 0, 31, 41, 46, 56, 2478, 3198}),
    [](const ::testing::TestParamInfo<MarginCase>& param) { return std::string(param.param.Name); });

TEST_F(KwikPrintFixture, PlacesPositionsFromTheMarginsWithinTheLimits) {
  Printer->Start();
  struct {
    float X, Y;
    QPoint Device;
  } const cases[] = {
      {1, 2, {331, 646}},
      {-1, -3, {LeftGutter, TopGutter}},
      {100, 100, {MaxRight, MaxBottom}},
      {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), {LeftGutter, MaxBottom}},
  };
  for (const auto& c : cases) {
    Recorder->Clear();
    Printer->BodyLine(TFP_WriteMode::wmAbsXY, TFP_Alignment::alLeft, "x", c.X, c.Y);
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].Rect.topLeft(), c.Device) << c.X << "," << c.Y;
  }
  Printer->Stop();
}

TEST_F(KwikPrintFixture, LeftMarginBeyondTheRightLimitWins) {
  Printer->MarginLeft = 8.4f;  // with the right gutter this leaves no room before MaxRight
  Printer->Start();
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "squeezed", 1, 0);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alRight, "right", 0, 0);
  Printer->Stop();
  EXPECT_GT(Printer->LeftMargin(), Printer->MaxRight());
  EXPECT_EQ(Text("squeezed").Rect.left(), Printer->LeftMargin());
  EXPECT_EQ(Text("right").Rect.left(), Printer->LeftMargin());
}

TEST_F(KwikPrintFixture, WriteModesMoveTheCurrentLine) {
  Printer->DetailTop = 1;
  Printer->DetailBottom = 5;
  Printer->Start();
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "first", 0, 0);
  Printer->BodyLine(TFP_WriteMode::wmCurrLine, TFP_Alignment::alLeft, "same line", 3, 0);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "second", 0, 0);
  Printer->BodyLine(TFP_WriteMode::wmAbsXY, TFP_Alignment::alLeft, "absolute", 0, 3);
  EXPECT_FLOAT_EQ(Printer->CurrentLine(), 3);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "after absolute", 0, 0);
  Printer->LineFeed(2);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "after feed", 0, 0);
  Printer->Stop();

  EXPECT_EQ(Text("first").Rect.top(), TopGutter + 300);  // the first new line lands on DetailTop
  EXPECT_EQ(Text("same line").Rect.top(), Text("first").Rect.top());
  EXPECT_EQ(Text("second").Rect.top(), TopGutter + 300 + LinePixels);
  EXPECT_EQ(Text("absolute").Rect.top(), TopGutter + 900);
  EXPECT_EQ(Text("after absolute").Rect.top(), TopGutter + 900 + LinePixels);
  EXPECT_EQ(Text("after feed").Rect.top(), TopGutter + 900 + 4 * LinePixels);
  EXPECT_EQ(Recorder->PagesPrinted(), 1);
}

TEST_F(KwikPrintFixture, AlignsBodyTextWithFrameAndTabOnlyForLeftText) {
  struct {
    bool Framed;
    float Tab;
    TFP_Alignment Alignment;
    int X;
  } const cases[] = {
      // "abcd" is 80 px wide; the frame adds its width 3 + 20, the tab 0.5 inch.
      {false, 0, TFP_Alignment::alLeft, 331},
      {false, 0, TFP_Alignment::alCenter, 31 + (MaxRight - 31) / 2 - 40},
      {false, 0, TFP_Alignment::alRight, MaxRight - 80},
      {true, 0, TFP_Alignment::alLeft, 331 + 23},
      {true, 0, TFP_Alignment::alCenter, 31 + (MaxRight - 31) / 2 - 40},
      {true, 0, TFP_Alignment::alRight, MaxRight - 80 - 23},
      {false, 0.5f, TFP_Alignment::alLeft, 331 + 150},
      {false, 0.5f, TFP_Alignment::alRight, MaxRight - 80},
      {true, 0.5f, TFP_Alignment::alLeft, 331 + 23 + 150},
  };
  for (const auto& c : cases) {
    Recorder->Clear();
    Printer->Framed = c.Framed;
    Printer->FramLineWidth = 3;
    Printer->TabLength = c.Tab;
    Printer->Start();
    Printer->BodyLine(TFP_WriteMode::wmNewLine, c.Alignment, "abcd", 1, 0);
    Printer->Stop();
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].Rect.left(), c.X) << "framed " << c.Framed << " tab " << c.Tab << " alignment "
                                           << int(c.Alignment);
  }
}

TEST_F(KwikPrintFixture, TooWideTextIsPrintedInFullWithoutWrapping) {
  const QString wide(200, u'w');  // 4000 px, wider than the page
  Printer->DetailBottom = 5;
  Printer->Start();
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, wide, 0, 0);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alCenter, wide, 0, 0);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alRight, wide, 0, 0);
  Printer->Stop();
  const auto texts = Texts();
  ASSERT_EQ(texts.size(), 3u);
  for (const TPrintRecord& text : texts) {
    EXPECT_EQ(text.Text, wide);
    EXPECT_EQ(text.Rect.left(), LeftGutter);  // centred and right texts cannot start left of the margin
    EXPECT_EQ(text.Rect.width(), 4000);
  }
  EXPECT_EQ(texts[1].Rect.top() - texts[0].Rect.top(), LinePixels);
}

TEST_F(KwikPrintFixture, ColumnTextsAlignOnTheirColumn) {
  Printer->SetColumn(2, 1.0f, 2.0f);
  Printer->SetColumn(21, 5.0f, 1.0f);
  EXPECT_FLOAT_EQ(Printer->Column(2).Length, 2.0f);
  EXPECT_FLOAT_EQ(Printer->Column(21).XPos, 0.0f);
  struct {
    bool ColumnLines;
    TFP_Alignment Alignment;
    int X;
  } const cases[] = {
      // "ab" is 40 px wide; the column runs from 1 to 3 inches.
      {false, TFP_Alignment::alLeft, 331},
      {true, TFP_Alignment::alLeft, 331 + 3 + 20},
      {false, TFP_Alignment::alRight, 31 + 900 - 40},
      {false, TFP_Alignment::alCenter, 31 + 600 - 20},
  };
  for (const auto& c : cases) {
    Recorder->Clear();
    Printer->ColumnLines = c.ColumnLines;
    Printer->ColumnLineWidth = 3;
    Printer->Framed = true;  // the frame offset does not apply to columns
    Printer->TabLength = 1;  // nor does the tab
    Printer->Start();
    Printer->ColumnLine(2, TFP_WriteMode::wmNewLine, c.Alignment, "ab", 0);
    Printer->ColumnLine(0, TFP_WriteMode::wmNewLine, c.Alignment, "none", 0);
    Printer->ColumnLine(21, TFP_WriteMode::wmNewLine, c.Alignment, "none", 0);
    Printer->Stop();
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].Rect.left(), c.X) << "alignment " << int(c.Alignment);
  }
}

TEST_F(KwikPrintFixture, DetailBottomZeroPutsEveryLaterNewLineOnANewPage) {
  Printer->Start();
  for (const char* line : {"one", "two", "three"})
    Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, line, 0, 0);
  Printer->Stop();
  EXPECT_EQ(Recorder->PagesPrinted(), 3);
  for (int page = 1; page <= 3; ++page) {
    const auto texts = Recorder->TextsOnPage(page);
    ASSERT_EQ(texts.size(), 1u) << "page " << page;
    EXPECT_EQ(texts[0].Rect.top(), TopGutter);
  }
}

TEST_F(KwikPrintFixture, WithoutAutoPagingLinesRunOnPastDetailBottom) {
  Printer->AutoPaging = false;
  Printer->Start();
  Printer->LineFeed(3);
  Printer->Stop();
  EXPECT_EQ(Recorder->PagesPrinted(), 1);
  EXPECT_EQ(Texts().back().Rect.top(), TopGutter + 2 * LinePixels);
}

// Pages filled by auto-paging hold distinct lines that all end above MaxBottom,
// whatever the top margin is.
TEST_F(KwikPrintFixture, AutoAdjustedPagesKeepEveryLineInsideThePage) {
  for (float margin : {0.0f, 1.0f, 2.0f}) {
    Recorder->Clear();
    Printer->MarginTop = margin;
    Printer->MarginBottom = margin;
    Printer->AutoAdjustAreas = true;
    Printer->Start();
    for (int i = 0; i < 150; ++i)
      Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, QString::number(i), 0, 0);
    Printer->Stop();
    EXPECT_FLOAT_EQ(Printer->DetailTop, 0);
    EXPECT_FLOAT_EQ(Printer->DetailBottom,
                    float(double(Printer->MaxBottom() - Printer->TopMargin()) / 300 - 1.0 / 6));
    for (int page = 1; page <= Recorder->PagesPrinted(); ++page) {
      const auto texts = Recorder->TextsOnPage(page);
      std::set<int> tops;
      for (const TPrintRecord& text : texts) {
        EXPECT_LE(text.Rect.top() + LinePixels, Printer->MaxBottom()) << "margin " << margin << " page " << page;
        EXPECT_TRUE(tops.insert(text.Rect.top()).second) << "two lines at " << text.Rect.top();
      }
      ASSERT_FALSE(texts.empty());
      EXPECT_EQ(texts.front().Rect.top(), Printer->TopMargin());
    }
    // The page holds as many lines as fit: one more would end below MaxBottom.
    const auto firstPage = Recorder->TextsOnPage(1);
    EXPECT_GT(firstPage.back().Rect.top() + 2 * LinePixels, Printer->MaxBottom());
  }
}

TEST_F(KwikPrintFixture, AutoAdjustStartsEveryPageBelowTheHeader) {
  Printer->AutoAdjustAreas = true;
  Printer->HeaderRecord.Enabled = true;
  Printer->HeaderRecord.HeaderTop = 0.5f;
  Printer->HeaderRecord.HeaderBottom = 1.5f;
  Printer->Start();
  for (int i = 0; i < 120; ++i)
    Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, QString::number(i), 0, 0);
  Printer->Stop();
  ASSERT_EQ(Recorder->PagesPrinted(), 3);
  for (int page = 1; page <= 3; ++page)
    EXPECT_EQ(Recorder->TextsOnPage(page).front().Rect.top(), TopGutter + 450) << "page " << page;
}

TEST_F(KwikPrintFixture, AutoAdjustEndsTheBodyALineAboveTheFooter) {
  Printer->AutoAdjustAreas = true;
  Printer->DetailTop = 3;
  Printer->FooterRecord.Enabled = true;
  Printer->FooterRecord.FooterTop = 9;
  Printer->FooterRecord.FooterBottom = 10;
  Printer->Start();
  Printer->Stop();
  EXPECT_FLOAT_EQ(Printer->DetailTop, 0);
  EXPECT_FLOAT_EQ(Printer->DetailBottom, 9 - 1.0f / 6);
}

TEST_F(KwikPrintFixture, WritesOutsideAJobMoveTheLineButDrawNothing) {
  Printer->Start();
  Printer->Stop();
  Recorder->Clear();
  Printer->SetCurrentLine(2);
  Printer->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, "idle", 0, 0);
  EXPECT_FLOAT_EQ(Printer->CurrentLine(), 2 + 1.0f / 6);
  Printer->NewPage();
  Printer->Stop();
  EXPECT_TRUE(Recorder->Records().empty());
}
