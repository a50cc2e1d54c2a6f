#include "QZ_KwikPrint.h"

#include "DialogSeam.h"
#include "QZ_PrintDateFormat.h"
#include "QZ_PrinterBackend.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPixmap>
#include <QPrintDialog>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// Device positions are kept well inside int so that sums of a few never overflow.
constexpr double MaxDevicePixels = 1.0e8;
// Rounded box corners are cut with an ellipse of this width and height, in pixels.
constexpr int RoundedCornerEllipse = 180;
// Gap between a frame or column line and the text beside it, in pixels.
constexpr int LineGapPixels = 20;

// A margin that is not a finite number counts as no margin at all.
double MarginInches(float AMargin) { return std::isfinite(AMargin) ? std::fabs(double(AMargin)) : 0.0; }

int LimitTo(int AValue, int AMinimum, int AMaximum) {
  // The minimum wins when margins leave no room between the limits.
  if (AValue > AMaximum) AValue = AMaximum;
  if (AValue < AMinimum) AValue = AMinimum;
  return AValue;
}

int Saturated(double APixels) {
  if (!std::isfinite(APixels)) return APixels > 0 ? int(MaxDevicePixels) : (APixels < 0 ? -int(MaxDevicePixels) : 0);
  if (APixels > MaxDevicePixels) return int(MaxDevicePixels);
  if (APixels < -MaxDevicePixels) return -int(MaxDevicePixels);
  return int(APixels);
}

}  // namespace

TKwikBoxLines::TLine TKwikBoxLines::Line(int ALine) const {
  switch (ALine) {
    case 1: return {Line1Caption, Line1YPos, Line1Align, Line1Font};
    case 2: return {Line2Caption, Line2YPos, Line2Align, Line2Font};
    case 3: return {Line3Caption, Line3YPos, Line3Align, Line3Font};
    case 4: return {Line4Caption, Line4YPos, Line4Align, Line4Font};
    default: return {Line5Caption, Line5YPos, Line5Align, Line5Font};
  }
}

QFont TFP_THeadFootRecord::Font() const {
  QFont font(FontName);
  if (FontSize > 0) font.setPointSize(FontSize);
  font.setBold(FontStyle & TFP_FontStyle::fsBold);
  font.setItalic(FontStyle & TFP_FontStyle::fsItalic);
  font.setUnderline(FontStyle & TFP_FontStyle::fsUnderline);
  font.setStrikeOut(FontStyle & TFP_FontStyle::fsStrikeOut);
  return font;
}

void TFP_THeadFootRecord::SetFont(const QFont& AFont) {
  FontName = AFont.family();
  // A font sized in pixels has no point size; count it at the usual 96 pixels per inch.
  FontSize = AFont.pointSize() > 0 ? AFont.pointSize() : qMax(1, qRound(AFont.pixelSize() * 72.0 / 96.0));
  FontStyle = (AFont.bold() ? TFP_FontStyle::fsBold : 0) | (AFont.italic() ? TFP_FontStyle::fsItalic : 0) |
              (AFont.underline() ? TFP_FontStyle::fsUnderline : 0) |
              (AFont.strikeOut() ? TFP_FontStyle::fsStrikeOut : 0);
}

// ---------------------------------------------------------------------------
// Construction and backend

TKwikPrint::TKwikPrint(QObject* AOwner) : TKwikPrint(std::make_unique<TPrinterBackend>(), AOwner) {}

TKwikPrint::TKwikPrint(std::unique_ptr<TPrintBackend> ABackend, QObject* AOwner)
    : QObject(AOwner), FBackend(std::move(ABackend)) {
  if (!FBackend) FBackend = std::make_unique<TPrinterBackend>();
  RefreshProperties();
}

TKwikPrint::~TKwikPrint() {
  if (FJobOpen) FBackend->AbortJob();
}

void TKwikPrint::SetBackend(std::unique_ptr<TPrintBackend> ABackend) {
  if (FJobOpen) throw EPrinterError(QStringLiteral("Printing in progress"));
  FBackend = ABackend ? std::move(ABackend) : std::make_unique<TPrinterBackend>();
}

