#pragma once

#include "QZ_Editor.h"

#include <QDialog>
#include <QKeySequence>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QToolBar;
class TFindDialog;
enum class TEditorImage;
class TKwikPrint;
class TSpellChecker;

// The editor window of TEditText: one plain-text area with a menu bar, a tool
// bar, a pop-up menu and a five-panel status bar. It offers open, new, save
// and save as, clipboard and undo, find, font, word wrap, sorting lines,
// toggling case, printing and a spell check. The component decides before the
// first showing which commands are offered; a command whose tool bar button
// is hidden does nothing, whichever way it is reached.
//
// The menu shortcuts are taken before the text area sees a key, hidden items
// included: Save As is Ctrl+V and Exit is Ctrl+X; paste is Shift+Insert.
//
// Controls carry their names as object names ("Memo", "StatusBar1",
// "Toolbar", the menu items "OpenFile1", "Save1", ..., the pop-up items
// "Undo2", ..., the tool bar buttons "OpenBtn", "SaveBtn", ...).
// Every modal dialog it shows goes through DialogSeam.
class TEditTextForm : public QDialog {
  Q_OBJECT

public:
  static constexpr int PanelLine = 0;
  static constexpr int PanelColumn = 1;
  static constexpr int PanelModified = 2;
  static constexpr int PanelSaved = 3;
  static constexpr int PanelCount = 5;

  // AOwner frees the window with itself (it is never the window's parent, so
  // a non-modal window is a top-level window of its own). AEditData is shared
  // with the component and must outlive the window.
  TEditTextForm(QObject* AOwner, bool AIsModal, TEditData* AEditData);
  ~TEditTextForm() override;

  bool IsModalEditor() const { return FIsModal; }
  TEditData* EditData() const { return FEditData; }

  // Set by the component before the first showing.
  bool CaptionSet = false;   // show Title as the caption
  bool SaveAllowed = false;  // Save or Save As is offered: unsaved changes are prompted for
  QString FileName;
  TEditNotifyEvent BeforeNew, BeforeSave, BeforeOpen, AfterNew, AfterSave, AfterOpen, BeforePrint, AfterPrint,
      OnChange, OnShow, OnClose;
  QString Title;

  // Configuration by the component.
  // Outer size; the frame is counted as far as the window system reports it.
  void SetOuterSize(int AWidth, int AHeight);
  QSize OuterSize() const;
  // Wrapping with a vertical scroll bar only, or no wrapping with both.
  void SetWordWrap(bool AWrap);
  bool WordWrap() const;
  // Read-only hides the editing commands.
  void SetReadOnly(bool AReadOnly);
  void ApplyOptions(TEditTextOptionsSet AOptions, bool AReadOnly);
  void SetToolBarVisible(bool AVisible);
  void SetTextAreaColor(TColor AColor);

  // The text area's lines (a final line break adds no empty line).
  QStringList Lines() const;
  // Writes the lines in the program's text file format; raises EFileError.
  void SaveLinesToFile(const QString& AFileName) const;
  // Empties the text area.
  void ClearText();

  QPlainTextEdit* Memo() const { return FMemo; }
  QString StatusText(int APanel) const;
  QToolBar* ToolBarWidget() const { return FToolbar; }
  QFrame* FirstSeparator() const { return FSep; }
  TSpellChecker* SpellCheck() const { return FSpellCheck; }
  TKwikPrint* KwikPrint1() const { return FKwikPrint; }
  TFindDialog* FindDialog1() const { return FFindDialog; }

  // Escape leaves the window open; a close always goes through FormClose.
  void reject() override;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct TMenuKey {
    QKeySequence Key;
    std::function<void()> Handler;
  };

  // Building the window.
  void CreateControls();
  void CreateMainMenu(QMenuBar* AMenuBar);
  void CreatePopupMenu();
  void CreateToolBar();
  QWidget* CreateStatusBar();
  void CreateSpellChecker();
  void CreatePrinter();
  QAction* MakeAction(const char* AName, const QString& AText, void (TEditTextForm::*AHandler)());
  QAction* AddMenuItem(QMenu* AMenu, const char* AName, const QString& ACaption, const QKeySequence& AShortcut,
                       void (TEditTextForm::*AHandler)());
  QAction* AddButton(const char* AName, const QString& AHint, TEditorImage AImage,
                     void (TEditTextForm::*AHandler)());
  QFrame* AddSeparator(const char* AName);

