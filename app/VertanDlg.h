#pragma once

#include "platform/MemoryDC.h"
#include "platform/Rect.h"
#include "platform/WindowSurface.h"

#include <QDialog>
#include <QFont>

#include <memory>

class QMenuBar;
class TableView;
class IntroView;
enum class PromptState : int;
enum class Spot : int;

/// The card table: the game's one main window. It owns the memory bitmaps everything is
/// drawn into, the drawing resources and the on-table button rectangles; the game's
/// sequences are its members, defined in app/ and its rooms by what they do.
class CVertanDlg : public QDialog {
    Q_OBJECT

public:
    explicit CVertanDlg(QWidget* parent = nullptr);
    ~CVertanDlg() override;

    // Window frame.
    bool OnInitDialog();
    void OnPaint();
    void OnSize(int type, int width, int height);
    void OnOK();
    void OnCancel();
    void RefreshWindow();
    void WriteSettings();

    // Start-up and intro.
    void StartUp();
    /// Ends the intro: frees its OpenGL context and lets the window show the back buffer
    /// again. The first deal calls it; later calls do nothing.
    void ReleaseIntro();

    // Mouse.
    void OnMouseMove(int x, int y);
    void OnLButtonDown(int x, int y);
    void HighlightButton();

    // Menu commands.
    void OnNewGame();
    void OnShowScore();
    void OnShowStatistics();
    void OnSaveGame();
    void OnLoadGame();
    void OnChangePlayer();
    void OnExit();
    void OnGameOptions();
    void OnTableBackground();
    void OnSound();
    void OnCardBack();
    void OnPlayers();
    void OnHelp();
    void OnAbout();
    void OnPlayOnline();

    // The deal.
    void StartDeal();
    void CheckSixTrumps();
    void DealRestAndStartPlay();
    void CompareDeclarations();
    void OfferSevenExchange();
    void DoSevenExchange();
    void OnPromptButton();
    void PlayHumanLead();
    void PlayHumanFollow();
    void PlayComputerLead();
    void PlayComputerFollow();
    void ScoreDeal();

    // Drawing.
    void RedrawTable();
    void DrawHumanHand();
    void SortHumanHand();
    void DrawLabel();
    /// Paints the background tile from the colours of the background in force.
    void PaintTile();
    /// Covers the clean table with copies of the tile, far enough for a client of that size.
    void TileCleanTable(int width, int height);
    /// Gives the corners of the faces and backs the table colour, then paints the tile, the
    /// clean table and the back buffer, for the background and card back in force.
    void PaintTableBitmaps();
    /// Card-back repaint (app/commands/TableLook.cpp): paints the upright and the sideways back of
    /// g_cardBack (a value out of 1..8 becomes the nearest back); the corners keep the
    /// table colour but the sideways back's top-left one, which takes the back's own shade.
    void RepaintCardBack();
    /// Background rebuild (app/commands/TableLook.cpp): the text colours of g_background (a value
    /// out of 1..11 becomes the nearest background) and the custom colour, then the card
    /// corners, the tile, the clean table and the back buffer, tiled for the client size.
    /// Background slot 11 must already hold the custom colour.
    void RebuildBackground();

    // Presentation steps of the prompts (app/drawing/Presentation.cpp). Images and captions stand
    // at the named spots of app/Spots.h; everything is drawn into the back buffer.
    /// Restores image n's band (its half width w either side, 20 above and below the spot)
    /// from the clean table into the back buffer.
    void EraseImage(int image, Spot spot);
    /// Draws image n at the spot (DrawLabel) and shows its band on the window.
    void ShowImage(int image, Spot spot);
    /// Shows caption n (28..34) at the spot in the caption colour; its band becomes `button`
    /// (m_rcButton1 for A, m_rcButton2 for B).
    void ShowCaption(int image, Spot spot, platform::Rect& button);
    /// Copies the back buffer (0, 0, W, H) to the window.
    void PresentTable();
    /// Draws the glyph of suit 1..4 at trump mark spot 1 or 2 into the back buffer.
    void DrawTrumpMark(int suit, int markSpot);
    /// DrawTrumpMark, then shows the mark's 38 x 42 rectangle on the window.
    void ShowTrumpMark(int suit, int markSpot);
    /// Image 35 (the human is to lead) at the centre, shown in a 200 x 40 band;
    /// g_announcement is 0 afterwards.
    void ShowLeadLabel();
    /// Restores the pair question's 300 x 40 band from the clean table into the back buffer.
    void EraseQuestion();
    /// Offers g_otherSuit1..3 on the three suit buttons of prompt 7 or 11: records them in
    /// g_shownAnnouncement1..3 and g_offeredSuit1..3, draws their glyphs and stores
    /// m_rcSuit1..3.
    void OfferSuitButtons(PromptState state);
    /// Restores the three suit buttons' rectangles from the clean table into the back buffer.
    void EraseSuitButtons();
    /// Card 1..32 face up / a card back with its top-left corner at (x, y), into the back buffer.
    void DrawCardFace(int card, int x, int y);
    void DrawCardBack(int x, int y);

