#pragma once

#include "UDialogedForm.h"

#include <QString>
#include <QStringList>

class QKeyEvent;
class QListWidget;
class QPushButton;
class QWidget;
class TValueListEditor;

// The list of web links kept in the links file: one "title=target" line per
// link, split at the first "=". The list mode shows the titles sorted without
// regard to case and opens a link on a double click; "Edit Links" switches to
// a title/link grid, whose rows "OK" writes back in their order.
class TFLinks : public TDialogedForm {
  Q_OBJECT

public:
  TFLinks(QObject* AOwner, QWidget* AParent);

  const QString& LinkFile() const { return FLinkFile; }
  void SetLinkFile(const QString& AFileName) { FLinkFile = AFileName; }

protected:
  void FormShow() override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void lbLinksDblClick();
  void btnEditClick();
  void btnApplyClick();
  void LoadLinks();
  void OpenSelectedLink();
  void SetEditMode(bool AEditing);
  // The editor's rows as file lines; false (and reported) when a row cannot be kept.
  bool CollectEditedLines(QStringList& ALines) const;

  QWidget* FListHolder;
  QListWidget* lbLinks;
  TValueListEditor* veLinks;
  QWidget* Panel1;
  QPushButton* btnEdit;
  QPushButton* btnApply;
  QString FLinkFile;
  QStringList FHttp;
  bool FEditing = false;
};
