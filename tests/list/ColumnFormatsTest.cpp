#include "ListFixtures.h"
#include "QZ_ColumnFormats.h"

#include <gtest/gtest.h>

namespace {

using F = TColumnFormats;

struct FormatCase {
  const char* line;
  TDelimtedStringGridDataType type;
  const char* pattern;
  const char* fontName;
  TColor color;
  std::int32_t size;
  F::TFontStyles styles;
};

void ExpectFormat(const TColumnFormats& format, const FormatCase& c) {
  SCOPED_TRACE(c.line);
  EXPECT_EQ(format.DataType, c.type);
  EXPECT_EQ(format.FormatString, QString::fromUtf8(c.pattern));
  EXPECT_EQ(format.FontName, QString::fromUtf8(c.fontName));
  EXPECT_EQ(format.FontColor, c.color);
  EXPECT_EQ(format.FontSize, c.size);
  EXPECT_EQ(format.FontStyles, c.styles);
}

}  // namespace

TEST(ColumnFormatText, ReadsEachLineByFieldPosition) {
  // Defaults come from the control's font "Segoe UI" 10.
  const FormatCase cases[] = {
      {"0þþTahomaþ8388608þ8þ1", dsgString, "", "Tahoma", 0x800000, 8, F::fsBold},
      {"2þ0,þCourier Newþ0þ9þ0", dsgNumeric, "0,", "Courier New", clBlack, 9, 0},
      {"2þ0,þCourier Newþ0þ9", dsgNumeric, "0,", "Courier New", clBlack, 9, 0},
      {"", dsgString, "", "Segoe UI", clBlack, 10, 0},
      // an empty first field vanishes and the others move forward
      {"þ0þArial", dsgString, "Arial", "Segoe UI", clBlack, 10, 0},
      {" þ þ1þdd/mm", dsgDateTime, "dd/mm", "Segoe UI", clBlack, 10, 0},
      // empty fields inside the line stay in place and store empty texts
      {"1þþþ255", dsgDateTime, "", "", 255, 10, 0},
      {"3þx", dsgString, "x", "Segoe UI", clBlack, 10, 0},  // type 3 ignored
      {"-1", dsgString, "", "Segoe UI", clBlack, 10, 0},
      {"abcþp", dsgString, "p", "Segoe UI", clBlack, 10, 0},
      {" 2 þ dd/mm þ Arial þ 255 þ 11 þ 31 ", dsgNumeric, "dd/mm", "Arial", 255, 11, 15},
      {"0þþArialþ$FF000005þ+9þ0x3", dsgString, "", "Arial", clWindow, 9, F::fsBold | F::fsItalic},
      {"0þþArialþ-1þ9þ8", dsgString, "", "Arial", 0xFFFFFFFF, 9, F::fsStrikeOut},
      // unreadable colour, size and styles count as 0
      {"0þþArialþnavyþbigþbold", dsgString, "", "Arial", 0, 0, 0},
      {"0þþArialþ1.5þ 9 þ1 2", dsgString, "", "Arial", 0, 9, 0},
      // a trailing separator adds no field; fields past the sixth are ignored
      {"2þ0þCourier Newþ0þ9þ", dsgNumeric, "0", "Courier New", clBlack, 9, 0},
      {"0þþAþ1þ2þ3þ4þ5", dsgString, "", "A", 1, 2, 3},
  };
  for (const FormatCase& c : cases) {
    TColumnFormats format(QStringLiteral("Segoe UI"), 10);
    ReadColumnFormatLine(QString::fromUtf8(c.line), format);
    ExpectFormat(format, c);
  }
}

