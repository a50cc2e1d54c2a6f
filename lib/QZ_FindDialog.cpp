#include "QZ_FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(QWidget* AParent)
    : QDialog(AParent),
      FFindTextEdit(new QLineEdit(this)),
      FWholeWordBox(new QCheckBox(QStringLiteral("Match &whole word only"), this)),
      FMatchCaseBox(new QCheckBox(QStringLiteral("Match &case"), this)),
      FDirectionBox(new QGroupBox(QStringLiteral("Direction"), this)),
      FUpButton(new QRadioButton(QStringLiteral("&Up"), FDirectionBox)),
      FDownButton(new QRadioButton(QStringLiteral("&Down"), FDirectionBox)),
      FFindNextButton(new QPushButton(QStringLiteral("&Find Next"), this)),
      FCancelButton(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(QStringLiteral("Find"));
  setModal(false);

  auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
  findLabel->setBuddy(FFindTextEdit);

  auto* directionLayout = new QHBoxLayout(FDirectionBox);
  directionLayout->addWidget(FUpButton);
  directionLayout->addWidget(FDownButton);
  FDownButton->setChecked(true);

  auto* choices = new QVBoxLayout;
  choices->addWidget(FWholeWordBox);
  choices->addWidget(FMatchCaseBox);
  choices->addStretch();

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(FFindNextButton);
  buttons->addWidget(FCancelButton);
  buttons->addStretch();

  auto* layout = new QGridLayout(this);
  layout->addWidget(findLabel, 0, 0);
  layout->addWidget(FFindTextEdit, 0, 1, 1, 2);
  layout->addLayout(choices, 1, 0, 1, 2);
  layout->addWidget(FDirectionBox, 1, 2);
  layout->addLayout(buttons, 0, 3, 2, 1);

  FFindNextButton->setDefault(true);
  FFindNextButton->setAutoDefault(true);
  FCancelButton->setAutoDefault(false);
  connect(FFindTextEdit, &QLineEdit::textChanged, this, &TFindDialog::UpdateFindNextButton);
  connect(FFindNextButton, &QPushButton::clicked, this, &TFindDialog::FindNext);
  connect(FCancelButton, &QPushButton::clicked, this, &TFindDialog::CloseDialog);
  UpdateFindNextButton();
}

QString TFindDialog::FindText() const { return FFindTextEdit->text(); }

void TFindDialog::SetFindText(const QString& AText) { FFindTextEdit->setText(AText); }

bool TFindDialog::Down() const { return FDownButton->isChecked(); }

void TFindDialog::SetDown(bool ADown) { (ADown ? FDownButton : FUpButton)->setChecked(true); }

bool TFindDialog::MatchCase() const { return FMatchCaseBox->isChecked(); }

void TFindDialog::SetMatchCase(bool AMatchCase) { FMatchCaseBox->setChecked(AMatchCase); }

bool TFindDialog::WholeWord() const { return FWholeWordBox->isChecked(); }

void TFindDialog::SetWholeWord(bool AWholeWord) { FWholeWordBox->setChecked(AWholeWord); }

void TFindDialog::SetMatchCaseHidden(bool AHidden) {
  FMatchCaseHidden = AHidden;
  FMatchCaseBox->setHidden(AHidden);
}

void TFindDialog::SetWholeWordHidden(bool AHidden) {
  FWholeWordHidden = AHidden;
  FWholeWordBox->setHidden(AHidden);
}

void TFindDialog::Execute() {
  show();
  raise();
  activateWindow();
  FFindTextEdit->setFocus(Qt::OtherFocusReason);
  FFindTextEdit->selectAll();
}

void TFindDialog::CloseDialog() { hide(); }

void TFindDialog::UpdateFindNextButton() { FFindNextButton->setEnabled(!FFindTextEdit->text().isEmpty()); }
