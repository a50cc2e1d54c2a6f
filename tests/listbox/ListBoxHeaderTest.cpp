// The header strip: sections, column widths, resizing limits and clicks.
#include "ListBoxFixtures.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <gtest/gtest.h>

namespace {

QPoint SectionCentre(const QHeaderView& AHeader, int ASection) {
  return {AHeader.sectionViewportPosition(ASection) + AHeader.sectionSize(ASection) / 2, AHeader.height() / 2};
}

std::vector<int> GridWidths(const TDelimitedListBox& AList) {
  std::vector<int> widths;
  for (int col = 0; col < AList.Grid()->ColCount(); ++col) widths.push_back(AList.Grid()->ColWidth(col));
  return widths;
}

}  // namespace

TEST(ListBoxHeader, TheStripShowsTheSectionsAndTheGridTakesTheirWidths) {
  auto list = MakeCharacterListBox();
  const QHeaderView& header = *list->HeaderStrip();
  ASSERT_EQ(header.count(), 10);
  for (int index = 0; index < 10; ++index) {
    const TSectionSpec& section = kCharacterSections[index];
    EXPECT_EQ(header.model()->headerData(index, Qt::Horizontal).toString(), QString::fromLatin1(section.Caption));
    EXPECT_EQ(header.sectionSize(index), section.Width);
  }
  EXPECT_EQ(header.model()->headerData(kIronColumn, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_EQ(GridWidths(*list), (std::vector<int>{150, 120, 50, 50, 120, 120, 80, 70, 70, 5000}));
  EXPECT_EQ(list->Grid()->RowCount(), 1);  // the blank row of an empty list
}

TEST(ListBoxHeader, HeightAndVisibilityLayOutTheGrid) {
  auto list = MakeCharacterListBox();
  list->SetHeaderHeight(24);
  EXPECT_EQ(list->HeaderStrip()->height(), 24);
  EXPECT_EQ(list->Grid()->y(), list->contentsRect().top() + 24);
  list->SetHeaderVisible(false);
  EXPECT_TRUE(list->HeaderStrip()->isHidden());
  EXPECT_EQ(list->Grid()->y(), list->contentsRect().top());
  list->SetHeaderVisible(true);
  EXPECT_EQ(list->Grid()->y(), list->contentsRect().top() + 24);
  QFont tahoma(QStringLiteral("Tahoma"), 8);
  list->SetHeaderFont(tahoma);
  EXPECT_EQ(list->HeaderFont().family(), QStringLiteral("Tahoma"));
}

TEST(ListBoxHeader, DraggingASectionResizesItsColumnAtOnce) {
  auto list = MakeCharacterListBox();
  list->HeaderStrip()->resizeSection(2, 75);  // as a drag of its edge does
  EXPECT_EQ(list->HeaderSection(2).Width, 75);
  EXPECT_EQ(list->Grid()->ColWidth(2), 75);
  EXPECT_EQ(list->Grid()->CellRect(kIronColumn, 0).x(), 150 + 120 + 75 + 50 + 120 + 120);
}

TEST(ListBoxHeader, FixedColumnsCannotBeDragged) {
  auto list = MakeCharacterListBox();
  list->SetResizableColumns(false);
  EXPECT_EQ(list->HeaderStrip()->sectionResizeMode(0), QHeaderView::Fixed);
  list->HeaderStrip()->resizeSection(2, 99);
  EXPECT_EQ(list->HeaderSection(2).Width, 50);
  EXPECT_EQ(list->HeaderStrip()->sectionSize(2), 50);
  EXPECT_EQ(list->Grid()->ColWidth(2), 50);

  list->SetResizableColumns(true);
  EXPECT_EQ(list->HeaderStrip()->sectionResizeMode(0), QHeaderView::Interactive);
  list->HeaderStrip()->resizeSection(2, 99);
  EXPECT_EQ(list->Grid()->ColWidth(2), 99);
}

TEST(ListBoxHeader, ColumnZeroStaysWideEnoughForTheIndicatorImage) {
  auto list = std::make_unique<TRecordingListBox>();
  TImageList images(20, 12);
  list->SetIndicators(true);
  list->SetIndicatorImages(&images);
  list->AddHeaderSection({QStringLiteral("Name"), 80, TDelimitedListModel::taLeftJustify});
  list->AddHeaderSection({QStringLiteral("Level"), 80, TDelimitedListModel::taLeftJustify});
  list->Loaded();

  list->HeaderStrip()->resizeSection(0, 10);
  EXPECT_EQ(list->HeaderSection(0).Width, 25);
  EXPECT_EQ(list->HeaderStrip()->sectionSize(0), 25);
  EXPECT_EQ(list->Grid()->ColWidth(0), 25);
  list->HeaderStrip()->resizeSection(1, 10);  // other columns have no such minimum
  EXPECT_EQ(list->Grid()->ColWidth(1), 10);
}

TEST(ListBoxHeader, AnImageListDestroyedElsewhereIsForgotten) {
  TRecordingListBox list;
  auto* images = new TImageList(16, 16);
  list.SetIndicatorImages(images);
  delete images;
  EXPECT_EQ(list.IndicatorImages(), nullptr);
}

TEST(ListBoxHeader, AClickSortsWhenAllowedAndReturnsTheFocusToTheRows) {
  struct Case {
    const char* Name;
    bool AllowSorting;
    bool HandlerHandles;
    bool Sorted;
  };
  const Case cases[] = {
      {"sorting allowed", true, false, true},
      {"sorting not allowed", false, false, false},
      {"handled by OnHeaderClick", true, true, false},
  };
  for (const Case& c : cases) {
    auto list = MakeCharacterListBox();
    list->Items().AddStrings(SampleCharacterRows());
    list->SetAllowSorting(c.AllowSorting);
    TListWindow window(std::move(list));
    ASSERT_TRUE(window.Active);
    window.Edit->setFocus();
    QStringList log;
    window.List->SetOnHeaderClick([&](TDelimitedListModel* ASender, int AColumn, bool& AHandled) {
      EXPECT_EQ(ASender, static_cast<TDelimitedListModel*>(window.List));
      log << QStringLiteral("header %1").arg(AColumn);
      AHandled = c.HandlerHandles;
    });
    window.List->SetBeforeSort([&](TDelimitedListModel*) { log << "before"; });
    window.List->SetAfterSort([&](TDelimitedListModel*) { log << "after"; });

    QHeaderView* header = window.List->HeaderStrip();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, SectionCentre(*header, kIronColumn));

    const QStringList expected = c.Sorted ? QStringList{"header 6", "before", "after"} : QStringList{"header 6"};
    EXPECT_EQ(log, expected) << c.Name;
    EXPECT_EQ(window.List->GetField(0, 0), c.Sorted ? QStringLiteral("Dorn") : QStringLiteral("Ann")) << c.Name;
    EXPECT_TRUE(window.List->Focused()) << c.Name;
  }
}
