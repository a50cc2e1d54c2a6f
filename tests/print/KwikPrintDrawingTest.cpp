// Boxes, lines, pictures and window images, and the inch/pixel conversions.
#include "KwikPrintFixture.h"

#include <QWidget>
#include <limits>

TEST_F(KwikPrintFixture, DrawingsDoNothingOutsideAJob) {
  QImage picture(4, 4, QImage::Format_RGB32);
  QWidget form;
  form.resize(50, 50);
  Printer->DrawBoxXY(1, 1, 2, 2, 1, TFP_Shading::shDark, false);
  Printer->DrawLine(0, 0, 1, 1, 1);
  Printer->DrawBitmapXY(0, 0, 1, picture);
  Printer->DrawForm(0, 0, form, TPrintScale::poNone);
  EXPECT_TRUE(Recorder->Records().empty());
}

TEST_F(KwikPrintFixture, BoxesAreShadedAndLeaveTheirShadingBehindText) {
  Printer->Start();
  Printer->DrawBoxXY(2, 2, 1, 1, 4, TFP_Shading::shDark, false);  // corners given the other way round
  Printer->BodyLine(TFP_WriteMode::wmAbsXY, TFP_Alignment::alLeft, "inside", 1.1f, 1.1f);
  Printer->DrawBoxXY(0, 3, 1, 4, 0, TFP_Shading::shNone, true);
  Printer->BodyLine(TFP_WriteMode::wmAbsXY, TFP_Alignment::alLeft, "plain", 0, 5);
  Printer->Stop();
  const auto boxes = Rectangles();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].Rect, QRect(331, 346, 300, 300));
  EXPECT_EQ(boxes[0].PenWidth, 4);
  EXPECT_EQ(boxes[0].Fill, QColor(120, 120, 120));
  EXPECT_EQ(boxes[0].CornerEllipse, 0);
  EXPECT_EQ(Text("inside").Fill, QColor(120, 120, 120));
  EXPECT_EQ(boxes[1].CornerEllipse, 180);
  EXPECT_EQ(boxes[1].Fill, QColor(255, 255, 255));
  EXPECT_EQ(Text("plain").Fill, QColor(255, 255, 255));
}

TEST_F(KwikPrintFixture, LinesRunBetweenPlacedPoints) {
  Printer->Start();
  Printer->DrawLine(1, 1, 2, 20, 5);
  Printer->Stop();
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].From, QPoint(331, 346));
  EXPECT_EQ(Lines()[0].To, QPoint(631, MaxBottom));
  EXPECT_EQ(Lines()[0].PenWidth, 5);
}

TEST_F(KwikPrintFixture, PicturesAreStretchedByTheMagnification) {
  QImage picture(10, 7, QImage::Format_RGB32);
  Printer->BitMap = QImage(3, 3, QImage::Format_RGB32);
  Printer->Start();
  Printer->DrawBitmapXY(1, 1, 2.5f, picture);
  Printer->DrawBitmapXY(0, 0, 2);  // no picture given: the BitMap property
  for (float nothing : {0.0f, -1.0f, 0.05f, std::numeric_limits<float>::quiet_NaN()})
    Printer->DrawBitmapXY(0, 0, nothing, picture);
  Printer->DrawBitmapXY(0, 0, 1e30f, picture);  // absurd sizes are bounded, not overflowed
  Printer->Stop();
  const auto images = Images();
  ASSERT_EQ(images.size(), 3u);
  EXPECT_EQ(images[0].Rect, QRect(331, 346, 25, 17));
  EXPECT_EQ(images[0].ImageSize, QSize(10, 7));
  EXPECT_EQ(images[1].Rect, QRect(31, 46, 6, 6));
  EXPECT_EQ(images[1].ImageSize, QSize(3, 3));
  EXPECT_GT(images[2].Rect.width(), 0);
  EXPECT_GT(images[2].Rect.height(), 0);
}

TEST_F(KwikPrintFixture, WindowImagesUseTheirScaling) {
  QWidget wide, tall;
  wide.resize(200, 100);
  tall.resize(100, 400);
  const double proportionalX = 300.0 / wide.logicalDpiX(), proportionalY = 300.0 / wide.logicalDpiY();
  struct {
    QWidget* Form;
    TPrintScale Scale;
    QSize Size;
  } const cases[] = {
      {&wide, TPrintScale::poNone, {200, 100}},
      {&wide, TPrintScale::poProportional, {int(200 * proportionalX), int(100 * proportionalY)}},
      // Scaled to the page height it would be 6400 px wide: the printable width decides.
      {&wide, TPrintScale::poPrintToFit, {2480, 1240}},
      {&tall, TPrintScale::poPrintToFit, {800, 3200}},
  };
  for (const auto& c : cases) {
    Recorder->Clear();
    Printer->Start();
    Printer->DrawForm(1, 2, *c.Form, c.Scale);
    Printer->Stop();
    ASSERT_EQ(Images().size(), 1u);
    EXPECT_EQ(Images()[0].Rect, QRect(QPoint(331, 646), c.Size)) << int(c.Scale);
  }
}

TEST_F(KwikPrintFixture, ConvertsBetweenInchesAndPixels) {
  Printer->Start();
  Printer->Stop();
  struct {
    float Inches;
    int Pixels;
  } const cases[] = {{1.5f, 450}, {0.1f, 30}, {-0.5f, -150}, {0.0049f, 1}, {-0.0049f, -1}, {1.0f / 3, 100}};
  for (const auto& c : cases) {
    EXPECT_EQ(Printer->InchesToPixelsHorizontal(c.Inches), c.Pixels) << c.Inches;
    EXPECT_EQ(Printer->InchesToPixelsVertical(c.Inches), c.Pixels) << c.Inches;
  }
  EXPECT_EQ(Printer->InchesToPixelsHorizontal(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_GT(Printer->InchesToPixelsHorizontal(std::numeric_limits<float>::max()), 0);
  EXPECT_FLOAT_EQ(Printer->PixelsToInchesHorizontal(150), 0.5f);
  EXPECT_FLOAT_EQ(Printer->PixelsToInchesVertical(-75), -0.25f);
}
