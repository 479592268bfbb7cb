#include "SheetLayout.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/drawing/ImagePainting.h"
#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"

#include <QApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <span>

namespace {

/// Widest row of the sheet, in pixels.
constexpr int kSheetWidth = 1200;
/// Card corners are painted in this colour, so the cards show their shape on the sheet.
constexpr platform::COLORREF kCornerColour = platform::RGB(128, 128, 128);

/// A point image plotted in one colour on white, cropped to its points with a one-pixel rim.
QImage PlotPoints(std::span<const int> xs, std::span<const int> ys, int count, QRgb colour)
{
    const auto first = std::size_t { 1 };
    const auto last = static_cast<std::size_t>(count) + 1;
    const auto [minX, maxX] = std::minmax_element(xs.begin() + first, xs.begin() + last);
    const auto [minY, maxY] = std::minmax_element(ys.begin() + first, ys.begin() + last);
    QImage image(*maxX - *minX + 3, *maxY - *minY + 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (std::size_t j = first; j < last; ++j)
        image.setPixel(xs[j] - *minX + 1, ys[j] - *minY + 1, colour);
    return image;
}

QRgb Rgb(platform::COLORREF colour)
{
    return platform::qRgbFromColour(colour);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: contactsheet PROGRAM_FOLDER OUT.png\n");
        return 2;
    }
    CVertanDlg table;
    g_programDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    const DataFileResult loaded = LoadImageDataFiles(g_programDir, table.m_dcFaces);
    if (!loaded.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(loaded.message()));
        return 1;
    }

    SheetLayout sheet(kSheetWidth);
    sheet.section(QStringLiteral("Faces 1..32"));
    PaintCardCorners(table.m_dcFaces, table.m_dcBack, table.m_dcBackSide, 1, kCornerColour);
    for (int face = 1; face <= g_deckSize; ++face)
        sheet.add(table.m_dcFaces.image().copy(kCardWidth * (face - 1), 0, kCardWidth, kCardHeight),
            QString::number(face));

    sheet.section(QStringLiteral("Backs 1..8, upright and sideways"));
    for (int back = 1; back <= kCardBackCount; ++back) {
        PaintCardBack(table.m_dcBack, table.m_dcBackSide, back);
        PaintCardCorners(table.m_dcFaces, table.m_dcBack, table.m_dcBackSide, back, kCornerColour);
        sheet.add(table.m_dcBack.image(), QString::number(back));
        sheet.add(table.m_dcBackSide.image());
    }

    sheet.section(QStringLiteral("Backgrounds 1..10"));
    for (int background = 1; background <= kFileBackgroundCount; ++background) {
        g_background = background;
        table.PaintTile();
        sheet.add(table.m_dcTile.image(), QString::number(background));
    }

    sheet.section(QStringLiteral("Announcement images 1..37"));
    for (int n = 1; n < kAnnouncementCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        sheet.add(PlotPoints(g_announcementPointX[i], g_announcementPointY[i], g_announcementPointCount[i],
                      qRgb(0, 0, 0)),
            QString::number(n));
    }

    sheet.section(QStringLiteral("Suit glyphs 1..4 and the about box's links"));
    for (int suit = 1; suit <= kSuits; ++suit) {
        const auto i = static_cast<std::size_t>(suit);
        sheet.add(PlotPoints(g_suitGlyphX[i], g_suitGlyphY[i], g_suitGlyphCount[i], Rgb(g_suitColour[i])),
            QString::number(suit));
    }
    sheet.add(PlotPoints(g_aboutLink1X, g_aboutLink1Y, g_aboutLink1Count, qRgb(0, 0, 200)),
        QStringLiteral("link 1"));
    sheet.add(PlotPoints(g_aboutLink2X, g_aboutLink2Y, g_aboutLink2Count, qRgb(0, 0, 200)),
        QStringLiteral("link 2"));

    if (!sheet.render().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
