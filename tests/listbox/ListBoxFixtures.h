#pragma once

#include "ErrorRecorders.h"
#include "QStringPrinting.h"
#include "QZ_DelimitedListBox.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <vector>

inline const QChar kThorn(u'\u00FE');
// Fonts shipped with Debian, so text widths are the same on every test run.
inline const QString kSans = QStringLiteral("DejaVu Sans");
inline const QString kMono = QStringLiteral("DejaVu Sans Mono");

// One text written into a cell, with the canvas state it was written with.
struct TTextOut {
  int Col;
  int Row;
  int X;
  int Y;
  QString Text;
  QFont Font;
  QColor Color;
  int Width;  // of Text in Font on the canvas
};

// A list box that records every cell text it writes.
class TRecordingListBox : public TDelimitedListBox {
public:
  using TDelimitedListBox::TDelimitedListBox;
  std::vector<TTextOut> Written;

  // The last text written into a cell, or nullptr.
  const TTextOut* WrittenAt(int ACol, int ARow) const {
    for (auto it = Written.rbegin(); it != Written.rend(); ++it) {
      if (it->Col == ACol && it->Row == ARow) return &*it;
    }
    return nullptr;
  }

protected:
  void CellTextOut(QPainter& ACanvas, int ACol, int ARow, int AX, int AY, const QString& AText) override {
    Written.push_back({ACol, ARow, AX, AY, AText, ACanvas.font(), ACanvas.pen().color(),
                       ACanvas.fontMetrics().horizontalAdvance(AText)});
    TDelimitedListBox::CellTextOut(ACanvas, ACol, ARow, AX, AY, AText);
  }
};

struct TSectionSpec {
  const char* Caption;
  int Width;
  TDelimitedListModel::TAlignment Alignment;
};

// The main window's character list: ten columns with their widths and alignments.
inline const TSectionSpec kCharacterSections[] = {
    {"Name", 150, TDelimitedListModel::taLeftJustify},     {"Title", 120, TDelimitedListModel::taLeftJustify},
    {"Level", 50, TDelimitedListModel::taRightJustify},    {"Sex", 50, TDelimitedListModel::taLeftJustify},
    {"Class 1", 120, TDelimitedListModel::taLeftJustify},  {"Class 2", 120, TDelimitedListModel::taLeftJustify},
    {"Iron", 80, TDelimitedListModel::taRightJustify},     {"Devotions", 70, TDelimitedListModel::taRightJustify},
    {"Difficulty", 70, TDelimitedListModel::taLeftJustify}, {"Hardcore", 5000, TDelimitedListModel::taLeftJustify},
};
constexpr int kIronColumn = 6;

// The character list's column-format lines with the given text and number fonts.
inline QString CharacterFormatText(const QString& ASans = kSans, const QString& AMono = kMono) {
  const QString text = QStringLiteral("0þþ%1þ0þ8þ0").arg(ASans);
  const QString number = QStringLiteral("2þ0þ%1þ0þ9þ0").arg(AMono);
  return QStringList{QStringLiteral("0þþ%1þ8388608þ8þ1").arg(ASans),
                     QStringLiteral("0þþ%1þ0þ8þ1").arg(ASans),
                     number,
                     text,
                     text,
                     text,
                     QStringLiteral("2þ0,þ%1þ0þ9þ0").arg(AMono),
                     number,
                     text,
                     text}
      .join(QStringLiteral("\r\n"));
}

inline QString CharacterRow(const QStringList& AFields) { return AFields.join(kThorn); }

inline QStringList SampleCharacterRows() {
  return {
      CharacterRow({"Ann", "Witch Hunter", "85", "Female", "Occultist", "Nightblade", "1234567", "55",
                    "Ultimate", "No"}),
      CharacterRow({"Bartholomew", "Warder", "62", "Male", "Soldier", "Shaman", "98000", "40", "Elite", "No"}),
      CharacterRow({"Cyra", "Spellbreaker", "100", "Female", "Arcanist", "Nightblade", "20500300", "55",
                    "Ultimate", "Yes"}),
      CharacterRow({"Dorn", "Cabalist", "34", "Male", "Occultist", "Soldier", "4200", "12", "Normal", "No"}),
  };
}

