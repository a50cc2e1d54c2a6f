#include "UMain.h"

#include "AppVersion.h"
#include "DialogSeam.h"
#include "Errors.h"
#include "FatalError.h"
#include "FileNames.h"
#include "GeneralError.h"
#include "ItemNameCache.h"
#include "QZ_BusyCursor.h"
#include "QZ_CentreOnScreen.h"
#include "QZ_DelimitedListBox.h"
#include "QZ_Dialog.h"
#include "QZ_Editor.h"
#include "QZ_ValueListEditor.h"
#include "TextFile.h"
#include "UButtonBar.h"
#include "UCharacterGatherer.h"
#include "UCollections.h"
#include "UEditCollector.h"
#include "UFileLocations.h"
#include "UItemLookup.h"
#include "ULinks.h"
#include "UMainSettings.h"
#include "UNoteFiles.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <memory>


namespace {

const QChar kRowDelimiter(0x00FE);  // "þ"

constexpr int kDesignClientWidth = 1410;
constexpr int kDesignClientHeight = 756;
constexpr int kButtonBarHeight = 41;
constexpr int kNotePanelWidth = 474;
constexpr int kPanelHeadingHeight = 16;
constexpr int kEquipmentPanelHeight = 335;
constexpr int kEquipmentRowHeight = 19;
constexpr int kEquipmentSeparatorRow = 12;
constexpr int kGameVersionPanelWidth = 200;
// Problems of an unreadable game listed in its warning; the rest are counted.
constexpr int kListedGameProblems = 8;

const char* const kBuiltInItemNamesText = "Updated to GD Version 1.1.9.0";
const char* const kGameItemNamesText = "Item names from the game at ";

// Thrown once a fatal file error has been reported: leaves the running
// handler without any further work.
struct TProgramEnding {};

// The character list's columns.
struct TColumnSpec {
  const char* Header;
  int Width;
  TDelimitedListModel::TAlignment Alignment;
  const char* Format;
};

const std::array<TColumnSpec, 10> kCharacterColumns{{
    {"Name", 150, TDelimitedListModel::taLeftJustify, "0þþTahomaþ8388608þ8þ1"},
    {"Title", 120, TDelimitedListModel::taLeftJustify, "0þþTahomaþ0þ8þ1"},
    {"Level", 50, TDelimitedListModel::taRightJustify, "2þ0þCourier Newþ0þ9þ0"},
    {"Sex", 50, TDelimitedListModel::taLeftJustify, "0þþTahomaþ0þ8þ0"},
    {"Class 1", 120, TDelimitedListModel::taLeftJustify, "0þþTahomaþ0þ8þ0"},
    {"Class 2", 120, TDelimitedListModel::taLeftJustify, "0þþTahomaþ0þ8þ0"},
    {"Iron", 80, TDelimitedListModel::taRightJustify, "2þ0,þCourier Newþ0þ9þ0"},
    {"Devotions", 70, TDelimitedListModel::taRightJustify, "2þ0þCourier Newþ0þ9þ0"},
    {"Difficulty", 70, TDelimitedListModel::taLeftJustify, "0þþTahomaþ0þ8þ0"},
    {"Hardcore", 5000, TDelimitedListModel::taLeftJustify, "0þþTahomaþ0þ8þ0"},
}};

// The blank key of the separator row that follows "Relic"; it is never filled.
const QString kEquipmentSeparatorKey = QStringLiteral(" ");

const char* const kAskForSavePathText =
    "You need to point to the Grim Dawn Save Directory\r\n"
    "\r\n"
    "If you are using local saves, the files will be in \r\n"
    "C:\\Users\\<username>\\Documents\\My Games\\Grim Dawn\\save\r\n"
    "\r\n"
    "If you use Steam cloud saving the files will be in somewhere like\r\n"
    "C:\\Program Files (x86)\\Steam\\userdata\\<folder of numbers>\\219990\\remote\\save";

QLabel* MakeHeading(const QString& ACaption, QWidget* AParent) {
  auto* heading = new QLabel(ACaption, AParent);
  heading->setAlignment(Qt::AlignCenter);
  heading->setFixedHeight(kPanelHeadingHeight);
  return heading;
}

QPushButton* MakeButton(const QString& AName, const QString& ACaption, QWidget* AParent) {
  auto* button = new QPushButton(ACaption, AParent);
  button->setObjectName(AName);
  return button;
}

}  // namespace

