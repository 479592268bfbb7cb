#include "app/dialogs/Igra.h"

#include "engine/Settings.h"
#include "platform/MemoryDC.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace {

/// The template, in dialog units of its font.
constexpr int kDialogWidth = 166;
constexpr int kDialogHeight = 195;
/// The font size, in tenths of a point.
constexpr int kFontSize = 110;

/// Slider ranges: pause after a trick in ms, speed (45 less the delay per step in ms),
/// steps of a card's slide.
constexpr int kPauseLow = 200;
constexpr int kPauseHigh = 3000;
constexpr int kSpeedLow = 1;
constexpr int kSpeedHigh = 45;
constexpr int kStepsLow = 5;
constexpr int kStepsHigh = 20;
/// The delay is 45 less the speed: 0 ms at the fastest, 44 ms at the slowest.
constexpr int kSlowestDelay = kSpeedHigh - kSpeedLow;

/// The level list's first item.
constexpr int kFirstLevel = 1;
constexpr int kLastLevel = 3;
/// Hand layouts and announcement styles.
constexpr int kSortBySuits = 1;
constexpr int kSortByPoints = 2;
constexpr int kStylePlain = 0;
constexpr int kStyleOutlined = 1;
constexpr int kStyleRaised = 2;
constexpr int kStyleAnimated = 3;

const QString kClearQuestion
    = QStringLiteral("Статиситка будет очищена при нажатие кнопки принять. Продолжить?");

} // namespace

