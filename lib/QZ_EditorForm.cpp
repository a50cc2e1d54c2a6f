#include "QZ_EditorForm.h"

#include "DialogSeam.h"
#include "Errors.h"
#include "GeneralError.h"
#include "QZ_CentreOnScreen.h"
#include "QZ_Dialog.h"
#include "QZ_EditorImages.h"
#include "QZ_FindDialog.h"
#include "QZ_PaletteColor.h"
#include "QZ_KwikPrint.h"
#include "QZ_SpellChk.h"
#include "TextCompare.h"
#include "TextFile.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kPanelWidths[TEditTextForm::PanelCount] = {100, 100, 100, 100, 50};
constexpr int kSeparatorWidth = 8;

const QString kModifiedText = QStringLiteral("Modified");
const QString kSavedText = QStringLiteral("Saved");

// The text with its paragraph and line separators as "\n"; unlike
// toPlainText it keeps non-breaking spaces as typed. Positions match the
// document's own.
QString DocumentText(const QTextDocument& ADocument) {
  QString text = ADocument.toRawText();
  for (QChar& c : text) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
  }
  return text;
}

// Every line followed by a line break, as the text area holds a document.
QString LinesToText(const QStringList& ALines) {
  QString text;
  for (const QString& line : ALines) {
    text += line;
    text += u'\n';
  }
  return text;
}

bool IsWordCharacter(QChar AChar) { return AChar.isLetterOrNumber() || AChar == u'_'; }

bool IsWholeWord(const QString& AText, qsizetype AStart, qsizetype ALength) {
  const qsizetype end = AStart + ALength;
  const bool startsWord = AStart == 0 || !IsWordCharacter(AText[AStart - 1]);
  const bool endsWord = end >= AText.size() || !IsWordCharacter(AText[end]);
  return startsWord && endsWord;
}

// The first match of AWhat lying wholly inside [AFrom, ATo), or -1.
qsizetype FindInRange(const QString& AText, const QString& AWhat, qsizetype AFrom, qsizetype ATo, bool AMatchCase,
                      bool AWholeWord) {
  if (AWhat.isEmpty() || AFrom < 0) return -1;
  const Qt::CaseSensitivity sensitivity = AMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (qsizetype from = AFrom; from + AWhat.size() <= ATo; ++from) {
    const qsizetype match = AText.indexOf(AWhat, from, sensitivity);
    if (match < 0 || match + AWhat.size() > ATo) return -1;
    if (!AWholeWord || IsWholeWord(AText, match, AWhat.size())) return match;
    from = match;
  }
  return -1;
}

bool IsAsciiCapital(QChar AChar) { return AChar >= u'A' && AChar <= u'Z'; }

// Changes only the letters A to Z and a to z.
QString AsciiCase(const QString& AText, bool AToLower) {
  QString result = AText;
  for (QChar& c : result) {
    if (AToLower && IsAsciiCapital(c)) c = QChar(c.unicode() + 32);
    if (!AToLower && c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  }
  return result;
}

// Replaces the text of one line of the document, its line break kept.
void ReplaceBlockText(QTextDocument& ADocument, int ABlockNumber, const QString& AText) {
  const QTextBlock block = ADocument.findBlockByNumber(ABlockNumber);
  QTextCursor cursor(&ADocument);
  cursor.setPosition(block.position());
  cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  cursor.insertText(AText);
}

}  // namespace

TEditTextForm::TEditTextForm(QObject* AOwner, bool AIsModal, TEditData* AEditData)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                           Qt::WindowCloseButtonHint),
      FIsModal(AIsModal),
      FEditData(AEditData) {
  setObjectName(QStringLiteral("EditTextForm"));
  setWindowTitle(QStringLiteral("EditTextForm"));
  // A non-modal window is a top-level window of its own; its owner only frees it.
  if (!FIsModal) setAttribute(Qt::WA_DeleteOnClose);
  if (AOwner != nullptr) connect(AOwner, &QObject::destroyed, this, [this] { delete this; });
  CreateControls();
  CreateSpellChecker();
  CreatePrinter();
  resize(542, 426);
}

TEditTextForm::~TEditTextForm() {
  if (OpenEditTextForm() == this) SetOpenEditTextForm(nullptr);
}

// ---------------------------------------------------------------- building

