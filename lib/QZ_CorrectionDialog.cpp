#include "QZ_CorrectionDialog.h"

#include <QGuiApplication>
#include <algorithm>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

namespace {

// The frame on each side of a fixed dialog window, counted in its outer width.
constexpr int kDialogFrame = 3;
constexpr int kBoxLeft = 8;
constexpr int kEditTop = 8;
constexpr int kListTop = 32;
constexpr int kButtonHeight = 25;

void StyleBox(QWidget* ABox, const QFont& AFont, const QColor& AColor) {
  ABox->setFont(AFont);
  QPalette palette = ABox->palette();
  palette.setColor(QPalette::Base, AColor);
  ABox->setPalette(palette);
}

}  // namespace

TCorrectionDialog::TCorrectionDialog(const TLayout& ALayout, const QFont& AFont, const QColor& AColor,
                                     QWidget* AParent)
    : QDialog(AParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      FEbox(new QLineEdit(this)),
      FLbox(new QListWidget(this)),
      FCancelBtn(new QPushButton(QStringLiteral("Ignore"), this)),
      FChangeBtn(new QPushButton(QStringLiteral("Change"), this)) {
  setWindowTitle(QStringLiteral("Spell Check"));
  setFixedSize(ALayout.Width - 2 * kDialogFrame, ALayout.ClientHeight);

  FEbox->setObjectName(QStringLiteral("edWord"));
  FEbox->setGeometry(kBoxLeft, kEditTop, ALayout.BoxWidth, FEbox->sizeHint().height());
  StyleBox(FEbox, AFont, AColor);

  FLbox->setObjectName(QStringLiteral("lbSuggestions"));
  FLbox->setGeometry(kBoxLeft, kListTop, ALayout.BoxWidth, ALayout.ListHeight);
  StyleBox(FLbox, AFont, AColor);
  connect(FLbox, &QListWidget::itemClicked, this, &TCorrectionDialog::SuggestionClick);
  connect(FLbox, &QListWidget::itemDoubleClicked, this, &TCorrectionDialog::SuggestionClick);
  connect(FLbox, &QListWidget::itemSelectionChanged, this, &TCorrectionDialog::SuggestionClick);

  FCancelBtn->setObjectName(QStringLiteral("btnIgnore"));
  FCancelBtn->setGeometry(ALayout.IgnoreLeft, ALayout.ButtonTop, ALayout.ButtonWidth, kButtonHeight);
  FCancelBtn->setAutoDefault(false);
  connect(FCancelBtn, &QPushButton::clicked, this, [this] { done(anIgnore); });

  FChangeBtn->setObjectName(QStringLiteral("btnChange"));
  FChangeBtn->setGeometry(ALayout.ChangeLeft, ALayout.ButtonTop, ALayout.ButtonWidth, kButtonHeight);
  FChangeBtn->setDefault(true);
  connect(FChangeBtn, &QPushButton::clicked, this, [this] { done(anChange); });

  if (ALayout.AddLeft >= 0) {
    FAddBtn = new QPushButton(QStringLiteral("Add to Custom"), this);
    FAddBtn->setObjectName(QStringLiteral("btnAddToCustom"));
    FAddBtn->setGeometry(ALayout.AddLeft, ALayout.ButtonTop, ALayout.AddWidth, kButtonHeight);
    FAddBtn->setAutoDefault(false);
    connect(FAddBtn, &QPushButton::clicked, this, &TCorrectionDialog::AddToCustomClicked);
  }
  CentreOnScreen();
}

void TCorrectionDialog::Offer(const QString& AWord, const QStringList& ASuggestions) {
  FLbox->blockSignals(true);
  FLbox->clear();
  FLbox->addItems(ASuggestions);
  FLbox->blockSignals(false);
  FEbox->setText(AWord);
  FEbox->setFocus();
}

QString TCorrectionDialog::Replacement() const { return FEbox->text(); }

void TCorrectionDialog::keyPressEvent(QKeyEvent* AEvent) {
  if (AEvent->key() == Qt::Key_Escape && AEvent->modifiers() == Qt::NoModifier) {
    FCancelBtn->click();
    return;
  }
  QDialog::keyPressEvent(AEvent);
}

void TCorrectionDialog::SuggestionClick() {
  const QList<QListWidgetItem*> selected = FLbox->selectedItems();
  if (!selected.isEmpty()) FEbox->setText(selected.first()->text());
}

void TCorrectionDialog::CentreOnScreen() {
  const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame(QPoint(0, 0), size());
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

TSelectionShownScope::TSelectionShownScope(QPlainTextEdit* AControl)
    : FControl(AControl),
      FPalette(AControl ? AControl->palette() : QPalette()),
      FOwnPalette(AControl && AControl->testAttribute(Qt::WA_SetPalette)) {
  if (!FControl) return;
  QPalette shown = FPalette;
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    shown.setBrush(QPalette::Inactive, role, FPalette.brush(QPalette::Active, role));
  }
  FControl->setPalette(shown);
}

TSelectionShownScope::~TSelectionShownScope() {
  if (FControl) FControl->setPalette(FOwnPalette ? FPalette : QPalette());
}

void SelectTextRange(QPlainTextEdit* AControl, qsizetype AStart, qsizetype ALength) {
  const int last = AControl->document()->characterCount() - 1;
  QTextCursor cursor(AControl->document());
  cursor.setPosition(int(std::clamp<qsizetype>(AStart, 0, last)));
  cursor.setPosition(int(std::clamp<qsizetype>(AStart + ALength, 0, last)), QTextCursor::KeepAnchor);
  AControl->setTextCursor(cursor);
  AControl->ensureCursorVisible();
}

void ReplaceSelectedText(QPlainTextEdit* AControl, const QString& AText) {
  QTextCursor cursor = AControl->textCursor();
  cursor.insertText(AText);
  AControl->setTextCursor(cursor);
}
