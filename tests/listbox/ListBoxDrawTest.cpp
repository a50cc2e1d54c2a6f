// Painting of the list control: backgrounds, contrast, alignment,
// shortening, indicator box, fonts and the cell-drawing event.
#include "ListBoxFixtures.h"

#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

const QColor kBase(255, 255, 255);
const QColor kHighlight(0, 120, 215);
const QColor kButton(212, 208, 200);

void UseKnownPalette(QWidget& AWidget, const QColor& AHighlight = kHighlight) {
  QPalette palette = AWidget.palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, kBase);
    palette.setColor(group, QPalette::Highlight, AHighlight);
    palette.setColor(group, QPalette::Button, kButton);
  }
  AWidget.setPalette(palette);
}

// The character list, wide enough to show every column but the last in full.
std::unique_ptr<TRecordingListBox> CharacterListWithRows() {
  auto list = MakeCharacterListBox();
  UseKnownPalette(*list);
  list->resize(1000, 120);
  list->Items().AddStrings(SampleCharacterRows());
  return list;
}

// The exclusive right edge of a column of the grid.
int ColumnRight(const TDelimitedListBox& AList, int ACol) {
  const QRect cell = AList.Grid()->CellRect(ACol, 0);
  return cell.x() + cell.width();
}

int RowMiddle(int ARow) { return ARow * 15 + 7; }

}  // namespace

