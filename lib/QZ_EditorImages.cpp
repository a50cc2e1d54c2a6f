#include "QZ_EditorImages.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 16;

const char* ThemeName(TEditorImage AImage) {
  switch (AImage) {
    case TEditorImage::OpenFile: return "document-open";
    case TEditorImage::NewFile: return "document-new";
    case TEditorImage::SaveFile: return "document-save";
    case TEditorImage::SaveAs: return "document-save-as";
    case TEditorImage::Print: return "document-print";
    case TEditorImage::Cut: return "edit-cut";
    case TEditorImage::Copy: return "edit-copy";
    case TEditorImage::Paste: return "edit-paste";
    case TEditorImage::Undo: return "edit-undo";
    case TEditorImage::Find: return "edit-find";
    case TEditorImage::Font: return "preferences-desktop-font";
    case TEditorImage::WordWrap: return "format-text-wrap";
    case TEditorImage::Sort: return "view-sort-ascending";
    case TEditorImage::ToggleCase: return "format-text-uppercase";
    case TEditorImage::SpellCheck: return "tools-check-spelling";
  }
  return "";
}

// A sheet of paper with a folded corner, the base of the file images.
void DrawSheet(QPainter& APainter, const QRectF& ARect) {
  QPainterPath sheet;
  sheet.moveTo(ARect.left(), ARect.top());
  sheet.lineTo(ARect.right() - 4, ARect.top());
  sheet.lineTo(ARect.right(), ARect.top() + 4);
  sheet.lineTo(ARect.right(), ARect.bottom());
  sheet.lineTo(ARect.left(), ARect.bottom());
  sheet.closeSubpath();
  APainter.setBrush(Qt::white);
  APainter.drawPath(sheet);
}

void DrawLetters(QPainter& APainter, const QString& AText, int APointSize, const QRectF& ARect) {
  QFont font(QStringLiteral("Sans Serif"), APointSize);
  font.setPixelSize(APointSize);
  font.setBold(true);
  APainter.setFont(font);
  APainter.drawText(ARect, Qt::AlignCenter, AText);
}

void DrawDisk(QPainter& APainter) {
  APainter.setBrush(QColor(40, 80, 160));
  APainter.drawRect(QRectF(1.5, 1.5, 13, 13));
  APainter.setBrush(Qt::white);
  APainter.drawRect(QRectF(4.5, 2.5, 7, 5));
  APainter.setBrush(QColor(200, 200, 200));
  APainter.drawRect(QRectF(4.5, 10.5, 7, 4));
}

