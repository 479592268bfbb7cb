#include "app/VertanApp.h"
#include "app/dialogs/Fon_St.h"
#include "app/dialogs/Rybachka.h"
#include "support/GameFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetInput.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <vector>

namespace {

/// The tiles in client pixels: the ten backgrounds and the colour column, the eight backs.
const std::vector<platform::Rect> kBackgroundTiles { {}, { 1, 3, 105, 107 }, { 105, 3, 209, 107 },
    { 208, 3, 312, 107 }, { 312, 3, 416, 107 }, { 415, 3, 519, 107 }, { 1, 107, 105, 211 },
    { 105, 107, 209, 211 }, { 208, 107, 312, 211 }, { 312, 107, 416, 211 }, { 415, 107, 519, 211 },
    { 519, 3, 623, 211 } };
platform::Rect backTile(int n)
{
    return { 3 + 75 * (n - 1), 3, 78 + 75 * (n - 1), 103 };
}

QPoint centreOf(const platform::Rect& r)
{
    return { (r.left + r.right) / 2, (r.top + r.bottom) / 2 };
}

/// The dialogs of the table's look, opened as a modal run opens them, with the colour
/// dialog answered by script and the pictures of the generated program folder.
class TableLookDialogTest : public ::testing::Test {
protected:
    /// The dialog as the screen shows it.
    static QImage shot(QWidget& dialog) { return dialog.grab().toImage(); }

    /// True when the frame stands around the tile: the outermost pixel in the middle of each
    /// of its four edges shows the dialog's face inverted by cyan. Neighbouring tiles share
    /// an edge, so all four are needed to tell the framed tile.
    static bool framed(QWidget& dialog, const QImage& image, const platform::Rect& tile)
    {
        const QRgb face = dialog.palette().color(QPalette::Window).rgb();
        const QRgb inverted = qRgb(qRed(face), 255 - qGreen(face), 255 - qBlue(face));
        const QPoint middle = centreOf(tile);
        const std::vector<QPoint> edges { { tile.left, middle.y() }, { tile.right - 1, middle.y() },
            { middle.x(), tile.top }, { middle.x(), tile.bottom - 1 } };
        return std::ranges::all_of(edges, [&](QPoint p) { return image.pixel(p) == inverted; });
    }
    /// The tiles that stand framed.
    static std::vector<int> framedTiles(QWidget& dialog, const std::vector<platform::Rect>& tiles)
    {
        const QImage image = shot(dialog);
        std::vector<int> found;
        for (std::size_t n = 1; n < tiles.size(); ++n)
            if (framed(dialog, image, tiles[n]))
                found.push_back(static_cast<int>(n));
        return found;
    }
    static QPushButton& button(QWidget& dialog, const QString& text)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == text)
                return *button;
        ADD_FAILURE() << "no button " << text.toStdString();
        return *dialog.findChild<QPushButton*>();
    }
    /// Answers the next colour dialog: checks the colour it opens with, then picks a colour
    /// (OK) or nothing (cancel).
    void answerColour(QColor opensWith, std::optional<QColor> picked)
    {
        dialogs_.answerAs<QColorDialog>([=](QColorDialog& colours) {
            EXPECT_EQ(colours.currentColor(), opensWith);
            if (!picked)
                return static_cast<int>(QDialog::Rejected);
            colours.setCurrentColor(*picked);
            return static_cast<int>(QDialog::Accepted);
        });
    }

    GameFolder folder_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
};

TEST_F(TableLookDialogTest, BackgroundDialogShowsTheTenPicturesInTheirTilesAndTheButtonsBelow)
{
    CFon_St dialog;
    dialog.m_selected = 1;
    dialog.show();
    const QList<QLabel*> pictures = dialog.findChildren<QLabel*>();
    ASSERT_EQ(pictures.size(), 10);
    for (int n = 1; n <= 10; ++n) {
        const QLabel& picture = *pictures[n - 1];
        ASSERT_FALSE(picture.pixmap().isNull()) << "fon" << n << ".png";
        const platform::Rect& tile = kBackgroundTiles[static_cast<std::size_t>(n)];
        EXPECT_EQ(picture.geometry(), QRect(tile.left + 2, tile.top + 2, 100, 100)) << "picture " << n;
    }
    EXPECT_GE(dialog.width(), 623);
    for (const QString& text : { QStringLiteral("Выбрать"), QStringLiteral("Закрыть") })
        EXPECT_GE(button(dialog, text).geometry().top(), 211) << text.toStdString();
}

