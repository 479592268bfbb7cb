#pragma once

#include "app/files/DataFile.h"
#include "platform/MemoryDC.h"

#include <QString>

#include <array>
#include <functional>
#include <string_view>

/// The image data files of the program folder, in the order the start-up reads them.
/// Each is plain text: decimal numbers separated by white space. Point lists hold x y
/// pairs on the sheet the pictures were drawn on; colour lists one Windows colour value
/// per point, image after image. A file must hold exactly the numbers its format fixes
/// (the announcement sheet and the suit glyphs are read up to their fixed counts and the
/// rest is left unread), every pixel must lie inside its image and every colour must be
/// 0..0xFFFFFF; any other file is refused, so nothing is ever stored past a table.
enum class ImageDataFile {
    CardPoints, ///< "Karta/Karta0.krt": the 6804 points of an upright card
    CardFaces, ///< "Karta/Karta.krt": 32 faces x 6804 colours, painted at once
    BackgroundPoints, ///< "Fon/fon0.pol": the 40000 points of a background tile
    BackgroundColours, ///< "Fon/Fon.pol": 10 backgrounds x 40000 colours
    SidePoints, ///< "Ryb/R90gr.rbk": the 6804 points of a sideways card
    BackColours, ///< "Ryb/Ryb0.rbk": 8 upright backs x 6804 colours
    BackSideColours, ///< "Ryb/Ryb90.rbk": 8 sideways backs x 6804 colours
    AnnouncementSheet, ///< "Opovechenie/Opov.opv": 50784 pairs, announcement images 1..37 and the about links
    SuitGlyphs, ///< "Opovechenie/Mast.mst": 452 + 624 + 596 + 508 pairs, the glyphs of suits 1..4
};

constexpr std::array<ImageDataFile, 9> kImageDataFiles { ImageDataFile::CardPoints, ImageDataFile::CardFaces,
    ImageDataFile::BackgroundPoints, ImageDataFile::BackgroundColours, ImageDataFile::SidePoints,
    ImageDataFile::BackColours, ImageDataFile::BackSideColours, ImageDataFile::AnnouncementSheet,
    ImageDataFile::SuitGlyphs };

/// The file's path relative to the program folder.
QString ImageDataFileName(ImageDataFile file);

/// Reads one file's text into its tables (app/files/ImageData.h). The card faces are painted
/// straight into `faces` (2272 x 96, face f at x = 71 * (f - 1)) at the card points, so
/// the card points must have been read before. After the background colours the tile's
/// point count is set; after the glyphs the suit colours.
DataFault ReadImageData(ImageDataFile file, std::string_view text, platform::MemoryDC& faces);

/// Reads every image data file of a folder ("/"-terminated) in start-up order, calling
/// `beforeEach` before each file; stops at the first file refused and returns its result.
DataFileResult LoadImageDataFiles(
    const QString& folder, platform::MemoryDC& faces, const std::function<void()>& beforeEach = {});