// The character list as the main window sets it up, in a given class.
template <typename TList = TRecordingListBox>
std::unique_ptr<TList> MakeCharacterListBox(const QString& AFormats = CharacterFormatText()) {
  auto list = std::make_unique<TList>();
  list->SetDelimiter(kThorn);
  list->SetAllowSorting(true);
  list->SetResizableColumns(true);
  list->SetRowHeight(15);
  list->SetHeaderHeight(17);
  for (const TSectionSpec& section : kCharacterSections) {
    list->AddHeaderSection({QString::fromLatin1(section.Caption), section.Width, section.Alignment});
  }
  list->SetColumnFormatEditor(AFormats);
  list->Loaded();
  return list;
}

// A list of equal left-aligned columns with ";" between fields.
template <typename TList = TRecordingListBox>
std::unique_ptr<TList> MakeListBox(int AColumns, int AWidth = 80, const QString& AFormats = QString()) {
  auto list = std::make_unique<TList>();
  list->SetFontName(kSans);
  for (int c = 0; c < AColumns; ++c) {
    list->AddHeaderSection({QStringLiteral("C%1").arg(c), AWidth, TDelimitedListModel::taLeftJustify});
  }
  list->SetColumnFormatEditor(AFormats);
  list->Loaded();
  return list;
}

// Rows "Row 0" ... "Row n-1" in a one-column list.
inline void AddNumberedRows(TDelimitedListModel& AList, int ACount) {
  AList.Items().BeginUpdate();
  for (int row = 0; row < ACount; ++row) AList.Items().Add(QStringLiteral("Row %1").arg(row));
  AList.Items().EndUpdate();
}

// The row grid as painted.
inline QImage PaintRows(TDelimitedListBox& AList) {
  return AList.Grid()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of a rectangle of the image that differ from a colour.
inline int PixelsUnlike(const QImage& AImage, const QRect& ARect, const QColor& AColor) {
  int count = 0;
  for (int y = ARect.top(); y <= ARect.bottom(); ++y) {
    for (int x = ARect.left(); x <= ARect.right(); ++x) {
      if (AImage.pixelColor(x, y) != AColor) ++count;
    }
  }
  return count;
}

// The rightmost column of a rectangle holding a pixel unlike the colour, or -1.
inline int RightmostInk(const QImage& AImage, const QRect& ARect, const QColor& AColor) {
  for (int x = ARect.right(); x >= ARect.left(); --x) {
    for (int y = ARect.top(); y <= ARect.bottom(); ++y) {
      if (AImage.pixelColor(x, y) != AColor) return x;
    }
  }
  return -1;
}

// A window holding an edit line above the list, shown and active, so focus
// and input behave as on a desktop.
class TListWindow {
public:
  explicit TListWindow(std::unique_ptr<TRecordingListBox> AList) : List(AList.release()) {
    auto* layout = new QVBoxLayout(&Window);
    Edit = new QLineEdit(&Window);
    layout->addWidget(Edit);
    layout->addWidget(List);
    Window.resize(400, 200);
    Window.show();
    Window.activateWindow();
    Active = QTest::qWaitForWindowActive(&Window);
  }

  QWidget* Rows() const { return List->Grid()->viewport(); }
  QPoint RowPoint(int ARow, int AX = 20) const {
    return {AX, (ARow - List->TopRow()) * List->RowHeight() + List->RowHeight() / 2};
  }
  void Click(int ARow, Qt::KeyboardModifiers AModifiers = Qt::NoModifier,
             Qt::MouseButton AButton = Qt::LeftButton) const {
    QTest::mouseClick(Rows(), AButton, AModifiers, RowPoint(ARow));
  }
  // A double click as a desktop delivers it: press, release, double click, release.
  void DoubleClick(int ARow) const {
    QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(ARow));
    QTest::mouseDClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(ARow));
    QTest::mouseRelease(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(ARow));
  }
  void Key(int AKey, Qt::KeyboardModifiers AModifiers = Qt::NoModifier) const {
    QTest::keyClick(List->Grid(), Qt::Key(AKey), AModifiers);
  }

  QWidget Window;
  QLineEdit* Edit;
  TRecordingListBox* List;
  bool Active = false;
};
