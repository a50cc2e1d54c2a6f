#include "QZ_PaletteColor.h"

QColor ResolveColor(TColor AColor, const QPalette& APalette) {
  if (!IsSystemColor(AColor)) return QColor(RedOf(AColor), GreenOf(AColor), BlueOf(AColor));
  const auto active = [&APalette](QPalette::ColorRole ARole) { return APalette.color(QPalette::Active, ARole); };
  switch (SystemColorNumber(AColor)) {
    case 5:  // clWindow
      return active(QPalette::Base);
    case 8:  // clWindowText
      return active(QPalette::Text);
    case 13:  // clHighlight
      return active(QPalette::Highlight);
    case 14:  // clHighlightText
      return active(QPalette::HighlightedText);
    case 15:  // clBtnFace
      return active(QPalette::Button);
    case 16:  // clBtnShadow
      return active(QPalette::Mid);
    case 18:  // clBtnText
      return active(QPalette::ButtonText);
    case 20:  // clBtnHighlight
      return active(QPalette::Light);
    default:
      return active(QPalette::Window);
  }
}
