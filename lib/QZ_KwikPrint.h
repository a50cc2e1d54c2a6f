#pragma once

#include "QZ_PrintBackend.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QString>
#include <array>
#include <concepts>
#include <functional>
#include <memory>

class QWidget;

enum class TFP_Alignment { alLeft, alCenter, alRight };
// Where a text goes: on the current line, on the next line, or at a given y.
enum class TFP_WriteMode { wmCurrLine, wmNewLine, wmAbsXY };
// Fill of boxes and of text backgrounds: gray levels 255, 225, 190 and 120.
enum class TFP_Shading { shNone, shLight, shMedium, shDark };
// How DrawForm sizes a window's image.
enum class TPrintScale { poNone, poProportional, poPrintToFit };

// Font style bits of a header, footer, page number or date record.
struct TFP_FontStyle {
  static constexpr int fsBold = 1;
  static constexpr int fsItalic = 2;
  static constexpr int fsUnderline = 4;
  static constexpr int fsStrikeOut = 8;
};

// The five text lines a header or footer box carries.
struct TKwikBoxLines {
  QString Line1Caption, Line2Caption, Line3Caption, Line4Caption, Line5Caption;
  float Line1YPos = 0, Line2YPos = 0, Line3YPos = 0, Line4YPos = 0, Line5YPos = 0;
  TFP_Alignment Line1Align = TFP_Alignment::alLeft, Line2Align = TFP_Alignment::alLeft,
                Line3Align = TFP_Alignment::alLeft, Line4Align = TFP_Alignment::alLeft,
                Line5Align = TFP_Alignment::alLeft;
  QFont Line1Font, Line2Font, Line3Font, Line4Font, Line5Font;

  struct TLine {
    const QString& Caption;
    float YPos;
    TFP_Alignment Align;
    const QFont& Font;
  };
  // Line 1 to 5.
  TLine Line(int ALine) const;
};

struct TKwikHeader : TKwikBoxLines {
  bool Enabled = false;
  float HeaderTop = 0;
  float HeaderBottom = 0;
  bool HeaderBoxed = true;
  int HeaderBoxLineWidth = 2;
  TFP_Shading HeaderShading = TFP_Shading::shLight;
  bool HeaderBoxRounded = false;
};

struct TKwikFooter : TKwikBoxLines {
  bool Enabled = false;
  float FooterTop = 0;
  float FooterBottom = 0;
  bool FooterBoxed = true;
  int FooterBoxLineWidth = 2;
  TFP_Shading FooterShading = TFP_Shading::shLight;
  bool FooterBoxRounded = false;
};

struct TKwikPageNumber {
  bool Enabled = false;
  TFP_Shading PageNumberShading = TFP_Shading::shLight;
  QString PageNumberCaption = QStringLiteral("Page : ");
  float PageNumberYPos = 0;
  TFP_Alignment PageNumberAlign = TFP_Alignment::alLeft;
  QFont PageNumberFont;
};

struct TKwikDate {
  bool Enabled = false;
  TFP_Shading DateFieldShading = TFP_Shading::shLight;
  QString DateFieldCaption = QStringLiteral("Date : ");
  float DateFieldYPos = 0;
  TFP_Alignment DateFieldAlign = TFP_Alignment::alLeft;
  QFont DateFieldFont;
};

// The working form of a header or footer line, the page number and the date field.
struct TFP_THeadFootRecord {
  QString BText;
  float YPosition = 0;
  TFP_Alignment Alignment = TFP_Alignment::alLeft;
  QString FontName;
  int FontSize = 0;  // points
  int FontStyle = 0;  // TFP_FontStyle bits
  TFP_Shading Shading = TFP_Shading::shNone;
  bool Enabled = false;

  QFont Font() const;
  void SetFont(const QFont& AFont);
};

struct TFP_Column {
  float XPos = 0;
  float Length = 0;
};

