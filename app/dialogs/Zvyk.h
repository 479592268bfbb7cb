#pragma once

#include "app/dialogs/TemplateControls.h"

#include <QDialog>

#include <array>

class QShowEvent;

/// The sound dialog: the voice of the announcements (male, female or none), card sounds and
/// button sounds. The caller sets m_cardSounds, m_voice and m_buttonSounds and reads them
/// after OK.
class CZvyk : public QDialog {
    Q_OBJECT

public:
    explicit CZvyk(QWidget* parent = nullptr);

    /// 1 = card sounds on, 0 off; exchanged with "Включить" under "Карты".
    int m_cardSounds = 0;
    /// The voice checks, 0/1, exactly one of them 1 once the dialog is open.
    int m_checkMale = 0;
    int m_checkFemale = 0;
    int m_checkNoVoice = 0;
    /// 1 male, 2 female, 3 no voice (a value out of range opens as the nearest one).
    int m_voice = 0;
    /// 1 = button sounds on, 0 off; exchanged with "Включить" under "Кнопки".
    int m_buttonSounds = 0;

    /// Brings the members into range and checks exactly the box of m_voice; true.
    bool OnInitDialog();
    /// The sound boxes toggle their members; a voice box chooses its voice, and stays
    /// checked when it was checked already.
    void OnCardSounds();
    void OnVoiceMale();
    void OnVoiceFemale();
    void OnVoiceOff();
    void OnButtonSounds();

protected:
    void showEvent(QShowEvent* event) override;
    /// "Принять": the boxes into their members once more, then the dialog ends with OK.
    void accept() override;

private:
    /// Checks one voice box alone and takes its voice.
    void chooseVoice(int voice);

    /// The five check boxes and their members, owned by the dialog.
    std::array<CheckBinding, 5> m_checks;
};