TEST(ColumnFormatText, GivesOneFormatPerSectionWhateverTheLineBreaks) {
  auto list = std::make_unique<TRecordingList>();
  list->SetFontName(QStringLiteral("Segoe UI"));
  list->SetFontSize(10);
  list->SetColumnFormatEditor(
      QStringLiteral("2þ0þCourier Newþ0þ9\r\n1þdd/mm\rþ0þArial\n0þþTahomaþ0þ8þ1\r\n\r\n"));
  for (int c = 0; c < 5; ++c) list->AddHeaderSection({QStringLiteral("C%1").arg(c)});
  list->Loaded();

  ASSERT_EQ(list->ColumnFormatCount(), 5);
  ExpectFormat(list->GetColumnFormat(0), {"line 0", dsgNumeric, "0", "Courier New", 0, 9, 0});
  ExpectFormat(list->GetColumnFormat(1), {"line 1", dsgDateTime, "dd/mm", "Segoe UI", 0, 10, 0});
  ExpectFormat(list->GetColumnFormat(2), {"line 2", dsgString, "Arial", "Segoe UI", 0, 10, 0});
  ExpectFormat(list->GetColumnFormat(3), {"line 3", dsgString, "", "Tahoma", 0, 8, F::fsBold});
  // an empty last line, and a column past the lines, keep the defaults
  ExpectFormat(list->GetColumnFormat(4), {"past", dsgString, "", "Segoe UI", 0, 10, 0});
  // outside the formats: the default format
  EXPECT_EQ(&list->GetColumnFormat(-1), &list->GetColumnFormat(5));
  ExpectFormat(list->GetColumnFormat(99), {"default", dsgString, "", "Segoe UI", 0, 10, 0});
}

TEST(ColumnFormatText, IsReadOnceWhenLoadingFinishes) {
  auto list = std::make_unique<TRecordingList>();
  list->SetColumnFormatEditor(QStringLiteral("2þ0"));
  list->AddHeaderSection({QStringLiteral("A")});
  list->Items().Add(QStringLiteral("12;x"));
  EXPECT_EQ(list->ColumnFormatCount(), 0);
  EXPECT_EQ(list->CellTableColumns(), 1);
  EXPECT_EQ(list->GetRawField(0, 0), QStringLiteral("12"));

  list->AddHeaderSection({QStringLiteral("B")});
  list->Loaded();
  EXPECT_EQ(list->ColumnFormatCount(), 2);
  EXPECT_EQ(list->CellTableColumns(), 2);
  EXPECT_EQ(list->GetRawField(0, 1), QStringLiteral("x"));

  // later changes of the text or the sections touch neither formats nor table
  list->SetColumnFormatEditor(QStringLiteral("0\r\n0\r\n0"));
  list->AddHeaderSection({QStringLiteral("C")});
  list->Loaded();
  EXPECT_EQ(list->ColumnFormatCount(), 2);
  EXPECT_EQ(list->GetColumnFormat(0).DataType, dsgNumeric);
  EXPECT_EQ(list->CellTableColumns(), 2);
  EXPECT_EQ(list->GetField(0, 2), QString());  // a section without a cell reads empty
}

TEST(ColumnFormatText, TheCharacterListFormats) {
  auto list = MakeCharacterList();
  ExpectFormat(list->GetColumnFormat(0), {"Name", dsgString, "", "Tahoma", 0x800000, 8, F::fsBold});
  ExpectFormat(list->GetColumnFormat(1), {"Title", dsgString, "", "Tahoma", 0, 8, F::fsBold});
  ExpectFormat(list->GetColumnFormat(2), {"Level", dsgNumeric, "0", "Courier New", 0, 9, 0});
  ExpectFormat(list->GetColumnFormat(6), {"Iron", dsgNumeric, "0,", "Courier New", 0, 9, 0});
  ExpectFormat(list->GetColumnFormat(9), {"Hardcore", dsgString, "", "Tahoma", 0, 8, 0});
}

TEST(ColumnFormatText, AssignCopiesEveryFieldWithTheWidth) {
  TColumnFormats source(QStringLiteral("Arial"), 12);
  ReadColumnFormatLine(QStringLiteral("2þ0.0þþ255þ7þ4"), source);
  source.GrowWidth(9);
  TColumnFormats copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Width(), 9);
  ExpectFormat(copy, {"copy", dsgNumeric, "0.0", "", 255, 7, F::fsUnderline});
  copy.GrowWidth(3);  // only grows
  EXPECT_EQ(copy.Width(), 9);
}
