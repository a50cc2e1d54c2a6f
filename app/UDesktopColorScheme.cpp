#include "UDesktopColorScheme.h"

#include "QZ_ReadableColor.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalSettings = QStringLiteral("org.freedesktop.portal.Settings");
// Long enough for a running portal, short enough not to hold up start-up
// where a portal would first have to be started.
constexpr int kPortalTimeoutMs = 1000;

QVariant Unwrapped(QVariant AValue) {
  while (AValue.metaType() == QMetaType::fromType<QDBusVariant>()) AValue = AValue.value<QDBusVariant>().variant();
  return AValue;
}

// One setting of the portal; invalid when the portal has none or does not
// answer. AAnswered tells the two apart.
QVariant ReadPortalSetting(const QDBusConnection& ABus, const QString& ANamespace, const QString& AKey,
                           bool& AAnswered) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalSettings, QStringLiteral("Read"));
  call << ANamespace << AKey;
  const QDBusMessage reply = ABus.call(call, QDBus::Block, kPortalTimeoutMs);
  // An error of the portal's own (a setting it does not know) is an answer;
  // the bus's errors (no such service, no reply) are not.
  AAnswered = reply.type() == QDBusMessage::ReplyMessage ||
              (reply.type() == QDBusMessage::ErrorMessage &&
               !reply.errorName().startsWith(QStringLiteral("org.freedesktop.DBus.Error.")));
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  return Unwrapped(reply.arguments().constFirst());
}

void SetColors(QPalette& APalette, QPalette::ColorRole ARole, const QColor& AActive, const QColor& ADisabled) {
  APalette.setColor(QPalette::Active, ARole, AActive);
  APalette.setColor(QPalette::Inactive, ARole, AActive);
  APalette.setColor(QPalette::Disabled, ARole, ADisabled);
}

void SetColors(QPalette& APalette, QPalette::ColorRole ARole, const QColor& AColor) {
  SetColors(APalette, ARole, AColor, AColor);
}

}  // namespace

TColorScheme ColorSchemeFromPortalValue(const QVariant& AValue) {
  const QVariant value = Unwrapped(AValue);
  bool isNumber = false;
  const uint preference = value.toUInt(&isNumber);
  if (!isNumber || value.metaType() == QMetaType::fromType<QString>()) return TColorScheme::Unknown;
  if (preference == 1) return TColorScheme::Dark;
  if (preference == 2) return TColorScheme::Light;
  return TColorScheme::Unknown;
}

TColorScheme ColorSchemeFromGtkThemeName(const QString& AThemeName) {
  return AThemeName.endsWith(QStringLiteral("-dark"), Qt::CaseInsensitive) ? TColorScheme::Dark
                                                                           : TColorScheme::Unknown;
}

TColorScheme DesktopColorScheme(const QDBusConnection& ABus) {
  if (!ABus.isConnected()) return TColorScheme::Unknown;
  bool answered = false;
  const TColorScheme preference = ColorSchemeFromPortalValue(
      ReadPortalSetting(ABus, QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), answered));
  if (preference != TColorScheme::Unknown || !answered) return preference;
  // Desktops older than the colour-scheme setting name a dark GTK theme.
  return ColorSchemeFromGtkThemeName(
      ReadPortalSetting(ABus, QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("gtk-theme"), answered)
          .toString());
}

bool IsDarkPalette(const QPalette& APalette) {
  return IsDarkBackground(APalette.color(QPalette::Active, QPalette::Window)) &&
         IsDarkBackground(APalette.color(QPalette::Active, QPalette::Base));
}

QPalette DarkPalette() {
  const QColor window(0x35, 0x35, 0x35);
  const QColor base(0x26, 0x26, 0x26);
  const QColor text(0xE8, 0xE8, 0xE8);
  const QColor disabledText(0x80, 0x80, 0x80);
  QPalette palette;
  SetColors(palette, QPalette::Window, window);
  SetColors(palette, QPalette::WindowText, text, disabledText);
  SetColors(palette, QPalette::Base, base, window);
  SetColors(palette, QPalette::AlternateBase, QColor(0x2E, 0x2E, 0x2E));
  SetColors(palette, QPalette::Text, text, disabledText);
  SetColors(palette, QPalette::PlaceholderText, disabledText);
  SetColors(palette, QPalette::Button, window);
  SetColors(palette, QPalette::ButtonText, text, disabledText);
  SetColors(palette, QPalette::BrightText, QColor(0xFF, 0x6B, 0x6B));
  SetColors(palette, QPalette::Light, QColor(0x4A, 0x4A, 0x4A));
  SetColors(palette, QPalette::Midlight, QColor(0x40, 0x40, 0x40));
  SetColors(palette, QPalette::Mid, QColor(0x2A, 0x2A, 0x2A));
  SetColors(palette, QPalette::Dark, QColor(0x20, 0x20, 0x20));
  SetColors(palette, QPalette::Shadow, QColor(0x14, 0x14, 0x14));
  SetColors(palette, QPalette::Highlight, QColor(0x1F, 0x5F, 0xA8), QColor(0x45, 0x45, 0x45));
  SetColors(palette, QPalette::HighlightedText, Qt::white, disabledText);
  SetColors(palette, QPalette::Link, QColor(0x6C, 0xB4, 0xFF));
  SetColors(palette, QPalette::LinkVisited, QColor(0xC0, 0x9C, 0xFF));
  SetColors(palette, QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
  SetColors(palette, QPalette::ToolTipText, text);
  return palette;
}

QPalette PaletteForScheme(const QPalette& APlatform, TColorScheme AScheme) {
  if (AScheme == TColorScheme::Dark && !IsDarkPalette(APlatform)) return DarkPalette();
  return APlatform;
}

void ApplyColorScheme(TColorScheme AScheme) {
  const QPalette platform = QApplication::palette();
  const QPalette chosen = PaletteForScheme(platform, AScheme);
  if (chosen != platform) QApplication::setPalette(chosen);
}