TEST_F(TableLookDialogTest, BackgroundDialogOpensFramingTheGivenChoiceWithTheSwatchInTheCustomColour)
{
    CFon_St dialog;
    dialog.m_selected = 11;
    dialog.m_customColour = platform::RGB(10, 200, 30);
    dialog.show();
    EXPECT_EQ(framedTiles(dialog, kBackgroundTiles), std::vector<int> { 11 });
    const QImage image = shot(dialog);
    EXPECT_EQ(image.pixel(521, 5), qRgb(10, 200, 30));
    EXPECT_EQ(image.pixel(620, 208), qRgb(10, 200, 30));

    dialog.hide();
    dialog.m_selected = 4;
    dialog.show();
    EXPECT_EQ(framedTiles(dialog, kBackgroundTiles), std::vector<int> { 4 });
    EXPECT_EQ(shot(dialog).pixel(571, 107), qRgb(10, 200, 30)) << "the swatch whatever the choice";
}

TEST_F(TableLookDialogTest, BackgroundDialogClickChoosesTheTileUnderItAndTheLaterOfTwoOverlappingOnes)
{
    CFon_St dialog;
    dialog.m_selected = 1;
    dialog.show();
    ClickAt(dialog, { 150, 150 });
    EXPECT_EQ(dialog.m_selected, 7);
    EXPECT_EQ(framedTiles(dialog, kBackgroundTiles), std::vector<int> { 7 });

    // Columns 208 and 415 belong to two tiles each.
    ClickAt(dialog, { 208, 50 });
    EXPECT_EQ(dialog.m_selected, 3);
    EXPECT_EQ(framedTiles(dialog, kBackgroundTiles), std::vector<int> { 3 });
    ClickAt(dialog, { 415, 150 });
    EXPECT_EQ(dialog.m_selected, 10);

    // Outside every tile: the corner above the first row, the buttons' row.
    ClickAt(dialog, { 0, 0 });
    ClickAt(dialog, { 300, 1 });
    EXPECT_EQ(dialog.m_selected, 10);
    EXPECT_EQ(framedTiles(dialog, kBackgroundTiles), std::vector<int> { 10 });
    EXPECT_TRUE(dialogs_.opened.empty()) << "no colour dialog";
}

TEST_F(TableLookDialogTest, ColourColumnChoosesTheCustomColourAndOffersTheColourDialog)
{
    CFon_St dialog;
    dialog.m_selected = 2;
    dialog.m_customColour = platform::RGB(1, 2, 3);
    dialog.show();

    answerColour(QColor(1, 2, 3), QColor(200, 100, 50));
    ClickAt(dialog, { 570, 100 });
    EXPECT_EQ(dialog.m_selected, 11);
    EXPECT_EQ(dialog.m_customColour, platform::RGB(200, 100, 50));
    EXPECT_EQ(shot(dialog).pixel(571, 107), qRgb(200, 100, 50));
    EXPECT_EQ(framedTiles(dialog, kBackgroundTiles), std::vector<int> { 11 });

    // Cancelled: the column stays chosen, the colour and the swatch stay.
    ClickAt(dialog, { 50, 50 });
    answerColour(QColor(200, 100, 50), std::nullopt);
    ClickAt(dialog, { 570, 100 });
    EXPECT_EQ(dialog.m_selected, 11);
    EXPECT_EQ(dialog.m_customColour, platform::RGB(200, 100, 50));
    EXPECT_EQ(shot(dialog).pixel(571, 107), qRgb(200, 100, 50));

    // With the game's translation of Qt's own texts, the colour dialog speaks Russian.
    const std::unique_ptr<QTranslator> russian = LoadSystemTranslation();
    ASSERT_NE(russian, nullptr) << "Qt's Russian translation is not installed";
    QApplication::installTranslator(russian.get());
    dialogs_.answerAs<QColorDialog>([](QColorDialog& colours) {
        EXPECT_EQ(colours.windowTitle(), QStringLiteral("Выбор цвета"));
        return static_cast<int>(QDialog::Rejected);
    });
    ClickAt(dialog, { 570, 100 });
    QApplication::removeTranslator(russian.get());
    EXPECT_EQ(dialogs_.answersLeft(), 0u);
}