void TEditTextForm::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* menuBar = new QMenuBar(this);
  menuBar->setObjectName(QStringLiteral("MainMenu1"));
  layout->setMenuBar(menuBar);

  FMemo = new QPlainTextEdit(this);
  FMemo->setObjectName(QStringLiteral("Memo"));
  QFont memoFont(QStringLiteral("Courier New"), 9);
  memoFont.setStyleHint(QFont::Monospace);
  FMemo->setFont(memoFont);
  FMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FMemo->setContextMenuPolicy(Qt::CustomContextMenu);
  FMemo->installEventFilter(this);
  connect(FMemo, &QPlainTextEdit::textChanged, this, [this] {
    if (FMemoChangeAttached) MemoChange();
  });
  connect(FMemo, &QPlainTextEdit::selectionChanged, this, &TEditTextForm::MemoSelectionChange);
  connect(FMemo, &QPlainTextEdit::cursorPositionChanged, this, &TEditTextForm::MemoSelectionChange);
  connect(FMemo, &QWidget::customContextMenuRequested, this, &TEditTextForm::ShowPopupMenu);

  CreateMainMenu(menuBar);
  CreatePopupMenu();
  CreateToolBar();

  layout->addWidget(FToolbar);
  layout->addWidget(FMemo, 1);
  layout->addWidget(CreateStatusBar());

  FFindDialog = new TFindDialog(this);
  FFindDialog->setObjectName(QStringLiteral("FindDialog1"));
  connect(FFindDialog, &TFindDialog::FindNext, this, &TEditTextForm::FindDialog1Find);
}

QAction* TEditTextForm::MakeAction(const char* AName, const QString& AText, void (TEditTextForm::*AHandler)()) {
  auto* action = new QAction(AText, this);
  action->setObjectName(QString::fromLatin1(AName));
  connect(action, &QAction::triggered, this, AHandler);
  return action;
}

// The shortcut is shown in the menu only; the window matches the keys itself
// (DispatchMenuKey), so that hidden items keep their keys and the text area
// never sees them.
QAction* TEditTextForm::AddMenuItem(QMenu* AMenu, const char* AName, const QString& ACaption,
                                    const QKeySequence& AShortcut, void (TEditTextForm::*AHandler)()) {
  QAction* action = MakeAction(AName, ACaption, AHandler);
  if (!AShortcut.isEmpty()) {
    action->setShortcut(AShortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    FMenuKeys.push_back({AShortcut, [this, AHandler] { (this->*AHandler)(); }});
  }
  AMenu->addAction(action);
  return action;
}

void TEditTextForm::CreateMainMenu(QMenuBar* AMenuBar) {
  QMenu* file = AMenuBar->addMenu(QStringLiteral("&File"));
  OpenFile1 = AddMenuItem(file, "OpenFile1", QStringLiteral("&Open File"), QKeySequence(Qt::CTRL | Qt::Key_O),
                          &TEditTextForm::OpenFile1Click);
  NewFile1 = AddMenuItem(file, "NewFile1", QStringLiteral("&New File"), QKeySequence(Qt::CTRL | Qt::Key_N),
                         &TEditTextForm::NewFile1Click);
  Save1 = AddMenuItem(file, "Save1", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                      &TEditTextForm::Save1Click);
  SaveAs1 = AddMenuItem(file, "SaveAs1", QStringLiteral("Save &As"), QKeySequence(Qt::CTRL | Qt::Key_V),
                        &TEditTextForm::SaveAs1Click);
  file->addSeparator()->setObjectName(QStringLiteral("N4"));
  SpellCheck1 =
      AddMenuItem(file, "SpellCheck1", QStringLiteral("Spell Check"), {}, &TEditTextForm::btnSpellClick);
  file->addSeparator()->setObjectName(QStringLiteral("N2"));
  PrinterSetup1 =
      AddMenuItem(file, "PrinterSetup1", QStringLiteral("Printer Set&up"), {}, &TEditTextForm::PrinterSetup1Click);
  Print1 = AddMenuItem(file, "Print1", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P),
                       &TEditTextForm::Print1Click);
  file->addSeparator()->setObjectName(QStringLiteral("N3"));
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X),
                      &TEditTextForm::Exit1Click);

  QMenu* edit = AMenuBar->addMenu(QStringLiteral("&Edit"));
  Undo1 = AddMenuItem(edit, "Undo1", QStringLiteral("&Undo"), QKeySequence(Qt::ALT | Qt::Key_Backspace),
                      &TEditTextForm::Undo1Click);
  Cut1 = AddMenuItem(edit, "Cut1", QStringLiteral("Cu&t"), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
                     &TEditTextForm::Cut1Click);
  Copy1 = AddMenuItem(edit, "Copy1", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_Insert),
                      &TEditTextForm::Copy1Click);
  Paste1 = AddMenuItem(edit, "Paste1", QStringLiteral("&Paste"), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
                       &TEditTextForm::Paste1Click);

  QMenu* search = AMenuBar->addMenu(QStringLiteral("&Search"));
  Find1 = AddMenuItem(search, "Find1", QStringLiteral("&Find"), QKeySequence(Qt::CTRL | Qt::Key_F),
                      &TEditTextForm::Find1Click);

  QMenu* format = AMenuBar->addMenu(QStringLiteral("For&mat"));
  Font2 = AddMenuItem(format, "Font2", QStringLiteral("&Font"), {}, &TEditTextForm::Font1Click);
  WordWrap1 = AddMenuItem(format, "WordWrap1", QStringLiteral("&Word Wrap"), QKeySequence(Qt::CTRL | Qt::Key_W),
                          &TEditTextForm::WordWrap1Click);
  // The handler sets the check itself from the text area's state.
  WordWrap1->setCheckable(true);
  Sort1 = AddMenuItem(format, "Sort1", QStringLiteral("&Sort"), {}, &TEditTextForm::Sort1Click);
  ToggleCase1 = AddMenuItem(format, "ToggleCase1", QStringLiteral("&Toggle Case"), {}, &TEditTextForm::btnUpperClick);

  const std::pair<QAction*, TEditorImage> images[] = {
      {OpenFile1, TEditorImage::OpenFile}, {NewFile1, TEditorImage::NewFile},  {Save1, TEditorImage::SaveFile},
      {SaveAs1, TEditorImage::SaveAs},     {SpellCheck1, TEditorImage::SpellCheck}, {Print1, TEditorImage::Print},
      {Undo1, TEditorImage::Undo},         {Cut1, TEditorImage::Cut},          {Copy1, TEditorImage::Copy},
      {Paste1, TEditorImage::Paste},       {Find1, TEditorImage::Find},        {Font2, TEditorImage::Font},
      {WordWrap1, TEditorImage::WordWrap}, {Sort1, TEditorImage::Sort},        {ToggleCase1, TEditorImage::ToggleCase},
  };
  for (const auto& [action, image] : images) action->setIcon(EditorImage(image));
}