QString TKwikPrint::JobTitleFor(const QString& AProgramFilePath) {
  const QString name = QFileInfo(AProgramFilePath).fileName();
  const qsizetype dot = name.indexOf(u'.');
  return dot < 0 ? name : name.left(dot);
}

// ---------------------------------------------------------------------------
// Working copies

void TKwikPrint::RefreshProperties() {
  HeaderTop = HeaderRecord.HeaderTop;
  HeaderBottom = HeaderRecord.HeaderBottom;
  HeaderBoxed = HeaderRecord.HeaderBoxed;
  HeaderLineWidth = HeaderRecord.HeaderBoxLineWidth;
  HeaderShading = HeaderRecord.HeaderShading;
  HeaderEnabled = HeaderRecord.Enabled;
  HeaderBoxRounded = HeaderRecord.HeaderBoxRounded;
  FooterTop = FooterRecord.FooterTop;
  FooterBottom = FooterRecord.FooterBottom;
  FooterBoxed = FooterRecord.FooterBoxed;
  FooterLineWidth = FooterRecord.FooterBoxLineWidth;
  FooterShading = FooterRecord.FooterShading;
  FooterEnabled = FooterRecord.Enabled;
  FooterBoxRounded = FooterRecord.FooterBoxRounded;

  for (int line = 1; line <= BoxLineCount; ++line) {
    const TKwikBoxLines::TLine header = HeaderRecord.Line(line);
    SetHeaderLine(line, header.YPos, header.Caption, header.Align, header.Font);
    const TKwikBoxLines::TLine footer = FooterRecord.Line(line);
    SetFooterLine(line, footer.YPos, footer.Caption, footer.Align, footer.Font);
  }
  SetPageNumber(PageNumberRecord.PageNumberYPos, PageNumberRecord.PageNumberCaption,
                PageNumberRecord.PageNumberAlign, PageNumberRecord.PageNumberFont,
                PageNumberRecord.PageNumberShading, PageNumberRecord.Enabled);
  SetDateField(DateFieldRecord.DateFieldYPos, DateFieldRecord.DateFieldCaption, DateFieldRecord.DateFieldAlign,
               DateFieldRecord.DateFieldFont, DateFieldRecord.DateFieldShading, DateFieldRecord.Enabled);
}

namespace {

using TBoxLines = std::array<TFP_THeadFootRecord, TKwikPrint::BoxLineCount>;

// Each overload writes the parts that the SetHeaderLine and SetFooterLine
// overloads of the same parameters set.
void SetLineParts(TFP_THeadFootRecord& ALine, float YPosition, const QString& BText, TFP_Alignment Alignment,
                  const QString& FontName, int FontSize, int FontStyle) {
  ALine.YPosition = YPosition;
  ALine.BText = BText;
  ALine.Alignment = Alignment;
  ALine.FontName = FontName;
  ALine.FontSize = FontSize;
  ALine.FontStyle = FontStyle;
}

void SetLineParts(TFP_THeadFootRecord& ALine, float YPosition, const QString& BText, TFP_Alignment Alignment,
                  const QFont& Font) {
  ALine.YPosition = YPosition;
  ALine.BText = BText;
  ALine.Alignment = Alignment;
  ALine.SetFont(Font);
}

void SetLineParts(TFP_THeadFootRecord& ALine, float YPosition) { ALine.YPosition = YPosition; }

void SetLineParts(TFP_THeadFootRecord& ALine, const QString& BText) { ALine.BText = BText; }

void SetLineParts(TFP_THeadFootRecord& ALine, TFP_Alignment Alignment) { ALine.Alignment = Alignment; }

void SetLineParts(TFP_THeadFootRecord& ALine, const QFont& Font) { ALine.SetFont(Font); }

// Sets the given parts of line 1 to 5 of a header or footer; other line numbers change nothing.
template <typename... TParts>
void SetBoxLine(TBoxLines& ALines, int ALine, const TParts&... AParts) {
  if (ALine < 1 || ALine > TKwikPrint::BoxLineCount) return;
  SetLineParts(ALines[size_t(ALine - 1)], AParts...);
}

const TFP_THeadFootRecord& LineOrEmpty(const TBoxLines& ALines, int ALine) {
  static const TFP_THeadFootRecord empty;
  return ALine >= 1 && ALine <= TKwikPrint::BoxLineCount ? ALines[size_t(ALine - 1)] : empty;
}

}  // namespace

