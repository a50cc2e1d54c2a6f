#pragma once

#include <QDBusConnection>
#include <QPalette>
#include <QString>
#include <QVariant>

// Follows the desktop's light or dark colour scheme without a setting of the
// program's own.
//
// A platform theme that hands Qt a dark palette is honoured as it is. Where
// the palette stays light although the desktop prefers dark (Qt 6.4 reads no
// colour-scheme preference), the desktop's preference is read from the
// freedesktop settings portal ("org.freedesktop.appearance" "color-scheme",
// with GNOME's GTK theme name as a fallback) and a dark palette is applied.
enum class TColorScheme { Unknown, Light, Dark };

// The portal's "color-scheme" value: 1 prefers dark, 2 prefers light, 0 or
// anything else states no preference. Nested variants are unwrapped.
TColorScheme ColorSchemeFromPortalValue(const QVariant& AValue);
// A GTK theme name: one ending in "-dark" is dark; others state nothing.
TColorScheme ColorSchemeFromGtkThemeName(const QString& AThemeName);

// The desktop's preference, asked of the settings portal on ABus with a
// short wait; Unknown without a bus or portal.
TColorScheme DesktopColorScheme(const QDBusConnection& ABus = QDBusConnection::sessionBus());

// A palette whose window and base colours are darker than its text.
bool IsDarkPalette(const QPalette& APalette);
// The palette used on a dark desktop whose platform theme gives a light one.
QPalette DarkPalette();
// APlatform unless the desktop prefers dark and APlatform is light.
QPalette PaletteForScheme(const QPalette& APlatform, TColorScheme AScheme);

// Applies PaletteForScheme to the application; call before creating windows.
void ApplyColorScheme(TColorScheme AScheme);
