#pragma once

#include <QIcon>

// The images of the editor window's tool bar and menus, one set shared by
// both: the desktop theme's icon where it has one, otherwise a small
// drawing of our own.
enum class TEditorImage {
  OpenFile,
  NewFile,
  SaveFile,
  SaveAs,
  Print,
  Cut,
  Copy,
  Paste,
  Undo,
  Find,
  Font,
  WordWrap,
  Sort,
  ToggleCase,
  SpellCheck
};

QIcon EditorImage(TEditorImage AImage);