void TKwikPrint::SetHeaderLine(int Line, float YPosition, const QString& BText, TFP_Alignment Alignment,
                               const QString& FontName, int FontSize, int FontStyle) {
  SetBoxLine(FHeaderLines, Line, YPosition, BText, Alignment, FontName, FontSize, FontStyle);
}

void TKwikPrint::SetHeaderLine(int Line, float YPosition, const QString& BText, TFP_Alignment Alignment,
                               const QFont& Font) {
  SetBoxLine(FHeaderLines, Line, YPosition, BText, Alignment, Font);
}

void TKwikPrint::SetHeaderLine(int Line, float YPosition) { SetBoxLine(FHeaderLines, Line, YPosition); }

void TKwikPrint::SetHeaderLine(int Line, const QString& BText) { SetBoxLine(FHeaderLines, Line, BText); }

void TKwikPrint::SetHeaderLine(int Line, TFP_Alignment Alignment) { SetBoxLine(FHeaderLines, Line, Alignment); }

void TKwikPrint::SetHeaderLine(int Line, const QFont& Font) { SetBoxLine(FHeaderLines, Line, Font); }

void TKwikPrint::SetFooterLine(int Line, float YPosition, const QString& BText, TFP_Alignment Alignment,
                               const QString& FontName, int FontSize, int FontStyle) {
  SetBoxLine(FFooterLines, Line, YPosition, BText, Alignment, FontName, FontSize, FontStyle);
}

void TKwikPrint::SetFooterLine(int Line, float YPosition, const QString& BText, TFP_Alignment Alignment,
                               const QFont& Font) {
  SetBoxLine(FFooterLines, Line, YPosition, BText, Alignment, Font);
}

void TKwikPrint::SetFooterLine(int Line, float YPosition) { SetBoxLine(FFooterLines, Line, YPosition); }

void TKwikPrint::SetFooterLine(int Line, const QString& BText) { SetBoxLine(FFooterLines, Line, BText); }

void TKwikPrint::SetFooterLine(int Line, TFP_Alignment Alignment) { SetBoxLine(FFooterLines, Line, Alignment); }

void TKwikPrint::SetFooterLine(int Line, const QFont& Font) { SetBoxLine(FFooterLines, Line, Font); }

void TKwikPrint::ClearHeaderCaptions() {
  for (TFP_THeadFootRecord& line : FHeaderLines) line.BText.clear();
}

void TKwikPrint::ClearFooterCaptions() {
  for (TFP_THeadFootRecord& line : FFooterLines) line.BText.clear();
}

const TFP_THeadFootRecord& TKwikPrint::HeaderLine(int Line) const { return LineOrEmpty(FHeaderLines, Line); }

const TFP_THeadFootRecord& TKwikPrint::FooterLine(int Line) const { return LineOrEmpty(FFooterLines, Line); }

void TKwikPrint::SetPageNumber(float YPosition, const QString& BText, TFP_Alignment Alignment,
                               const QString& FontName, int FontSize, int FontStyle, TFP_Shading Shading,
                               bool Enabled) {
  FPageNumber = {BText, YPosition, Alignment, FontName, FontSize, FontStyle, Shading, Enabled};
}

void TKwikPrint::SetPageNumber(float YPosition, const QString& BText, TFP_Alignment Alignment, const QFont& Font,
                               TFP_Shading Shading, bool Enabled) {
  FPageNumber = {BText, YPosition, Alignment, {}, 0, 0, Shading, Enabled};
  FPageNumber.SetFont(Font);
}