// ---------------------------------------------------------------- creation

TFMain::TFMain(const QString& AProgramFile, QWidget* AParent)
    : TFMain(PortableFileLocations(AProgramFile), AParent) {}

TFMain::TFMain(const TFileLocations& ALocations, QWidget* AParent)
    : QMainWindow(AParent), FIniFile(ALocations.IniFile), FNotesPath(ALocations.NotesPath) {
  FCollectionsFile = FNotesPath + QStringLiteral("Collections.ini");
  FLinkFile = FNotesPath + QStringLiteral("WebLinks.ini");
  setObjectName(QStringLiteral("FMain"));
  setWindowTitle(QStringLiteral("Grim Dawn Characters"));
  setFont(QFont(QStringLiteral("Tahoma"), 8));
  setMinimumSize(800, 500);
  resize(kDesignClientWidth, kDesignClientHeight);
  CreateControls();
  CreateNotesEditor();
}

TFMain::~TFMain() { FreeRowObjects(); }

void TFMain::CreateControls() {
  auto* client = new QWidget(this);
  auto* clientLayout = new QVBoxLayout(client);
  clientLayout->setContentsMargins(0, 0, 0, 0);
  clientLayout->setSpacing(0);

  auto* upper = new QHBoxLayout;
  upper->setContentsMargins(0, 0, 0, 0);
  upper->setSpacing(0);
  CreateCharacterList();
  upper->addWidget(dlbChars, 1);
  upper->addWidget(CreateNotePanel());
  clientLayout->addLayout(upper, 1);
  clientLayout->addWidget(CreateButtonBar());
  setCentralWidget(client);

  CreateStatusBar();
}

QWidget* TFMain::CreateButtonBar() {
  auto* bar = new TButtonBar(kDesignClientWidth, kButtonBarHeight, this);
  bar->setObjectName(QStringLiteral("pnButtons"));
  constexpr int top = 8;
  constexpr int height = 25;

  btnRefresh = MakeButton(QStringLiteral("btnRefresh"), QStringLiteral("Refresh"), bar);
  btnRefresh->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  btnPath = MakeButton(QStringLiteral("btnPath"), QStringLiteral("Character Save Path"), bar);
  lbSavePath = new QLabel(bar);
  lbSavePath->setObjectName(QStringLiteral("lbSavePath"));
  btnGameFolder = MakeButton(QStringLiteral("btnGameFolder"), QStringLiteral("Game Folder"), bar);
  btnGameFolder->setToolTip(QStringLiteral("Choose the folder Grim Dawn is installed in, to name items as the game does"));
  btnNotes = MakeButton(QStringLiteral("btnNotes"), QStringLiteral("General Notes"), bar);
  btnLinks = MakeButton(QStringLiteral("btnLinks"), QStringLiteral("Webpage Links"), bar);
  btnCollections = MakeButton(QStringLiteral("btnCollections"), QStringLiteral("Specialized Collectors"), bar);
  btnClose = MakeButton(QStringLiteral("btnClose"), QStringLiteral("&Close"), bar);
  btnClose->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

  bar->Place(btnRefresh, 6, 75, TButtonBar::akLeft, top, height);
  bar->Place(btnPath, 90, 143, TButtonBar::akLeft, top, height);
  bar->Place(lbSavePath, 240, 495, TButtonBar::akLeftRight, top, height);
  bar->Place(btnGameFolder, 741, 100, TButtonBar::akRight, top, height);
  bar->Place(btnNotes, 847, 153, TButtonBar::akRight, top, height);
  bar->Place(btnLinks, 1006, 153, TButtonBar::akRight, top, height);
  bar->Place(btnCollections, 1165, 153, TButtonBar::akRight, top, height);
  bar->Place(btnClose, 1324, 75, TButtonBar::akRight, top, height);

  auto guarded = [this](void (TFMain::*AHandler)()) { return [this, AHandler] { Guarded([&] { (this->*AHandler)(); }); }; };
  connect(btnRefresh, &QPushButton::clicked, this, guarded(&TFMain::btnRefreshClick));
  connect(btnPath, &QPushButton::clicked, this, guarded(&TFMain::btnPathClick));
  connect(btnGameFolder, &QPushButton::clicked, this, guarded(&TFMain::btnGameFolderClick));
  connect(btnNotes, &QPushButton::clicked, this, guarded(&TFMain::btnNotesClick));
  connect(btnLinks, &QPushButton::clicked, this, guarded(&TFMain::btnLinksClick));
  connect(btnCollections, &QPushButton::clicked, this, guarded(&TFMain::btnCollectionsClick));
  connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
  return bar;
}