TEST(ListBoxView, NewControlHasTheDocumentedDefaults) {
  TDelimitedListBox list;
  EXPECT_EQ(list.size(), QSize(200, 100));
  EXPECT_EQ(list.RowHeight(), 15);
  EXPECT_EQ(list.HeaderHeight(), 17);
  EXPECT_TRUE(list.HeaderVisible());
  EXPECT_EQ(list.Color(), clWindow);
  EXPECT_EQ(list.HilightColor(), clHighlight);
  EXPECT_EQ(list.IndicatorColor(), clBtnFace);
  EXPECT_TRUE(list.ResizableColumns());
  EXPECT_EQ(list.Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  // Before loading the grid has one column, 1 pixel wide, and one blank row.
  EXPECT_EQ(list.Grid()->ColCount(), 1);
  EXPECT_EQ(list.Grid()->ColWidth(0), 1);
  EXPECT_EQ(list.Grid()->RowCount(), 1);
  // The header strip lies across the top, the rows fill the rest.
  EXPECT_EQ(list.HeaderStrip()->geometry().height(), 17);
  EXPECT_EQ(list.Grid()->geometry().top(), list.HeaderStrip()->geometry().bottom() + 1);
  EXPECT_EQ(list.Grid()->geometry().bottom(), list.contentsRect().bottom());
}

TEST(ListBoxView, SystemColoursFollowThePalette) {
  TDelimitedListBox list;
  UseKnownPalette(list);
  EXPECT_EQ(list.ResolveColor(clWindow), kBase);
  EXPECT_EQ(list.ResolveColor(clHighlight), kHighlight);
  EXPECT_EQ(list.ResolveColor(clBtnFace), kButton);
  EXPECT_EQ(list.ResolveColor(RGBColor(0, 0, 128)), QColor(0, 0, 128));
}

TEST(ListBoxDraw, TheCurrentRowIsHighlightedAndTheOthersUseTheRowColour) {
  auto list = CharacterListWithRows();
  list->SetItemIndex(1);
  const QImage rows = PaintRows(*list);
  const int hardcoreBlank = 950;  // well right of the Hardcore text
  EXPECT_EQ(rows.pixelColor(hardcoreBlank, RowMiddle(0)), kBase);
  EXPECT_EQ(rows.pixelColor(hardcoreBlank, RowMiddle(1)), kHighlight);
  EXPECT_EQ(rows.pixelColor(hardcoreBlank, RowMiddle(2)), kBase);
  // Below the last row the grid shows its background.
  EXPECT_EQ(rows.pixelColor(hardcoreBlank, RowMiddle(5)), kBase);
}

TEST(ListBoxDraw, AnEmptyListShowsOneBlankRowInTheRowColour) {
  auto list = MakeCharacterListBox();
  UseKnownPalette(*list);
  list->SetColor(RGBColor(250, 240, 200));
  list->resize(600, 80);
  const QImage rows = PaintRows(*list);
  EXPECT_EQ(list->Grid()->RowCount(), 1);
  EXPECT_EQ(PixelsUnlike(rows, QRect(0, 0, 500, 15), QColor(250, 240, 200)), 0);
  EXPECT_TRUE(list->Written.empty() || list->Written.front().Text.isEmpty());
}

TEST(ListBoxDraw, SelectedTextContrastsWithTheHighlight) {
  struct Case {
    QColor Highlight;
    QColor Text;
  };
  const Case cases[] = {
      {QColor(0, 120, 215), Qt::white},    // 94.45
      {QColor(255, 255, 0), Qt::black},    // 226.95
      {QColor(128, 128, 128), Qt::black},  // 128: just above the middle
      {QColor(127, 127, 127), Qt::white},  // 127: just below it
  };
  for (const Case& c : cases) {
    auto list = CharacterListWithRows();
    UseKnownPalette(*list, c.Highlight);
    list->SetItemIndex(2);
    PaintRows(*list);
    ASSERT_NE(list->WrittenAt(0, 2), nullptr);
    EXPECT_EQ(list->WrittenAt(0, 2)->Color, c.Text) << c.Highlight.name().toStdString();
    // Unselected rows keep their column's colour: navy for Name.
    EXPECT_EQ(list->WrittenAt(0, 1)->Color, QColor(0, 0, 128));
  }
}

TEST(ListBoxDraw, TheIronColumnEndsFivePixelsLeftOfItsRightEdge) {
  auto list = CharacterListWithRows();
  list->SetItemIndex(3);
  const QImage rows = PaintRows(*list);
  const TTextOut* iron = list->WrittenAt(kIronColumn, 0);
  ASSERT_NE(iron, nullptr);
  EXPECT_EQ(iron->Text, QStringLiteral("1,234,567"));
  const int right = ColumnRight(*list, kIronColumn);
  EXPECT_EQ(iron->X + iron->Width, right - 5);
  const QRect cell(right - 80, 0, 80, 15);
  const int ink = RightmostInk(rows, cell, kBase);
  EXPECT_LE(ink, right - 6);
  EXPECT_GE(ink, right - 9);
  // Painting grew the column's widest text to the formatted length.
  EXPECT_EQ(list->GetColumnFormat(kIronColumn).Width(), QStringLiteral("20,500,300").size());
}

TEST(ListBoxDraw, AlignmentsPlaceTheTextAsTheSectionsSay) {
  auto list = CharacterListWithRows();
  TDelimitedListModel::THeaderSection sex = list->HeaderSection(3);
  sex.Alignment = TDelimitedListModel::taCenter;
  list->SetHeaderSection(3, sex);
  PaintRows(*list);
  const TTextOut* name = list->WrittenAt(0, 1);
  const TTextOut* level = list->WrittenAt(2, 1);
  const TTextOut* centred = list->WrittenAt(3, 1);
  ASSERT_TRUE(name && level && centred);
  EXPECT_EQ(name->X, 6);
  EXPECT_EQ(name->Y, 15 + 1);
  EXPECT_EQ(level->X, ColumnRight(*list, 2) - level->Width - 5);
  const int left = ColumnRight(*list, 2);
  EXPECT_EQ(centred->X, 50 / 2 + left - centred->Width / 2 - 5);
}

TEST(ListBoxDraw, TextsAreShortenedWhenTheyMissTheTenPixelMargin) {
  auto list = MakeListBox(1, 300);
  list->Items().AddStrings({QStringLiteral("Abcdefghijklmnop"), QString()});
  PaintRows(*list);
  const int full = list->WrittenAt(0, 0)->Width;

  struct Case {
    int ColumnWidth;
    bool Shortened;
  };
  for (const Case c : {Case{full + 10, false}, Case{full + 9, true}, Case{full - 20, true}}) {
    list->HeaderStrip()->resizeSection(0, c.ColumnWidth);
    list->Written.clear();
    PaintRows(*list);
    const TTextOut* cell = list->WrittenAt(0, 0);
    ASSERT_NE(cell, nullptr);
    if (c.Shortened) {
      EXPECT_TRUE(cell->Text.endsWith(QStringLiteral("..."))) << cell->Text.toStdString();
      EXPECT_TRUE(QStringLiteral("Abcdefghijklmnop").startsWith(cell->Text.chopped(3)));
      EXPECT_LE(cell->Width + 3, c.ColumnWidth);
    } else {
      EXPECT_EQ(cell->Text, QStringLiteral("Abcdefghijklmnop"));
    }
    // An empty cell is never shortened in a column of 10 pixels or more.
    EXPECT_EQ(list->WrittenAt(0, 1)->Text, QString());
  }
}

TEST(ListBoxDraw, AColumnNarrowerThanTenPixelsShowsPlusInEveryCell) {
  auto list = MakeListBox(2, 9);
  list->Items().AddStrings({QStringLiteral("Ann;x"), QStringLiteral(";")});
  PaintRows(*list);
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 2; ++col) {
      ASSERT_NE(list->WrittenAt(col, row), nullptr);
      EXPECT_EQ(list->WrittenAt(col, row)->Text, QStringLiteral("+")) << row << "," << col;
    }
  }
}

