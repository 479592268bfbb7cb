#include "app/dialogs/Individym.h"

#include "app/Globals.h"
#include "app/dialogs/PlayerName.h"
#include "app/dialogs/TemplateControls.h"
#include "app/dialogs/UpperCaseValidator.h"
#include "app/files/NamedFiles.h"
#include "app/files/ProgramFolder.h"
#include "app/files/SettingsFile.h"
#include "app/files/StateFile.h"
#include "platform/MemoryDC.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

namespace {

/// The template, in dialog units of its font.
constexpr int kDialogWidth = 108;
constexpr int kDialogHeight = 155;
/// The font size, in tenths of a point.
constexpr int kFontSize = 120;

/// The name field and the pictures beside the three groups, in dialog units.
constexpr TemplateRect kNamePlace { 3, 18, 81, 12 };
constexpr TemplateRect kAddPicturePlace { 84, 11, 19, 18 };
constexpr TemplateRect kDeletePicturePlace { 85, 64, 19, 18 };
constexpr TemplateRect kDeleteAllPicturePlace { 85, 116, 19, 18 };

/// Questions and notices; %1 is the file replaced, the profile deleted, all profiles' names
/// one a line, or the files that could not be removed.
const QString kReplaceQuestion = QStringLiteral("%1\nНастройка существует\nзаменить настройку?");
const QString kDeleteQuestion = QStringLiteral("%1\nВы действитнльно хотите\nудалить настройку?");
const QString kDeleteAllQuestion
    = QStringLiteral("%1\n\nВсе настройки будут удалены,\n           продолжить?");
const QString kNotRemovedMessage = QStringLiteral("Не удалось удалить:\n%1");

} // namespace

CIndividym::CIndividym(QWidget* parent)
    : QDialog(parent)
{
    const QFont font = platform::pointFont(kFontSize);
    const DialogUnits units(font);
    const TemplateControls controls(
        *this, QStringLiteral("Индивидуальная настройка"), font, units, kDialogWidth, kDialogHeight);
    // Each group's picture says what the group does.
    const auto picture = [&](QStyle::StandardPixmap icon, const TemplateRect& place) {
        controls.picture(style()->standardIcon(icon).pixmap(units.rect(place).size()), place);
    };

    // The groups' titles stand in the middle of their frames.
    constexpr auto kCentred = TemplateControls::TitlePlace::Centred;
    controls.groupBox(QStringLiteral("Добавить настройку"), { 1, 0, 106, 49 }, kCentred);
    controls.staticText(QStringLiteral("Ваше имя"), { 35, 10, 32, 8 });
    m_edit = new QLineEdit(this);
    m_edit->setGeometry(units.rect(kNamePlace));
    m_edit->setValidator(new UpperCaseValidator(m_edit));
    picture(QStyle::SP_DialogSaveButton, kAddPicturePlace);
    QPushButton* add = controls.pushButton(QStringLiteral("Добавить"), { 3, 32, 102, 14 });

    controls.groupBox(QStringLiteral("Удалить настройку"), { 1, 54, 106, 49 }, kCentred);
    controls.staticText(QStringLiteral("Выбор настройки"), { 24, 65, 59, 8 });
    m_combo = controls.dropDownList({}, { 3, 74, 82, 55 });
    picture(QStyle::SP_TrashIcon, kDeletePicturePlace);
    QPushButton* remove = controls.pushButton(QStringLiteral("Удалить"), { 3, 87, 102, 14 });

    controls.groupBox(QStringLiteral("Удалить все настройки"), { 2, 109, 105, 28 }, kCentred);
    QPushButton* removeAll = controls.pushButton(QStringLiteral("Удалить все"), { 4, 120, 80, 14 });
    picture(QStyle::SP_DialogDiscardButton, kDeleteAllPicturePlace);
    controls.okButton(QStringLiteral("Закрыть"), { 2, 140, 104, 14 });

    // Enter in the name field adds the profile; "Закрыть" is only clicked.
    add->setDefault(true);

    connect(add, &QPushButton::clicked, this, &CIndividym::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CIndividym::OnDelete);
    connect(removeAll, &QPushButton::clicked, this, &CIndividym::OnDeleteAll);
    connect(m_combo, &QComboBox::activated, this, &CIndividym::OnSelChangeProfile);
}

