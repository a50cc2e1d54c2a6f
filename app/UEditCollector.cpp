#include "UEditCollector.h"

#include "Errors.h"
#include "GeneralError.h"
#include "IniFile.h"

#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString CollectorValue = QStringLiteral("1");

}  // namespace

bool IsStorableCollectorName(const QString& AName) {
  if (AName.isEmpty() || AName != AName.trimmed()) return false;
  if (AName.startsWith(QLatin1Char('[')) || AName.startsWith(QLatin1Char(';'))) return false;
  for (const QChar c : AName) {
    if (c == QLatin1Char('=') || c.unicode() < 32) return false;
  }
  return true;
}

TFEditCollector::TFEditCollector(QObject* AOwner, QWidget* AParent)
    : TDialogedForm(AOwner, AParent), clbCollections(new QListWidget(this)), Panel1(new QWidget(this)) {
  SetFixedClientSize(215, 505);

  clbCollections->setObjectName(QStringLiteral("clbCollections"));
  clbCollections->setFont(BoldListFont());
  QPalette palette = clbCollections->palette();
  palette.setColor(QPalette::Text, QColor(128, 0, 0));
  clbCollections->setPalette(palette);

  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(41);
  btnCancel = MakePanelButton(Panel1, QStringLiteral("btnCancel"), QStringLiteral("Cancel"),
                              QStyle::SP_DialogCancelButton, 8);
  bynSave = MakePanelButton(Panel1, QStringLiteral("bynSave"), QStringLiteral("Save"), QStyle::SP_DialogOkButton,
                            215 - 8 - 75);
  bynSave->setDefault(true);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(bynSave, &QPushButton::clicked, this, &TFEditCollector::bynSaveClick);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(clbCollections);
  layout->addWidget(Panel1);
}

void TFEditCollector::FormShow() {
  setWindowTitle(FCharacter + QStringLiteral(" Collections"));
  clbCollections->clear();
  const TIniFile ini(FCollectionsFile);
  for (const QString& section : ini.ReadSections()) {
    auto* item = new QListWidgetItem(section, clbCollections);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ini.ValueExists(section, FCharacter) ? Qt::Checked : Qt::Unchecked);
  }
}

void TFEditCollector::bynSaveClick() {
  SaveCollections();
  accept();
}

// Stops at the first change that cannot be written; the changes before it
// stay written.
void TFEditCollector::SaveCollections() {
  if (!IsStorableCollectorName(FCharacter)) {
    ShowGeneralError(QStringLiteral("The name \"%1\" cannot be stored in the collections file.").arg(FCharacter));
    return;
  }
  TIniFile ini(FCollectionsFile);
  try {
    for (int i = 0; i < clbCollections->count(); ++i) {
      const QListWidgetItem* item = clbCollections->item(i);
      if (item->checkState() == Qt::Checked) {
        ini.WriteString(item->text(), FCharacter, CollectorValue);
      } else {
        ini.DeleteKey(item->text(), FCharacter);
      }
    }
  } catch (const EError& error) {
    ReportWriteFailure(FCollectionsFile, error);
  }
}
