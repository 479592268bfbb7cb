#include "app/dialogs/Open.h"

#include "app/dialogs/SaveDialogFrame.h"

#include <QPushButton>
#include <QShowEvent>

namespace {

/// The dialog and its controls, in dialog units.
constexpr int kDialogWidth = 112;
constexpr int kDialogHeight = 67;
constexpr TemplateRect kListPlace { 0, 0, 61, 67 };
constexpr TemplateRect kPicturePlace { 76, 8, 21, 20 };
constexpr TemplateRect kLoadPlace { 62, 38, 50, 14 };
constexpr TemplateRect kCancelPlace { 62, 53, 50, 14 };

} // namespace

COpen::COpen(QWidget* parent)
    : QDialog(parent)
    , m_list(this)
{
    const DialogUnits units
        = ShapeSaveDialog(*this, QStringLiteral("Загрузка игры"), kDialogWidth, kDialogHeight);

    PlaceSaveList(m_list, units, kListPlace);
    connect(&m_list, &QListWidget::itemSelectionChanged, this, &COpen::OnSelChangeList);
    connect(&m_list, &QListWidget::itemDoubleClicked, this, &COpen::OnDblClkList);
    AddSavePicture(*this, units, QStyle::SP_DialogOpenButton, kPicturePlace);

    QPushButton* load = AddFlatButton(*this, units, QStringLiteral("Загрузить"), kLoadPlace);
    load->setDefault(true);
    connect(load, &QPushButton::clicked, this, &COpen::accept);
    QPushButton* cancel = AddFlatButton(*this, units, QStringLiteral("Отмена"), kCancelPlace);
    connect(cancel, &QPushButton::clicked, this, &COpen::reject);
}

bool COpen::OnInitDialog()
{
    m_name.clear();
    ListSaves(m_directory, m_names, m_list);
    return true;
}

void COpen::OnSelChangeList()
{
    if (const int slot = SelectedSlot(m_list); slot != 0)
        m_name = m_names[static_cast<std::size_t>(slot)];
}

void COpen::OnDblClkList()
{
    OnSelChangeList();
    accept();
}

void COpen::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}
