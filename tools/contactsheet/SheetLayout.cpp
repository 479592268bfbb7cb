#include "SheetLayout.h"

#include <QPainter>

#include <algorithm>

namespace {

/// Margins and gaps between pictures, captions and sections, in pixels.
constexpr int kMargin = 12;
constexpr int kGap = 10;
constexpr int kCaptionHeight = 16;
constexpr int kTitleHeight = 26;
constexpr QRgb kGround = qRgb(128, 128, 128);

} // namespace

void SheetLayout::section(const QString& title)
{
    newRow();
    y_ = rowBottom_ + (items_.empty() ? kMargin : kGap * 2);
    items_.push_back({ {}, title, kMargin, y_, true });
    y_ += kTitleHeight;
    rowBottom_ = y_;
    x_ = kMargin;
}

void SheetLayout::add(const QImage& picture, const QString& caption)
{
    if (x_ > kMargin && x_ + picture.width() > maxWidth_)
        newRow();
    items_.push_back({ picture, caption, x_, y_, false });
    x_ += picture.width() + kGap;
    width_ = std::max(width_, x_ - kGap + kMargin);
    rowBottom_ = std::max(rowBottom_, y_ + kCaptionHeight + picture.height());
}

void SheetLayout::newRow()
{
    x_ = kMargin;
    y_ = rowBottom_ + kGap;
}

QImage SheetLayout::render() const
{
    QImage sheet(std::max(width_, maxWidth_), rowBottom_ + kMargin, QImage::Format_RGB32);
    sheet.fill(kGround);
    QPainter painter(&sheet);
    for (const Item& item : items_) {
        QFont font = painter.font();
        font.setBold(item.isTitle);
        font.setPixelSize(item.isTitle ? 18 : 12);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(item.x, item.y + (item.isTitle ? kTitleHeight : kCaptionHeight) - 4, item.text);
        if (!item.isTitle)
            painter.drawImage(item.x, item.y + kCaptionHeight, item.picture);
    }
    return sheet;
}