CIgra::CIgra(QWidget* parent)
    : QDialog(parent)
{
    const TemplateControls c(*this, QStringLiteral("Игра"), platform::pointFont(kFontSize),
        DialogUnits(platform::pointFont(kFontSize)), kDialogWidth, kDialogHeight);
    c.groupBox(QStringLiteral("Партия"), { 2, 2, 80, 35 });
    QCheckBox* longGame = c.checkBox(QStringLiteral("Длинная (1001)"), { 6, 11, 68, 10 });
    QCheckBox* shortGame = c.checkBox(QStringLiteral("Короткая (501)"), { 6, 24, 66, 10 });
    c.groupBox(QStringLiteral("Раскладка"), { 2, 39, 80, 36 });
    QCheckBox* bySuits = c.checkBox(QStringLiteral("По мастям"), { 6, 48, 53, 10 });
    QCheckBox* byPoints = c.checkBox(QStringLiteral("По очкам"), { 6, 62, 48, 10 });
    c.groupBox(QStringLiteral("Приход"), { 2, 76, 80, 27 });
    m_comboExtraCards = c.dropDownList({ QStringLiteral("3 карты"), QStringLiteral("4 карты"),
                                           QStringLiteral("5 карт"), QStringLiteral("6 карт") },
        { 6, 86, 70, 60 });
    c.groupBox(QStringLiteral("Уровень игры"), { 2, 104, 80, 27 });
    m_comboLevel = c.dropDownList(
        { QStringLiteral("Новичок"), QStringLiteral("Игрок"), QStringLiteral("Профи") }, { 6, 114, 70, 50 });
    c.groupBox(QStringLiteral("Статистика"), { 2, 134, 80, 23 });
    QCheckBox* clear = c.checkBox(QStringLiteral("Очистить"), { 6, 144, 47, 10 });
    c.groupBox(QString(), { 2, 156, 80, 23 });
    QCheckBox* defaults = c.checkBox(QStringLiteral("По умолчанию"), { 7, 165, 65, 11 });
    c.groupBox(QStringLiteral("Пауза задержки карт"), { 83, 2, 82, 29 });
    m_sliderPause = c.slider({ 84, 13, 80, 15 }, kPauseLow, kPauseHigh);
    c.groupBox(QStringLiteral("Анимация карт"), { 83, 35, 82, 75 });
    c.staticText(QStringLiteral("Скорость"), { 109, 45, 29, 8 });
    m_sliderSpeed = c.slider({ 84, 53, 79, 15 }, kSpeedLow, kSpeedHigh);
    c.staticText(QStringLiteral("Частота"), { 109, 68, 33, 8 });
    m_sliderSteps = c.slider({ 84, 76, 80, 15 }, kStepsLow, kStepsHigh);
    QCheckBox* animationOff = c.checkBox(QStringLiteral("Отключить"), { 88, 92, 53, 12 });
    c.groupBox(QStringLiteral("Фразы"), { 83, 111, 82, 66 });
    QCheckBox* plain = c.checkBox(QStringLiteral("Простые"), { 87, 122, 59, 10 });
    QCheckBox* outlined = c.checkBox(QStringLiteral("Подведенные"), { 87, 136, 59, 10 });
    QCheckBox* raised = c.checkBox(QStringLiteral("Объемные"), { 87, 151, 50, 10 });
    QCheckBox* animated = c.checkBox(QStringLiteral("Анимированные"), { 87, 165, 67, 10 });
    // Last, so that Tab walks the options column by column before it reaches the buttons.
    c.okButton(QStringLiteral("Принять"), { 1, 180, 81, 14 });
    c.cancelButton(QStringLiteral("Закрыть"), { 83, 180, 82, 14 });

    m_checks = { { { longGame, &m_checkLong }, { shortGame, &m_checkShort }, { bySuits, &m_checkBySuits },
        { byPoints, &m_checkByPoints }, { defaults, &m_checkDefaults },
        { animationOff, &m_checkAnimationOff }, { clear, &m_checkClear }, { plain, &m_checkPlain },
        { outlined, &m_checkOutlined }, { raised, &m_checkRaised }, { animated, &m_checkAnimated } } };

    connect(longGame, &QCheckBox::clicked, this, &CIgra::OnLongGame);
    connect(shortGame, &QCheckBox::clicked, this, &CIgra::OnShortGame);
    connect(bySuits, &QCheckBox::clicked, this, &CIgra::OnBySuits);
    connect(byPoints, &QCheckBox::clicked, this, &CIgra::OnByPoints);
    connect(defaults, &QCheckBox::clicked, this, &CIgra::OnDefaults);
    connect(animationOff, &QCheckBox::clicked, this, &CIgra::OnAnimationOff);
    connect(clear, &QCheckBox::clicked, this, &CIgra::OnClearStatistics);
    connect(plain, &QCheckBox::clicked, this, &CIgra::OnPhrasePlain);
    connect(outlined, &QCheckBox::clicked, this, &CIgra::OnPhraseShadowed);
    connect(raised, &QCheckBox::clicked, this, &CIgra::OnPhraseRaised);
    connect(animated, &QCheckBox::clicked, this, &CIgra::OnPhraseAnimated);
    for (QSlider* slider : { m_sliderPause, m_sliderSpeed, m_sliderSteps })
        connect(slider, &QSlider::valueChanged, this, &CIgra::OnHScroll);
}

bool CIgra::OnInitDialog()
{
    // The settings come from files: what no control can show must not come back from OK.
    m_trickPause = std::clamp(m_trickPause, kPauseLow, kPauseHigh);
    m_animDelay = std::clamp(m_animDelay, 0, kSlowestDelay);
    m_animSteps = std::clamp(m_animSteps, kStepsLow, kStepsHigh);
    m_extraCards = std::clamp(m_extraCards, kFewestExtraCards, kMostExtraCards);
    m_level = std::clamp(m_level, kFirstLevel, kLastLevel);
    m_animation = std::clamp(m_animation, 0, 1);

    {
        // Placing the sliders is no scroll by the player.
        const QSignalBlocker pause(m_sliderPause);
        const QSignalBlocker speed(m_sliderSpeed);
        const QSignalBlocker steps(m_sliderSteps);
        m_sliderPause->setValue(m_trickPause);
        m_sliderSpeed->setValue(kSpeedHigh - m_animDelay);
        m_sliderSteps->setValue(m_animSteps);
    }
    m_comboExtraCards->setCurrentIndex(m_extraCards - kFewestExtraCards);
    m_comboLevel->setCurrentIndex(m_level - kFirstLevel);

    m_checkAnimationOff = m_animation == 0 ? 1 : 0;
    m_clearStatistics = 0;
    m_checkDefaults = 0;
    m_checkClear = 0;
    chooseLength(std::clamp(m_gameLength, kShortGame, kLongGame));
    chooseSort(std::clamp(m_handSort, kSortBySuits, kSortByPoints));
    chooseStyle(std::clamp(m_announcementStyle, kStylePlain, kStyleAnimated));
    return true;
}

