#pragma once

#include "QZ_Colors.h"

#include <QColor>
#include <QPalette>

// The colour a TColor stands for: an RGB value as it is, a system colour as
// the palette's active colour of that role (the window colour for one
// without a counterpart).
QColor ResolveColor(TColor AColor, const QPalette& APalette);
