#pragma once

#include "QZ_PrintBackend.h"

#include <QPainter>
#include <memory>

class QPrinter;

// Prints on a QPrinter through a QPainter. The printer is either the
// backend's own (high resolution, the system's default printer) or one the
// caller owns and keeps alive for the backend's lifetime, for example a
// printer set to write a PDF file.
class TPrinterBackend : public TPrintBackend {
public:
  TPrinterBackend();
  explicit TPrinterBackend(QPrinter& APrinter);
  ~TPrinterBackend() override;
  TPrinterBackend(const TPrinterBackend&) = delete;
  TPrinterBackend& operator=(const TPrinterBackend&) = delete;

  QPrinter& Printer() { return *FPrinter; }

  void BeginJob(const QString& ATitle) override;
  void NewPage() override;
  void EndJob() override;
  void AbortJob() override;
  bool JobOpen() const override { return FPainter.isActive(); }

  TPrintPageGeometry Geometry() const override;

  void SetFont(const QFont& AFont) override;
  QFont Font() const override { return FFont; }
  TPrintFontMetrics FontMetrics() const override;
  int TextWidth(const QString& AText) const override;

  void DrawText(const QPoint& ATopLeft, const QString& AText, const QColor& ABackground) override;
  void DrawRectangle(const QRect& ARect, int APenWidth, const QColor& AFill, int ACornerEllipse) override;
  void DrawLine(const QPoint& AFrom, const QPoint& ATo, int APenWidth) override;
  void DrawImage(const QRect& ATarget, const QImage& AImage) override;

  QPrinter& SetupPrinter() override { return *FPrinter; }

private:
  void UsePen(int APenWidth);

  std::unique_ptr<QPrinter> FOwnPrinter;
  QPrinter* FPrinter;
  QPainter FPainter;
  QFont FFont;
};
