#pragma once

#include "GameLocations.h"

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QCloseEvent;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QDialog;
class TDelimitedListBox;
class TEditText;
class TMainSettings;
class TItemLookup;
class TValueListEditor;
struct TFileLocations;

// The main window: the character list, the selected character's note and
// equipment, and the buttons that open the program's other windows.
//
// Everything it writes lives in the settings file and the Notes folder, both
// beside the program file unless its creator places them elsewhere
// (UFileLocations.h). The game's save directory is only read.
//
// Showing the window the first time runs FormShow once the window is up:
// the settings are read, the save directory is asked for when none has been
// chosen, otherwise the list is refreshed. Closing it saves the selected
// character's note and the window sizes (FormClose).
//
// Items are named from the built-in table, with the names read from the
// player's game installation merged in when the game folder is known: the one
// chosen with "Game Folder", else the one found in the Steam libraries (see
// GameLocations.h). The game's names are cached in the Notes folder.
//
// A file the window cannot read or write ("INI", "NOTES") is reported through
// ReportFatalError, which ends the program; from then on the window writes
// nothing more, so a program ended by a fatal error saves no note or setting.
class TFMain : public QMainWindow {
  Q_OBJECT

public:
  // Status bar panels.
  enum TStatusPanel { spVersion = 0, spCharacterCount = 1, spGameVersion = 2, spMessage = 3 };

  // AProgramFile: the path of the program file; the settings file and the
  // Notes folder are placed beside it.
  explicit TFMain(const QString& AProgramFile, QWidget* AParent = nullptr);
  // The settings file and Notes folder where ALocations puts them; their
  // folders are created at start-up.
  explicit TFMain(const TFileLocations& ALocations, QWidget* AParent = nullptr);
  ~TFMain() override;

  // Where start-up looks for the game and suggests a save folder; the
  // computer's own places unless set before the window is shown.
  void SetGameSearchPlaces(const TGameSearchPlaces& APlaces) { FGameSearchPlaces = APlaces; }

  // ---- Window events and commands ----
  void FormShow();
  void AskForSavePath();
  void RefreshCharacters();
  void btnRefreshClick();
  void btnPathClick();
  void btnGameFolderClick();
  void btnNotesClick();
  void btnLinksClick();
  void btnCollectionsClick();
  void Mark1Click();

  // ---- Selected character ----
  void dlbCharsClick();
  void dlbCharsDblClick();
  void dlbCharsBeforeSort();
  void dlbCharsAfterSort();
  void meNotesExit();

  // ---- State ----
  bool FormShown() const { return FFormShown; }
  bool Refreshing() const { return FRefreshing; }
  // A fatal error was reported; the window no longer writes files.
  bool Ended() const { return FEnded; }
  const QString& SavePath() const { return FSavePath; }
  // The folder of the character folders below the save directory.
  QString MainPath() const;
  const QString& NotesPath() const { return FNotesPath; }
  const QString& IniFile() const { return FIniFile; }
  const QString& CollectionsFile() const { return FCollectionsFile; }
  const QString& LinkFile() const { return FLinkFile; }
  // The game folder whose names were last loaded (chosen or found); empty
  // when none is known.
  const QString& GameFolder() const { return FGameFolder; }
  // Whether the item name table holds the game's names.
  bool UsesGameItemNames() const { return FUsesGameItemNames; }
  QString GeneralNotesFile() const;
  // The general-notes editor's window size, kept for the settings file.
  QSize NotesEditorSize() const;

  QString StatusPanelText(TStatusPanel APanel) const;
  void SetStatusPanelText(TStatusPanel APanel, const QString& AText);

  TDelimitedListBox* CharacterList() const { return dlbChars; }
  QPlainTextEdit* NotesMemo() const { return meNotes; }
  TValueListEditor* EquipmentGrid() const { return veEquipment; }

protected:
  void showEvent(QShowEvent* AEvent) override;
  void closeEvent(QCloseEvent* AEvent) override;
  bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
  void CreateControls();
  QWidget* CreateButtonBar();
  QWidget* CreateNotePanel();
  void CreateCharacterList();
  void CreateStatusBar();
  void CreateNotesEditor();

  // Steps of FormShow and FormClose.
  void ReadSettings();
  void ApplyWindowSize(const QSize& AOuterSize);
  QSize OuterSize() const;
  void FormClose();
  void WriteSettings(const std::function<void(TMainSettings&)>& AWrite);
  void WriteCloseSettings();

  // Steps of the refresh.
  void FreeRowObjects();
  void FillCharacterList();
  QString SaveFolderPickerStart() const;

  // Item names from the game.
  QString GameFolderToUse() const;
  void LoadItemNames(const QString& AGameFolder);
  void ReportUnreadableGame(const QString& AGameFolder, const QStringList& AProblems);
  void ShowItemNameSource();

  void ShowEquipmentOf(int ARow);
  void RunDialogWindow(QDialog& AWindow);
  bool PickFolder(const QString& ATitle, const QString& APickerName, const QString& AStart, QString& AFolder);

  // Runs a handler: a fatal report ends it quietly, any other error goes to
  // the general error report; nothing runs once the program is ending.
  void Guarded(const std::function<void()>& AHandler);
  // Reports the file the window cannot process, marks the window as ending
  // and leaves the running handler.
  [[noreturn]] void FatalFileError(const QString& AKind, const QString& AFileName, const QString& AReason);

  // Controls
  QPushButton* btnRefresh;
  QPushButton* btnPath;
  QLabel* lbSavePath;
  QPushButton* btnGameFolder;
  QPushButton* btnNotes;
  QPushButton* btnLinks;
  QPushButton* btnCollections;
  QPushButton* btnClose;
  QWidget* pnNotes;
  QLabel* pnNoteHeader;
  QPlainTextEdit* meNotes;
  QLabel* pnEquipmentHeader;
  QWidget* pnEquipment;
  TValueListEditor* veEquipment;
  TDelimitedListBox* dlbChars;
  TEditText* etNotes;
  QMenu* PopupMenu1;
  QAction* Mark1;
  QLabel* FStatusPanels[4];

  // Fields
  QString FSavePath;
  QString FIniFile;
  QString FNotesPath;
  QString FCollectionsFile;
  QString FLinkFile;
  std::unique_ptr<TItemLookup> FItemLookup;
  TGameSearchPlaces FGameSearchPlaces = SystemGameSearchPlaces();
  QString FChosenGameFolder;  // "PATHS"/"GD Install Path"
  QString FGameFolder;
  bool FUsesGameItemNames = false;
  QSize FFrameExtra;  // outer size minus client size when the size was applied

  bool FFormShowQueued = false;
  bool FFormShown = false;
  bool FClosed = false;
  bool FRefreshing = false;
  bool FCloseAfterRefresh = false;
  bool FEnded = false;
};