    /// Runs one game step (a click, a menu command, the start-up). A close request that
    /// arrives while a step pauses is held and carried out once the step has returned.
    template <class Step> void RunStep(Step&& step)
    {
        ++m_stepDepth;
        step();
        if (--m_stepDepth == 0 && m_closePending && !m_ended) {
            m_closePending = false;
            OnCancel();
        }
    }

    /// What the window shows; the table view paints from it.
    platform::WindowSurface& surface() { return m_surface; }
    /// The widget of the client area (below the menu).
    TableView* tableView() const { return m_tableView; }

    /// Side code of the player who took the trump in the current deal.
    int m_taker = 0;
    /// Hit rectangles of the on-table answer buttons A and B and of the three suit buttons.
    platform::Rect m_rcButton1, m_rcButton2;
    platform::Rect m_rcSuit1, m_rcSuit2, m_rcSuit3;

    /// The 32 card faces side by side, face f at x = 71 * (f - 1); 2272 x 96.
    platform::MemoryDC m_dcFaces;
    /// One 200 x 200 tile of the table background.
    platform::MemoryDC m_dcTile;
    /// The chosen card back, upright (71 x 96) and lying sideways (96 x 71).
    platform::MemoryDC m_dcBack;
    platform::MemoryDC m_dcBackSide;
    /// The clean table (background tiles only) and the back buffer (the table as shown).
    platform::MemoryDC m_dcTable;
    platform::MemoryDC m_dcBuffer;

    /// Panel brushes: table green, panel, shadow, close-mark rim, bright green, close-mark face.
    platform::Brush m_brush1, m_brush2, m_brush3, m_brush4, m_brush5, m_brush6;

    /// Colour in which announcements are drawn, and the background's own announcement colour.
    platform::COLORREF m_announcementColour = 0;
    platform::COLORREF m_announcementNormalColour = 0;
    /// Custom table colour (settings field 3), red in the low byte, 0..0xFFFFFF.
    platform::COLORREF m_customColour = 0;
    /// Colours of the on-table button captions, plain and hovered.
    platform::COLORREF m_captionColour = 0;
    platform::COLORREF m_hoverColour = 0;
    /// 11-point "Times New Roman" for panel texts.
    QFont m_font;
    /// Panel text and its background.
    platform::COLORREF m_textColour = 0;
    platform::COLORREF m_textBackColour = 0;

protected:
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// Fills the menu bar from the table menu; each command runs as a game step.
    void buildMenu();
    /// Ends the dialog without writing the settings again.
    void endDialog();
    /// Tells the window manager the sizes the window may take in its state: the normal
    /// window keeps its own, the maximised one takes the screen (app/FrameHints.cpp).
    void updateFrameHints();

    /// The menu bar and the client area below it; owned by the window.
    QMenuBar* m_menuBar = nullptr;
    TableView* m_tableView = nullptr;
    /// What the window shows: presented rectangles of the back buffer and hover highlights.
    platform::WindowSurface m_surface;
    /// True once the dialog has ended, so a further close request writes nothing.
    bool m_ended = false;
    /// Game steps running (nested while a step opens a modal dialog).
    int m_stepDepth = 0;
    /// True while a close request waits for the running game step to return.
    bool m_closePending = false;
    /// The intro's OpenGL view, from the start-up's first frame to the first deal; null
    /// when the system offers no OpenGL.
    std::unique_ptr<IntroView> m_intro;
};
