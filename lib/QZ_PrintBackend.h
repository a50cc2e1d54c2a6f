#pragma once

#include "Errors.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QImage;
class QPrinter;

// What a printer reports about its page, in device pixels.
struct TPrintPageGeometry {
  int DpiX = 0;
  int DpiY = 0;
  QSize PageSize;   // the physical sheet
  QRect Printable;  // the printable area: offset from the sheet's corner, and size
};

// Vertical metrics of the current font, in device pixels.
struct TPrintFontMetrics {
  int Height = 0;           // ascent plus descent
  int ExternalLeading = 0;  // extra space the font asks for between lines
};

// The printer is refused, missing or fails while printing.
class EPrinterError : public EError {
public:
  using EError::EError;
};

// The device the page printer draws on. Positions are device pixels with the
// origin at the top-left corner of the printable area. Drawing happens only
// between BeginJob and EndJob; the geometry and the font metrics are available
// at any time.
class TPrintBackend {
public:
  virtual ~TPrintBackend() = default;

  // Opens a job on its first page; raises EPrinterError when the printer refuses.
  virtual void BeginJob(const QString& ATitle) = 0;
  // Ends the current page and starts the next; raises EPrinterError on failure.
  virtual void NewPage() = 0;
  virtual void EndJob() = 0;
  // Abandons an open job (the owner is going away in the middle of one).
  virtual void AbortJob() = 0;
  virtual bool JobOpen() const = 0;

  virtual TPrintPageGeometry Geometry() const = 0;

  virtual void SetFont(const QFont& AFont) = 0;
  virtual QFont Font() const = 0;
  virtual TPrintFontMetrics FontMetrics() const = 0;
  virtual int TextWidth(const QString& AText) const = 0;

  // The text in the current font, its top-left corner at ATopLeft, on an
  // opaque background of ABackground as high as the font's character height.
  virtual void DrawText(const QPoint& ATopLeft, const QString& AText, const QColor& ABackground) = 0;
  // A rectangle between two corners (right and bottom edges excluded),
  // outlined with a pen of APenWidth (0 is the thinnest line the device has)
  // and filled with AFill. A non-zero ACornerEllipse rounds the corners with
  // an ellipse of that width and height.
  virtual void DrawRectangle(const QRect& ARect, int APenWidth, const QColor& AFill,
                             int ACornerEllipse) = 0;
  virtual void DrawLine(const QPoint& AFrom, const QPoint& ATo, int APenWidth) = 0;
  // The image stretched to fill ATarget.
  virtual void DrawImage(const QRect& ATarget, const QImage& AImage) = 0;

  // The printer that a printer setup dialog configures for later jobs.
  virtual QPrinter& SetupPrinter() = 0;
};
