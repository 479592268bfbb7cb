#pragma once

#include "app/dialogs/TemplateControls.h"

#include <QDialog>

#include <array>

class QComboBox;
class QShowEvent;
class QSlider;

/// The game options dialog: game length, hand layout, cards of the second deal, the
/// computer's level, pause after a trick, card animation, announcement style, a return to
/// the defaults and a request to clear the statistics. The caller sets the nine value
/// members before the run and, after OK, reads them and m_clearStatistics; the dialog
/// itself reads and writes no setting and no file.
class CIgra : public QDialog {
    Q_OBJECT

public:
    explicit CIgra(QWidget* parent = nullptr);

    /// Animation steps (5..20), animation speed (1..45, 45 less the delay) and pause after a
    /// trick (200..3000 ms); owned by the dialog.
    QSlider* m_sliderSteps;
    QSlider* m_sliderSpeed;
    QSlider* m_sliderPause;
    /// Levels "Новичок", "Игрок", "Профи" and second-deal cards "3 карты" .. "6 карт".
    QComboBox* m_comboLevel;
    QComboBox* m_comboExtraCards;
    /// Check states, 0/1, of "Длинная (1001)", "Короткая (501)", "По мастям", "По очкам".
    int m_checkLong = 0;
    int m_checkShort = 0;
    int m_checkBySuits = 0;
    int m_checkByPoints = 0;
    /// 1 short game (501), 2 long game (1001).
    int m_gameLength = 0;
    /// 1 hand laid out by suits, 2 by points.
    int m_handSort = 0;
    /// 1 "Новичок", 2 "Игрок", 3 "Профи".
    int m_level = 0;
    /// Pause after a trick, ms (200..3000 once the dialog is open).
    int m_trickPause = 0;
    /// Sleep per animation step, ms (0..44 once the dialog is open).
    int m_animDelay = 0;
    /// 1 cards are animated, 0 not.
    int m_animation = 0;
    /// Steps of a card's slide, 5..20.
    int m_animSteps = 0;
    /// 1 when the player asked for the statistics to be cleared.
    int m_clearStatistics = 0;
    /// 0 plain, 1 outlined, 2 raised, 3 animated.
    int m_announcementStyle = 0;
    /// Check states, 0/1, of "По умолчанию", "Отключить", "Очистить" and the four styles.
    int m_checkDefaults = 0;
    int m_checkAnimationOff = 0;
    int m_checkClear = 0;
    int m_checkPlain = 0;
    int m_checkOutlined = 0;
    int m_checkRaised = 0;
    int m_checkAnimated = 0;
    /// Cards to each side in the second deal, 3..6.
    int m_extraCards = 0;

    /// Brings the value members into the ranges the controls can show, then shows them; true.
    bool OnInitDialog();
    /// The exclusive pairs and the style group: the box clicked is checked alone, also when
    /// it was checked already, and its value taken.
    void OnLongGame();
    void OnShortGame();
    void OnBySuits();
    void OnByPoints();
    void OnPhrasePlain();
    void OnPhraseShadowed();
    void OnPhraseRaised();
    void OnPhraseAnimated();
    /// Any slider moved: all three positions are read.
    void OnHScroll();
    /// "По умолчанию" and "Отключить" toggle.
    void OnDefaults();
    void OnAnimationOff();
    /// Asks before a clear request is made; a pending request is withdrawn without a question.
    void OnClearStatistics();
    /// "Принять": the lists' choices, the defaults when asked for, and the dialog ends with OK.
    void OnOK();

protected:
    void showEvent(QShowEvent* event) override;
    void accept() override { OnOK(); }

private:
    /// Checks one box of a group alone and takes its value.
    void chooseLength(int gameLength);
    void chooseSort(int handSort);
    void chooseStyle(int style);
    /// Every box from its member.
    void refreshControls();

    /// The eleven check boxes and their members, owned by the dialog.
    std::array<CheckBinding, 11> m_checks;
};