// A page printer: prints one document as text lines and simple drawings
// placed in inches, with automatic page breaks, and finishes every page with
// the decorations switched on (header and footer boxes, page number, date,
// column lines, frame).
//
// x positions are measured from the left margin and y positions from the top
// margin; device positions are printer pixels from the printable area's
// top-left corner. The settings below are read by Start; the page state is
// valid between Start and Stop.
class TKwikPrint : public QObject {
public:
  using TNotifyEvent = std::function<void(TKwikPrint& Sender)>;
  static constexpr int ColumnCount = 20;
  static constexpr int BoxLineCount = 5;
  static inline const QString DefaultDateFormat = QStringLiteral("dd/mm/yyyy hh:NN");

  // Prints on the system's default printer.
  explicit TKwikPrint(QObject* AOwner = nullptr);
  // Prints through the given backend (a PDF printer, a recording one in tests).
  explicit TKwikPrint(std::unique_ptr<TPrintBackend> ABackend, QObject* AOwner = nullptr);
  ~TKwikPrint() override;

  // Replaces the backend; refused while a job is open.
  void SetBackend(std::unique_ptr<TPrintBackend> ABackend);
  TPrintBackend& Backend() { return *FBackend; }

  // Settings, read at Start.
  float MarginTop = 0, MarginBottom = 0, MarginLeft = 0, MarginRight = 0;
  float DetailTop = 0, DetailBottom = 0;
  bool AutoAdjustAreas = false;
  bool AutoPaging = true;
  QFont DefaultFont;
  float TabLength = 0;
  QImage BitMap;
  bool ColumnLines = false;
  int ColumnLineWidth = 1;
  float ColumnLineTopY = 0, ColumnLineBottomY = 0;
  bool ColumnLineSuppress1 = true;
  bool Framed = false;
  int FramLineWidth = 1;
  QString DateFormat = DefaultDateFormat;
  TKwikHeader HeaderRecord;
  TKwikFooter FooterRecord;
  TKwikPageNumber PageNumberRecord;
  TKwikDate DateFieldRecord;
  // The program file whose name titles the print job; empty for this program's own.
  QString ProgramFilePath;

  TNotifyEvent BeforeReport, AfterReport, BeforeNewPage, AfterNewPage;

  // Working copies of the header and footer boxes, set from the records by RefreshProperties.
  float HeaderTop = 0, HeaderBottom = 0;
  bool HeaderBoxed = true;
  int HeaderLineWidth = 2;
  TFP_Shading HeaderShading = TFP_Shading::shLight;
  bool HeaderEnabled = false;
  bool HeaderBoxRounded = false;
  float FooterTop = 0, FooterBottom = 0;
  bool FooterBoxed = true;
  int FooterLineWidth = 2;
  TFP_Shading FooterShading = TFP_Shading::shLight;
  bool FooterEnabled = false;
  bool FooterBoxRounded = false;

  // The job.
  void Start();
  void BodyLine(TFP_WriteMode WriteMode, TFP_Alignment Alignment, const QString& LineText, float XPos,
                float YPos);
  void ColumnLine(int ColNumber, TFP_WriteMode WriteMode, TFP_Alignment Alignment, const QString& LineText,
                  float YPos);
  void LineFeed(int Number);
  void NewPage();
  void Stop();
  // Shows the printer dialog for the printer of later jobs; true when confirmed.
  bool PrinterSetup();

  // Columns 1 to 20; other numbers are ignored (and read as an empty column).
  void SetColumn(int ColNumber, float XPos, float Length);
  TFP_Column Column(int ColNumber) const;

  // Working header and footer lines 1 to 5; other line numbers are ignored.
  void SetHeaderLine(int Line, float YPosition, const QString& BText, TFP_Alignment Alignment,
                     const QString& FontName, int FontSize, int FontStyle);
  void SetHeaderLine(int Line, float YPosition, const QString& BText, TFP_Alignment Alignment, const QFont& Font);
  void SetHeaderLine(int Line, float YPosition);
  void SetHeaderLine(int Line, const QString& BText);
  void SetHeaderLine(int Line, TFP_Alignment Alignment);
  void SetHeaderLine(int Line, const QFont& Font);
  void SetFooterLine(int Line, float YPosition, const QString& BText, TFP_Alignment Alignment,
                     const QString& FontName, int FontSize, int FontStyle);
  void SetFooterLine(int Line, float YPosition, const QString& BText, TFP_Alignment Alignment, const QFont& Font);
  void SetFooterLine(int Line, float YPosition);
  void SetFooterLine(int Line, const QString& BText);
  void SetFooterLine(int Line, TFP_Alignment Alignment);
  void SetFooterLine(int Line, const QFont& Font);
  void ClearHeaderCaptions();
  void ClearFooterCaptions();
  // Line 1 to 5; other numbers read as an empty line.
  const TFP_THeadFootRecord& HeaderLine(int Line) const;
  const TFP_THeadFootRecord& FooterLine(int Line) const;