void TKwikPrint::SetDateField(float YPosition, const QString& BText, TFP_Alignment Alignment,
                              const QString& FontName, int FontSize, int FontStyle, TFP_Shading Shading,
                              bool Enabled) {
  FDateField = {BText, YPosition, Alignment, FontName, FontSize, FontStyle, Shading, Enabled};
}

void TKwikPrint::SetDateField(float YPosition, const QString& BText, TFP_Alignment Alignment, const QFont& Font,
                              TFP_Shading Shading, bool Enabled) {
  FDateField = {BText, YPosition, Alignment, {}, 0, 0, Shading, Enabled};
  FDateField.SetFont(Font);
}

void TKwikPrint::SetColumn(int ColNumber, float XPos, float Length) {
  if (ColNumber < 1 || ColNumber > ColumnCount) return;
  FColumns[size_t(ColNumber - 1)] = {XPos, Length};
}

TFP_Column TKwikPrint::Column(int ColNumber) const {
  if (ColNumber < 1 || ColNumber > ColumnCount) return {};
  return FColumns[size_t(ColNumber - 1)];
}

// ---------------------------------------------------------------------------
// Units

int TKwikPrint::InchesToPixels(double AInches, int APixelsPerInch) {
  // Inches given as floats sit a hair off their decimal value (10.2f is
  // 10.19999981); a product within float precision of a whole pixel counts
  // as that pixel instead of being cut one lower.
  const double pixels = AInches * APixelsPerInch;
  const double nudge = std::max(1e-6, std::fabs(pixels) * 1.2e-7);
  return Saturated(pixels + (pixels < 0 ? -nudge : nudge));
}

double TKwikPrint::PixelsToInches(int APixels, int APixelsPerInch) const {
  return APixelsPerInch > 0 ? double(APixels) / APixelsPerInch : 0.0;
}

int TKwikPrint::InchesToPixelsHorizontal(float Inches) const {
  return InchesToPixels(Inches, FPixelsPerInchHorizontal);
}

int TKwikPrint::InchesToPixelsVertical(float Inches) const { return InchesToPixels(Inches, FPixelsPerInchVertical); }

float TKwikPrint::PixelsToInchesHorizontal(int Pixels) const {
  return float(PixelsToInches(Pixels, FPixelsPerInchHorizontal));
}

float TKwikPrint::PixelsToInchesVertical(int Pixels) const {
  return float(PixelsToInches(Pixels, FPixelsPerInchVertical));
}

int TKwikPrint::FrameOffset() const { return Framed ? FramLineWidth + LineGapPixels : 0; }

double TKwikPrint::LineHeightInches() const { return PixelsToInches(FLineHeightPixels, FPixelsPerInchVertical); }

int TKwikPrint::PlaceX(int APixelsFromMargin) const {
  return LimitTo(Saturated(double(APixelsFromMargin) + FLeftMargin), FLeftMargin, FMaxRight);
}

int TKwikPrint::PlaceY(int APixelsFromMargin) const {
  return LimitTo(Saturated(double(APixelsFromMargin) + FTopMargin), FTopMargin, FMaxBottom);
}

QColor TKwikPrint::ShadingColor(TFP_Shading AShading) const {
  switch (AShading) {
    case TFP_Shading::shLight: return QColor(225, 225, 225);
    case TFP_Shading::shMedium: return QColor(190, 190, 190);
    case TFP_Shading::shDark: return QColor(120, 120, 120);
    case TFP_Shading::shNone: break;
  }
  return QColor(255, 255, 255);
}

// ---------------------------------------------------------------------------
// Measuring the page

