#pragma once

#include <QImage>
#include <QString>

#include <vector>

/// Lays pictures out in labelled sections, row after row, and paints them onto one image.
class SheetLayout {
public:
    /// Rows are broken before they would grow wider than this, in pixels.
    explicit SheetLayout(int maxWidth)
        : maxWidth_(maxWidth)
    {
    }

    /// Starts a new section under everything placed so far, headed by a title.
    void section(const QString& title);
    /// Places a picture with a caption above it, on the current row or on a new one.
    void add(const QImage& picture, const QString& caption = {});

    /// Everything placed, on a grey ground.
    QImage render() const;

private:
    /// Starts a new row in the current section.
    void newRow();

    /// A picture with its caption, or a section title, at its top-left corner in pixels.
    struct Item {
        QImage picture;
        QString text;
        int x;
        int y;
        bool isTitle;
    };

    /// Everything placed so far, in order.
    std::vector<Item> items_;
    /// Rows break before they would grow wider than this, in pixels.
    int maxWidth_;
    /// Where the next picture goes, the bottom of the current row and the widest row so far.
    int x_ = 0;
    int y_ = 0;
    int rowBottom_ = 0;
    int width_ = 0;
};
