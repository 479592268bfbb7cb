#pragma once

#include "app/dialogs/PictureChoice.h"
#include "platform/Colour.h"

/// The table background dialog: ten background pictures and, as an eleventh choice, a
/// column in a colour of the player's own, picked in the colour dialog when the column is
/// clicked. The caller sets m_selected and m_customColour and reads both after OK.
class CFon_St : public PictureChoice {
    Q_OBJECT

public:
    explicit CFon_St(QWidget* parent = nullptr);

    /// The custom colour, 0x00BBGGRR (0..0xFFFFFF; other bits are dropped at opening).
    platform::COLORREF m_customColour = 0;

protected:
    bool OnInitDialog() override;
    /// The pictures as in every picture choice; a click on the colour column chooses it and
    /// offers the colour dialog, whose OK repaints the swatch.
    void OnLButtonDown(int x, int y) override;
    /// The swatch in the custom colour, then the frame.
    void OnPaint(QPainter& painter) override;
};