QWidget* TFMain::CreateNotePanel() {
  pnNotes = new QWidget(this);
  pnNotes->setObjectName(QStringLiteral("pnNotes"));
  pnNotes->setFixedWidth(kNotePanelWidth);
  auto* layout = new QVBoxLayout(pnNotes);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  pnNoteHeader = MakeHeading(QStringLiteral("Notes"), pnNotes);
  pnNoteHeader->setObjectName(QStringLiteral("pnNoteHeader"));
  meNotes = new QPlainTextEdit(pnNotes);
  meNotes->setObjectName(QStringLiteral("meNotes"));
  meNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  meNotes->installEventFilter(this);
  pnEquipmentHeader = MakeHeading(QStringLiteral("Equipment"), pnNotes);

  pnEquipment = new QWidget(pnNotes);
  pnEquipment->setObjectName(QStringLiteral("pnEquipment"));
  pnEquipment->setFixedHeight(kEquipmentPanelHeight);
  pnEquipment->setEnabled(false);
  // The panel only takes no input; its grid stays as readable as an enabled one.
  QPalette readable = pnEquipment->palette();
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto colorRole = static_cast<QPalette::ColorRole>(role);
    readable.setColor(QPalette::Disabled, colorRole, readable.color(QPalette::Active, colorRole));
  }
  pnEquipment->setPalette(readable);
  auto* equipmentLayout = new QVBoxLayout(pnEquipment);
  equipmentLayout->setContentsMargins(0, 0, 0, 0);
  veEquipment = new TValueListEditor(pnEquipment);
  veEquipment->setObjectName(QStringLiteral("veEquipment"));
  veEquipment->SetReadOnly(true);
  veEquipment->SetTitlesVisible(false);
  veEquipment->setSelectionBehavior(QAbstractItemView::SelectRows);
  veEquipment->setSelectionMode(QAbstractItemView::SingleSelection);
  veEquipment->setShowGrid(true);
  veEquipment->verticalHeader()->setMinimumSectionSize(1);
  veEquipment->verticalHeader()->setDefaultSectionSize(kEquipmentRowHeight);
  veEquipment->horizontalHeader()->setSectionResizeMode(TValueListEditor::KeyColumn, QHeaderView::Fixed);
  veEquipment->horizontalHeader()->setStretchLastSection(true);
  veEquipment->setColumnWidth(TValueListEditor::KeyColumn, 150);
  veEquipment->setColumnWidth(TValueListEditor::ValueColumn, 310);
  for (int row = 0; row < EquipmentSlotCount; ++row) {
    if (row == kEquipmentSeparatorRow) veEquipment->AppendRow(kEquipmentSeparatorKey, QString());
    veEquipment->AppendRow(EquipmentGridRows[static_cast<std::size_t>(row)].Key, QString());
  }
  equipmentLayout->addWidget(veEquipment);

  layout->addWidget(pnNoteHeader);
  layout->addWidget(meNotes, 1);
  layout->addWidget(pnEquipmentHeader);
  layout->addWidget(pnEquipment);
  return pnNotes;
}

