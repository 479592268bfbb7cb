#include "app/dialogs/Spis_imy.h"

#include "app/dialogs/PlayerDialogFrame.h"
#include "app/dialogs/PlayerName.h"
#include "app/files/NamedFiles.h"
#include "app/files/SettingsFile.h"

#include <QDir>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace {

/// The list, in dialog units.
constexpr TemplateRect kListPlace { 1, 9, 96, 23 };
/// A name is centred by this many blanks less half its length in characters.
constexpr int kCentringBlanks = 20;
/// The slot of the current player, and the first slot of the other players.
constexpr int kCurrentSlot = 1;
constexpr int kFirstOtherSlot = 2;

} // namespace

CSpis_imy::CSpis_imy(QWidget* parent)
    : QDialog(parent)
    , m_list(this)
{
    const PlayerDialogFrame frame = BuildPlayerDialog(*this, QStringLiteral("Выберите игрока"));
    connect(frame.button, &QPushButton::clicked, this, &CSpis_imy::reject);

    m_list.setGeometry(frame.units.rect(kListPlace));
    m_list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The selection, not the current row: the list makes its first row current when it
    // takes the focus, and only a click or an arrow key chooses a player.
    connect(&m_list, &QListWidget::itemSelectionChanged, this, &CSpis_imy::OnSelChangeList);
    setTabOrder(&m_list, frame.button);
}

bool CSpis_imy::OnInitDialog()
{
    m_names.fill(QString());
    m_list.clear();
    m_names[kCurrentSlot] = m_current;
    addEntry(m_current);

    // Listing by path leaves the process's current folder as it is.
    const QString folder = m_directory.isEmpty() ? QDir::currentPath() : m_directory;
    int slot = kFirstOtherSlot;
    for (const NamedFile& profile : ListNamedFiles(folder, kProfileExtension)) {
        // Slots end at 8: a folder with more profiles than the list can hold shows the first ones.
        if (slot == kSlotCount)
            break;
        if (profile.name.compare(m_current, Qt::CaseInsensitive) == 0)
            continue;
        m_names[slot++] = profile.name;
        addEntry(profile.name);
    }
    return true;
}

void CSpis_imy::OnSelChangeList()
{
    const QList<QListWidgetItem*> selected = m_list.selectedItems();
    if (selected.isEmpty())
        return;
    const int slot = m_list.row(selected.front()) + kCurrentSlot;
    if (slot < kCurrentSlot || slot >= kSlotCount)
        return;
    m_current = m_names[slot];
    accept();
}

void CSpis_imy::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void CSpis_imy::addEntry(const QString& name)
{
    const int blanks = std::max(0, kCentringBlanks - CharacterCount(name) / 2);
    m_list.addItem(QString(blanks, QLatin1Char(' ')) + name);
}