  // Events of the window and the text area.
  void FormShow();
  bool FormClose();
  void FormResize();
  void MemoChange();
  void MemoSelectionChange();
  bool MemoKeyDown(QKeyEvent* AEvent);
  static QKeySequence PressedKey(const QKeyEvent& AEvent);
  bool IsMenuKey(const QKeyEvent& AEvent) const;
  bool DispatchMenuKey(QKeyEvent* AEvent);
  void ShowPopupMenu(const QPoint& APosition);

  // Commands.
  void OpenFile1Click();
  void NewFile1Click();
  void Save1Click();
  void SaveAs1Click();
  void SaveAs();
  void Print1Click();
  void PrinterSetup1Click();
  void Exit1Click();
  void Undo1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void Find1Click();
  void FindDialog1Find();
  void Font1Click();
  void WordWrap1Click();
  void Sort1Click();
  void btnUpperClick();
  void btnSpellClick();

  // Helpers of the commands.
  void UpdateStatus();
  void SetPanel(int APanel, const QString& AText);
  void AttachMemoChange() { FMemoChangeAttached = true; }
  void DetachMemoChange() { FMemoChangeAttached = false; }
  void SetMemoLines(const QStringList& ALines);
  void ShowCaption();
  void MarkSaved();
  bool WriteText(const QString& AFileName);
  // The unsaved-changes prompt; false when changes would be dropped although
  // the user asked to save them (the save failed, was cancelled or is not offered).
  bool PromptSaveChanges();
  void SetCutCopyEnabled(bool AEnabled);
  void SetUndoEnabled(bool AEnabled);
  void SelectRange(int AStart, int ALength);
  int SelectionStart() const;
  int SelectionLength() const;
  static void Call(const TEditNotifyEvent& AEvent, QObject* ASender);

  bool Saved = true;
  bool FIsModal;
  bool SaveOk = true;
  TEditData* FEditData;

  bool FMemoChangeAttached = false;
  bool FFormShown = false;
  QSize FFrameExtra;

  QPlainTextEdit* FMemo = nullptr;
  QToolBar* FToolbar = nullptr;
  QFrame* FSep = nullptr;
  std::array<QLabel*, PanelCount> FPanels{};
  QMenu* FPopupMenu1 = nullptr;
  TFindDialog* FFindDialog = nullptr;
  TSpellChecker* FSpellCheck = nullptr;
  TKwikPrint* FKwikPrint = nullptr;
  std::vector<TMenuKey> FMenuKeys;

  // Main menu.
  QAction* OpenFile1 = nullptr;
  QAction* NewFile1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* SaveAs1 = nullptr;
  QAction* SpellCheck1 = nullptr;
  QAction* PrinterSetup1 = nullptr;
  QAction* Print1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Undo1 = nullptr;
  QAction* Cut1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* Paste1 = nullptr;
  QAction* Find1 = nullptr;
  QAction* Font2 = nullptr;
  QAction* WordWrap1 = nullptr;
  QAction* Sort1 = nullptr;
  QAction* ToggleCase1 = nullptr;
  // Pop-up menu.
  QAction* Undo2 = nullptr;
  QAction* Cut2 = nullptr;
  QAction* Copy2 = nullptr;
  QAction* Paste2 = nullptr;
  QAction* Find2 = nullptr;
  // Tool bar.
  QAction* OpenBtn = nullptr;
  QAction* NewBtn = nullptr;
  QAction* SaveBtn = nullptr;
  QAction* SaveAsBtn = nullptr;
  QAction* PrtBtn = nullptr;
  QAction* ToolButton3 = nullptr;
  QAction* ToolButton4 = nullptr;
  QAction* ToolButton5 = nullptr;
  QAction* ToolButton10 = nullptr;
  QAction* FindBtn = nullptr;
  QAction* ToolButton9 = nullptr;
  QAction* WordWrap2 = nullptr;
  QAction* Sort2 = nullptr;
  QAction* btnUpper = nullptr;
  QAction* btnSpell = nullptr;
};
