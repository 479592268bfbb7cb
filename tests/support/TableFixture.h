#pragma once

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/TableDrawing.h"
#include "app/files/ImageData.h"
#include "app/files/SettingsFile.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/MemoryDC.h"
#include "platform/Rect.h"
#include "support/HeadlessPlatform.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace platform {
/// Shows a rectangle in test failures by its edges.
inline void PrintTo(const Rect& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
} // namespace platform

/// Colours of the test's card pictures, so that a drawn card can be found by its colour.
constexpr platform::COLORREF kTestTable = platform::RGB(7, 8, 9);
constexpr platform::COLORREF kTestBack = platform::RGB(1, 2, 3);
constexpr platform::COLORREF kTestSideBack = platform::RGB(4, 5, 6);
constexpr platform::COLORREF FaceColour(int card)
{
    return platform::RGB(card, 111, 222);
}
/// Announcement, caption and hover colours of the test table.
constexpr platform::COLORREF kTestAnnouncement = platform::RGB(250, 250, 10);
constexpr platform::COLORREF kTestCaption = platform::RGB(10, 250, 250);
constexpr platform::COLORREF kTestHover = platform::RGB(250, 10, 250);

/// Every test image: a block 7 pixels wide and 5 high centred on its anchor, row by row.
constexpr int kTestImageHalfWidth = 3;
constexpr int kTestImageHalfHeight = 2;
constexpr int kTestImagePoints = 35;

/// A table window on the offscreen platform with the headless services, every game value
/// at its start, one-colour card pictures and block-shaped images; every suit glyph is a
/// single pixel at its origin.
class TableTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Lays the table out for a client of that size (the size handler's computations).
    void layOut(int width, int height);
    /// Poses a prompt showing an image (the acknowledge caption unless told) and repaints
    /// the whole table, as the engine leaves it for the pointer.
    void pose(PromptState state, int announcement = image::kCaptionAcknowledge);

    /// The smallest rectangle holding every pixel of that colour in the client area of a
    /// bitmap, or nothing when there is none.
    std::optional<platform::Rect> bounds(const platform::MemoryDC& dc, platform::COLORREF colour) const;
    /// Pixels of the client area that differ between two bitmaps.
    int differences(const platform::MemoryDC& a, const platform::MemoryDC& b) const;

    /// The sounds played since the test began, by name.
    int played(const std::string& name) const;

    /// The middle of a rectangle, where a test puts the pointer.
    static Point centreOf(const platform::Rect& r)
    {
        return { (r.left + r.right) / 2, (r.top + r.bottom) / 2 };
    }
    /// The card's face drawn exactly at (x, y).
    static platform::Rect cardAt(int x, int y) { return { x, y, x + 71, y + 96 }; }

    HeadlessPlatform platform_;
    std::unique_ptr<CVertanDlg> table_;
};

/// Colours of the command tests' pictures: back b upright, sideways and the sideways
/// shade (its point 95), and background g, which is also its table colour.
constexpr auto BackColour = [](int b) { return platform::RGB(10 * b, 1, 2); };
constexpr auto SideColour = [](int b) { return platform::RGB(10 * b, 3, 4); };
constexpr auto SideShade = [](int b) { return platform::RGB(10 * b, 5, 6); };
constexpr auto BackgroundColour = [](int g) { return platform::RGB(g, 100, 200); };

/// The table of TableTest over a program folder of its own with the dialogs answered by
/// script, the settings of a first run (male voice, hand by suits, long game), and
/// pictures that tell every back and background apart.
class TableCommandTest : public TableTest {
protected:
    void SetUp() override;
    void TearDown() override;

    /// The texts of the messages and questions shown, oldest first.
    std::vector<QString> messages() const;
    /// The next name dialog ends with `result` and `typed` in its field; `offered_`
    /// receives the name it opened with.
    void answerName(const QString& typed, int result = QDialog::Accepted);
    /// Marks the window, so that redrawn() tells whether the table reached it since.
    void markWindow();
    bool redrawn() const;

    TempFolder folder_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> dialogsGuard_ { dialogs_ };
    QString offered_ = QStringLiteral("not asked");

private:
    QString savedProgramDir_ = g_programDir;
};
