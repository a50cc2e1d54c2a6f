// Format colours on dark and light backgrounds: dim ones are lightened on a
// dark base only, just enough, keeping their hue.
#include "ListBoxFixtures.h"
#include "QZ_ReadableColor.h"
#include "UDesktopColorScheme.h"

#include <gtest/gtest.h>

namespace {

const QColor kNavy(0, 0, 128);  // the Name column's format colour 8388608
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kDarkBase = DarkPalette().color(QPalette::Active, QPalette::Base);

std::string Name(const QColor& AColor) { return AColor.name().toStdString(); }

}  // namespace

TEST(ReadableColor, DimColoursAreLightenedOnDarkBasesOnly) {
  struct TCase {
    QColor Text;
    QColor Background;
    bool Changed;
  };
  const TCase cases[] = {
      {kNavy, kWhite, false},
      {kBlack, kWhite, false},
      {QColor(255, 255, 200), kWhite, false},  // pale on light: drawn as the format says
      {kNavy, kDarkBase, true},
      {kBlack, kDarkBase, true},
      {kNavy, QColor(0, 0, 0), true},
      {QColor(255, 220, 0), kDarkBase, false},  // already readable
      {kWhite, kDarkBase, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(Name(c.Text) + " on " + Name(c.Background));
    const QColor drawn = ReadableTextColor(c.Text, c.Background);
    EXPECT_EQ(drawn != c.Text, c.Changed) << Name(drawn);
    if (c.Changed) {
      EXPECT_GE(ContrastRatio(drawn, c.Background), kLightenedTextContrast - 0.01);
      // Just far enough: not more than a little above the target.
      EXPECT_LT(ContrastRatio(drawn, c.Background), kLightenedTextContrast + 0.2);
      EXPECT_EQ(drawn.hslHue(), c.Text.hslHue());
    }
  }
}

TEST(ReadableColor, NavyStaysBlueAndBlackBecomesGrey) {
  const QColor name = ReadableTextColor(kNavy, kDarkBase);
  EXPECT_GT(name.blue(), name.red()) << Name(name);
  EXPECT_EQ(name.red(), name.green());
  const QColor other = ReadableTextColor(kBlack, kDarkBase);
  EXPECT_EQ(other.red(), other.green());
  EXPECT_EQ(other.green(), other.blue());
}

TEST(ReadableColor, ABackgroundTooBrightForTheTargetGetsWhite) {
  // White reads better than black here, but reaches only about 5:1.
  const QColor background(0x60, 0x60, 0x60);
  ASSERT_TRUE(IsDarkBackground(background));
  EXPECT_EQ(ReadableTextColor(kNavy, background), kWhite);
}

TEST(ReadableColor, ContrastRatioSpansOneToTwentyOne) {
  EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(kWhite, kBlack), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(kNavy, kNavy), 1.0, 1e-9);
}

// The character list draws its names and other columns readably on a dark
// palette and exactly in the format colours on a light one.
TEST(ReadableColor, TheCharacterListDrawsWithReadableColoursOnEitherBase) {
  struct TCase {
    const char* Scheme;
    QPalette Palette;
    bool Lightened;
  };
  QPalette light;
  light.setColor(QPalette::Base, kWhite);
  const TCase cases[] = {{"light", light, false}, {"dark", DarkPalette(), true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Scheme);
    auto list = MakeCharacterListBox();
    list->setPalette(c.Palette);
    list->resize(1000, 120);
    list->Items().AddStrings(SampleCharacterRows());
    list->SetItemIndex(0);
    PaintRows(*list);
    const QColor base = c.Palette.color(QPalette::Active, QPalette::Base);
    const TTextOut* name = list->WrittenAt(0, 1);  // row 1: not the selected row
    const TTextOut* title = list->WrittenAt(1, 1);
    ASSERT_TRUE(name && title);
    if (c.Lightened) {
      EXPECT_EQ(name->Color, ReadableTextColor(kNavy, base));
      EXPECT_EQ(title->Color, ReadableTextColor(kBlack, base));
      EXPECT_GE(ContrastRatio(name->Color, base), kMinimumTextContrast);
      EXPECT_GE(ContrastRatio(title->Color, base), kMinimumTextContrast);
    } else {
      EXPECT_EQ(name->Color, kNavy);
      EXPECT_EQ(title->Color, kBlack);
    }
    // The stored format keeps the navy either way.
    EXPECT_EQ(list->GetColumnFormat(0).FontColor, 8388608u);
  }
}