void TKwikPrint::MeasurePage() {
  const TPrintPageGeometry geometry = FBackend->Geometry();
  if (geometry.DpiX <= 0 || geometry.DpiY <= 0 || geometry.PageSize.isEmpty())
    throw EPrinterError(QStringLiteral("The printer reports no usable page size or resolution"));
  FLineHeightPixels = [this] {
    const TPrintFontMetrics metrics = FBackend->FontMetrics();
    return metrics.Height + metrics.ExternalLeading;
  }();
  FPixelsPerInchHorizontal = geometry.DpiX;
  FPixelsPerInchVertical = geometry.DpiY;
  FTotalPageWidthPixels = geometry.PageSize.width();
  FTotalPageHeightPixels = geometry.PageSize.height();
  FTotalPageWidthInches = PixelsToInchesHorizontal(FTotalPageWidthPixels);
  FTotalPageHeightInches = PixelsToInchesVertical(FTotalPageHeightPixels);

  const QRect printable = geometry.Printable;
  FGutterLeft = printable.left();
  FGutterTop = printable.top();
  FGutterRight = FTotalPageWidthPixels - printable.left() - printable.width();
  FGutterBottom = FTotalPageHeightPixels - printable.top() - printable.height();
  FPrintableWidthPixels = FTotalPageWidthPixels - FGutterLeft - FGutterRight;
  FPrintableHeightPixels = printable.height();
  ++FGutterLeft;
  ++FGutterTop;
  ++FGutterRight;
  ++FGutterBottom;

  ComputeMargins();
  FMaxRight = FTotalPageWidthPixels - FRightMargin - FGutterLeft;
  FMaxBottom = FTotalPageHeightPixels - FBottomMargin - FGutterTop;
}

// Margins are taken by their size; a pair that leaves no page between them,
// and a margin of zero, fall back to the printer's unprintable border.
void TKwikPrint::ComputeMargins() {
  const double gutterLeft = PixelsToInches(FGutterLeft, FPixelsPerInchHorizontal);
  const double gutterRight = PixelsToInches(FGutterRight, FPixelsPerInchHorizontal);
  const double gutterTop = PixelsToInches(FGutterTop, FPixelsPerInchVertical);
  const double gutterBottom = PixelsToInches(FGutterBottom, FPixelsPerInchVertical);

  double left = MarginInches(MarginLeft), right = MarginInches(MarginRight);
  if (left + right >= FTotalPageWidthInches) {
    left = gutterLeft;
    right = gutterRight;
  }
  if (left <= 0) left = gutterLeft;
  if (right <= 0) right = gutterRight;

  double top = MarginInches(MarginTop), bottom = MarginInches(MarginBottom);
  if (top + bottom >= FTotalPageHeightInches) {
    top = gutterTop;
    bottom = gutterBottom;
  }
  if (top <= 0) top = gutterTop;
  if (bottom <= 0) bottom = gutterBottom;

  FTopMargin = InchesToPixels(top, FPixelsPerInchVertical);
  FBottomMargin = InchesToPixels(bottom, FPixelsPerInchVertical);
  FLeftMargin = InchesToPixels(left, FPixelsPerInchHorizontal);
  FRightMargin = InchesToPixels(right, FPixelsPerInchHorizontal);
}

void TKwikPrint::SetPrinterFont(const QFont& AFont) {
  FBackend->SetFont(AFont);
  MeasurePage();
}

// ---------------------------------------------------------------------------
// The job

void TKwikPrint::Start() {
  if (FJobOpen) throw EPrinterError(QStringLiteral("Printing in progress"));
  RefreshProperties();

  const QDateTime now = QDateTime::currentDateTime();
  if (!FormatDateTimePattern(DateFormat, now, QLocale::system(), FDateText))
    FormatDateTimePattern(DefaultDateFormat, now, QLocale::system(), FDateText);

  FBackend->BeginJob(JobTitleFor(ProgramFilePath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                           : ProgramFilePath));
  try {
    FCurrentPage = 1;
    FFillColor = Qt::white;
    SetPrinterFont(DefaultFont);

    const double maxBottomInches = PixelsToInches(FMaxBottom, FPixelsPerInchVertical);
    if (FooterBottom < 0.00001f) FooterBottom = float(maxBottomInches);
    if (FooterEnabled && FooterBottom > maxBottomInches) FooterBottom = float(maxBottomInches);

    if (AutoAdjustAreas) {
      DetailTop = HeaderEnabled ? HeaderBottom : 0.0f;
      // The lowest line must fit above MaxBottom, and y counts from the top margin.
      const double lowestTop = PixelsToInches(FMaxBottom - FTopMargin, FPixelsPerInchVertical);
      DetailBottom = float(FooterEnabled ? FooterTop - LineHeightInches() : lowestTop - LineHeightInches());
    }
    FCurrentLine = DetailTop - LineHeightInches();
  } catch (...) {
    FBackend->AbortJob();
    throw;
  }

  FJobOpen = true;
  if (BeforeReport) BeforeReport(*this);
  if (Framed) DrawFrame();
}

