#pragma once

#include "QZ_PrintBackend.h"

#include <QImage>
#include <memory>
#include <optional>
#include <vector>

// One thing a recording backend was asked to do.
struct TPrintRecord {
  enum TKind { rkBeginJob, rkText, rkRectangle, rkLine, rkImage, rkNewPage, rkEndJob, rkAbortJob };

  TKind Kind = rkText;
  int Page = 0;       // page of the job the record belongs to, from 1
  QString Text;       // the text drawn, or the job title
  QRect Rect;         // text: top-left corner, text width, character height; rectangle; image target
  QPoint From, To;    // line
  QFont Font;         // text
  QColor Fill;        // text background, rectangle fill
  int PenWidth = 0;   // rectangle, line
  int CornerEllipse = 0;
  QSize ImageSize;    // image: the picture's own size
};

// A printer that draws nothing and logs every request with its device
// position. The page geometry is chosen by the caller; the font metrics are
// those of the real font at the device resolution, or fixed ones that make
// positions easy to work out by hand.
class TRecordingPrintBackend : public TPrintBackend {
public:
  // Letter paper at 300 dpi with printable borders of different size on each side.
  static TPrintPageGeometry DefaultGeometry();

  explicit TRecordingPrintBackend(const TPrintPageGeometry& AGeometry = DefaultGeometry());
  ~TRecordingPrintBackend() override;

  // Every character is ACharWidth wide; the font's height and leading are fixed.
  void UseFixedMetrics(int AHeight, int AExternalLeading, int ACharWidth);
  void SetGeometry(const TPrintPageGeometry& AGeometry);
  // Makes BeginJob fail as a refused job does.
  void RefuseJobs(bool ARefuse) { FRefuseJobs = ARefuse; }
  // Makes NewPage fail as a printer that runs into trouble does.
  void RefuseNewPages(bool ARefuse) { FRefuseNewPages = ARefuse; }

  const std::vector<TPrintRecord>& Records() const { return FRecords; }
  std::vector<TPrintRecord> RecordsOf(TPrintRecord::TKind AKind) const;
  // The texts drawn on one page, in drawing order.
  std::vector<TPrintRecord> TextsOnPage(int APage) const;
  int PagesPrinted() const;
  void Clear() { FRecords.clear(); }

  void BeginJob(const QString& ATitle) override;
  void NewPage() override;
  void EndJob() override;
  void AbortJob() override;
  bool JobOpen() const override { return FJobOpen; }

  TPrintPageGeometry Geometry() const override { return FGeometry; }

  void SetFont(const QFont& AFont) override { FFont = AFont; }
  QFont Font() const override { return FFont; }
  TPrintFontMetrics FontMetrics() const override;
  int TextWidth(const QString& AText) const override;

  void DrawText(const QPoint& ATopLeft, const QString& AText, const QColor& ABackground) override;
  void DrawRectangle(const QRect& ARect, int APenWidth, const QColor& AFill, int ACornerEllipse) override;
  void DrawLine(const QPoint& AFrom, const QPoint& ATo, int APenWidth) override;
  void DrawImage(const QRect& ATarget, const QImage& AImage) override;

  QPrinter& SetupPrinter() override;

private:
  struct TFixedMetrics {
    int Height;
    int ExternalLeading;
    int CharWidth;
  };

  TPrintRecord& Add(TPrintRecord::TKind AKind);

  TPrintPageGeometry FGeometry;
  QImage FMetricsDevice;  // a device at the printer's resolution for real font metrics
  std::optional<TFixedMetrics> FFixedMetrics;
  QFont FFont;
  bool FJobOpen = false;
  bool FRefuseJobs = false;
  bool FRefuseNewPages = false;
  int FPage = 0;
  std::vector<TPrintRecord> FRecords;
  std::unique_ptr<QPrinter> FSetupPrinter;
};