void TEditTextForm::CreatePopupMenu() {
  FPopupMenu1 = new QMenu(this);
  FPopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Undo2 = MakeAction("Undo2", QStringLiteral("&Undo"), &TEditTextForm::Undo1Click);
  Cut2 = MakeAction("Cut2", QStringLiteral("Cu&t"), &TEditTextForm::Cut1Click);
  Copy2 = MakeAction("Copy2", QStringLiteral("&Copy"), &TEditTextForm::Copy1Click);
  Paste2 = MakeAction("Paste2", QStringLiteral("&Paste"), &TEditTextForm::Paste1Click);
  Find2 = MakeAction("Find2", QStringLiteral("&Find"), &TEditTextForm::Find1Click);
  FPopupMenu1->addActions({Undo2, Cut2, Copy2, Paste2});
  FPopupMenu1->addSeparator()->setObjectName(QStringLiteral("N1"));
  FPopupMenu1->addAction(Find2);
}

QAction* TEditTextForm::AddButton(const char* AName, const QString& AHint, TEditorImage AImage,
                                  void (TEditTextForm::*AHandler)()) {
  QAction* action = MakeAction(AName, AHint, AHandler);
  action->setIcon(EditorImage(AImage));
  action->setToolTip(AHint);
  FToolbar->addAction(action);
  return action;
}

QFrame* TEditTextForm::AddSeparator(const char* AName) {
  auto* separator = new QFrame(FToolbar);
  separator->setObjectName(QString::fromLatin1(AName));
  separator->setFrameShape(QFrame::VLine);
  separator->setFrameShadow(QFrame::Sunken);
  separator->setFixedWidth(kSeparatorWidth);
  FToolbar->addWidget(separator);
  return separator;
}