void TFMain::CreateCharacterList() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Mark1 = PopupMenu1->addAction(QStringLiteral("Edit Character's Specialised Collections"));
  Mark1->setObjectName(QStringLiteral("Mark1"));
  connect(Mark1, &QAction::triggered, this, [this] { Guarded([this] { Mark1Click(); }); });

  dlbChars = new TDelimitedListBox(this);
  dlbChars->setObjectName(QStringLiteral("dlbChars"));
  dlbChars->SetDelimiter(kRowDelimiter);
  dlbChars->SetAllowSorting(true);
  dlbChars->SetMultiSelect(false);
  dlbChars->SetResizableColumns(true);
  dlbChars->SetRowHeight(15);
  dlbChars->SetHeaderHeight(17);
  dlbChars->SetHeaderFont(font());
  dlbChars->SetHeaderVisible(true);
  dlbChars->SetIndicators(false);
  dlbChars->SetSecondarySortColumn(-1);
  dlbChars->SetTrimStrings(false);
  dlbChars->SetAutomaticPopup(true);
  dlbChars->SetPopupMenu(PopupMenu1);
  QStringList formats;
  for (const TColumnSpec& column : kCharacterColumns) {
    dlbChars->AddHeaderSection({QString::fromUtf8(column.Header), column.Width, column.Alignment});
    formats.append(QString::fromUtf8(column.Format));
  }
  dlbChars->SetColumnFormatEditor(formats.join(QStringLiteral("\r\n")));
  dlbChars->Loaded();

  dlbChars->OnClick = [this](TDelimitedListBox*) { Guarded([this] { dlbCharsClick(); }); };
  dlbChars->OnDblClick = [this](TDelimitedListBox*) { Guarded([this] { dlbCharsDblClick(); }); };
  dlbChars->SetBeforeSort([this](TDelimitedListModel*) { Guarded([this] { dlbCharsBeforeSort(); }); });
  dlbChars->SetAfterSort([this](TDelimitedListModel*) { Guarded([this] { dlbCharsAfterSort(); }); });
}

void TFMain::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  constexpr int widths[] = {100, 100, 200};
  for (int panel = 0; panel < 4; ++panel) {
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
    if (panel < 3) {
      label->setFixedWidth(widths[panel]);
      label->setAlignment(Qt::AlignCenter);
      bar->addWidget(label);
    } else {
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      bar->addWidget(label, 1);
    }
    FStatusPanels[panel] = label;
  }
  ShowItemNameSource();
}

// The general-notes editor: a plain text file shown modally, with save, print
// and spell check; its size comes from the settings file when the window shows.
void TFMain::CreateNotesEditor() {
  etNotes = new TEditText(this);
  etNotes->setObjectName(QStringLiteral("etNotes"));
  etNotes->SetCaption(QStringLiteral("General Notes"));
  etNotes->SetWordWrap(true);
  etNotes->SetOptions({edAllowSave, edAllowPrint, edAllowSpellCheck});
  etNotes->SetReadOnly(false);
  etNotes->SetToolBar(true);
  etNotes->SetColor(clWindow);
  etNotes->SetSource(esTextFile);
  etNotes->SetDisplayModal(true);
  etNotes->SetWidth(TMainSettings::DefaultNotesWidth);
  etNotes->SetHeight(TMainSettings::DefaultNotesHeight);
}

QSize TFMain::NotesEditorSize() const { return {etNotes->Width(), etNotes->Height()}; }

QString TFMain::StatusPanelText(TStatusPanel APanel) const { return FStatusPanels[APanel]->text(); }

void TFMain::SetStatusPanelText(TStatusPanel APanel, const QString& AText) { FStatusPanels[APanel]->setText(AText); }

