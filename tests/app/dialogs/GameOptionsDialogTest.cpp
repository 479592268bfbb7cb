#include "app/dialogs/Igra.h"
#include "support/HeadlessPlatform.h"
#include "support/QStringPrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

namespace {

const QString kClearQuestion
    = QStringLiteral("Статиситка будет очищена при нажатие кнопки принять. Продолжить?");

/// The options a table opens the dialog with.
struct Options {
    int extraCards = 3;
    int gameLength = 2;
    int handSort = 1;
    int level = 1;
    int trickPause = 1000;
    int animDelay = 8;
    int animation = 1;
    int animSteps = 10;
    int announcementStyle = 2;
};

/// The game options dialog opened as a modal run opens it, with scripted answers to its
/// question.
class GameOptionsDialogTest : public ::testing::Test {
protected:
    void open(const Options& o = {})
    {
        dialog_.m_extraCards = o.extraCards;
        dialog_.m_gameLength = o.gameLength;
        dialog_.m_handSort = o.handSort;
        dialog_.m_level = o.level;
        dialog_.m_trickPause = o.trickPause;
        dialog_.m_animDelay = o.animDelay;
        dialog_.m_animation = o.animation;
        dialog_.m_animSteps = o.animSteps;
        dialog_.m_announcementStyle = o.announcementStyle;
        dialog_.show();
    }
    QCheckBox& box(const QString& text)
    {
        for (QCheckBox* box : dialog_.findChildren<QCheckBox*>())
            if (box->text() == text)
                return *box;
        ADD_FAILURE() << "no check box " << text.toStdString();
        return *dialog_.findChild<QCheckBox*>();
    }
    bool checked(const QString& text) { return box(text).isChecked(); }
    void click(const QString& text) { box(text).click(); }
    /// The check states of a group, in the order given.
    std::vector<bool> group(std::initializer_list<const char*> texts)
    {
        std::vector<bool> states;
        for (const char* text : texts)
            states.push_back(checked(QString::fromUtf8(text)));
        return states;
    }
    std::vector<bool> lengthBoxes() { return group({ "Длинная (1001)", "Короткая (501)" }); }
    std::vector<bool> layoutBoxes() { return group({ "По мастям", "По очкам" }); }
    std::vector<bool> styleBoxes()
    {
        return group({ "Простые", "Подведенные", "Объемные", "Анимированные" });
    }
    void press(const QString& text)
    {
        for (QPushButton* button : dialog_.findChildren<QPushButton*>())
            if (button->text() == text)
                return button->click();
        ADD_FAILURE() << "no button " << text.toStdString();
    }
    void accept()
    {
        press(QStringLiteral("Принять"));
        EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    }