void TKwikPrint::NewPage() {
  if (!FJobOpen) return;
  if (BeforeNewPage) BeforeNewPage(*this);
  EndPage();
  try {
    FBackend->NewPage();
  } catch (...) {
    // A printer that cannot go on ends the job; the error reaches the caller.
    FBackend->AbortJob();
    FJobOpen = false;
    throw;
  }
  ++FCurrentPage;
  FCurrentLine = DetailTop - LineHeightInches();
  FFillColor = Qt::white;
  if (Framed) DrawFrame();
  if (AfterNewPage) AfterNewPage(*this);
}

void TKwikPrint::Stop() {
  if (!FJobOpen) return;
  EndPage();
  FBackend->EndJob();
  FJobOpen = false;
  if (AfterReport) AfterReport(*this);
}

bool TKwikPrint::PrinterSetup() {
  QPrintDialog dialog(&FBackend->SetupPrinter(), QApplication::activeWindow());
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return DialogSeam::Exec(dialog) == QDialog::Accepted;
}

// ---------------------------------------------------------------------------
// Writing texts

void TKwikPrint::WriteText(int ADeviceX, TFP_WriteMode AWriteMode, const QString& AText, float AYPos) {
  int deviceY = 0;
  switch (AWriteMode) {
    case TFP_WriteMode::wmAbsXY:
      deviceY = PlaceYInches(AYPos);
      FCurrentLine = AYPos;
      break;
    case TFP_WriteMode::wmNewLine:
      if (AutoPaging && FCurrentLine + LineHeightInches() > DetailBottom) NewPage();
      FCurrentLine += LineHeightInches();
      deviceY = PlaceYInches(FCurrentLine);
      break;
    case TFP_WriteMode::wmCurrLine:
      deviceY = PlaceYInches(FCurrentLine);
      break;
  }
  if (FJobOpen) FBackend->DrawText(QPoint(ADeviceX, deviceY), AText, FFillColor);
}

void TKwikPrint::WriteAligned(TFP_Alignment AAlignment, TFP_WriteMode AWriteMode, const QString& AText, float AXPos,
                              float AYPos) {
  if (AAlignment == TFP_Alignment::alLeft) {
    int deviceX = PlaceXInches(AXPos) + FrameOffset();
    if (TabLength > 0) deviceX += InchesToPixels(TabLength, FPixelsPerInchHorizontal);
    WriteText(deviceX, AWriteMode, AText, AYPos);
    return;
  }
  const int width = FBackend->TextWidth(AText);
  const int fromMargin = AAlignment == TFP_Alignment::alCenter
                             ? (FMaxRight - FLeftMargin) / 2 - width / 2
                             : FMaxRight - width - FLeftMargin - FrameOffset();
  WriteText(PlaceX(fromMargin), AWriteMode, AText, AYPos);
}

void TKwikPrint::BodyLine(TFP_WriteMode WriteMode, TFP_Alignment Alignment, const QString& LineText, float XPos,
                          float YPos) {
  WriteAligned(Alignment, WriteMode, LineText, XPos, YPos);
}