QString TFMain::GeneralNotesFile() const { return FNotesPath + QStringLiteral("GeneralNotes.doc"); }

// ---------------------------------------------------------------- handler frame

void TFMain::Guarded(const std::function<void()>& AHandler) {
  if (FEnded) return;
  try {
    AHandler();
  } catch (const TProgramEnding&) {
    // Reported already; the program ends after this event.
  } catch (const std::exception& error) {
    ShowGeneralError(error);
  }
}

void TFMain::FatalFileError(const QString& AKind, const QString& AFileName, const QString& AReason) {
  FEnded = true;
  ReportFatalError(UnableToProcessMessage(AKind, AFileName, AReason));
  throw TProgramEnding{};
}

// ---------------------------------------------------------------- start-up and close

void TFMain::showEvent(QShowEvent* AEvent) {
  QMainWindow::showEvent(AEvent);
  if (FFormShowQueued) return;
  FFormShowQueued = true;
  // Runs once the window is up, so the start-up dialogs and the wait of the
  // first refresh happen over a visible, live window.
  QTimer::singleShot(0, this, [this] {
    if (FClosed || !isVisible()) return;
    Guarded([this] { FormShow(); });
    FFormShown = true;
  });
}

void TFMain::FormShow() {
  veEquipment->setCurrentCell(kEquipmentSeparatorRow, TValueListEditor::KeyColumn);
  veEquipment->selectRow(kEquipmentSeparatorRow);
  SetStatusPanelText(spVersion, ProgramVersionText());
  QDir().mkpath(FNotesPath);
  QDir().mkpath(QFileInfo(FIniFile).path());
  ReadSettings();
  LoadItemNames(GameFolderToUse());
  if (FSavePath == TMainSettings::NoSavePath()) {
    AskForSavePath();
  } else {
    RefreshCharacters();
  }
  lbSavePath->setText(FSavePath);
  if (!QFileInfo::exists(FCollectionsFile)) CreateDefaultCollections(FCollectionsFile);
  dlbCharsClick();
}

QString TFMain::MainPath() const { return FSavePath + QStringLiteral("main") + PathDelimiter(); }

void TFMain::ReadSettings() {
  const TMainSettings settings(FIniFile);
  FSavePath = settings.SavePath();
  FChosenGameFolder = settings.GameFolder();
  const QScreen* target = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  const QSize screenSize = target != nullptr ? target->geometry().size() : QSize(kDesignClientWidth, kDesignClientHeight);
  ApplyWindowSize(settings.FormSize(screenSize - QSize(100, 100)));
  const QSize notesSize = settings.NotesEditorSize();
  etNotes->SetWidth(notesSize.width());
  etNotes->SetHeight(notesSize.height());
}

void TFMain::ApplyWindowSize(const QSize& AOuterSize) {
  FFrameExtra = frameGeometry().size() - geometry().size();
  resize(AOuterSize - FFrameExtra);
  CentreOnItsScreen(*this);
}

QSize TFMain::OuterSize() const { return size() + FFrameExtra; }

void TFMain::AskForSavePath() {
  Dialog::Warning(QString::fromUtf8(kAskForSavePathText), false, this);
  btnPathClick();
}

void TFMain::closeEvent(QCloseEvent* AEvent) {
  if (FRefreshing) {
    // Closing now would free what the waiting refresh still fills in.
    FCloseAfterRefresh = true;
    AEvent->ignore();
    return;
  }
  // Before start-up has run there is nothing to save, and the settings file
  // must not get default sizes in place of the stored ones.
  if (!FClosed && FFormShown) {
    FClosed = true;
    Guarded([this] { FormClose(); });
  }
  AEvent->accept();
}

void TFMain::FormClose() {
  meNotesExit();
  FreeRowObjects();
  dlbChars->Clear();
  WriteCloseSettings();
  FItemLookup.reset();
}

