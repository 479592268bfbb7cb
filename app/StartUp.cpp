#include "app/Globals.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/TableView.h"
#include "app/VertanDlg.h"
#include "app/WindowTitle.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/drawing/ImagePainting.h"
#include "app/drawing/NameHeaders.h"
#include "app/files/DataFile.h"
#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"
#include "app/files/ProgramFolder.h"
#include "app/files/SettingsFile.h"
#include "app/intro/IntroModel.h"
#include "app/intro/IntroView.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"
#include "platform/DialogRunner.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/PaintingWait.h"

namespace {

/// The brushes of the panels (see CVertanDlg::m_brush1).
constexpr platform::COLORREF kTableGreen = platform::RGB(67, 102, 67);
constexpr platform::COLORREF kShadowGrey = platform::RGB(56, 56, 56);
constexpr platform::COLORREF kRimGrey = platform::RGB(120, 120, 120);
constexpr platform::COLORREF kBrightGreen = platform::RGB(0, 255, 0);
constexpr platform::COLORREF kPaleGreen = platform::RGB(150, 200, 150);

/// How long a window manager may take to maximise the window, in ms. Without one (a bare X
/// display) the window keeps its size, and the intro plays at that size once this is over.
constexpr int kMaximiseWaitMs = 2000;

/// Maximises the window and waits, painting but taking no input, until its client area has
/// grown. A window manager maximises in its own time, and the intro is laid out for the
/// client area it finds: started before the new size arrives, it would play at the normal
/// size in the corner of the maximised window.
void ShowMaximisedNow(CVertanDlg& table)
{
    const QWidget& client = *table.tableView();
    const QSize normal = client.sizeHint();
    table.showMaximized();
    platform::WaitKeepingPaint(kMaximiseWaitMs,
        [&] { return client.width() > normal.width() || client.height() > normal.height(); });
}

/// The window as the intro finds it: its title, the brushes made, the table green, and
/// maximised when the settings say so. The green covers the whole back buffer before the
/// maximise, so that the window shows it wherever it grows while the maximise is awaited.
void PrepareWindow(CVertanDlg& table)
{
    table.setWindowTitle(QStringLiteral("Вертан"));
    table.m_dcBuffer.selectPen(platform::Pen::Null());
    table.m_brush2 = { table.m_textBackColour };
    table.m_brush3 = { kShadowGrey };
    table.m_brush4 = { kRimGrey };
    table.m_brush5 = { kBrightGreen };
    table.m_brush6 = { kPaleGreen };
    table.m_brush1 = { kTableGreen };
    table.m_dcBuffer.selectBrush(table.m_brush1);
    const int width = table.m_dcBuffer.width();
    const int height = table.m_dcBuffer.height();
    table.m_dcBuffer.rectangle(0, 0, width, height);
    table.surface().present(table.m_dcBuffer, 0, 0, width, height);
    if (g_maximized == 1)
        ShowMaximisedNow(table);
}

/// The game cannot start without one of its data files: the player learns which, and the
/// window closes without writing anything.
void Abandon(CVertanDlg& table, const DataFileResult& result)
{
    platform::Tell(result.message());
    table.done(QDialog::Rejected);
}

/// Who plays when the name dialog is left with Escape on a first run: the name ends up in
/// file names and the title, so it is never empty.
const QString kUnnamedPlayer = QStringLiteral("ИГРОК");

/// The name dialog, offering the last player's name. Whether it ends with OK or not, its
/// field holds the name to play under.
QString AskPlayerName()
{
    CVvod_imy dialog;
    dialog.m_name = ReadLastPlayer(g_programDir);
    platform::RunModal(dialog);
    return dialog.m_name.isEmpty() ? kUnnamedPlayer : dialog.m_name;
}

void SetSuits()
{
    for (int card = 1; card <= g_deckSize; ++card)
        g_cards[static_cast<std::size_t>(card)].suit() = SuitOf(card);
}

} // namespace

void CVertanDlg::StartUp()
{
    g_settingsFile = SettingsFileOf(g_programDir, ReadLastPlayer(g_programDir));
    // The sounds are played by names relative to the program folder.
    platform::SetCurrentFolder(g_programDir);
    ReadSettingsFile(FileInFolder(g_programDir, g_settingsFile), m_customColour);

    // Not started yet while the window takes its size: a size message then only lays the
    // table out, where a redraw would cover the green with a table whose pictures are not
    // read yet. The view asks for the start-up once, so a paint meanwhile does not repeat it.
    PrepareWindow(*this);
    // From here on a paint that arrives while the start-up runs (during the intro's
    // pauses or the name dialog) must not start it again.
    g_started = 1;

    const DataFileResult model = LoadDataFile(FileInFolder(g_programDir, kIntroFile),
        [](std::string_view text) { return ReadIntroModel(text, g_clientWidth, g_clientHeight); });
    if (!model.ok())
        return Abandon(*this, model);
    m_intro = IntroView::Create(*tableView(), QSize(g_clientWidth, g_clientHeight));
    if (m_intro)
        m_intro->play();

    // A progress quad before each file; the intro has seven, for the seven longest.
    const DataFileResult images = LoadImageDataFiles(g_programDir, m_dcFaces, [this] {
        if (m_intro)
            m_intro->drawProgressQuad();
    });
    if (!images.ok())
        return Abandon(*this, images);

    // The player confirmed may be another than the last one: a profile of theirs replaces
    // the settings read above; without one, the settings in force stay and go to the
    // shared file.
    g_playerName = AskPlayerName();
    g_settingsFile = SettingsFileOf(g_programDir, g_playerName);
    if (g_settingsFile != kSharedSettingsFile)
        ReadSettingsFile(FileInFolder(g_programDir, g_settingsFile), m_customColour);

    PlaceNameHeaders();
    WriteLastPlayer(g_programDir, g_playerName);
    setWindowTitle(TableTitle(g_playerName, g_level, g_gameLength));
    g_saveName = g_playerName;
    SetSuits();

    // The background and back counters served the loading; the chosen ones come in now.
    g_cardBack = g_loadedCardBack;
    RepaintCardBack();
    FillCustomBackground(m_customColour);
    g_background = g_loadedBackground;
    RebuildBackground();

    AssignVoicePhrases();
    StartDeal();
}