void TKwikPrint::ColumnLine(int ColNumber, TFP_WriteMode WriteMode, TFP_Alignment Alignment,
                            const QString& LineText, float YPos) {
  if (ColNumber < 1 || ColNumber > ColumnCount) return;
  const TFP_Column column = FColumns[size_t(ColNumber - 1)];
  int fromMargin = 0;
  switch (Alignment) {
    case TFP_Alignment::alLeft:
      fromMargin = InchesToPixels(column.XPos, FPixelsPerInchHorizontal);
      if (ColumnLines) fromMargin += ColumnLineWidth + LineGapPixels;
      break;
    case TFP_Alignment::alRight:
      fromMargin = InchesToPixels(double(column.XPos) + column.Length, FPixelsPerInchHorizontal) -
                   FBackend->TextWidth(LineText);
      break;
    case TFP_Alignment::alCenter:
      fromMargin = InchesToPixels(double(column.XPos) + column.Length / 2.0, FPixelsPerInchHorizontal) -
                   FBackend->TextWidth(LineText) / 2;
      break;
  }
  WriteText(PlaceX(fromMargin), WriteMode, LineText, YPos);
}

void TKwikPrint::LineFeed(int Number) {
  for (int i = 0; i < Number; ++i) BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, QString(), 0, 0);
}

// ---------------------------------------------------------------------------
// Page end

void TKwikPrint::EndPage() {
  if (HeaderEnabled) DrawHeader();
  if (FooterEnabled) DrawFooter();
  if (FPageNumber.Enabled) DrawPageNumber();
  if (FDateField.Enabled) DrawDateField();
  if (ColumnLines) DrawColumnLines();
}

void TKwikPrint::DrawHeader() {
  if (HeaderBoxed)
    DrawBoxXY(0, HeaderTop, PixelsToInchesHorizontal(FPrintableWidthPixels), HeaderBottom, HeaderLineWidth,
              HeaderShading, HeaderBoxRounded);
  DrawBoxLines(FHeaderLines);
}

void TKwikPrint::DrawFooter() {
  if (FooterBoxed)
    DrawBoxXY(0, FooterTop, PixelsToInchesHorizontal(FPrintableWidthPixels), FooterBottom, FooterLineWidth,
              FooterShading, FooterBoxRounded);
  DrawBoxLines(FFooterLines);
}

// Decorations draw in their own font and leave the body's font, paging and
// fill colour as the body text expects them.
void TKwikPrint::DrawBoxLines(const std::array<TFP_THeadFootRecord, BoxLineCount>& ALines) {
  const QFont bodyFont = FBackend->Font();
  const bool autoPaging = AutoPaging;
  for (const TFP_THeadFootRecord& line : ALines) {
    if (line.BText.isEmpty()) continue;
    SetPrinterFont(line.Font());
    // Left-aligned lines start one left margin further in than body text.
    const float x = line.Alignment == TFP_Alignment::alLeft ? PixelsToInchesHorizontal(FLeftMargin) : 0.0f;
    WriteAligned(line.Alignment, TFP_WriteMode::wmAbsXY, line.BText, x, line.YPosition);
  }
  SetPrinterFont(bodyFont);
  AutoPaging = autoPaging;
  FFillColor = Qt::white;
}

void TKwikPrint::DrawPageNumber() { DrawField(FPageNumber, FPageNumber.BText + QString::number(FCurrentPage)); }

void TKwikPrint::DrawDateField() { DrawField(FDateField, FDateField.BText + FDateText); }

void TKwikPrint::DrawField(const TFP_THeadFootRecord& AField, const QString& AText) {
  const QFont bodyFont = FBackend->Font();
  const bool autoPaging = AutoPaging;
  SetPrinterFont(AField.Font());
  FFillColor = ShadingColor(AField.Shading);
  WriteAligned(AField.Alignment, TFP_WriteMode::wmAbsXY, AText, 0, AField.YPosition);
  SetPrinterFont(bodyFont);
  AutoPaging = autoPaging;
  FFillColor = Qt::white;
}