// Writes to the settings file; a failed write is a fatal report.
void TFMain::WriteSettings(const std::function<void(TMainSettings&)>& AWrite) {
  TMainSettings settings(FIniFile);
  try {
    AWrite(settings);
  } catch (const EError& error) {
    FatalFileError(QStringLiteral("INI"), FIniFile, error.Message());
  }
}

void TFMain::WriteCloseSettings() {
  WriteSettings([this](TMainSettings& settings) {
    settings.WriteFormSize(OuterSize());
    settings.WriteNotesEditorSize(NotesEditorSize());
  });
}

// ---------------------------------------------------------------- buttons

// Asks for a folder with the folder picker; false when none was chosen.
bool TFMain::PickFolder(const QString& ATitle, const QString& APickerName, const QString& AStart, QString& AFolder) {
  QFileDialog picker(this, ATitle);
  picker.setObjectName(APickerName);
  picker.setFileMode(QFileDialog::Directory);
  picker.setOption(QFileDialog::ShowDirsOnly, true);
  picker.setDirectory(AStart);
  if (DialogSeam::Exec(picker) != QDialog::Accepted) return false;
  const QStringList chosen = picker.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
  AFolder = QDir::toNativeSeparators(chosen.first());
  return true;
}

void TFMain::btnPathClick() {
  if (FRefreshing) return;
  QString folder;
  if (!PickFolder(QStringLiteral("Select the GRIM DAWN Save Directory"), QStringLiteral("SaveFolderPicker"),
                  SaveFolderPickerStart(), folder))
    return;
  FSavePath = IncludeTrailingPathDelimiter(folder);
  lbSavePath->setText(FSavePath);
  WriteSettings([this](TMainSettings& settings) { settings.WriteSavePath(FSavePath); });
  // A save folder inside the game's Proton prefix can show where the game is.
  if (FGameFolder.isEmpty()) {
    const QString gameFolder = GameFolderToUse();
    if (!gameFolder.isEmpty()) LoadItemNames(gameFolder);
  }
  RefreshCharacters();
  // The memo still holds the note of a character of the old list; showing
  // the selected row keeps the next memo exit from saving it under the name
  // of whatever character now sits at that position.
  dlbCharsClick();
}

// Until a save directory is chosen, the picker starts in the first save
// folder found on this computer.
QString TFMain::SaveFolderPickerStart() const {
  if (FSavePath != TMainSettings::NoSavePath()) return FSavePath;
  const QString suggested = TGameLocations(FGameSearchPlaces).SuggestedSaveFolder();
  return suggested.isEmpty() ? FSavePath : suggested;
}

// The chosen folder is stored and its names replace those in use; the list
// is refreshed so the equipment is named anew.
void TFMain::btnGameFolderClick() {
  if (FRefreshing) return;
  QString folder;
  if (!PickFolder(QStringLiteral("Select the GRIM DAWN Game Folder"), QStringLiteral("GameFolderPicker"),
                  FGameFolder.isEmpty() ? FGameSearchPlaces.Home : FGameFolder, folder))
    return;
  FChosenGameFolder = folder;
  WriteSettings([&folder](TMainSettings& settings) { settings.WriteGameFolder(folder); });
  LoadItemNames(folder);
  btnRefreshClick();
}

void TFMain::btnNotesClick() {
  const QString fileName = GeneralNotesFile();
  if (!QFileInfo::exists(fileName)) WriteFileBytesAtomic(fileName, QByteArray());
  etNotes->SetFileName(fileName);
  // Modal; when it closes the editor keeps the window's last size for FormClose.
  etNotes->Execute(this);
}

void TFMain::RunDialogWindow(QDialog& AWindow) { DialogSeam::Exec(AWindow); }

void TFMain::btnCollectionsClick() {
  TFCollections window(nullptr, this);
  window.SetCollectionsFile(FCollectionsFile);
  RunDialogWindow(window);
}

void TFMain::btnLinksClick() {
  TFLinks window(nullptr, this);
  window.SetLinkFile(FLinkFile);
  RunDialogWindow(window);
}

