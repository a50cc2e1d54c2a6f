#include "UDialogedForm.h"

#include "Errors.h"
#include "GeneralError.h"
#include "QZ_CentreOnScreen.h"

#include <QPushButton>
#include <QShowEvent>

TDialogedForm::TDialogedForm(QObject* AOwner, QWidget* AParent)
    : QDialog(AParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
  setSizeGripEnabled(false);
  // The parent already frees its children; a separate owner frees us with itself.
  if (AOwner != nullptr && AOwner != AParent) {
    connect(AOwner, &QObject::destroyed, this, [this] { delete this; });
  }
}

void TDialogedForm::SetFixedClientSize(int AWidth, int AHeight) { setFixedSize(AWidth, AHeight); }

void TDialogedForm::SetWindowWidth(int AWidth) {
  const int frameExtra = frameGeometry().width() - width();
  setFixedSize(AWidth - frameExtra, height());
  CentreOnItsScreen(*this);
}

void TDialogedForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // restored by the window system, not shown by us
  CentreOnItsScreen(*this);
  FormShow();
}

QPushButton* TDialogedForm::MakePanelButton(QWidget* APanel, const QString& AName, const QString& ACaption,
                                            QStyle::StandardPixmap AGlyph, int ALeft) {
  auto* button = new QPushButton(APanel->style()->standardIcon(AGlyph), ACaption, APanel);
  button->setObjectName(AName);
  button->setGeometry(ALeft, 8, 75, 25);
  return button;
}

QFont TDialogedForm::BoldListFont() {
  QFont font(QStringLiteral("Tahoma"), 10);
  font.setBold(true);
  return font;
}

void TDialogedForm::ReportWriteFailure(const QString& AFileName, const EError& AError) {
  ShowGeneralError(QStringLiteral("Cannot write file \"%1\". %2").arg(AFileName, AError.Message()));
}
