#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

/// A control's place in a dialog template: top-left corner and size, in dialog units.
struct TemplateRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// Converts template positions in dialog units to pixels. A horizontal unit is a quarter of
/// the font's average character width, a vertical unit an eighth of its height, so a
/// template keeps its proportions whatever the font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    /// Units of a font whose average character is baseWidth x baseHeight pixels, for a
    /// template whose pixel pictures were measured in a font that is not at hand.
    DialogUnits(int baseWidth, int baseHeight);

    /// A control's rectangle in pixels.
    QRect rect(const TemplateRect& place) const;
    /// A client area of width x height dialog units, in pixels.
    QSize size(int width, int height) const;

private:
    /// Average character width and character height of the font, in pixels (> 0).
    int baseWidth_;
    int baseHeight_;
};