  // Working page number and date field.
  void SetPageNumber(float YPosition, const QString& BText, TFP_Alignment Alignment, const QString& FontName,
                     int FontSize, int FontStyle, TFP_Shading Shading, bool Enabled);
  void SetPageNumber(float YPosition, const QString& BText, TFP_Alignment Alignment, const QFont& Font,
                     TFP_Shading Shading, bool Enabled);
  void SetPageNumber(float YPosition) { FPageNumber.YPosition = YPosition; }
  void SetPageNumber(const QString& BText) { FPageNumber.BText = BText; }
  void SetPageNumber(TFP_Alignment Alignment) { FPageNumber.Alignment = Alignment; }
  void SetPageNumber(const QFont& Font) { FPageNumber.SetFont(Font); }
  void SetPageNumber(TFP_Shading Shading) { FPageNumber.Shading = Shading; }
  // Exactly bool, so that a text or a number never lands here by conversion.
  void SetPageNumber(std::same_as<bool> auto Enabled) { FPageNumber.Enabled = Enabled; }
  void SetDateField(float YPosition, const QString& BText, TFP_Alignment Alignment, const QString& FontName,
                    int FontSize, int FontStyle, TFP_Shading Shading, bool Enabled);
  void SetDateField(float YPosition, const QString& BText, TFP_Alignment Alignment, const QFont& Font,
                    TFP_Shading Shading, bool Enabled);
  void SetDateField(float YPosition) { FDateField.YPosition = YPosition; }
  void SetDateField(const QString& BText) { FDateField.BText = BText; }
  void SetDateField(TFP_Alignment Alignment) { FDateField.Alignment = Alignment; }
  void SetDateField(const QFont& Font) { FDateField.SetFont(Font); }
  void SetDateField(TFP_Shading Shading) { FDateField.Shading = Shading; }
  void SetDateField(std::same_as<bool> auto Enabled) { FDateField.Enabled = Enabled; }
  const TFP_THeadFootRecord& PageNumber() const { return FPageNumber; }
  const TFP_THeadFootRecord& DateField() const { return FDateField; }

  // Copies the four records into the working copies.
  void RefreshProperties();

  // Drawings; each does nothing unless a job is open.
  void DrawBoxXY(float XTop, float YTop, float XBottom, float YBottom, int LineWidth, TFP_Shading Shading,
                 bool Rounded);
  void DrawLine(float TopX, float TopY, float BottomX, float BottomY, int LineWidth);
  // A null Bitmap draws the BitMap property.
  void DrawBitmapXY(float XTop, float YTop, float MagnifyTimes, const QImage& Bitmap = QImage());
  void DrawForm(float XTop, float YTop, QWidget& Form, TPrintScale PrintScale);

  // Whole pixels, cut toward zero; Pixels to inches as a 32-bit float.
  int InchesToPixelsHorizontal(float Inches) const;
  int InchesToPixelsVertical(float Inches) const;
  float PixelsToInchesHorizontal(int Pixels) const;
  float PixelsToInchesVertical(int Pixels) const;

