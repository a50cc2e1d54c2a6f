#pragma once

#include <QColor>

// Legibility of text colours (the WCAG 2 measures).
//
// The list control draws the colours its column formats name. Those were
// chosen for a light window; on a dark one navy or black text all but
// vanishes. On a dark background a text colour below the minimum contrast is
// lightened, keeping its hue, to the contrast of comfortable reading; the
// format texts themselves stay as they are, and on a light background every
// colour is drawn exactly as given.

// Relative luminance of an sRGB colour: 0 for black, 1 for white.
double RelativeLuminance(const QColor& AColor);
// Contrast ratio of two colours, from 1 (equal) to 21 (black on white).
double ContrastRatio(const QColor& AFirst, const QColor& ASecond);
// A background on which white text reads better than black.
bool IsDarkBackground(const QColor& ABackground);

// Below this, text counts as hard to read.
inline constexpr double kMinimumTextContrast = 4.5;
// What a lightened colour is brought to.
inline constexpr double kLightenedTextContrast = 7.0;

// AText, or on a dark background where AText falls below
// kMinimumTextContrast: AText with its lightness raised just far enough to
// reach kLightenedTextContrast (white at most).
QColor ReadableTextColor(const QColor& AText, const QColor& ABackground);
