#pragma once

#include "QZ_Colors.h"
#include "StringList.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

class QWidget;
class TEditTextForm;

// Where the editor's text comes from: the file FileName, read afresh at each
// opening, or the lines last given through SetText (or left behind by the
// window when it last closed).
enum TEditTextSource : std::uint8_t { esTextFile, esStringList };

// The commands an editor window may offer, bits 0 to 6 in this order.
enum TEditTextOptions : std::uint8_t {
  edAllowSave,
  edAllowSaveAs,
  edAllowOpen,
  edAllowNew,
  edAllowSorting,
  edAllowPrint,
  edAllowSpellCheck
};

// A set of TEditTextOptions.
class TEditTextOptionsSet {
public:
  constexpr TEditTextOptionsSet() = default;
  constexpr TEditTextOptionsSet(std::initializer_list<TEditTextOptions> AOptions) {
    for (TEditTextOptions option : AOptions) FBits = std::uint8_t(FBits | Bit(option));
  }

  constexpr bool Contains(TEditTextOptions AOption) const { return (FBits & Bit(AOption)) != 0; }
  constexpr bool IsEmpty() const { return FBits == 0; }
  constexpr std::uint8_t Bits() const { return FBits; }
  constexpr bool operator==(const TEditTextOptionsSet&) const = default;

private:
  static constexpr std::uint8_t Bit(TEditTextOptions AOption) { return std::uint8_t(1u << unsigned(AOption)); }

  std::uint8_t FBits = 0;
};

// An editor event; the sender is the editor window.
using TEditNotifyEvent = std::function<void(QObject* ASender)>;

// What the editor component and its window share: the window hands back the
// text, the modified state and its size through it. Text is the component's
// own list, not owned here.
struct TEditData {
  bool Modified = false;
  int Width = 0;
  int Height = 0;
  TStringList* Text = nullptr;
};

// The one open editor window, shared by every TEditText; null when none is
// open. The window clears it when a non-modal window closes, and it reads
// null once that window is gone.
TEditTextForm* OpenEditTextForm();
void SetOpenEditTextForm(TEditTextForm* AForm);

// Lets its owner edit one plain-text document in an editor window of its own
// (TEditTextForm). The owner sets the properties (file, offered commands,
// size, caption, word wrap, colour), calls Execute, and then reads back the
// window size, the text and the modified state.
//
//   TEditText notes(mainWindow);
//   notes.SetCaption("General Notes");
//   notes.SetOptions({edAllowSave, edAllowPrint, edAllowSpellCheck});
//   notes.SetFileName(path);
//   notes.Execute(mainWindow);          // modal: returns when the window closes
//   settings.Write(notes.Width(), notes.Height());
class TEditText : public QObject {
public:
  explicit TEditText(QObject* AOwner = nullptr);
  ~TEditText() override;
  TEditText(const TEditText&) = delete;
  TEditText& operator=(const TEditText&) = delete;

  // Opens the editor window: modally (returns when it closes and takes its
  // final size), or non-modally (returns at once; a window already open is
  // restored and focused instead of opening a second one).
  void Execute(QWidget* APopupParent);
  // Takes the size the window had when it last closed into Width and Height.
  void Close();
  // Replaces the shared lines by a copy of ATextLines.
  void SetText(const TStringList& ATextLines);
  // Replaces the contents of ATextLines by the shared lines.
  void GetText(TStringList& ATextLines) const;
  // Writes the open window's text to AFilename, or to FileName when it is
  // empty. Every failure, no open window included, is ignored.
  void SaveText(const QString& AFilename);
  // Empties the text area of the open window, if any.
  void Clear();
  bool Modified() const { return FEditData->Modified; }

  const QString& FileName() const { return FFileName; }
  void SetFileName(const QString& AValue) { FFileName = AValue; }
  TEditTextSource Source() const { return FSource; }
  void SetSource(TEditTextSource AValue) { FSource = AValue; }
  bool DisplayModal() const { return FDisplayModal; }
  void SetDisplayModal(bool AValue) { FDisplayModal = AValue; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool AValue) { FWordWrap = AValue; }
  int Height() const { return FHeight; }
  void SetHeight(int AValue) { FHeight = AValue; }
  int Width() const { return FWidth; }
  void SetWidth(int AValue) { FWidth = AValue; }
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& AValue) { FCaption = AValue; }
  TEditTextOptionsSet Options() const { return FOptions; }
  void SetOptions(TEditTextOptionsSet AValue) { FOptions = AValue; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AValue) { FReadOnly = AValue; }
  bool ToolBar() const { return FToolBar; }
  void SetToolBar(bool AValue) { FToolBar = AValue; }
  TColor Color() const { return FColor; }
  void SetColor(TColor AValue) { FColor = AValue; }

  // Events, handed to the window at each opening.
  TEditNotifyEvent BeforeNew, BeforeSave, BeforeOpen, BeforePrint, AfterPrint, AfterNew, AfterSave, AfterOpen,
      OnTextChanged, OnShow, OnClose;

private:
  void ExecuteModal(QWidget* APopupParent);
  void ExecuteModeless(QWidget* APopupParent);
  void PrepareForm(TEditTextForm& AForm);
  void LoadTextFile();

  std::unique_ptr<TStringList> FText;
  std::unique_ptr<TEditData> FEditData;
  TEditTextSource FSource = esTextFile;
  TColor FColor = clWindow;
  bool FDisplayModal = true;
  bool FToolBar = true;
  bool FReadOnly = false;
  TEditTextOptionsSet FOptions{edAllowSave};
  QString FCaption;
  int FHeight = 480;
  int FWidth = 550;
  QString FFileName;
  bool FWordWrap = true;
};