void Draw(QPainter& APainter, TEditorImage AImage) {
  const QPen outline(QColor(40, 40, 40), 1);
  APainter.setPen(outline);
  switch (AImage) {
    case TEditorImage::OpenFile:
      APainter.setBrush(QColor(230, 190, 80));
      APainter.drawRect(QRectF(1.5, 4.5, 13, 9));
      APainter.drawRect(QRectF(1.5, 2.5, 5, 2));
      break;
    case TEditorImage::NewFile:
      DrawSheet(APainter, QRectF(3.5, 1.5, 9, 13));
      break;
    case TEditorImage::SaveFile:
      DrawDisk(APainter);
      break;
    case TEditorImage::SaveAs:
      DrawDisk(APainter);
      APainter.setPen(QPen(QColor(200, 40, 40), 2));
      APainter.drawLine(QPointF(9, 14), QPointF(15, 8));
      break;
    case TEditorImage::Print:
      DrawSheet(APainter, QRectF(4.5, 1.5, 7, 6));
      APainter.setBrush(QColor(160, 160, 160));
      APainter.drawRect(QRectF(1.5, 7.5, 13, 5));
      APainter.setBrush(Qt::white);
      APainter.drawRect(QRectF(4.5, 11.5, 7, 3));
      break;
    case TEditorImage::Cut:
      APainter.drawLine(QPointF(4, 1), QPointF(11, 10));
      APainter.drawLine(QPointF(12, 1), QPointF(5, 10));
      APainter.setBrush(Qt::NoBrush);
      APainter.drawEllipse(QRectF(1.5, 10.5, 4, 4));
      APainter.drawEllipse(QRectF(10.5, 10.5, 4, 4));
      break;
    case TEditorImage::Copy:
      DrawSheet(APainter, QRectF(1.5, 1.5, 8, 10));
      DrawSheet(APainter, QRectF(6.5, 4.5, 8, 10));
      break;
    case TEditorImage::Paste:
      APainter.setBrush(QColor(180, 130, 70));
      APainter.drawRect(QRectF(1.5, 2.5, 10, 12));
      APainter.setBrush(QColor(200, 200, 200));
      APainter.drawRect(QRectF(4.5, 1.5, 4, 2));
      DrawSheet(APainter, QRectF(7.5, 6.5, 7, 8));
      break;
    case TEditorImage::Undo: {
      APainter.setPen(QPen(QColor(40, 80, 160), 2));
      APainter.setBrush(Qt::NoBrush);
      APainter.drawArc(QRectF(3, 4, 10, 9), 90 * 16, -240 * 16);
      QPainterPath head;
      head.moveTo(1, 5);
      head.lineTo(7, 1);
      head.lineTo(7, 9);
      head.closeSubpath();
      APainter.setPen(Qt::NoPen);
      APainter.setBrush(QColor(40, 80, 160));
      APainter.drawPath(head);
      break;
    }
    case TEditorImage::Find:
      APainter.setBrush(QColor(210, 230, 250));
      APainter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
      APainter.setPen(QPen(QColor(40, 40, 40), 2.5));
      APainter.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
      break;
    case TEditorImage::Font:
      DrawLetters(APainter, QStringLiteral("A"), 14, QRectF(0, 0, kSize, kSize));
      break;
    case TEditorImage::WordWrap:
      APainter.drawLine(QPointF(1, 3.5), QPointF(14, 3.5));
      APainter.drawLine(QPointF(1, 7.5), QPointF(11, 7.5));
      APainter.drawArc(QRectF(8.5, 3.5, 6, 8), 90 * 16, -180 * 16);
      APainter.drawLine(QPointF(1, 11.5), QPointF(8, 11.5));
      APainter.drawLine(QPointF(9, 11.5), QPointF(11, 9.5));
      APainter.drawLine(QPointF(9, 11.5), QPointF(11, 13.5));
      break;
    case TEditorImage::Sort:
      DrawLetters(APainter, QStringLiteral("A"), 8, QRectF(0, 0, 10, 8));
      DrawLetters(APainter, QStringLiteral("Z"), 8, QRectF(0, 8, 10, 8));
      APainter.drawLine(QPointF(12.5, 2), QPointF(12.5, 14));
      APainter.drawLine(QPointF(12.5, 14), QPointF(10.5, 11));
      APainter.drawLine(QPointF(12.5, 14), QPointF(14.5, 11));
      break;
    case TEditorImage::ToggleCase:
      DrawLetters(APainter, QStringLiteral("Aa"), 10, QRectF(0, 0, kSize, kSize));
      break;
    case TEditorImage::SpellCheck:
      DrawLetters(APainter, QStringLiteral("abc"), 7, QRectF(0, 0, kSize, 8));
      APainter.setPen(QPen(QColor(30, 140, 30), 2));
      APainter.drawLine(QPointF(3, 11), QPointF(6, 14));
      APainter.drawLine(QPointF(6, 14), QPointF(13, 8));
      break;
  }
}

QIcon DrawnImage(TEditorImage AImage) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  Draw(painter, AImage);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace

QIcon EditorImage(TEditorImage AImage) {
  const QString name = QString::fromLatin1(ThemeName(AImage));
  if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
  return DrawnImage(AImage);
}
