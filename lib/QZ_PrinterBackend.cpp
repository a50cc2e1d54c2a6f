#include "QZ_PrinterBackend.h"

#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>

TPrinterBackend::TPrinterBackend()
    : FOwnPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)), FPrinter(FOwnPrinter.get()) {}

TPrinterBackend::TPrinterBackend(QPrinter& APrinter) : FPrinter(&APrinter) {}

TPrinterBackend::~TPrinterBackend() {
  if (FPainter.isActive()) AbortJob();
}

void TPrinterBackend::BeginJob(const QString& ATitle) {
  if (FPainter.isActive()) throw EPrinterError(QStringLiteral("Printing in progress"));
  FPrinter->setDocName(ATitle);
  if (!FPainter.begin(FPrinter)) {
    const QString name = FPrinter->outputFormat() == QPrinter::PdfFormat ? FPrinter->outputFileName()
                                                                         : FPrinter->printerName();
    throw EPrinterError(name.isEmpty() ? QStringLiteral("Unable to start printing: no printer is selected")
                                       : QStringLiteral("Unable to start printing on \"%1\"").arg(name));
  }
  FPainter.setFont(FFont);
}

void TPrinterBackend::NewPage() {
  if (!FPainter.isActive() || !FPrinter->newPage())
    throw EPrinterError(QStringLiteral("Unable to start a new page on the printer"));
}

void TPrinterBackend::EndJob() {
  if (FPainter.isActive()) FPainter.end();
}

void TPrinterBackend::AbortJob() {
  if (!FPainter.isActive()) return;
  FPrinter->abort();
  FPainter.end();
}

TPrintPageGeometry TPrinterBackend::Geometry() const {
  const int dpi = FPrinter->resolution();
  const QPageLayout layout = FPrinter->pageLayout();
  TPrintPageGeometry geometry;
  geometry.DpiX = dpi;
  geometry.DpiY = dpi;
  const QRect page = layout.fullRectPixels(dpi);
  geometry.PageSize = page.size();
  geometry.Printable = FPrinter->fullPage() ? QRect(QPoint(0, 0), page.size()) : layout.paintRectPixels(dpi);
  return geometry;
}

void TPrinterBackend::SetFont(const QFont& AFont) {
  FFont = AFont;
  if (FPainter.isActive()) FPainter.setFont(FFont);
}

TPrintFontMetrics TPrinterBackend::FontMetrics() const {
  const QFontMetrics metrics(FFont, FPrinter);
  return {metrics.ascent() + metrics.descent(), metrics.leading()};
}

int TPrinterBackend::TextWidth(const QString& AText) const {
  return QFontMetrics(FFont, FPrinter).horizontalAdvance(AText);
}

void TPrinterBackend::DrawText(const QPoint& ATopLeft, const QString& AText, const QColor& ABackground) {
  if (!FPainter.isActive()) return;
  const QFontMetrics metrics(FFont, FPrinter);
  FPainter.fillRect(QRect(ATopLeft, QSize(metrics.horizontalAdvance(AText), metrics.ascent() + metrics.descent())),
                    ABackground);
  FPainter.setPen(Qt::black);
  FPainter.drawText(QPoint(ATopLeft.x(), ATopLeft.y() + metrics.ascent()), AText);
}

void TPrinterBackend::DrawRectangle(const QRect& ARect, int APenWidth, const QColor& AFill, int ACornerEllipse) {
  if (!FPainter.isActive()) return;
  UsePen(APenWidth);
  FPainter.setBrush(AFill);
  const QRectF rect(ARect);
  if (ACornerEllipse > 0) {
    const qreal radius = ACornerEllipse / 2.0;
    FPainter.drawRoundedRect(rect, radius, radius, Qt::AbsoluteSize);
  } else {
    FPainter.drawRect(rect);
  }
}

void TPrinterBackend::DrawLine(const QPoint& AFrom, const QPoint& ATo, int APenWidth) {
  if (!FPainter.isActive()) return;
  UsePen(APenWidth);
  FPainter.drawLine(AFrom, ATo);
}

void TPrinterBackend::DrawImage(const QRect& ATarget, const QImage& AImage) {
  if (!FPainter.isActive() || AImage.isNull() || ATarget.isEmpty()) return;
  FPainter.drawImage(QRectF(ATarget), AImage);
}

void TPrinterBackend::UsePen(int APenWidth) {
  QPen pen(Qt::black);
  pen.setWidth(qMax(0, APenWidth));
  pen.setJoinStyle(Qt::MiterJoin);
  FPainter.setPen(pen);
}
