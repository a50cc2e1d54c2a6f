#include "QZ_RecordingPrintBackend.h"

#include <QFontMetrics>
#include <QPrinter>
#include <algorithm>

namespace {

int DotsPerMeter(int ADpi) { return qRound(ADpi / 0.0254); }

}  // namespace

TPrintPageGeometry TRecordingPrintBackend::DefaultGeometry() {
  TPrintPageGeometry geometry;
  geometry.DpiX = 300;
  geometry.DpiY = 300;
  geometry.PageSize = QSize(2550, 3300);
  geometry.Printable = QRect(30, 45, 2480, 3200);
  return geometry;
}

TRecordingPrintBackend::TRecordingPrintBackend(const TPrintPageGeometry& AGeometry)
    : FMetricsDevice(1, 1, QImage::Format_RGB32) {
  SetGeometry(AGeometry);
}

void TRecordingPrintBackend::SetGeometry(const TPrintPageGeometry& AGeometry) {
  FGeometry = AGeometry;
  FMetricsDevice.setDotsPerMeterX(DotsPerMeter(qMax(1, FGeometry.DpiX)));
  FMetricsDevice.setDotsPerMeterY(DotsPerMeter(qMax(1, FGeometry.DpiY)));
}

TRecordingPrintBackend::~TRecordingPrintBackend() = default;

void TRecordingPrintBackend::UseFixedMetrics(int AHeight, int AExternalLeading, int ACharWidth) {
  FFixedMetrics = TFixedMetrics{AHeight, AExternalLeading, ACharWidth};
}

std::vector<TPrintRecord> TRecordingPrintBackend::RecordsOf(TPrintRecord::TKind AKind) const {
  std::vector<TPrintRecord> result;
  std::copy_if(FRecords.begin(), FRecords.end(), std::back_inserter(result),
               [AKind](const TPrintRecord& record) { return record.Kind == AKind; });
  return result;
}

std::vector<TPrintRecord> TRecordingPrintBackend::TextsOnPage(int APage) const {
  std::vector<TPrintRecord> result;
  std::copy_if(FRecords.begin(), FRecords.end(), std::back_inserter(result), [APage](const TPrintRecord& record) {
    return record.Kind == TPrintRecord::rkText && record.Page == APage;
  });
  return result;
}

int TRecordingPrintBackend::PagesPrinted() const {
  int pages = 0;
  for (const TPrintRecord& record : FRecords) {
    if (record.Kind == TPrintRecord::rkBeginJob || record.Kind == TPrintRecord::rkNewPage) ++pages;
  }
  return pages;
}

void TRecordingPrintBackend::BeginJob(const QString& ATitle) {
  if (FJobOpen) throw EPrinterError(QStringLiteral("Printing in progress"));
  if (FRefuseJobs) throw EPrinterError(QStringLiteral("Unable to start printing: the job was refused"));
  FJobOpen = true;
  FPage = 1;
  Add(TPrintRecord::rkBeginJob).Text = ATitle;
}

void TRecordingPrintBackend::NewPage() {
  if (!FJobOpen || FRefuseNewPages) throw EPrinterError(QStringLiteral("Unable to start a new page on the printer"));
  ++FPage;
  Add(TPrintRecord::rkNewPage);
}

void TRecordingPrintBackend::EndJob() {
  if (!FJobOpen) return;
  Add(TPrintRecord::rkEndJob);
  FJobOpen = false;
}

void TRecordingPrintBackend::AbortJob() {
  if (!FJobOpen) return;
  Add(TPrintRecord::rkAbortJob);
  FJobOpen = false;
}

TPrintFontMetrics TRecordingPrintBackend::FontMetrics() const {
  if (FFixedMetrics) return {FFixedMetrics->Height, FFixedMetrics->ExternalLeading};
  const QFontMetrics metrics(FFont, &FMetricsDevice);
  return {metrics.ascent() + metrics.descent(), metrics.leading()};
}

int TRecordingPrintBackend::TextWidth(const QString& AText) const {
  if (FFixedMetrics) return int(AText.size()) * FFixedMetrics->CharWidth;
  return QFontMetrics(FFont, &FMetricsDevice).horizontalAdvance(AText);
}

void TRecordingPrintBackend::DrawText(const QPoint& ATopLeft, const QString& AText, const QColor& ABackground) {
  if (!FJobOpen) return;
  TPrintRecord& record = Add(TPrintRecord::rkText);
  record.Text = AText;
  record.Rect = QRect(ATopLeft, QSize(TextWidth(AText), FontMetrics().Height));
  record.Font = FFont;
  record.Fill = ABackground;
}

void TRecordingPrintBackend::DrawRectangle(const QRect& ARect, int APenWidth, const QColor& AFill,
                                           int ACornerEllipse) {
  if (!FJobOpen) return;
  TPrintRecord& record = Add(TPrintRecord::rkRectangle);
  record.Rect = ARect;
  record.PenWidth = APenWidth;
  record.Fill = AFill;
  record.CornerEllipse = ACornerEllipse;
}

void TRecordingPrintBackend::DrawLine(const QPoint& AFrom, const QPoint& ATo, int APenWidth) {
  if (!FJobOpen) return;
  TPrintRecord& record = Add(TPrintRecord::rkLine);
  record.From = AFrom;
  record.To = ATo;
  record.PenWidth = APenWidth;
}

void TRecordingPrintBackend::DrawImage(const QRect& ATarget, const QImage& AImage) {
  if (!FJobOpen) return;
  TPrintRecord& record = Add(TPrintRecord::rkImage);
  record.Rect = ATarget;
  record.ImageSize = AImage.size();
}

QPrinter& TRecordingPrintBackend::SetupPrinter() {
  if (!FSetupPrinter) {
    FSetupPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    FSetupPrinter->setOutputFormat(QPrinter::PdfFormat);
  }
  return *FSetupPrinter;
}

TPrintRecord& TRecordingPrintBackend::Add(TPrintRecord::TKind AKind) {
  TPrintRecord& record = FRecords.emplace_back();
  record.Kind = AKind;
  record.Page = FPage;
  return record;
}