TEST_F(TableLookDialogTest, BackgroundDialogDoubleClickOnAPictureEndsWithOkButNotOnTheColourColumn)
{
    CFon_St pictures;
    pictures.m_selected = 1;
    pictures.show();
    DoubleClickAt(pictures, centreOf(kBackgroundTiles[9]));
    EXPECT_FALSE(pictures.isVisible());
    EXPECT_EQ(pictures.result(), QDialog::Accepted);
    EXPECT_EQ(pictures.m_selected, 9);

    CFon_St column;
    column.m_selected = 1;
    column.show();
    answerColour(QColor(0, 0, 0), QColor(9, 9, 9));
    DoubleClickAt(column, centreOf(kBackgroundTiles[11]));
    EXPECT_TRUE(column.isVisible());
    EXPECT_EQ(dialogs_.opened.size(), 1u) << "one colour dialog for the double click";
    EXPECT_EQ(column.m_selected, 11);
}

TEST_F(TableLookDialogTest, BackgroundDialogButtonsEndWithOkOrCancelAndOutOfRangeValuesOpenInRange)
{
    CFon_St chosen;
    chosen.m_selected = 0;
    chosen.m_customColour = 0xff123456;
    chosen.show();
    EXPECT_EQ(framedTiles(chosen, kBackgroundTiles), std::vector<int> { 1 });
    button(chosen, QStringLiteral("Выбрать")).click();
    EXPECT_EQ(chosen.result(), QDialog::Accepted);
    EXPECT_EQ(chosen.m_selected, 1);
    EXPECT_EQ(chosen.m_customColour, 0x123456u) << "a colour has 24 bits";

    CFon_St closed;
    closed.m_selected = 12;
    closed.show();
    EXPECT_EQ(framedTiles(closed, kBackgroundTiles), std::vector<int> { 11 });
    button(closed, QStringLiteral("Закрыть")).click();
    EXPECT_FALSE(closed.isVisible());
    EXPECT_EQ(closed.result(), QDialog::Rejected);
}

TEST_F(TableLookDialogTest, CardBackDialogShowsTheEightBacksInTheirTilesAndFramesTheGivenOne)
{
    CRybachka dialog;
    dialog.m_selected = 8;
    dialog.show();
    const QList<QLabel*> pictures = dialog.findChildren<QLabel*>();
    ASSERT_EQ(pictures.size(), 8);
    for (int n = 1; n <= 8; ++n) {
        const QLabel& picture = *pictures[n - 1];
        ASSERT_FALSE(picture.pixmap().isNull()) << "back" << n << ".png";
        const platform::Rect tile = backTile(n);
        EXPECT_EQ(picture.geometry(), QRect(tile.left + 2, tile.top + 2, 71, 96)) << "picture " << n;
    }
    std::vector<platform::Rect> tiles { {} };
    for (int n = 1; n <= 8; ++n)
        tiles.push_back(backTile(n));
    EXPECT_EQ(framedTiles(dialog, tiles), std::vector<int> { 8 });

    // Between two pictures but inside a tile; the shared edge belongs to the right tile.
    ClickAt(dialog, { 77, 50 });
    EXPECT_EQ(dialog.m_selected, 1);
    ClickAt(dialog, { 78, 50 });
    EXPECT_EQ(dialog.m_selected, 2);
    EXPECT_EQ(framedTiles(dialog, tiles), std::vector<int> { 2 });
    // Below the row.
    ClickAt(dialog, { 300, 103 });
    EXPECT_EQ(dialog.m_selected, 2);

    DoubleClickAt(dialog, centreOf(backTile(5)));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_selected, 5);
}

TEST_F(TableLookDialogTest, CardBackDialogTakesABackOutOfRangeAsTheNearestAndCloseCancels)
{
    CRybachka dialog;
    dialog.m_selected = 9;
    dialog.show();
    EXPECT_EQ(dialog.m_selected, 8);
    button(dialog, QStringLiteral("Закрыть")).click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
