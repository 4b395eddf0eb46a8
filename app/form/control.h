#pragma once

#include <QColor>
#include <QString>
#include <optional>

// A control of the panel, held as plain data: the window's logic reads and writes these
// fields, the view paints them. Positions and sizes are twips from the panel's top-left.
enum class ControlKind { Label, Shape, Line, Image, PictureBox };
enum class ShapeKind { Circle, RoundedSquare, RoundedRect };
// What a screen reader is told a control is; None keeps it out of the accessible tree.
enum class AccessibleRole { None, Button, RadioButton };

struct FontSpec {
    QString family;
    double points = 9.75;
    bool bold = false;
};

struct Control {
    QString name;
    ControlKind kind = ControlKind::Label;

    float Left = 0, Top = 0, Width = 0, Height = 0;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // lines only
    bool Visible = true;

    // Labels
    QString Caption;
    FontSpec font;
    QColor foreColor = Qt::black;
    bool centred = false;
    bool fitsText = false; // otherwise the text wraps inside the box
    // How wide a fitted label's text may grow, in twips; 0 sets no limit. A text too wide for
    // it, or a wrapped text too tall for its box, is drawn in a smaller font, never clipped.
    float maxWidth = 0;
    // The pixel size the text had to shrink to; 0 while the design's size fits.
    int shrunkPixelSize = 0;
    // A short text after the caption in a smaller font on the same line, such as a unit;
    // the two are fitted, centred and shrunk together, and a wrapped label's line with one
    // is also kept within maxWidth where that is set. Empty for most labels.
    QString smallText;

    // Shapes and lines: outline and line width are in pixels
    ShapeKind shape = ShapeKind::Circle;
    std::optional<QColor> fillColor;
    QColor borderColor = Qt::black;
    int borderWidth = 1;

    // Images and the picture box
    QString picture; // resource path
    std::optional<QColor> backColor;
    QString toolTip;

    // For screen readers
    AccessibleRole accessibleRole = AccessibleRole::None;
    QString accessibleName;
    const Control* checkedBy = nullptr; // a radio button is checked while this is visible

    // The control whose outline the keyboard focus mark goes round; its own box when null.
    const Control* focusFrame = nullptr;

    bool takesMouse() const
    {
        return kind == ControlKind::Label || kind == ControlKind::Image ||
               kind == ControlKind::PictureBox;
    }
    bool boxContains(float x, float y) const
    {
        return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
};