  // Page state.
  bool Printing() const { return FJobOpen; }
  int PixelsPerInchHorizontal() const { return FPixelsPerInchHorizontal; }
  int PixelsPerInchVertical() const { return FPixelsPerInchVertical; }
  int TotalPageWidthPixels() const { return FTotalPageWidthPixels; }
  int TotalPageHeightPixels() const { return FTotalPageHeightPixels; }
  float TotalPageWidthInches() const { return FTotalPageWidthInches; }
  float TotalPageHeightInches() const { return FTotalPageHeightInches; }
  int GutterLeft() const { return FGutterLeft; }
  int GutterTop() const { return FGutterTop; }
  int GutterRight() const { return FGutterRight; }
  int GutterBottom() const { return FGutterBottom; }
  int PrintableWidthPixels() const { return FPrintableWidthPixels; }
  int PrintableHeightPixels() const { return FPrintableHeightPixels; }
  int TopMargin() const { return FTopMargin; }
  int BottomMargin() const { return FBottomMargin; }
  int LeftMargin() const { return FLeftMargin; }
  int RightMargin() const { return FRightMargin; }
  int MaxRight() const { return FMaxRight; }
  int MaxBottom() const { return FMaxBottom; }
  float CurrentLine() const { return float(FCurrentLine); }
  void SetCurrentLine(float ACurrentLine) { FCurrentLine = ACurrentLine; }
  int CurrentPage() const { return FCurrentPage; }
  // Height of a line in the printer's current font, inches.
  float LineHeight() const { return float(LineHeightInches()); }
  const QString& DateText() const { return FDateText; }

  // The job title for a program file: its name without folder, cut before the first ".".
  static QString JobTitleFor(const QString& AProgramFilePath);

private:
  void ConstructDefaults();
  void MeasurePage();
  void ComputeMargins();
  void SetPrinterFont(const QFont& AFont);
  double LineHeightInches() const;
  int PlaceX(int APixelsFromMargin) const;
  int PlaceY(int APixelsFromMargin) const;
  int PlaceXInches(double AInches) const { return PlaceX(InchesToPixels(AInches, FPixelsPerInchHorizontal)); }
  int PlaceYInches(double AInches) const { return PlaceY(InchesToPixels(AInches, FPixelsPerInchVertical)); }
  static int InchesToPixels(double AInches, int APixelsPerInch);
  double PixelsToInches(int APixels, int APixelsPerInch) const;
  // Extra indent of left-aligned text inside a frame.
  int FrameOffset() const;

  void WriteText(int ADeviceX, TFP_WriteMode AWriteMode, const QString& AText, float AYPos);
  void WriteAligned(TFP_Alignment AAlignment, TFP_WriteMode AWriteMode, const QString& AText, float AXPos,
                    float AYPos);
  void EndPage();
  void DrawHeader();
  void DrawFooter();
  void DrawBoxLines(const std::array<TFP_THeadFootRecord, BoxLineCount>& ALines);
  void DrawPageNumber();
  void DrawDateField();
  void DrawField(const TFP_THeadFootRecord& AField, const QString& AText);
  void DrawColumnLines();
  void DrawFrame();
  QColor ShadingColor(TFP_Shading AShading) const;

  std::unique_ptr<TPrintBackend> FBackend;
  std::array<TFP_Column, ColumnCount> FColumns{};
  std::array<TFP_THeadFootRecord, BoxLineCount> FHeaderLines;
  std::array<TFP_THeadFootRecord, BoxLineCount> FFooterLines;
  TFP_THeadFootRecord FPageNumber;
  TFP_THeadFootRecord FDateField;

  bool FJobOpen = false;
  int FPixelsPerInchHorizontal = 0, FPixelsPerInchVertical = 0;
  int FTotalPageWidthPixels = 0, FTotalPageHeightPixels = 0;
  float FTotalPageWidthInches = 0, FTotalPageHeightInches = 0;
  int FGutterLeft = 0, FGutterTop = 0, FGutterRight = 0, FGutterBottom = 0;
  int FPrintableWidthPixels = 0, FPrintableHeightPixels = 0;
  int FTopMargin = 0, FBottomMargin = 0, FLeftMargin = 0, FRightMargin = 0;
  int FMaxRight = 0, FMaxBottom = 0;
  int FLineHeightPixels = 0;
  double FCurrentLine = 0;
  int FCurrentPage = 0;
  QColor FFillColor = Qt::white;
  QString FDateText;
};
