#include "QZ_Editor.h"

#include "DialogSeam.h"
#include "QZ_BusyCursor.h"
#include "QZ_EditorForm.h"
#include "TextCompare.h"
#include "TextFile.h"

#include <QPlainTextEdit>
#include <QPointer>

namespace {

QPointer<TEditTextForm>& OpenForm() {
  static QPointer<TEditTextForm> form;
  return form;
}

}  // namespace

TEditTextForm* OpenEditTextForm() { return OpenForm().data(); }

void SetOpenEditTextForm(TEditTextForm* AForm) { OpenForm() = AForm; }

TEditText::TEditText(QObject* AOwner)
    : QObject(AOwner), FText(std::make_unique<TStringList>()), FEditData(std::make_unique<TEditData>()) {
  FEditData->Modified = false;
  FEditData->Text = FText.get();
}

// A non-modal window still open on this component's data goes with it, so
// that it never writes into freed data when it closes.
TEditText::~TEditText() {
  TEditTextForm* form = OpenEditTextForm();
  if (form != nullptr && !form->IsModalEditor() && form->EditData() == FEditData.get()) delete form;
}

void TEditText::Execute(QWidget* APopupParent) {
  if (FDisplayModal) {
    ExecuteModal(APopupParent);
  } else {
    ExecuteModeless(APopupParent);
  }
}

void TEditText::ExecuteModal(QWidget* APopupParent) {
  auto form = std::make_unique<TEditTextForm>(nullptr, true, FEditData.get());
  SetOpenEditTextForm(form.get());
  PrepareForm(*form);
  // Transient for the parent: the window stays above it.
  if (APopupParent != nullptr) form->setParent(APopupParent, form->windowFlags());
  DialogSeam::Exec(*form);
  const QSize outer = form->OuterSize();
  FWidth = outer.width();
  FHeight = outer.height();
  SetOpenEditTextForm(nullptr);
}

void TEditText::ExecuteModeless(QWidget* APopupParent) {
  if (TEditTextForm* open = OpenEditTextForm()) {
    if (open->isMinimized()) open->showNormal();
    open->raise();
    open->activateWindow();
    open->Memo()->setFocus(Qt::OtherFocusReason);
    return;
  }
  auto* form = new TEditTextForm(APopupParent, false, FEditData.get());
  SetOpenEditTextForm(form);
  PrepareForm(*form);
  form->show();
}

void TEditText::PrepareForm(TEditTextForm& AForm) {
  if (FSource == esTextFile) LoadTextFile();
  AForm.SetOuterSize(FWidth, FHeight);
  AForm.SetWordWrap(FWordWrap);
  AForm.FileName = FFileName;

  AForm.BeforeNew = BeforeNew;
  AForm.BeforeSave = BeforeSave;
  AForm.BeforeOpen = BeforeOpen;
  AForm.BeforePrint = BeforePrint;
  AForm.AfterPrint = AfterPrint;
  AForm.AfterNew = AfterNew;
  AForm.AfterSave = AfterSave;
  AForm.AfterOpen = AfterOpen;
  AForm.OnChange = OnTextChanged;
  AForm.OnShow = OnShow;
  AForm.OnClose = OnClose;

  AForm.Title = TrimControl(FCaption);
  AForm.CaptionSet = !AForm.Title.isEmpty();
  AForm.SetReadOnly(FReadOnly);
  AForm.ApplyOptions(FOptions, FReadOnly);
  AForm.SetToolBarVisible(FToolBar);
  AForm.SetTextAreaColor(FColor);
  AForm.SaveAllowed = FOptions.Contains(edAllowSave) || FOptions.Contains(edAllowSaveAs);
}

// Reads FileName into the shared lines. A file that cannot be read leaves
// the lines as they were and empties FileName, without a message.
void TEditText::LoadTextFile() {
  if (FFileName.isEmpty()) return;
  TBusyCursor busy;
  try {
    const QStringList lines = ReadTextFileLines(FFileName);
    FText->Clear();
    FText->AddStrings(lines);
  } catch (const std::exception&) {
    FFileName.clear();
  }
  QCoreApplication::processEvents();
}

void TEditText::Close() {
  FWidth = FEditData->Width;
  FHeight = FEditData->Height;
}

void TEditText::SetText(const TStringList& ATextLines) {
  if (&ATextLines == FText.get()) return;
  FText->Clear();
  FText->AddStrings(ATextLines);
}

void TEditText::GetText(TStringList& ATextLines) const {
  if (&ATextLines == FText.get()) return;
  ATextLines.Assign(*FText);
}

void TEditText::SaveText(const QString& AFilename) {
  TEditTextForm* form = OpenEditTextForm();
  if (form == nullptr) return;
  try {
    form->SaveLinesToFile(AFilename.isEmpty() ? FFileName : AFilename);
  } catch (const std::exception&) {
    // A failed save is the caller's to notice by reading the file.
  }
}

void TEditText::Clear() {
  if (TEditTextForm* form = OpenEditTextForm()) form->ClearText();
}
