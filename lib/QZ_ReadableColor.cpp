#include "QZ_ReadableColor.h"

#include <algorithm>
#include <cmath>

namespace {

double LinearChannel(double AValue) {
  return AValue <= 0.04045 ? AValue / 12.92 : std::pow((AValue + 0.055) / 1.055, 2.4);
}

QColor WithLightness(const QColor& AColor, double ALightness) {
  const QColor hsl = AColor.toHsl();
  return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), float(ALightness), hsl.alphaF()).toRgb();
}

}  // namespace

double RelativeLuminance(const QColor& AColor) {
  const QColor rgb = AColor.toRgb();
  return 0.2126 * LinearChannel(rgb.redF()) + 0.7152 * LinearChannel(rgb.greenF()) +
         0.0722 * LinearChannel(rgb.blueF());
}

double ContrastRatio(const QColor& AFirst, const QColor& ASecond) {
  const double first = RelativeLuminance(AFirst);
  const double second = RelativeLuminance(ASecond);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool IsDarkBackground(const QColor& ABackground) {
  return ContrastRatio(Qt::white, ABackground) > ContrastRatio(Qt::black, ABackground);
}

QColor ReadableTextColor(const QColor& AText, const QColor& ABackground) {
  if (!IsDarkBackground(ABackground) || ContrastRatio(AText, ABackground) >= kMinimumTextContrast) return AText;
  // Luminance grows with HSL lightness at a fixed hue and saturation, so the
  // least lightness that reaches the target is found by halving.
  double low = AText.toHsl().lightnessF();
  double high = 1.0;
  if (ContrastRatio(WithLightness(AText, high), ABackground) < kLightenedTextContrast) return Qt::white;
  for (int step = 0; step < 20; ++step) {
    const double middle = (low + high) / 2;
    if (ContrastRatio(WithLightness(AText, middle), ABackground) >= kLightenedTextContrast) {
      high = middle;
    } else {
      low = middle;
    }
  }
  return WithLightness(AText, high);
}
