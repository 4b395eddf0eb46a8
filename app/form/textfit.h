#pragma once

#include "app/form/control.h"

#include <QFont>
#include <QSizeF>

// Fonts of the design are Windows fonts; on Linux they come from fontconfig with the
// nearest free look-alike first in line.
QFont resolveFont(const FontSpec& wanted);

// The font a label's text is drawn in: the design's, or the smaller one its text needed.
QFont labelFont(const Control& label);

// The font of a label's small text, for a label drawn in `font`.
QFont smallTextFont(const QFont& font);

// The size, in twips, of one line of text as drawn in the label's font, with the label's
// small text after it.
QSizeF fittedTextSize(const Control& label, const QString& text);

// Replaces a label's text, and its small text with none or the one given; a label that fits
// its text takes the new text's size, keeping its centre when it is centred and its left
// edge otherwise. A text that does not fit at the design's size takes the largest smaller
// size that does.
void setCaption(Control& label, const QString& text, const QString& smallText = {});
