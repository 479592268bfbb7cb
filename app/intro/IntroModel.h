#pragma once

#include "app/files/DataFile.h"

#include <array>
#include <string_view>

/// The intro's polygon model, read from "Zastavka.zst": record 0 holds the first polygon's
/// colour; records 1..g_introVertexCount are vertices. A vertex whose polygon-end flag is 1
/// closes its polygon, and its colour is the colour of the next one. The last 28 vertices
/// are also the seven quads of the loading progress bar.

/// The model's file, relative to the program folder.
inline const QString kIntroFile = QStringLiteral("Zastavka.zst");

/// The most vertex records the tables hold.
constexpr int kIntroRecordCapacity = 949;
/// A quad's vertices: four consecutive records.
constexpr int kQuadVertices = 4;
/// The seven progress quads at the end of the model, and their vertex records.
constexpr int kProgressQuadCount = 7;
constexpr int kProgressQuadRecords = kQuadVertices * kProgressQuadCount;
/// The model is drawn in a frame of this size, in pixels, centred in the client area.
constexpr int kIntroFrameWidth = 970;
constexpr int kIntroFrameHeight = 700;

using IntroTable = std::array<double, kIntroRecordCapacity + 1>;
/// Colour (0..1 each) and position (pixels of the client area, z toward the viewer) of record j.
inline IntroTable g_introRed {}, g_introGreen {}, g_introBlue {};
inline IntroTable g_introX {}, g_introY {}, g_introZ {};
/// 1 = record j is the last vertex of its polygon, 0 = not.
inline std::array<int, kIntroRecordCapacity + 1> g_introPolygonEnd {};
/// Vertex records read, kProgressQuadRecords..kIntroRecordCapacity.
inline int g_introVertexCount = 0;
/// Shift of the shrinking model that keeps it aimed at the table centre, in pixels.
inline double g_introOffsetX = 0;
inline double g_introOffsetY = 0;

/// Reads the model's text into the tables, moving the 970 x 700 frame to the middle of a
/// client area of the given size (half the difference, truncated toward zero). Every
/// record must be complete: a model with a cut record, fewer vertices than the progress
/// quads need or more than the tables hold is refused.
DataFault ReadIntroModel(std::string_view text, int clientWidth, int clientHeight);
