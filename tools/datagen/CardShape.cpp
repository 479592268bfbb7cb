#include "CardShape.h"

#include <algorithm>

namespace datagen {

namespace {

/// Distance of a pixel from the nearer of two opposite edges of a side `length` long.
int edgeDistance(int coordinate, int length)
{
    return std::min(coordinate, length - 1 - coordinate);
}

} // namespace

bool isCardCorner(int x, int y, int width, int height)
{
    return edgeDistance(x, width) + edgeDistance(y, height) <= 1;
}

std::vector<QPoint> cardPoints(int width, int height)
{
    std::vector<QPoint> points;
    points.reserve(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!isCardCorner(x, y, width, height))
                points.emplace_back(x, y);
    return points;
}

void frameCard(QImage& card, QRgb edge, QRgb paper)
{
    const int width = card.width();
    const int height = card.height();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int cornerDistance = edgeDistance(x, width) + edgeDistance(y, height);
            const bool onEdge = edgeDistance(x, width) == 0 || edgeDistance(y, height) == 0;
            if (isCardCorner(x, y, width, height))
                continue;
            if (onEdge || cornerDistance == 2)
                card.setPixel(x, y, edge);
            else if (cornerDistance == 3)
                card.setPixel(x, y, paper);
        }
    }
}

} // namespace datagen
