#pragma once

#include "QZ_Colors.h"

#include <QString>
#include <cstdint>

// How a list column's fields are shown, compared and copied.
enum TDelimtedStringGridDataType { dsgString = 0, dsgDateTime = 1, dsgNumeric = 2 };

// The display format of one column of a delimited list.
class TColumnFormats {
public:
  // Font style bits; the same values as in the column-format text.
  enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
  using TFontStyles = std::uint8_t;
  static constexpr TFontStyles kAllFontStyles = fsBold | fsItalic | fsUnderline | fsStrikeOut;

  // A format with the defaults: the given font, black, no styles, text, no pattern.
  TColumnFormats() = default;
  TColumnFormats(const QString& AFontName, std::int32_t AFontSize);

  // The widest text seen in this column, in UTF-16 code units. It only grows:
  // by splitting rows and by painting display texts.
  std::int32_t Width() const { return FStrWidth; }
  void GrowWidth(qsizetype ALength);

  // Copies all fields, the width included.
  void Assign(const TColumnFormats& AColumnFormats);

  QString FontName;
  TColor FontColor = clBlack;
  TFontStyles FontStyles = 0;
  std::int32_t FontSize = 0;
  TDelimtedStringGridDataType DataType = dsgString;
  QString FormatString;  // empty: the data type's default pattern

private:
  std::int32_t FStrWidth = 0;
};

// Reads one line of the column-format text into a format that holds the
// defaults. The line's fields are separated by "þ" (U+00FE); codes 32 and
// below are trimmed from the whole line first (so empty fields at either end
// vanish and later fields move forward), then from every field. By position:
// 0 data type (an integer 0-2, else ignored), 1 pattern, 2 font name,
// 3 colour, 4 font size, 5 style bits. Integers read as TryStrToInt does; an
// unreadable one counts as 0. Missing fields keep the defaults.
void ReadColumnFormatLine(const QString& ALine, TColumnFormats& AFormat);
