// Following the desktop's colour scheme: reading its preference and choosing
// the palette.
#include "QZ_ReadableColor.h"
#include "UDesktopColorScheme.h"

#include <QApplication>
#include <QDBusVariant>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QPalette LightPalette() { return QApplication::style()->standardPalette(); }

const char* SchemeName(TColorScheme AScheme) {
  switch (AScheme) {
    case TColorScheme::Light:
      return "Light";
    case TColorScheme::Dark:
      return "Dark";
    case TColorScheme::Unknown:
      break;
  }
  return "Unknown";
}

// Restores the application palette when a test changed it.
class TApplicationPaletteGuard {
public:
  TApplicationPaletteGuard() : FSaved(QApplication::palette()) {}
  ~TApplicationPaletteGuard() { QApplication::setPalette(FSaved); }
  TApplicationPaletteGuard(const TApplicationPaletteGuard&) = delete;
  TApplicationPaletteGuard& operator=(const TApplicationPaletteGuard&) = delete;

private:
  QPalette FSaved;
};

}  // namespace

TEST(ColorScheme, ThePortalValueNamesThePreference) {
  struct TCase {
    const char* What;
    QVariant Value;
    TColorScheme Expected;
  };
  const TCase cases[] = {
      {"1", QVariant(1u), TColorScheme::Dark},
      {"2", QVariant(2u), TColorScheme::Light},
      {"0: no preference", QVariant(0u), TColorScheme::Unknown},
      {"7: not defined", QVariant(7u), TColorScheme::Unknown},
      {"signed 1", QVariant(1), TColorScheme::Dark},
      {"1 in a variant in a variant, as the portal's Read answers",
       QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(QVariant(1u))))), TColorScheme::Dark},
      {"the text \"1\"", QVariant(QStringLiteral("1")), TColorScheme::Unknown},
      {"no answer", QVariant(), TColorScheme::Unknown},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ColorSchemeFromPortalValue(c.Value), c.Expected) << c.What << ": " << SchemeName(c.Expected);
  }
}

TEST(ColorScheme, ADarkGtkThemeNameMeansDark) {
  EXPECT_EQ(ColorSchemeFromGtkThemeName(QStringLiteral("Adwaita-dark")), TColorScheme::Dark);
  EXPECT_EQ(ColorSchemeFromGtkThemeName(QStringLiteral("Yaru-Dark")), TColorScheme::Dark);
  EXPECT_EQ(ColorSchemeFromGtkThemeName(QStringLiteral("Adwaita")), TColorScheme::Unknown);
  EXPECT_EQ(ColorSchemeFromGtkThemeName(QStringLiteral("Darkness")), TColorScheme::Unknown);
  EXPECT_EQ(ColorSchemeFromGtkThemeName(QString()), TColorScheme::Unknown);
}

TEST(ColorScheme, ADarkPaletteIsAppliedOnlyWhereTheDesktopPrefersDarkAndThePlatformGaveLight) {
  QPalette platformDark = DarkPalette();
  platformDark.setColor(QPalette::Base, QColor(0x10, 0x20, 0x30));  // a theme's own dark palette
  struct TCase {
    const char* Platform;
    QPalette Palette;
    TColorScheme Scheme;
    QPalette Expected;
  };
  const TCase cases[] = {
      {"light", LightPalette(), TColorScheme::Dark, DarkPalette()},
      {"light", LightPalette(), TColorScheme::Light, LightPalette()},
      {"light", LightPalette(), TColorScheme::Unknown, LightPalette()},
      {"dark", platformDark, TColorScheme::Dark, platformDark},
      {"dark", platformDark, TColorScheme::Light, platformDark},
      {"dark", platformDark, TColorScheme::Unknown, platformDark},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Platform) + " platform, desktop " + SchemeName(c.Scheme));
    EXPECT_TRUE(PaletteForScheme(c.Palette, c.Scheme) == c.Expected);
  }
}

TEST(ColorScheme, TheDarkPaletteIsDarkAndItsTextsReadable) {
  const QPalette dark = DarkPalette();
  EXPECT_TRUE(IsDarkPalette(dark));
  EXPECT_FALSE(IsDarkPalette(LightPalette()));
  const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
      {QPalette::Text, QPalette::Base},
      {QPalette::Text, QPalette::AlternateBase},
      {QPalette::WindowText, QPalette::Window},
      {QPalette::ButtonText, QPalette::Button},
      {QPalette::HighlightedText, QPalette::Highlight},
      {QPalette::ToolTipText, QPalette::ToolTipBase},
      {QPalette::Link, QPalette::Base},
  };
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    for (const auto& [text, background] : pairs) {
      SCOPED_TRACE(std::to_string(int(group)) + ": " + std::to_string(int(text)) + " on " +
                   std::to_string(int(background)));
      EXPECT_GE(ContrastRatio(dark.color(group, text), dark.color(group, background)), kMinimumTextContrast);
    }
  }
}

TEST(ColorScheme, ApplyingTheDesktopPreferenceSetsTheApplicationPalette) {
  const TApplicationPaletteGuard guard;
  QApplication::setPalette(LightPalette());
  ApplyColorScheme(TColorScheme::Unknown);
  EXPECT_FALSE(IsDarkPalette(QApplication::palette()));
  ApplyColorScheme(TColorScheme::Dark);
  EXPECT_TRUE(IsDarkPalette(QApplication::palette()));
  QWidget widget;
  EXPECT_TRUE(IsDarkPalette(widget.palette()));
}