void TEditTextForm::CreateToolBar() {
  FToolbar = new QToolBar(this);
  FToolbar->setObjectName(QStringLiteral("Toolbar"));
  FToolbar->setMovable(false);
  FToolbar->setFloatable(false);
  FToolbar->setIconSize(QSize(16, 16));
  FToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);

  OpenBtn = AddButton("OpenBtn", QStringLiteral("Open File"), TEditorImage::OpenFile, &TEditTextForm::OpenFile1Click);
  NewBtn = AddButton("NewBtn", QStringLiteral("New File"), TEditorImage::NewFile, &TEditTextForm::NewFile1Click);
  SaveBtn = AddButton("SaveBtn", QStringLiteral("Save File"), TEditorImage::SaveFile, &TEditTextForm::Save1Click);
  SaveAsBtn = AddButton("SaveAsBtn", QStringLiteral("Save As"), TEditorImage::SaveAs, &TEditTextForm::SaveAs1Click);
  PrtBtn = AddButton("PrtBtn", QStringLiteral("Print Text"), TEditorImage::Print, &TEditTextForm::Print1Click);
  FSep = AddSeparator("Sep");
  ToolButton3 = AddButton("ToolButton3", QStringLiteral("Cut Text"), TEditorImage::Cut, &TEditTextForm::Cut1Click);
  ToolButton4 = AddButton("ToolButton4", QStringLiteral("Copy Text to Clipboard"), TEditorImage::Copy,
                          &TEditTextForm::Copy1Click);
  ToolButton5 = AddButton("ToolButton5", QStringLiteral("Paste from Clipboard"), TEditorImage::Paste,
                          &TEditTextForm::Paste1Click);
  ToolButton10 =
      AddButton("ToolButton10", QStringLiteral("Undo Last Change"), TEditorImage::Undo, &TEditTextForm::Undo1Click);
  AddSeparator("ToolButton6");
  FindBtn = AddButton("FindBtn", QStringLiteral("Find Text"), TEditorImage::Find, &TEditTextForm::Find1Click);
  AddSeparator("ToolButton8");
  ToolButton9 = AddButton("ToolButton9", QStringLiteral("Change Font"), TEditorImage::Font, &TEditTextForm::Font1Click);
  WordWrap2 = AddButton("WordWrap2", QStringLiteral("Toggle Word Wrapping"), TEditorImage::WordWrap,
                        &TEditTextForm::WordWrap1Click);
  WordWrap2->setCheckable(true);
  Sort2 = AddButton("Sort2", QStringLiteral("Sort File"), TEditorImage::Sort, &TEditTextForm::Sort1Click);
  btnUpper = AddButton("btnUpper", QStringLiteral("Toggle Case"), TEditorImage::ToggleCase,
                       &TEditTextForm::btnUpperClick);
  AddSeparator("ToolButton1");
  btnSpell = AddButton("btnSpell", QStringLiteral("Spell Check"), TEditorImage::SpellCheck,
                       &TEditTextForm::btnSpellClick);
  FToolbar->hide();
}

QWidget* TEditTextForm::CreateStatusBar() {
  auto* statusBar = new QStatusBar(this);
  statusBar->setObjectName(QStringLiteral("StatusBar1"));
  for (int i = 0; i < PanelCount; ++i) {
    auto* panel = new QLabel(statusBar);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setFixedWidth(kPanelWidths[i]);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    if (i == PanelModified || i == PanelSaved) panel->setAlignment(Qt::AlignCenter);
    statusBar->addWidget(panel);
    FPanels[std::size_t(i)] = panel;
  }
  return statusBar;
}

void TEditTextForm::CreateSpellChecker() {
  FSpellCheck = new TSpellChecker(this);
  FSpellCheck->setObjectName(QStringLiteral("SpellCheck"));
  FSpellCheck->SetEngine(engAutoDetect);
  FSpellCheck->SetLanguage(wdEnglishUS);
  FSpellCheck->SetCompletedMessage(true);
  FSpellCheck->SetColor(ResolveColor(clWindow, palette()));
  FSpellCheck->SetDictionary(QStringLiteral("CUSTOM.DIC"));
  FSpellCheck->SetFont(font());
  FSpellCheck->SetReplaceDialog(repDefault);
  // A custom-words file that cannot be read costs the spell check, not the
  // editor: the checker stays inactive and its commands disabled.
  try {
    FSpellCheck->Loaded();
  } catch (const std::exception& error) {
    ShowGeneralError(error);
  }
}

void TEditTextForm::CreatePrinter() {
  FKwikPrint = new TKwikPrint(this);
  FKwikPrint->setObjectName(QStringLiteral("KwikPrint1"));
  QFont printFont(QStringLiteral("MS Sans Serif"), 8);
  printFont.setStyleHint(QFont::SansSerif);
  FKwikPrint->DefaultFont = printFont;
  FKwikPrint->AutoPaging = true;
  FKwikPrint->AutoAdjustAreas = true;
  FKwikPrint->DateFormat = TKwikPrint::DefaultDateFormat;
  FKwikPrint->HeaderRecord.Enabled = false;
  FKwikPrint->FooterRecord.Enabled = false;
  FKwikPrint->PageNumberRecord.Enabled = false;
  FKwikPrint->DateFieldRecord.Enabled = false;
  FKwikPrint->Framed = false;
  FKwikPrint->ColumnLines = false;
  FKwikPrint->RefreshProperties();
}

// ---------------------------------------------------------------- configuration

void TEditTextForm::SetOuterSize(int AWidth, int AHeight) {
  FFrameExtra = frameGeometry().size() - geometry().size();
  resize(std::max(1, AWidth - FFrameExtra.width()), std::max(1, AHeight - FFrameExtra.height()));
}

// The frame measured when the size was set counts both ways, so a window
// reopened at the size it was left at opens exactly that size.
QSize TEditTextForm::OuterSize() const { return size() + FFrameExtra; }

