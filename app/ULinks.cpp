#include "ULinks.h"

#include "DialogSeam.h"
#include "Errors.h"
#include "GeneralError.h"
#include "QZ_ValueListEditor.h"
#include "StringList.h"
#include "TextCompare.h"
#include "TextFile.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString DefaultLink = QStringLiteral("Grim Dawn Home=https://www.grimdawn.com");

constexpr int ListModeWidth = 319;
constexpr int EditModeWidth = 800;

// Title and target of a file line; a line without "=", or with nothing
// before it, is an empty link.
void SplitLink(const QString& ALine, QString& ATitle, QString& ATarget) {
  const qsizetype at = ALine.indexOf(QLatin1Char('='));
  ATitle = at > 0 ? ALine.left(at) : QString();
  ATarget = at > 0 ? ALine.mid(at + 1) : QString();
}

}  // namespace

TFLinks::TFLinks(QObject* AOwner, QWidget* AParent)
    : TDialogedForm(AOwner, AParent),
      FListHolder(new QWidget(this)),
      lbLinks(new QListWidget(FListHolder)),
      veLinks(new TValueListEditor(this)),
      Panel1(new QWidget(this)) {
  setWindowTitle(QStringLiteral("Webpage Links"));
  SetFixedClientSize(303, 580);

  lbLinks->setObjectName(QStringLiteral("lbLinks"));
  lbLinks->setFont(QFont(QStringLiteral("Tahoma"), 10));
  QPalette palette = lbLinks->palette();
  palette.setColor(QPalette::Text, QColor(0, 0, 255));
  lbLinks->setPalette(palette);
  auto* listLayout = new QVBoxLayout(FListHolder);
  listLayout->setContentsMargins(3, 3, 3, 3);
  listLayout->addWidget(lbLinks);
  connect(lbLinks, &QListWidget::itemDoubleClicked, this, &TFLinks::lbLinksDblClick);

  veLinks->setObjectName(QStringLiteral("veLinks"));
  veLinks->SetTitles(QStringLiteral("Title"), QStringLiteral("Web Link"));
  veLinks->setColumnWidth(TValueListEditor::KeyColumn, 191);
  veLinks->setColumnWidth(TValueListEditor::ValueColumn, 106);
  veLinks->SetUniqueKeys(true);
  veLinks->hide();

  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(41);
  btnEdit = MakePanelButton(Panel1, QStringLiteral("btnEdit"), QStringLiteral("Edit Links"),
                            QStyle::SP_FileDialogDetailedView, 3);
  btnApply = MakePanelButton(Panel1, QStringLiteral("btnApply"), QStringLiteral("OK"), QStyle::SP_DialogOkButton, 3);
  btnApply->setDefault(true);
  btnApply->hide();
  connect(btnEdit, &QPushButton::clicked, this, &TFLinks::btnEditClick);
  connect(btnApply, &QPushButton::clicked, this, &TFLinks::btnApplyClick);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(FListHolder);
  layout->addWidget(veLinks);
  layout->addWidget(Panel1);
}

void TFLinks::FormShow() { LoadLinks(); }

// An Escape in the editor would otherwise close the window and lose the edits.
void TFLinks::keyPressEvent(QKeyEvent* event) {
  if (FEditing && event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  TDialogedForm::keyPressEvent(event);
}

void TFLinks::LoadLinks() {
  lbLinks->clear();
  FHttp.clear();
  if (!QFileInfo::exists(FLinkFile)) {
    try {
      WriteTextFileLines(FLinkFile, {DefaultLink});
    } catch (const EError& error) {
      ReportWriteFailure(FLinkFile, error);
    }
  }
  TStringList lines;
  try {
    lines.AddStrings(ReadTextFileLines(FLinkFile));
  } catch (const EError&) {
    return;  // an unreadable links file is an empty list
  }
  lines.Sort();
  for (int i = 0; i < lines.Count(); ++i) {
    QString title;
    QString target;
    SplitLink(lines[i], title, target);
    lbLinks->addItem(title);
    FHttp.append(target);
  }
}

void TFLinks::lbLinksDblClick() { OpenSelectedLink(); }

void TFLinks::OpenSelectedLink() {
  const int row = lbLinks->currentRow();
  if (row < 0 || row >= FHttp.size() || !lbLinks->item(row)->isSelected()) return;
  DesktopSeam::Open(FHttp[row]);
}

void TFLinks::btnEditClick() {
  SetEditMode(true);
  veLinks->ClearRows();
  for (int i = 0; i < lbLinks->count(); ++i) veLinks->AppendRow(lbLinks->item(i)->text(), FHttp[i]);
  veLinks->setFocus();
  if (veLinks->RowCount() > 0) veLinks->setCurrentCell(0, TValueListEditor::KeyColumn);
}

void TFLinks::btnApplyClick() {
  veLinks->CommitPendingEdit();
  QStringList lines;
  if (!CollectEditedLines(lines)) return;
  try {
    WriteTextFileLines(FLinkFile, lines);
  } catch (const EError& error) {
    ReportWriteFailure(FLinkFile, error);
    return;
  }
  LoadLinks();
  SetEditMode(false);
}

bool TFLinks::CollectEditedLines(QStringList& ALines) const {
  for (int row = 0; row < veLinks->RowCount(); ++row) {
    const QString title = veLinks->Key(row);
    const QString target = veLinks->Value(row);
    const bool noTitle = TrimControl(title).isEmpty();
    if (noTitle && TrimControl(target).isEmpty()) continue;  // a row added and left empty
    if (noTitle) {
      ShowGeneralError(QStringLiteral("The link \"%1\" needs a title.").arg(target));
      return false;
    }
    ALines.append(title + QLatin1Char('=') + target);
  }
  return true;
}

void TFLinks::SetEditMode(bool AEditing) {
  FEditing = AEditing;
  FListHolder->setVisible(!AEditing);
  veLinks->setVisible(AEditing);
  btnEdit->setVisible(!AEditing);
  btnApply->setVisible(AEditing);
  SetWindowWidth(AEditing ? EditModeWidth : ListModeWidth);
}