TEST(ListBoxDraw, ColumnFormatsSetFontSizeStyleAndColour) {
  // Column 0: tiny size; column 1: no font name (keeps column 0's) and size
  // 10; column 2: red, all four styles; column 3: a date; column 4: a number.
  const QString formats = QStringList{QStringLiteral("0þþ%1þ0þ3").arg(kMono), QStringLiteral("0þþþ0þ10"),
                                      QStringLiteral("0þþ%1þ255þ9þ15").arg(kSans), QStringLiteral("1"),
                                      QStringLiteral("2")}
                              .join(QLatin1Char('\n'));
  auto list = MakeListBox(5, 120, formats);
  UseKnownPalette(*list);
  list->resize(700, 80);
  list->Items().AddStrings({QStringLiteral("a;b;c;45000.5;1234.5"), QStringLiteral("a;b;c;0;x")});
  PaintRows(*list);

  const TTextOut* tiny = list->WrittenAt(0, 1);
  const TTextOut* unnamed = list->WrittenAt(1, 1);
  const TTextOut* styled = list->WrittenAt(2, 1);
  ASSERT_TRUE(tiny && unnamed && styled);
  EXPECT_EQ(tiny->Font.family(), kMono);
  EXPECT_EQ(tiny->Font.pointSize(), 6);
  EXPECT_EQ(unnamed->Font.family(), kMono);
  EXPECT_EQ(unnamed->Font.pointSize(), 10);
  EXPECT_EQ(styled->Font.family(), kSans);
  EXPECT_TRUE(styled->Font.bold() && styled->Font.italic() && styled->Font.underline() &&
              styled->Font.strikeOut());
  EXPECT_EQ(styled->Color, QColor(255, 0, 0));
  EXPECT_FALSE(tiny->Font.bold());

  EXPECT_EQ(list->WrittenAt(3, 0)->Text, QStringLiteral("15/03/2023 12:00"));
  EXPECT_EQ(list->WrittenAt(4, 0)->Text, QStringLiteral("1,234.50"));
  EXPECT_EQ(list->WrittenAt(3, 1)->Text, QString());
  EXPECT_EQ(list->WrittenAt(4, 1)->Text, QStringLiteral("0.00"));
}

TEST(ListBoxDraw, IndicatorBoxPutsColumnZeroLeftBehindIt) {
  auto list = std::make_unique<TRecordingListBox>();
  UseKnownPalette(*list);
  list->SetFontName(kSans);
  list->SetIndicators(true);
  list->AddHeaderSection({QStringLiteral("Name"), 120, TDelimitedListModel::taRightJustify});
  list->Loaded();
  list->Items().AddStrings({QStringLiteral("Ann"), QStringLiteral("Bob")});
  list->SetItemIndex(1);
  const QImage rows = PaintRows(*list);

  // No image list: a 16-pixel box; the text follows it, left-aligned.
  EXPECT_EQ(list->WrittenAt(0, 0)->X, 6 + 16);
  EXPECT_EQ(rows.pixelColor(1, 1), kButton);                // box of a plain row
  EXPECT_EQ(rows.pixelColor(16, 13), kButton);
  EXPECT_EQ(rows.pixelColor(17, 7), kBase);                 // right of the box
  EXPECT_EQ(rows.pixelColor(0, 7), kBase);                  // left of the box
  EXPECT_EQ(rows.pixelColor(5, 15 + 7), kHighlight);        // box of the current row
  // The caption keeps its own alignment.
  EXPECT_EQ(list->HeaderStrip()->model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignRight | Qt::AlignVCenter));

  // With an image list: its width sets the box, and a row's image is drawn.
  TImageList images(10, 10);
  QPixmap red(10, 10);
  red.fill(Qt::red);
  images.Add(red);
  list->SetIndicatorImages(&images);
  list->SetIndicatorImageIndex(0, 0);
  list->Written.clear();
  const QImage withImage = PaintRows(*list);
  EXPECT_EQ(list->WrittenAt(0, 0)->X, 6 + 10);
  EXPECT_EQ(withImage.pixelColor(2, 1), QColor(Qt::red));
  EXPECT_EQ(withImage.pixelColor(11, 10), QColor(Qt::red));
  EXPECT_EQ(withImage.pixelColor(2, 15 + 1), kHighlight);  // row 1 has no image
}