void TFMain::Mark1Click() {
  if (dlbChars->ItemIndex() == -1) return;
  TFEditCollector window(nullptr, this);
  window.SetCollectionsFile(FCollectionsFile);
  window.SetCharacter(dlbChars->GetField(dlbChars->ItemIndex(), 0));
  RunDialogWindow(window);
}

// ---------------------------------------------------------------- item names

// The folder chosen by hand, else the one found on this computer.
QString TFMain::GameFolderToUse() const {
  if (!FChosenGameFolder.isEmpty()) return FChosenGameFolder;
  return QDir::toNativeSeparators(TGameLocations(FGameSearchPlaces).FindGameFolder(FSavePath));
}

// The built-in names with the game's merged in, from the cache in the Notes
// folder while the game files are unchanged. A game whose files cannot all be
// read is reported once and adds nothing: names from part of its layers could
// be those of items a later layer renames, and the built-in table is whole.
void TFMain::LoadItemNames(const QString& AGameFolder) {
  FGameFolder = AGameFolder;
  FUsesGameItemNames = false;
  QStringList gameLines;
  if (!AGameFolder.isEmpty()) {
    TItemNameCacheResult names;
    {
      const TBusyCursor busy;
      try {
        names = LoadOrBuildItemNameCache(AGameFolder, FNotesPath + QLatin1String(ItemNameCacheFileName));
      } catch (const std::exception& error) {
        names.Outcome = TItemNameCacheOutcome::Failed;
        names.Problems = QStringList{QString::fromLocal8Bit(error.what())};
      }
    }
    if (names.Outcome == TItemNameCacheOutcome::Failed) {
      ReportUnreadableGame(AGameFolder, names.Problems);
    } else {
      gameLines = std::move(names.Lines);
      FUsesGameItemNames = true;
    }
  }
  FItemLookup = std::make_unique<TItemLookup>(TItemNames(gameLines));
  ShowItemNameSource();
}

void TFMain::ReportUnreadableGame(const QString& AGameFolder, const QStringList& AProblems) {
  QStringList lines{QStringLiteral("The item names could not be read from the game at ") +
                        QDir::toNativeSeparators(AGameFolder) + QLatin1Char(':'),
                    QString()};
  lines += AProblems.first(std::min<qsizetype>(AProblems.size(), kListedGameProblems));
  if (AProblems.size() > kListedGameProblems) {
    lines << QStringLiteral("and %1 more").arg(AProblems.size() - kListedGameProblems);
  }
  lines << QString() << QStringLiteral("The built-in item names are used.");
  Dialog::Warning(lines.join(QStringLiteral("\r\n")), false, this);
}

// Status panel 2 tells where the item names come from; it widens to show the
// whole game folder.
void TFMain::ShowItemNameSource() {
  QLabel* panel = FStatusPanels[spGameVersion];
  const QString text = FUsesGameItemNames
                           ? QString::fromUtf8(kGameItemNamesText) + QDir::toNativeSeparators(FGameFolder)
                           : QString::fromUtf8(kBuiltInItemNamesText);
  panel->setText(text);
  panel->setToolTip(FUsesGameItemNames ? text : QString());
  panel->setFixedWidth(std::max(kGameVersionPanelWidth, panel->sizeHint().width()));
}

// ---------------------------------------------------------------- refresh

void TFMain::FreeRowObjects() {
  TStringList& items = dlbChars->Items();
  for (int row = 0; row < items.Count(); ++row) {
    delete items.Objects(row);
    items.PutObject(row, nullptr);
  }
}