bool CIndividym::OnInitDialog()
{
    m_edit->setText(UpperCaseLetters(m_profileName));
    m_edit->setFocus();
    listProfiles();
    return true;
}

void CIndividym::OnAdd()
{
    // The name becomes a file name and a player's name: one word, as the name dialog takes it.
    m_profileName = FirstWord(m_edit->text());
    m_edit->setText(m_profileName);
    if (const QString refusal = NameRefusal(m_profileName); !refusal.isEmpty()) {
        platform::Tell(refusal);
        return;
    }
    // The profile the player would be given is the one replaced, spelled as on disk.
    const QString existing = FindProfile(m_directory, m_profileName);
    if (!existing.isEmpty()) {
        if (!platform::AskYesNo(kReplaceQuestion.arg(existing)))
            return;
    } else if (m_count >= kMaxProfiles) {
        platform::Tell(kLimitMessage);
        return;
    }
    const QString file = existing.isEmpty() ? m_profileName + kProfileExtension : existing;
    // A failed write leaves the old profile whole, and the player is told it was not replaced.
    WriteStateFile(FileInFolder(m_directory, file), FormatSettings(settings()));
    listProfiles();
}

void CIndividym::OnDelete()
{
    if (m_selectedFile.isEmpty())
        return;
    if (!platform::AskYesNo(kDeleteQuestion.arg(m_selected)))
        return;
    removeProfiles({ m_selectedFile });
    listProfiles();
}

void CIndividym::OnSelChangeProfile()
{
    const int item = m_combo->currentIndex();
    if (item >= 0 && item < kMaxProfiles)
        select(item + 1);
}

void CIndividym::OnDeleteAll()
{
    if (m_count == 0)
        return;
    QString names;
    QStringList files;
    for (int slot = 1; slot <= m_count; ++slot) {
        names += QLatin1Char('\n') + m_names[static_cast<std::size_t>(slot)];
        files.append(m_files[static_cast<std::size_t>(slot)]);
    }
    if (!platform::AskYesNo(kDeleteAllQuestion.arg(names)))
        return;
    // Only the profiles the question named: files beyond the eight listed were not shown.
    removeProfiles(files);
    listProfiles();
}

void CIndividym::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void CIndividym::listProfiles()
{
    m_names.fill(QString());
    m_files.fill(QString());
    m_combo->clear();
    m_count = 0;
    for (const NamedFile& profile : ListNamedFiles(m_directory, kProfileExtension)) {
        // Eight slots: more profiles, made outside the game, are listed once some are deleted.
        if (m_count == kMaxProfiles)
            break;
        const auto slot = static_cast<std::size_t>(++m_count);
        m_files[slot] = profile.file;
        m_names[slot] = profile.name;
        m_combo->addItem(UpperCaseLetters(profile.name));
    }
    select(m_count > 0 ? 1 : 0);
}

void CIndividym::select(int slot)
{
    const bool listed = slot >= 1 && slot <= m_count;
    m_selected = listed ? m_names[static_cast<std::size_t>(slot)] : QString();
    m_selectedFile = listed ? m_files[static_cast<std::size_t>(slot)] : QString();
    m_combo->setCurrentIndex(listed ? slot - 1 : -1);
}

void CIndividym::removeProfiles(const QStringList& files)
{
    QStringList kept;
    for (const QString& file : files) {
        const QString path = FileInFolder(m_directory, file);
        if (!QFile::remove(path) && QFile::exists(path))
            kept.append(file);
    }
    if (!kept.isEmpty())
        platform::Tell(kNotRemovedMessage.arg(kept.join(QLatin1Char('\n'))));
}

SettingsRecord CIndividym::settings() const
{
    return { m_maximized, m_background, m_customColour, m_cardBack, m_extraCards, m_voice, m_handSort,
        m_cardSounds, m_level, m_gameLength, m_animDelay, m_trickPause, m_buttonSounds, m_animation,
        m_animSteps, m_announcementStyle };
}