TEST(ListBoxDraw, DrawCellHandlerCanReplaceOrSuppressTheText) {
  auto list = CharacterListWithRows();
  list->SetItemIndex(3);
  const QImage before = PaintRows(*list);
  const TTextOut original = *list->WrittenAt(kIronColumn, 0);

  // Suppressed: the background is painted, no text.
  list->OnDrawCell = [](QPainter&, int ACol, int, const QRect&, QString&, TGridDrawState, bool& ADefault) {
    if (ACol == kIronColumn) ADefault = false;
  };
  list->Written.clear();
  const QImage suppressed = PaintRows(*list);
  EXPECT_EQ(list->WrittenAt(kIronColumn, 0), nullptr);
  const int right = ColumnRight(*list, kIronColumn);
  EXPECT_EQ(PixelsUnlike(suppressed, QRect(right - 80, 0, 80, 15), kBase), 0);
  EXPECT_GT(PixelsUnlike(before, QRect(right - 80, 0, 80, 15), kBase), 0);

  // Replaced: the new text is written where the old one would have been.
  int calls = 0;
  list->OnDrawCell = [&](QPainter&, int ACol, int ARow, const QRect& ARect, QString& AData, TGridDrawState AState,
                         bool& ADefault) {
    EXPECT_TRUE(ADefault);
    if (ACol != kIronColumn || ARow != 0) return;
    ++calls;
    EXPECT_EQ(AData, QStringLiteral("1,234,567"));
    EXPECT_EQ(ARect.width(), 80);
    EXPECT_EQ(AState & gdSelected, 0u);
    AData = QStringLiteral("much");
  };
  list->Written.clear();
  PaintRows(*list);
  const TTextOut* replaced = list->WrittenAt(kIronColumn, 0);
  ASSERT_NE(replaced, nullptr);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(replaced->Text, QStringLiteral("much"));
  EXPECT_EQ(replaced->X, original.X);
}

TEST(ListBoxDraw, MultiSelectHighlightsMarkedRowsOnly) {
  auto list = CharacterListWithRows();
  list->SetMultiSelect(true);
  list->SetItemIndex(0);  // row 0 alone is selected
  list->MoveCurrentRow(2);  // as a keyboard move does
  const QImage rows = PaintRows(*list);
  EXPECT_EQ(rows.pixelColor(950, RowMiddle(0)), kHighlight);
  EXPECT_EQ(rows.pixelColor(950, RowMiddle(2)), kBase);
}

TEST(ListBoxDraw, NothingIsPaintedBeforeLoadingOrWhenSectionsChangeAfterIt) {
  TRecordingListBox unloaded;
  unloaded.AddHeaderSection({QStringLiteral("A"), 80, TDelimitedListModel::taLeftJustify});
  unloaded.Items().Add(QStringLiteral("Ann"));
  PaintRows(unloaded);
  EXPECT_TRUE(unloaded.Written.empty());

  auto list = MakeListBox(2);
  list->Items().Add(QStringLiteral("Ann;Bob"));
  list->AddHeaderSection({QStringLiteral("Late"), 80, TDelimitedListModel::taLeftJustify});
  PaintRows(*list);
  EXPECT_TRUE(list->Written.empty());
}