void TEditTextForm::SetWordWrap(bool AWrap) {
  FMemo->setLineWrapMode(AWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  FMemo->setHorizontalScrollBarPolicy(AWrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  WordWrap1->setChecked(AWrap);
  WordWrap2->setChecked(AWrap);
}

bool TEditTextForm::WordWrap() const { return FMemo->lineWrapMode() != QPlainTextEdit::NoWrap; }

void TEditTextForm::SetReadOnly(bool AReadOnly) {
  FMemo->setReadOnly(AReadOnly);
  if (!AReadOnly) return;
  for (QAction* action : {Undo1, Undo2, Sort1, Sort2, Cut1, Cut2, ToolButton3, Paste1, Paste2, ToolButton5,
                          ToolButton10, btnUpper, ToggleCase1}) {
    action->setVisible(false);
  }
}

void TEditTextForm::ApplyOptions(TEditTextOptionsSet AOptions, bool AReadOnly) {
  if (AOptions.IsEmpty()) FSep->setFixedWidth(1);

  const bool spellCheck = AOptions.Contains(edAllowSpellCheck);
  btnSpell->setVisible(spellCheck);
  SpellCheck1->setVisible(spellCheck);
  btnSpell->setEnabled(FSpellCheck->Active());
  SpellCheck1->setEnabled(FSpellCheck->Active());

  const auto show = [](QAction* AButton, std::initializer_list<QAction*> AItems, bool AVisible) {
    AButton->setVisible(AVisible);
    for (QAction* item : AItems) item->setVisible(AVisible);
  };
  show(SaveBtn, {Save1}, AOptions.Contains(edAllowSave));
  show(SaveAsBtn, {SaveAs1}, AOptions.Contains(edAllowSaveAs));
  show(OpenBtn, {OpenFile1}, AOptions.Contains(edAllowOpen));
  show(NewBtn, {NewFile1}, AOptions.Contains(edAllowNew));
  show(PrtBtn, {Print1, PrinterSetup1}, AOptions.Contains(edAllowPrint));
  show(Sort2, {Sort1}, AOptions.Contains(edAllowSorting) && !AReadOnly);
}

void TEditTextForm::SetToolBarVisible(bool AVisible) { FToolbar->setVisible(AVisible); }

void TEditTextForm::SetTextAreaColor(TColor AColor) {
  QPalette colors = FMemo->palette();
  colors.setColor(QPalette::Base, ResolveColor(AColor, colors));
  FMemo->setPalette(colors);
}

QStringList TEditTextForm::Lines() const { return SplitLines(DocumentText(*FMemo->document())); }

void TEditTextForm::SaveLinesToFile(const QString& AFileName) const { WriteTextFileLines(AFileName, Lines()); }

void TEditTextForm::ClearText() { FMemo->clear(); }

QString TEditTextForm::StatusText(int APanel) const {
  if (APanel < 0 || APanel >= PanelCount) return {};
  return FPanels[std::size_t(APanel)]->text();
}

// ---------------------------------------------------------------- window events

void TEditTextForm::reject() { close(); }

void TEditTextForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only the program's own first showing; a window restored by the window
  // system keeps its text.
  if (event->spontaneous() || FFormShown) return;
  FFormShown = true;
  CentreOnItsScreen(*this);
  FormShow();
}

void TEditTextForm::closeEvent(QCloseEvent* event) {
  if (!FormClose()) {
    event->ignore();
    return;
  }
  setResult(QDialog::Rejected);
  event->accept();
}

void TEditTextForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}

// Keys that reach the window itself (the focus is not in the text area):
// the menu shortcuts, and Escape does not close the window.
void TEditTextForm::keyPressEvent(QKeyEvent* event) {
  if (DispatchMenuKey(event)) return;
  QWidget::keyPressEvent(event);
}

bool TEditTextForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FMemo && event->type() == QEvent::ShortcutOverride) {
    // Claim the menu keys before any application shortcut takes them.
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsMenuKey(*key)) {
      event->accept();
      return true;
    }
  }
  if (watched == FMemo && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (DispatchMenuKey(key) || MemoKeyDown(key)) return true;
  }
  return QDialog::eventFilter(watched, event);
}

QKeySequence TEditTextForm::PressedKey(const QKeyEvent& AEvent) {
  const Qt::KeyboardModifiers modifiers = AEvent.modifiers() & ~Qt::KeypadModifier;
  return QKeySequence(QKeyCombination(modifiers, Qt::Key(AEvent.key())));
}

bool TEditTextForm::IsMenuKey(const QKeyEvent& AEvent) const {
  const QKeySequence pressed = PressedKey(AEvent);
  return std::any_of(FMenuKeys.begin(), FMenuKeys.end(), [&](const TMenuKey& AKey) { return AKey.Key == pressed; });
}

bool TEditTextForm::DispatchMenuKey(QKeyEvent* AEvent) {
  const QKeySequence pressed = PressedKey(*AEvent);
  for (const TMenuKey& key : FMenuKeys) {
    if (key.Key == pressed) {
      key.Handler();
      return true;
    }
  }
  return false;
}

