#include "app/dialogs/Zvyk.h"

#include "engine/Settings.h"
#include "platform/MemoryDC.h"

#include <QCheckBox>
#include <QShowEvent>

#include <algorithm>

namespace {

/// The template, in dialog units of its font.
constexpr int kDialogWidth = 116;
constexpr int kDialogHeight = 75;
/// The font size, in tenths of a point.
constexpr int kFontSize = 120;

} // namespace

CZvyk::CZvyk(QWidget* parent)
    : QDialog(parent)
{
    const TemplateControls controls(*this, QStringLiteral("Звук"), platform::pointFont(kFontSize),
        DialogUnits(platform::pointFont(kFontSize)), kDialogWidth, kDialogHeight);
    controls.groupBox(QStringLiteral("Голос"), { 2, 3, 56, 55 });
    QCheckBox* male = controls.checkBox(QStringLiteral("Мужской"), { 10, 15, 43, 10 });
    QCheckBox* female = controls.checkBox(QStringLiteral("Женский"), { 10, 30, 41, 10 });
    QCheckBox* noVoice = controls.checkBox(QStringLiteral("Отключить"), { 10, 45, 45, 10 });
    controls.groupBox(QStringLiteral("Карты"), { 61, 3, 54, 26 });
    QCheckBox* cards = controls.checkBox(QStringLiteral("Включить"), { 66, 13, 43, 10 });
    controls.groupBox(QStringLiteral("Кнопки"), { 61, 32, 54, 26 });
    QCheckBox* buttons = controls.checkBox(QStringLiteral("Включить"), { 66, 42, 44, 10 });
    controls.okButton(QStringLiteral("Принять"), { 2, 60, 55, 14 });
    controls.cancelButton(QStringLiteral("Закрыть"), { 59, 60, 56, 14 });

    m_checks = { { { cards, &m_cardSounds }, { male, &m_checkMale }, { female, &m_checkFemale },
        { noVoice, &m_checkNoVoice }, { buttons, &m_buttonSounds } } };
    connect(cards, &QCheckBox::clicked, this, &CZvyk::OnCardSounds);
    connect(male, &QCheckBox::clicked, this, &CZvyk::OnVoiceMale);
    connect(female, &QCheckBox::clicked, this, &CZvyk::OnVoiceFemale);
    connect(noVoice, &QCheckBox::clicked, this, &CZvyk::OnVoiceOff);
    connect(buttons, &QCheckBox::clicked, this, &CZvyk::OnButtonSounds);
}

bool CZvyk::OnInitDialog()
{
    // The settings come from files: what no box can show must not come back from OK.
    m_cardSounds = std::clamp(m_cardSounds, 0, 1);
    m_buttonSounds = std::clamp(m_buttonSounds, 0, 1);
    chooseVoice(std::clamp(m_voice, kVoiceMale, kVoiceOff));
    return true;
}

void CZvyk::OnCardSounds()
{
    m_cardSounds = m_cardSounds == 1 ? 0 : 1;
}

void CZvyk::OnVoiceMale()
{
    chooseVoice(kVoiceMale);
}

void CZvyk::OnVoiceFemale()
{
    chooseVoice(kVoiceFemale);
}

void CZvyk::OnVoiceOff()
{
    chooseVoice(kVoiceOff);
}

void CZvyk::OnButtonSounds()
{
    m_buttonSounds = m_buttonSounds == 1 ? 0 : 1;
}

void CZvyk::chooseVoice(int voice)
{
    m_voice = voice;
    m_checkMale = voice == kVoiceMale ? 1 : 0;
    m_checkFemale = voice == kVoiceFemale ? 1 : 0;
    m_checkNoVoice = voice == kVoiceOff ? 1 : 0;
    ChecksToControls(m_checks);
}

void CZvyk::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void CZvyk::accept()
{
    ChecksFromControls(m_checks);
    QDialog::accept();
}
