#include "support/ImageFileTexts.h"

#include <algorithm>

namespace imagetexts {

namespace {

void AppendPair(QByteArray& text, int x, int y)
{
    text += QByteArray::number(x) + ' ' + QByteArray::number(y) + '\n';
}

bool IsCorner(int x, int y, int width, int height)
{
    const int fromLeft = x;
    const int fromRight = width - 1 - x;
    const int fromTop = y;
    const int fromBottom = height - 1 - y;
    const int dx = std::min(fromLeft, fromRight);
    const int dy = std::min(fromTop, fromBottom);
    return dx + dy <= 1;
}

struct Anchor {
    int firstPair;
    int x;
    int y;
};

/// First pairs and anchors of announcement images 1..37, then the end of image 37.
constexpr Anchor kImages[] = { { 1, 380, 60 }, { 1470, 380, 97 }, { 2860, 380, 134 }, { 4466, 380, 171 },
    { 6041, 380, 208 }, { 7491, 380, 245 }, { 9208, 380, 282 }, { 10748, 380, 319 }, { 12183, 380, 356 },
    { 13729, 380, 393 }, { 15243, 380, 430 }, { 16880, 380, 467 }, { 19031, 380, 504 }, { 20497, 380, 541 },
    { 22169, 380, 578 }, { 22552, 380, 615 }, { 23184, 395, 60 }, { 24175, 395, 97 }, { 25386, 395, 134 },
    { 26566, 395, 171 }, { 27621, 395, 208 }, { 28943, 395, 245 }, { 30221, 395, 282 }, { 31467, 395, 319 },
    { 32836, 395, 356 }, { 34719, 395, 393 }, { 35917, 395, 430 }, { 37321, 395, 467 }, { 37874, 395, 504 },
    { 38162, 395, 541 }, { 38759, 395, 578 }, { 39510, 395, 615 }, { 40326, 397, 60 }, { 41323, 397, 97 },
    { 42023, 503, 397 }, { 42623, 527, 343 }, { 43610, 540, 352 }, { 44693, 0, 0 } };
constexpr int kLink1First = 49617;
constexpr int kLink2First = 50088;

/// The sheet pair with number `pair` (1-based).
void AppendSheetPair(QByteArray& text, int pair)
{
    if (pair >= kLink2First)
        return AppendPair(text, 220 + (pair - kLink2First + 1) % 50, 227 + (pair - kLink2First + 1) % 7);
    if (pair >= kLink1First)
        return AppendPair(text, 252 + (pair - kLink1First + 1) % 50, 265 + (pair - kLink1First + 1) % 7);
    if (pair >= kImages[37].firstPair)
        return AppendPair(text, 1, 1);
    int n = 0;
    while (kImages[n + 1].firstPair <= pair)
        ++n;
    const int i = pair - kImages[n].firstPair + 1;
    AppendPair(text, kImages[n].x + (n + 1), kImages[n].y - i % 10);
}

} // namespace

QByteArray CardPoints(int width, int height, int originX, int originY)
{
    QByteArray text;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!IsCorner(x, y, width, height))
                AppendPair(text, originX + x, originY + y);
    return text;
}

QByteArray TilePoints()
{
    QByteArray text;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            AppendPair(text, 382 + x, 298 + y);
    return text;
}

QByteArray Colours(int images, int points, const ColourOf& colourOf)
{
    QByteArray text;
    for (int image = 1; image <= images; ++image)
        for (int point = 1; point <= points; ++point)
            text += QByteArray::number(colourOf(image, point)) + '\n';
    return text;
}

QByteArray Sheet(int pairs)
{
    QByteArray text;
    for (int pair = 1; pair <= pairs; ++pair)
        AppendSheetPair(text, pair);
    return text;
}

QByteArray Glyphs(int pairs)
{
    constexpr int counts[] = { 452, 624, 596, 508 };
    QByteArray text;
    int suit = 1;
    int i = 1;
    for (int pair = 1; pair <= pairs; ++pair) {
        AppendPair(text, 498 + suit, 404 + i % 9);
        if (suit <= 4 && ++i > counts[suit - 1]) {
            ++suit;
            i = 1;
        }
    }
    return text;
}

QByteArray IntroModel(int records, bool trailingBreak)
{
    QByteArray text = "0.1 0.2 0.3\n";
    for (int j = 1; j <= records; ++j) {
        const int flag = j % 4 == 0 ? 1 : 0;
        text += QByteArray::number(flag) + " 0.5 0.25 " + QByteArray::number(j % 2) + ' '
            + QByteArray::number(j) + ' ' + QByteArray::number(2 * j) + ' ' + QByteArray::number(-j);
        if (j < records || trailingBreak)
            text += '\n';
    }
    return text;
}

} // namespace imagetexts