void TEditTextForm::FormShow() {
  DetachMemoChange();
  SetMemoLines(FEditData->Text != nullptr ? FEditData->Text->ToStringList() : QStringList());
  SaveOk = true;
  SetPanel(PanelModified, {});
  SetPanel(PanelSaved, {});
  Saved = true;
  FEditData->Modified = false;
  SetCutCopyEnabled(false);
  SetUndoEnabled(false);
  ShowCaption();
  Call(OnShow, this);
  QCoreApplication::processEvents();
  FMemo->setFocus(Qt::OtherFocusReason);
  SelectRange(0, 0);
  FMemo->ensureCursorVisible();
  UpdateStatus();
  AttachMemoChange();
}

bool TEditTextForm::FormClose() {
  const QSize outer = OuterSize();
  FEditData->Width = outer.width();
  FEditData->Height = outer.height();
  if (SaveAllowed && FEditData->Modified && !Saved &&
      !Dialog::Confirm(QStringLiteral("Do you wish to Exit without Saving Changes"), false, false, false, this)) {
    return false;
  }
  Call(OnClose, this);
  if (!FIsModal && OpenEditTextForm() == this) SetOpenEditTextForm(nullptr);
  if (FEditData->Text != nullptr) {
    FEditData->Text->Clear();
    FEditData->Text->AddStrings(Lines());
  }
  return true;
}

void TEditTextForm::FormResize() {
  if (FMemo != nullptr) UpdateStatus();
}

void TEditTextForm::MemoChange() {
  Saved = false;
  SetPanel(PanelSaved, {});
  SetUndoEnabled(FMemo->document()->isUndoAvailable());
  FEditData->Modified = FMemo->document()->isModified();
  SetPanel(PanelModified, FEditData->Modified ? kModifiedText : QString());
  Call(OnChange, this);
}

void TEditTextForm::MemoSelectionChange() {
  SetCutCopyEnabled(SelectionLength() >= 1);
  UpdateStatus();
}

bool TEditTextForm::MemoKeyDown(QKeyEvent* AEvent) {
  if (AEvent->key() == Qt::Key_A && AEvent->modifiers().testFlag(Qt::ControlModifier)) {
    FMemo->selectAll();
    return true;
  }
  return false;
}

void TEditTextForm::ShowPopupMenu(const QPoint& APosition) {
  FPopupMenu1->popup(FMemo->viewport()->mapToGlobal(APosition));
}

// ---------------------------------------------------------------- file commands

void TEditTextForm::OpenFile1Click() {
  if (!OpenBtn->isVisible()) return;
  const bool mayDropChanges = PromptSaveChanges();
  Call(BeforeOpen, this);
  if (!SaveOk || !mayDropChanges) return;

  QFileDialog dialog(this, QStringLiteral("Open"));
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (DialogSeam::Exec(dialog) != QDialog::Accepted) return;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return;
  const QString fileName = chosen.first();

  QStringList lines;
  try {
    lines = ReadTextFileLines(fileName);
  } catch (const EError& error) {
    ShowGeneralError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, error.Message()));
    return;
  }
  SetMemoLines(lines);
  FileName = fileName;
  ShowCaption();
  SetPanel(PanelModified, {});
  Saved = true;
  FEditData->Modified = false;
  Call(AfterOpen, this);
}

void TEditTextForm::NewFile1Click() {
  if (!NewBtn->isVisible()) return;
  const bool mayDropChanges = PromptSaveChanges();
  Call(BeforeNew, this);
  if (!SaveOk || !mayDropChanges) return;
  FMemo->clear();
  FileName.clear();
  ShowCaption();
  SetPanel(PanelModified, {});
  Saved = true;
  FEditData->Modified = false;
  Call(AfterNew, this);
}

void TEditTextForm::Save1Click() {
  if (!SaveBtn->isVisible()) return;
  if (TrimControl(FileName).isEmpty()) {
    SaveAs1Click();
    return;
  }
  Call(BeforeSave, this);
  if (!WriteText(FileName)) {
    SaveOk = false;
    Dialog::Error(QStringLiteral("Cannot Save File ") + FileName, true, this);
    return;
  }
  MarkSaved();
  Call(AfterSave, this);
}

void TEditTextForm::SaveAs1Click() {
  if (!SaveAsBtn->isVisible()) return;
  SaveAs();
}