void TKwikPrint::DrawColumnLines() {
  const double topY = ColumnLineTopY > 0.0001f ? double(ColumnLineTopY)
                      : HeaderEnabled          ? double(HeaderBottom)
                                               : PixelsToInches(FTopMargin, FPixelsPerInchVertical);
  const double bottomY = ColumnLineBottomY > 0.0001f ? double(ColumnLineBottomY)
                         : FooterEnabled             ? double(FooterTop)
                                                     : PixelsToInches(FMaxBottom, FPixelsPerInchVertical);
  for (int number = 1; number <= ColumnCount; ++number) {
    const TFP_Column column = FColumns[size_t(number - 1)];
    if (column.Length <= 0.000001f || (number == 1 && ColumnLineSuppress1)) continue;
    const int x = PlaceXInches(column.XPos);
    FBackend->DrawLine(QPoint(x, PlaceYInches(topY)), QPoint(x, PlaceYInches(bottomY)), ColumnLineWidth);
  }
}

void TKwikPrint::DrawFrame() {
  const QPoint topLeft(FGutterLeft, FGutterTop);
  const QPoint bottomRight(FTotalPageWidthPixels - FGutterLeft - FGutterRight,
                           FTotalPageHeightPixels - FGutterTop - FGutterBottom);
  FBackend->DrawRectangle(QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())),
                          FramLineWidth, Qt::white, 0);
}

// ---------------------------------------------------------------------------
// Drawings

void TKwikPrint::DrawBoxXY(float XTop, float YTop, float XBottom, float YBottom, int LineWidth, TFP_Shading Shading,
                           bool Rounded) {
  if (!FJobOpen) return;
  FFillColor = ShadingColor(Shading);
  const QPoint topLeft(PlaceXInches(XTop), PlaceYInches(YTop));
  const QPoint bottomRight(PlaceXInches(XBottom), PlaceYInches(YBottom));
  const QRect box = QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())).normalized();
  FBackend->DrawRectangle(box, LineWidth, FFillColor, Rounded ? RoundedCornerEllipse : 0);
}

void TKwikPrint::DrawLine(float TopX, float TopY, float BottomX, float BottomY, int LineWidth) {
  if (!FJobOpen) return;
  FBackend->DrawLine(QPoint(PlaceXInches(TopX), PlaceYInches(TopY)),
                     QPoint(PlaceXInches(BottomX), PlaceYInches(BottomY)), LineWidth);
}

void TKwikPrint::DrawBitmapXY(float XTop, float YTop, float MagnifyTimes, const QImage& Bitmap) {
  if (!FJobOpen) return;
  const QImage& picture = Bitmap.isNull() ? BitMap : Bitmap;
  if (picture.isNull()) return;
  const int width = Saturated(double(picture.width()) * MagnifyTimes);
  const int height = Saturated(double(picture.height()) * MagnifyTimes);
  if (width <= 0 || height <= 0) return;
  FBackend->DrawImage(QRect(PlaceXInches(XTop), PlaceYInches(YTop), width, height), picture);
}

void TKwikPrint::DrawForm(float XTop, float YTop, QWidget& Form, TPrintScale PrintScale) {
  if (!FJobOpen) return;
  double width = Form.width(), height = Form.height();
  if (width <= 0 || height <= 0) return;
  const QImage image = Form.grab().toImage();
  if (image.isNull()) return;
  switch (PrintScale) {
    case TPrintScale::poNone: break;
    case TPrintScale::poProportional:
      width *= double(FPixelsPerInchHorizontal) / qMax(1, Form.logicalDpiX());
      height *= double(FPixelsPerInchVertical) / qMax(1, Form.logicalDpiY());
      break;
    case TPrintScale::poPrintToFit: {
      const double byHeight = double(FPrintableHeightPixels) / height;
      const double scale = width * byHeight < FPrintableWidthPixels ? byHeight : FPrintableWidthPixels / width;
      width *= scale;
      height *= scale;
      break;
    }
  }
  const int w = Saturated(width), h = Saturated(height);
  if (w <= 0 || h <= 0) return;
  FBackend->DrawImage(QRect(PlaceXInches(XTop), PlaceYInches(YTop), w, h), image);
}
