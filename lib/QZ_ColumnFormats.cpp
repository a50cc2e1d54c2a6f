#include "QZ_ColumnFormats.h"

#include "Convert.h"
#include "StringList.h"
#include "TextCompare.h"

#include <QStringList>

namespace {

constexpr char16_t kFieldSeparator = 0x00FE;  // "þ"

enum TFormatField { ffDataType, ffFormatString, ffFontName, ffFontColor, ffFontSize, ffFontStyles };

}  // namespace

TColumnFormats::TColumnFormats(const QString& AFontName, std::int32_t AFontSize)
    : FontName(AFontName), FontSize(AFontSize) {}

void TColumnFormats::GrowWidth(qsizetype ALength) {
  if (ALength > FStrWidth) FStrWidth = ALength > INT32_MAX ? INT32_MAX : std::int32_t(ALength);
}

void TColumnFormats::Assign(const TColumnFormats& AColumnFormats) { *this = AColumnFormats; }

void ReadColumnFormatLine(const QString& ALine, TColumnFormats& AFormat) {
  QString joined = ALine;
  joined.replace(QChar(kFieldSeparator), QLatin1Char('\n'));
  const QStringList fields = SplitLines(TrimControl(joined));
  for (qsizetype position = 0; position < fields.size(); ++position) {
    const QString field = TrimControl(fields[position]);
    switch (position) {
      case ffDataType: {
        const std::int32_t type = StrToIntDef(field, 0);
        if (type >= dsgString && type <= dsgNumeric) {
          AFormat.DataType = static_cast<TDelimtedStringGridDataType>(type);
        }
        break;
      }
      case ffFormatString:
        AFormat.FormatString = field;
        break;
      case ffFontName:
        AFormat.FontName = field;
        break;
      case ffFontColor:
        AFormat.FontColor = static_cast<TColor>(StrToIntDef(field, 0));
        break;
      case ffFontSize:
        AFormat.FontSize = StrToIntDef(field, 0);
        break;
      case ffFontStyles:
        AFormat.FontStyles = TColumnFormats::TFontStyles(StrToIntDef(field, 0) &
                                                         TColumnFormats::kAllFontStyles);
        break;
      default:
        return;  // fields beyond the sixth carry nothing
    }
  }
}
