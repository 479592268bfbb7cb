#pragma once

#include "platform/Rect.h"

#include <QDialog>

#include <vector>

class QMouseEvent;
class QPaintEvent;
class QPainter;
class QShowEvent;

/// What the table background and card back dialogs share: pictures standing in tiles, one
/// tile marked as the choice by a frame. A click on a tile chooses it; a double click on a
/// picture chooses it and ends the dialog with OK.
class PictureChoice : public QDialog {
    Q_OBJECT

public:
    /// The chosen tile, 1..tile count; set by the caller before the run (a value out of
    /// range opens as the nearest tile), read after OK.
    int m_selected = 0;

protected:
    /// tiles[n] is tile n in client pixels (entry 0 unused); tiles 1..pictureTiles hold
    /// pictures.
    PictureChoice(QWidget* parent, std::vector<platform::Rect> tiles, int pictureTiles);

    /// Brings the choice into range and puts the frame around it; true.
    virtual bool OnInitDialog();
    /// Chooses the picture tile under the point; when two overlapping tiles hold it, the
    /// later one.
    virtual void OnLButtonDown(int x, int y);
    /// Ends the dialog with OK when the point lies on a picture tile.
    void OnLButtonDblClk(int x, int y);

    /// Makes tile n the choice and moves the frame to it.
    void choose(int tile);
    /// Draws the frame, whose pixels take what lies under them XOR the frame colour.
    virtual void OnPaint(QPainter& painter);

    /// Tile n (1..tile count) in client pixels; entry 0 unused.
    std::vector<platform::Rect> m_tiles;
    /// The tile the frame stands around at present.
    platform::Rect m_frame;

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    /// Tiles 1..this hold pictures; a later tile is the dialog's own.
    int pictureTiles_;
};
