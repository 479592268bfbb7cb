#include "app/dialogs/Save.h"

#include "app/Globals.h"
#include "app/dialogs/SaveDialogFrame.h"
#include "app/dialogs/UpperCaseValidator.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

/// The dialog and its controls, in dialog units.
constexpr int kDialogWidth = 112;
constexpr int kDialogHeight = 82;
constexpr TemplateRect kFieldPlace { 1, 1, 60, 12 };
constexpr TemplateRect kListPlace { 0, 14, 61, 67 };
constexpr TemplateRect kPicturePlace { 77, 8, 21, 20 };
constexpr TemplateRect kSavePlace { 62, 37, 50, 14 };
constexpr TemplateRect kDeletePlace { 62, 52, 50, 14 };
constexpr TemplateRect kClosePlace { 62, 67, 50, 14 };

/// The questions, with the save's name for %1.
const QString kReplaceQuestion = QStringLiteral("%1\nСохранение существует.\nЗаменить его?");
const QString kDeleteQuestion = QStringLiteral("%1\nВы действитнльно хотите\nудалить сохранение?");

} // namespace

CSave::CSave(QWidget* parent)
    : QDialog(parent)
    , m_list(this)
{
    const DialogUnits units
        = ShapeSaveDialog(*this, QStringLiteral("Сохранение игры"), kDialogWidth, kDialogHeight);

    m_edit = new QLineEdit(this);
    m_edit->setGeometry(units.rect(kFieldPlace));
    m_edit->setValidator(new UpperCaseValidator(m_edit));
    PlaceSaveList(m_list, units, kListPlace);
    connect(&m_list, &QListWidget::itemSelectionChanged, this, &CSave::OnSelChangeList);
    AddSavePicture(*this, units, QStyle::SP_DialogSaveButton, kPicturePlace);

    QPushButton* save = AddFlatButton(*this, units, QStringLiteral("Сохранить"), kSavePlace);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &CSave::OnOK);
    QPushButton* remove = AddFlatButton(*this, units, QStringLiteral("Удалить"), kDeletePlace);
    connect(remove, &QPushButton::clicked, this, &CSave::OnDelete);
    QPushButton* close = AddFlatButton(*this, units, QStringLiteral("Закрыть"), kClosePlace);
    connect(close, &QPushButton::clicked, this, &CSave::reject);
}

bool CSave::OnInitDialog()
{
    m_isNew = 1;
    m_count = ListSaves(m_directory, m_names, m_list);
    exchangeToControls();
    m_edit->setFocus();
    return true;
}

void CSave::OnSelChangeList()
{
    const int slot = SelectedSlot(m_list);
    // Taking the last entry out of the selection chooses nothing; counting the field's
    // name as listed then would let a new save past the limit.
    if (slot == 0)
        return;
    m_name = m_names[static_cast<std::size_t>(slot)];
    m_isNew = 0;
    exchangeToControls();
}

void CSave::OnOK()
{
    // A typed name of a listed save replaces that save: asked first like a chosen one,
    // and allowed when eight saves exist.
    if (m_isNew == 1 && IsListedSave(m_names, m_count, m_edit->text())) {
        m_name = m_edit->text();
        m_isNew = 0;
    }
    if (m_isNew == 1 && m_count == kMaxSaves) {
        platform::Tell(kLimitMessage);
        return;
    }
    if (m_isNew == 0) {
        if (!platform::AskYesNo(kReplaceQuestion.arg(m_name))) {
            m_isNew = 1;
            m_name.clear();
            exchangeToControls();
            return;
        }
        // A name typed over the chosen save does not count: the save goes to the chosen one,
        // under its name as listed (the field would put a name in small letters in capitals).
        exchangeToControls();
    } else {
        exchangeFromControls();
    }
    accept();
}

void CSave::OnDelete()
{
    if (m_isNew == 1)
        return;
    if (platform::AskYesNo(kDeleteQuestion.arg(m_name)))
        QFile::remove(SavePath(m_directory, m_name));
    startOver();
}

void CSave::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void CSave::exchangeToControls()
{
    m_edit->setText(m_name);
}

void CSave::exchangeFromControls()
{
    m_name = m_edit->text();
}

void CSave::startOver()
{
    m_isNew = 1;
    m_count = ListSaves(m_directory, m_names, m_list);
    m_name.clear();
    exchangeToControls();
}