    HeadlessPlatform platform_;
    CIgra dialog_;
};

TEST_F(GameOptionsDialogTest, OpensShowingTheGivenOptions)
{
    open({ .extraCards = 6,
        .gameLength = 1,
        .handSort = 2,
        .level = 3,
        .trickPause = 2500,
        .animDelay = 8,
        .animation = 0,
        .animSteps = 17,
        .announcementStyle = 3 });
    EXPECT_EQ(lengthBoxes(), (std::vector<bool> { false, true }));
    EXPECT_EQ(layoutBoxes(), (std::vector<bool> { false, true }));
    EXPECT_EQ(styleBoxes(), (std::vector<bool> { false, false, false, true }));
    EXPECT_TRUE(checked(QStringLiteral("Отключить")));
    EXPECT_FALSE(checked(QStringLiteral("Очистить")));
    EXPECT_FALSE(checked(QStringLiteral("По умолчанию")));
    EXPECT_EQ(dialog_.m_sliderPause->value(), 2500);
    EXPECT_EQ(dialog_.m_sliderSpeed->value(), 37) << "45 less the delay";
    EXPECT_EQ(dialog_.m_sliderSteps->value(), 17);
    EXPECT_EQ(dialog_.m_comboExtraCards->currentText(), QStringLiteral("6 карт"));
    EXPECT_EQ(dialog_.m_comboLevel->currentText(), QStringLiteral("Профи"));
}

TEST_F(GameOptionsDialogTest, ExclusiveGroupsKeepTheClickedBoxCheckedAloneEvenWhenItWasChecked)
{
    open();
    click(QStringLiteral("Длинная (1001)"));
    EXPECT_EQ(lengthBoxes(), (std::vector<bool> { true, false }));
    EXPECT_EQ(dialog_.m_gameLength, 2);
    click(QStringLiteral("Короткая (501)"));
    EXPECT_EQ(lengthBoxes(), (std::vector<bool> { false, true }));
    EXPECT_EQ(dialog_.m_gameLength, 1);

    click(QStringLiteral("По мастям"));
    EXPECT_EQ(layoutBoxes(), (std::vector<bool> { true, false }));
    click(QStringLiteral("По очкам"));
    EXPECT_EQ(layoutBoxes(), (std::vector<bool> { false, true }));
    EXPECT_EQ(dialog_.m_handSort, 2);

    click(QStringLiteral("Объемные"));
    EXPECT_EQ(styleBoxes(), (std::vector<bool> { false, false, true, false }));
    const std::vector<std::pair<const char*, int>> styles { { "Простые", 0 }, { "Подведенные", 1 },
        { "Анимированные", 3 }, { "Объемные", 2 } };
    for (const auto& [text, style] : styles) {
        click(QString::fromUtf8(text));
        EXPECT_EQ(dialog_.m_announcementStyle, style) << text;
        EXPECT_EQ(std::ranges::count(styleBoxes(), true), 1) << text;
        EXPECT_TRUE(checked(QString::fromUtf8(text)));
    }
    accept();
    EXPECT_EQ(dialog_.m_gameLength, 1);
    EXPECT_EQ(dialog_.m_handSort, 2);
    EXPECT_EQ(dialog_.m_announcementStyle, 2);
}

TEST_F(GameOptionsDialogTest, AnimationSwitchedOffStaysOffThroughOtherClicks)
{
    open();
    click(QStringLiteral("Отключить"));
    click(QStringLiteral("Короткая (501)"));
    EXPECT_TRUE(checked(QStringLiteral("Отключить")));
    accept();
    EXPECT_EQ(dialog_.m_animation, 0);

    CIgra again;
    again.m_animation = 0;
    again.show();
    for (QCheckBox* box : again.findChildren<QCheckBox*>())
        if (box->text() == QStringLiteral("Отключить"))
            box->click();
    again.OnOK();
    EXPECT_EQ(again.m_animation, 1);
}

TEST_F(GameOptionsDialogTest, AnySliderMovedStoresAllThreePositions)
{
    open({ .trickPause = 1000, .animDelay = 8, .animSteps = 10 });
    dialog_.m_sliderPause->setValue(3000);
    EXPECT_EQ(dialog_.m_trickPause, 3000);
    dialog_.m_sliderSpeed->setValue(45);
    dialog_.m_sliderSteps->setValue(5);
    accept();
    EXPECT_EQ(dialog_.m_trickPause, 3000);
    EXPECT_EQ(dialog_.m_animDelay, 0) << "the fastest speed sleeps 0 ms";
    EXPECT_EQ(dialog_.m_animSteps, 5);
}

TEST_F(GameOptionsDialogTest, ValuesTheControlsCannotShowComeBackAsTheNearestOnesTheyShow)
{
    open({ .extraCards = 9,
        .gameLength = 0,
        .handSort = 7,
        .level = 0,
        .trickPause = 50,
        .animDelay = 50,
        .animation = 4,
        .animSteps = 40,
        .announcementStyle = -1 });
    EXPECT_EQ(dialog_.m_sliderSpeed->value(), 1);
    EXPECT_EQ(lengthBoxes(), (std::vector<bool> { false, true }));
    EXPECT_EQ(layoutBoxes(), (std::vector<bool> { false, true }));
    EXPECT_EQ(styleBoxes(), (std::vector<bool> { true, false, false, false }));
    accept();
    EXPECT_EQ(dialog_.m_extraCards, 6);
    EXPECT_EQ(dialog_.m_gameLength, 1);
    EXPECT_EQ(dialog_.m_handSort, 2);
    EXPECT_EQ(dialog_.m_level, 1);
    EXPECT_EQ(dialog_.m_trickPause, 200);
    EXPECT_EQ(dialog_.m_animDelay, 44) << "with no slider moved as well";
    EXPECT_EQ(dialog_.m_animation, 1);
    EXPECT_EQ(dialog_.m_animSteps, 20);
    EXPECT_EQ(dialog_.m_announcementStyle, 0);
}

TEST_F(GameOptionsDialogTest, ClearAsksBeforeARequestAndWithdrawsAPendingOneWithoutAsking)
{
    open();
    platform_.messageBox.answer({ true });
    click(QStringLiteral("Очистить"));
    EXPECT_TRUE(checked(QStringLiteral("Очистить")));
    EXPECT_EQ(dialog_.m_clearStatistics, 1);
    ASSERT_EQ(platform_.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform_.messageBox.shown[0].text, kClearQuestion);
    EXPECT_TRUE(platform_.messageBox.shown[0].question);

    click(QStringLiteral("Очистить"));
    EXPECT_FALSE(checked(QStringLiteral("Очистить")));
    EXPECT_EQ(dialog_.m_clearStatistics, 0);
    EXPECT_EQ(platform_.messageBox.shown.size(), 1u) << "no question";

    platform_.messageBox.answer({ false });
    click(QStringLiteral("Очистить"));
    EXPECT_FALSE(checked(QStringLiteral("Очистить")));
    EXPECT_EQ(dialog_.m_clearStatistics, 0);
    EXPECT_EQ(platform_.messageBox.shown.size(), 2u);

    platform_.messageBox.answer({ true });
    click(QStringLiteral("Очистить"));
    accept();
    EXPECT_EQ(dialog_.m_clearStatistics, 1);
}

TEST_F(GameOptionsDialogTest, DefaultsCheckedAtOkReplaceEveryChoiceAndWithdrawTheClearRequest)
{
    open({ .extraCards = 5,
        .gameLength = 1,
        .handSort = 2,
        .level = 3,
        .trickPause = 300,
        .animDelay = 30,
        .animation = 0,
        .animSteps = 6,
        .announcementStyle = 0 });
    platform_.messageBox.answer({ true });
    click(QStringLiteral("Очистить"));
    click(QStringLiteral("По умолчанию"));
    click(QStringLiteral("По умолчанию"));
    click(QStringLiteral("По умолчанию"));
    EXPECT_TRUE(checked(QStringLiteral("По умолчанию")));
    dialog_.m_comboLevel->setCurrentIndex(2);
    accept();
    EXPECT_EQ(dialog_.m_gameLength, 2);
    EXPECT_EQ(dialog_.m_handSort, 1);
    EXPECT_EQ(dialog_.m_trickPause, 1000);
    EXPECT_EQ(dialog_.m_animDelay, 8);
    EXPECT_EQ(dialog_.m_level, 1);
    EXPECT_EQ(dialog_.m_extraCards, 3);
    EXPECT_EQ(dialog_.m_animation, 1);
    EXPECT_EQ(dialog_.m_animSteps, 10);
    EXPECT_EQ(dialog_.m_clearStatistics, 0);
    EXPECT_EQ(dialog_.m_announcementStyle, 2);
}

TEST_F(GameOptionsDialogTest, CloseEndsWithCancel)
{
    open();
    click(QStringLiteral("Короткая (501)"));
    press(QStringLiteral("Закрыть"));
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}

} // namespace