void TFMain::RefreshCharacters() {
  // Events are handled while the workers run; a refresh asked for meanwhile
  // would clear the list under the one that waits, so it is refused.
  if (FRefreshing) return;
  FRefreshing = true;
  // The memo still shows a note of the old list, which is empty meanwhile:
  // text typed now could be saved under no one, so the memo takes none.
  const bool memoReadOnly = meNotes->isReadOnly();
  meNotes->setReadOnly(true);
  struct TRefreshEnd {
    TFMain* Window;
    bool MemoReadOnly;
    ~TRefreshEnd() {
      Window->meNotes->setReadOnly(MemoReadOnly);
      Window->FRefreshing = false;
      if (Window->FCloseAfterRefresh) {
        Window->FCloseAfterRefresh = false;
        QTimer::singleShot(0, Window, &QWidget::close);
      }
    }
  } refreshEnd{this, memoReadOnly};

  FreeRowObjects();
  dlbChars->Clear();
  FillCharacterList();
}

void TFMain::FillCharacterList() {
  // A character whose worker failed has no row; the failures are not shown.
  if (!FItemLookup) FItemLookup = std::make_unique<TItemLookup>(TItemNames());
  TGatherResult gathered = GatherCharacters(MainPath(), FNotesPath, *FItemLookup);
  TUpdateScope update(dlbChars->Items());
  for (TGatheredCharacter& character : gathered.Characters) {
    dlbChars->Items().AddObject(character.Row, character.Equipment.release());
  }
  SetStatusPanelText(spCharacterCount, QString::number(dlbChars->RowCount()) + QStringLiteral(" Characters"));
}

void TFMain::btnRefreshClick() {
  if (FRefreshing) return;
  const int selected = dlbChars->ItemIndex();
  const QString name = selected == -1 ? QString() : dlbChars->GetField(selected, 0);
  {
    const TBusyCursor busy;
    RefreshCharacters();
  }
  dlbChars->SetItemIndex(dlbChars->IndexOfField(name, 0));
  dlbCharsClick();
}

// ---------------------------------------------------------------- selected character

void TFMain::dlbCharsClick() {
  const int row = dlbChars->ItemIndex();
  if (row == -1) return;
  const QString name = dlbChars->GetField(row, 0);
  pnNoteHeader->setText(name + QStringLiteral(" - Notes"));
  meNotes->clear();
  const QString fileName = NoteFileName(FNotesPath, name);
  if (QFileInfo::exists(fileName)) {
    try {
      meNotes->setPlainText(ReadNoteText(fileName));
    } catch (const EError& error) {
      FatalFileError(QStringLiteral("NOTES"), fileName, error.Message());
    }
  }
  ShowEquipmentOf(row);
  dlbChars->SetFocus();
}

void TFMain::ShowEquipmentOf(int ARow) {
  const auto* equipment = dynamic_cast<const TEquipment*>(dlbChars->Items().Objects(ARow));
  for (const TEquipmentGridRow& row : EquipmentGridRows) {
    veEquipment->SetValue(veEquipment->FindRow(row.Key), equipment != nullptr ? equipment->*row.Field : QString());
  }
}

void TFMain::meNotesExit() {
  const int row = dlbChars->ItemIndex();
  if (row == -1) return;
  const QString name = dlbChars->GetField(row, 0);
  pnNoteHeader->setText(name + QStringLiteral(" - Notes"));
  const QString fileName = NoteFileName(FNotesPath, name);
  try {
    WriteNoteText(fileName, meNotes->toPlainText());
  } catch (const EError& error) {
    FatalFileError(QStringLiteral("NOTES"), fileName, error.Message());
  }
}

void TFMain::dlbCharsDblClick() { meNotes->setFocus(Qt::OtherFocusReason); }

void TFMain::dlbCharsBeforeSort() { meNotesExit(); }

void TFMain::dlbCharsAfterSort() { dlbCharsClick(); }

bool TFMain::eventFilter(QObject* AWatched, QEvent* AEvent) {
  if (AWatched == meNotes && AEvent->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(AEvent)->reason();
    // Only a move of the focus to another control of the window leaves the memo.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      Guarded([this] { meNotesExit(); });
    }
  }
  return QMainWindow::eventFilter(AWatched, AEvent);
}