void CIgra::OnLongGame()
{
    chooseLength(kLongGame);
}

void CIgra::OnShortGame()
{
    chooseLength(kShortGame);
}

void CIgra::OnBySuits()
{
    chooseSort(kSortBySuits);
}

void CIgra::OnByPoints()
{
    chooseSort(kSortByPoints);
}

void CIgra::OnPhrasePlain()
{
    chooseStyle(kStylePlain);
}

void CIgra::OnPhraseShadowed()
{
    chooseStyle(kStyleOutlined);
}

void CIgra::OnPhraseRaised()
{
    chooseStyle(kStyleRaised);
}

void CIgra::OnPhraseAnimated()
{
    chooseStyle(kStyleAnimated);
}

void CIgra::OnHScroll()
{
    m_trickPause = m_sliderPause->value();
    m_animDelay = kSpeedHigh - m_sliderSpeed->value();
    m_animSteps = m_sliderSteps->value();
}

void CIgra::OnDefaults()
{
    m_checkDefaults = m_checkDefaults == 1 ? 0 : 1;
}

void CIgra::OnAnimationOff()
{
    m_animation = m_animation == 1 ? 0 : 1;
    m_checkAnimationOff = m_animation == 0 ? 1 : 0;
}

void CIgra::OnClearStatistics()
{
    if (m_clearStatistics == 1)
        m_clearStatistics = 0;
    else
        m_clearStatistics = platform::AskYesNo(kClearQuestion) ? 1 : 0;
    m_checkClear = m_clearStatistics;
    refreshControls();
}

void CIgra::OnOK()
{
    m_extraCards = m_comboExtraCards->currentIndex() + kFewestExtraCards;
    m_level = m_comboLevel->currentIndex() + kFirstLevel;
    if (m_checkDefaults == 1) {
        m_gameLength = kLongGame;
        m_handSort = kSortBySuits;
        m_trickPause = kInitialTrickPause;
        m_animDelay = kInitialAnimDelay;
        m_level = kFirstLevel;
        m_extraCards = kInitialExtraCards;
        m_animation = 1;
        m_animSteps = kInitialAnimSteps;
        // A pending clear request goes with the other choices.
        m_clearStatistics = 0;
        m_announcementStyle = kInitialAnnouncementStyle;
    }
    ChecksFromControls(m_checks);
    QDialog::accept();
}

void CIgra::chooseLength(int gameLength)
{
    m_gameLength = gameLength;
    m_checkLong = gameLength == kLongGame ? 1 : 0;
    m_checkShort = gameLength == kShortGame ? 1 : 0;
    refreshControls();
}

void CIgra::chooseSort(int handSort)
{
    m_handSort = handSort;
    m_checkBySuits = handSort == kSortBySuits ? 1 : 0;
    m_checkByPoints = handSort == kSortByPoints ? 1 : 0;
    refreshControls();
}

void CIgra::chooseStyle(int style)
{
    m_announcementStyle = style;
    m_checkPlain = style == kStylePlain ? 1 : 0;
    m_checkOutlined = style == kStyleOutlined ? 1 : 0;
    m_checkRaised = style == kStyleRaised ? 1 : 0;
    m_checkAnimated = style == kStyleAnimated ? 1 : 0;
    refreshControls();
}

void CIgra::refreshControls()
{
    ChecksToControls(m_checks);
}

void CIgra::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}