void TEditTextForm::SaveAs() {
  Call(BeforeSave, this);
  QFileDialog dialog(this, QStringLiteral("Save As"));
  dialog.setObjectName(QStringLiteral("SaveDialog1"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!FileName.isEmpty()) dialog.selectFile(FileName);
  if (DialogSeam::Exec(dialog) != QDialog::Accepted) return;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return;
  const QString fileName = chosen.first();

  if (!WriteText(fileName)) {
    SaveOk = false;
    Dialog::Error(QStringLiteral("Cannot Save File ") + fileName, true, this);
    return;
  }
  FileName = fileName;
  ShowCaption();
  MarkSaved();
  Call(AfterSave, this);
}

bool TEditTextForm::WriteText(const QString& AFileName) {
  try {
    SaveLinesToFile(AFileName);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void TEditTextForm::MarkSaved() {
  Saved = true;
  FEditData->Modified = false;
  // The text area's own flag now tells changes since this save.
  FMemo->document()->setModified(false);
  SetPanel(PanelSaved, kSavedText);
  SetPanel(PanelModified, {});
  SaveOk = true;
}

bool TEditTextForm::PromptSaveChanges() {
  if (!SaveAllowed || !FEditData->Modified || Saved) return true;
  if (!Dialog::Confirm(QStringLiteral("Do you wish to Save Changes"), false, true, false, this)) return true;
  Save1Click();
  // Asked to keep the changes: they may only be dropped once they are saved.
  return Saved;
}

void TEditTextForm::Exit1Click() { close(); }

// ---------------------------------------------------------------- printing

void TEditTextForm::Print1Click() {
  if (!PrtBtn->isVisible()) return;
  if (!FKwikPrint->PrinterSetup()) return;
  Call(BeforePrint, this);
  try {
    FKwikPrint->Start();
    for (const QString& line : Lines()) {
      FKwikPrint->BodyLine(TFP_WriteMode::wmNewLine, TFP_Alignment::alLeft, line, 0, 0);
    }
    FKwikPrint->Stop();
  } catch (const std::exception& error) {
    ShowGeneralError(error);
    return;
  }
  Call(AfterPrint, this);
}

void TEditTextForm::PrinterSetup1Click() {
  if (!PrtBtn->isVisible()) return;
  FKwikPrint->PrinterSetup();
}

// ---------------------------------------------------------------- editing

void TEditTextForm::Undo1Click() {
  FMemo->undo();
  SetUndoEnabled(false);
}

void TEditTextForm::Cut1Click() {
  if (SelectionLength() >= 1) FMemo->cut();
}

void TEditTextForm::Copy1Click() {
  if (SelectionLength() >= 1) FMemo->copy();
}

void TEditTextForm::Paste1Click() { FMemo->paste(); }

void TEditTextForm::Find1Click() {
  if (!FindBtn->isVisible()) return;
  FFindDialog->move(FMemo->mapToGlobal(QPoint(20, 20)));
  if (SelectionStart() == FMemo->document()->characterCount() - 1) FFindDialog->SetDown(false);
  FFindDialog->Execute();
}

void TEditTextForm::FindDialog1Find() {
  const QString text = DocumentText(*FMemo->document());
  const QString what = FFindDialog->FindText();
  const bool matchCase = FFindDialog->MatchCase();
  const bool wholeWord = FFindDialog->WholeWord();
  const int start = SelectionStart();
  if (FFindDialog->Down()) {
    const qsizetype match = FindInRange(text, what, start + SelectionLength(), text.size(), matchCase, wholeWord);
    if (match >= 0) {
      SelectRange(int(match), int(what.size()));
    } else {
      SelectRange(int(text.size()), 1);
    }
  } else {
    qsizetype last = -1;
    for (qsizetype match = FindInRange(text, what, 0, start, matchCase, wholeWord); match >= 0;
         match = FindInRange(text, what, match + 1, start, matchCase, wholeWord)) {
      last = match;
    }
    if (last >= 0) {
      SelectRange(int(last), int(what.size()));
    } else {
      SelectRange(0, 1);
    }
  }
  FMemo->setFocus(Qt::OtherFocusReason);
  FMemo->ensureCursorVisible();
}

void TEditTextForm::Font1Click() {
  QFontDialog dialog(this);
  dialog.setObjectName(QStringLiteral("FontDialog1"));
  dialog.setCurrentFont(FMemo->font());
  if (DialogSeam::Exec(dialog) != QDialog::Accepted) return;
  const QFont chosen = dialog.currentFont();
  QFont font = FMemo->font();
  font.setFamily(chosen.family());
  font.setWeight(chosen.weight());
  font.setItalic(chosen.italic());
  font.setUnderline(chosen.underline());
  font.setStrikeOut(chosen.strikeOut());
  if (chosen.pointSizeF() > 0) font.setPointSizeF(chosen.pointSizeF());
  FMemo->setFont(font);
}

// Switches wrapping and reloads the text through a temporary copy in the
// program's file format. The copy is only a detour: when writing or reading
// it fails, the text area keeps the text it had, and the wrapping follows the
// menu check in any case. Neither the document's modified state nor the
// status panels change.
void TEditTextForm::WordWrap1Click() {
  if (!WordWrap2->isVisible()) return;
  DetachMemoChange();
  const bool wrap = !WordWrap();
  WordWrap1->setChecked(wrap);
  WordWrap2->setChecked(wrap);

  QTextDocument& document = *FMemo->document();
  const QString text = DocumentText(document);
  const bool modified = document.isModified();
  const QTextCursor cursor = FMemo->textCursor();
  const int anchor = cursor.anchor();
  const int position = cursor.position();

  QString reloaded = text;
  const QString tempFolder = QDir::tempPath();
  QTemporaryFile copy(QDir(tempFolder).filePath(QStringLiteral("QZ_EditXXXXXX.txt")));
  if (!tempFolder.isEmpty() && copy.open()) {
    const QString copyName = copy.fileName();
    copy.close();
    try {
      WriteTextFile(copyName, QString(text).replace(u'\n', QStringLiteral("\r\n")));
      reloaded = ReadTextFile(copyName).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    } catch (const std::exception&) {
      reloaded = text;
    }
  }
  FMemo->clear();
  SetWordWrap(wrap);
  FMemo->setPlainText(reloaded);
  document.setModified(modified);
  const int end = document.characterCount() - 1;
  QTextCursor restored(&document);
  restored.setPosition(std::min(anchor, end));
  restored.setPosition(std::min(position, end), QTextCursor::KeepAnchor);
  FMemo->setTextCursor(restored);
  FMemo->ensureCursorVisible();
  AttachMemoChange();
}

// Sorts the lines in one undoable step. The change handler is off, so the
// document counts as unchanged until the next edit, which finds the text
// area's own modified flag set.
void TEditTextForm::Sort1Click() {
  if (!Dialog::Confirm(QStringLiteral("Sort the File"), false, true, false, this)) return;
  DetachMemoChange();
  FMemo->setUpdatesEnabled(false);

  TStringList scratch(Lines());
  scratch.Sort();
  QTextDocument& document = *FMemo->document();
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(LinesToText(scratch.ToStringList()));
  // Rewrite the first line in place.
  ReplaceBlockText(document, 0, document.firstBlock().text() + u' ');
  QString first = document.firstBlock().text();
  first.chop(1);
  ReplaceBlockText(document, 0, first);
  ReplaceBlockText(document, 0, first);
  cursor.endEditBlock();

  FMemo->setUpdatesEnabled(true);
  AttachMemoChange();
}

void TEditTextForm::btnUpperClick() {
  QTextCursor cursor = FMemo->textCursor();
  const int start = cursor.selectionStart();
  const int length = cursor.selectionEnd() - start;
  if (length == 0) return;
  const QString selected = cursor.selectedText();
  const QString changed = AsciiCase(selected, IsAsciiCapital(selected.front()));

  FMemo->setUpdatesEnabled(false);
  cursor.insertText(changed);
  SelectRange(start, length);
  FMemo->setUpdatesEnabled(true);
  Call(OnChange, this);
}

void TEditTextForm::btnSpellClick() { FSpellCheck->CheckRichTextSpelling(FMemo, this); }

// ---------------------------------------------------------------- helpers

void TEditTextForm::UpdateStatus() {
  const int start = SelectionStart();
  const QTextBlock block = FMemo->document()->findBlock(start);
  SetPanel(PanelLine, QStringLiteral("Line: %1").arg(block.blockNumber() + 1));
  SetPanel(PanelColumn, QStringLiteral("Col: %1").arg(start - block.position() + 1));
}

void TEditTextForm::SetPanel(int APanel, const QString& AText) { FPanels[std::size_t(APanel)]->setText(AText); }

void TEditTextForm::SetMemoLines(const QStringList& ALines) { FMemo->setPlainText(LinesToText(ALines)); }

void TEditTextForm::ShowCaption() { setWindowTitle(CaptionSet ? Title : FileName); }

void TEditTextForm::SetCutCopyEnabled(bool AEnabled) {
  for (QAction* action : {Cut1, Cut2, ToolButton3, Copy1, Copy2, ToolButton4}) action->setEnabled(AEnabled);
}

void TEditTextForm::SetUndoEnabled(bool AEnabled) {
  for (QAction* action : {Undo1, Undo2, ToolButton10}) action->setEnabled(AEnabled);
}

// Selects ALength characters from AStart, both kept inside the text.
void TEditTextForm::SelectRange(int AStart, int ALength) {
  const int end = FMemo->document()->characterCount() - 1;
  const int start = std::clamp(AStart, 0, end);
  QTextCursor cursor(FMemo->document());
  cursor.setPosition(start);
  cursor.setPosition(std::clamp(start + ALength, start, end), QTextCursor::KeepAnchor);
  FMemo->setTextCursor(cursor);
}

int TEditTextForm::SelectionStart() const { return FMemo->textCursor().selectionStart(); }

int TEditTextForm::SelectionLength() const {
  const QTextCursor cursor = FMemo->textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TEditTextForm::Call(const TEditNotifyEvent& AEvent, QObject* ASender) {
  if (AEvent) AEvent(ASender);
}
