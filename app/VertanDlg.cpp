#include "app/VertanDlg.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/TableView.h"
#include "app/commands/MenuCommands.h"
#include "app/files/ImageData.h"
#include "app/files/ProgramFolder.h"
#include "app/intro/IntroView.h"
#include "engine/CardTable.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {

/// Width of the bitmap the 32 faces are painted into once, side by side, in pixels.
constexpr int kFacesWidth = g_deckSize * kCardWidth;
/// The table bitmaps cover at least this much, and at least the screen, in pixels.
constexpr int kMinTableWidth = 1600;
constexpr int kMinTableHeight = 1200;
/// Panel texts: 11-point (in tenths of a point), light grey on a brick-red panel.
constexpr int kPanelFontSize = 110;
constexpr platform::COLORREF kPanelTextColour = platform::RGB(180, 180, 180);
constexpr platform::COLORREF kPanelColour = platform::RGB(134, 62, 34);

} // namespace

CVertanDlg::CVertanDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
        | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Вертан"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    layout->setMenuBar(m_menuBar);
    m_tableView = new TableView(*this);
    layout->addWidget(m_tableView);
    m_surface.attach(m_tableView);
    buildMenu();
    OnInitDialog();
}

CVertanDlg::~CVertanDlg() = default;

void CVertanDlg::buildMenu()
{
    for (const MenuPopup& popup : TableMenu()) {
        QMenu* menu = m_menuBar->addMenu(popup.title);
        for (const MenuItem& item : popup.items) {
            if (!item.handler) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(item.text);
            action->setData(item.command);
            connect(action, &QAction::triggered, this,
                [this, handler = item.handler] { RunStep([this, handler] { (this->*handler)(); }); });
        }
    }
}

bool CVertanDlg::OnInitDialog()
{
    g_tiledWidth = g_clientWidth;
    g_tiledHeight = g_clientHeight;
    g_programDir = ProgramFolder();

    // A maximised window on a large screen must still be drawn whole.
    QSize screen(kMinTableWidth, kMinTableHeight);
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screen = primary->size().expandedTo(screen);
    m_dcFaces.create(kFacesWidth, kCardHeight);
    m_dcTile.create(kTileSize, kTileSize);
    m_dcBack.create(kCardWidth, kCardHeight);
    m_dcBackSide.create(kCardHeight, kCardWidth);
    m_dcTable.create(screen.width(), screen.height());
    m_dcBuffer.create(screen.width(), screen.height());
    m_surface.resize(screen.width(), screen.height());

    m_font = platform::pointFont(kPanelFontSize);
    m_textColour = kPanelTextColour;
    m_textBackColour = kPanelColour;
    setWindowIcon(QIcon(FileInFolder(g_programDir, QStringLiteral("Pictures/icon.png"))));
    return true;
}

void CVertanDlg::OnPaint()
{
    if (g_started == 0)
        StartUp();
    RefreshWindow();
}

void CVertanDlg::RefreshWindow()
{
    // Until the first deal the window shows the intro's frame, not the back buffer.
    if (g_glActive == 1 && m_intro) {
        m_intro->refresh();
        return;
    }
    m_surface.present(m_dcBuffer, 0, 0, g_clientWidth, g_clientHeight);
}

void CVertanDlg::OnOK()
{
    // Enter never closes the table.
}

void CVertanDlg::OnCancel()
{
    WriteSettings();
    endDialog();
}

void CVertanDlg::OnExit()
{
    WriteSettings();
    endDialog();
}

void CVertanDlg::closeEvent(QCloseEvent* event)
{
    // The close box ends the game exactly as Escape does; once ended, a second close
    // request must not write the settings again.
    event->ignore();
    if (m_stepDepth > 0)
        m_closePending = true;
    else if (!m_ended)
        OnCancel();
}

void CVertanDlg::endDialog()
{
    m_ended = true;
    QDialog::reject();
}
