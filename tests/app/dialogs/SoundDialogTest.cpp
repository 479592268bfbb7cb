#include "app/dialogs/Zvyk.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

/// The sound dialog opened as a modal run opens it.
class SoundDialogTest : public ::testing::Test {
protected:
    void open(int voice, int cardSounds, int buttonSounds)
    {
        dialog_.m_voice = voice;
        dialog_.m_cardSounds = cardSounds;
        dialog_.m_buttonSounds = buttonSounds;
        dialog_.show();
    }
    QCheckBox& box(const QString& text, int nth = 0)
    {
        int seen = 0;
        for (QCheckBox* box : dialog_.findChildren<QCheckBox*>())
            if (box->text() == text && seen++ == nth)
                return *box;
        ADD_FAILURE() << "no check box " << text.toStdString();
        return *dialog_.findChild<QCheckBox*>();
    }
    QCheckBox& male() { return box(QStringLiteral("Мужской")); }
    QCheckBox& female() { return box(QStringLiteral("Женский")); }
    QCheckBox& noVoice() { return box(QStringLiteral("Отключить")); }
    QCheckBox& cardSounds() { return box(QStringLiteral("Включить"), 0); }
    QCheckBox& buttonSounds() { return box(QStringLiteral("Включить"), 1); }
    /// The voice boxes' states, male, female, none.
    std::vector<bool> voiceBoxes()
    {
        return { male().isChecked(), female().isChecked(), noVoice().isChecked() };
    }
    void press(const QString& text)
    {
        for (QPushButton* button : dialog_.findChildren<QPushButton*>())
            if (button->text() == text)
                return button->click();
        ADD_FAILURE() << "no button " << text.toStdString();
    }

    CZvyk dialog_;
};

TEST_F(SoundDialogTest, OpensWithTheGivenVoiceAloneAndTheSoundBoxesFromTheirSettings)
{
    open(2, 1, 0);
    EXPECT_EQ(voiceBoxes(), (std::vector<bool> { false, true, false }));
    EXPECT_TRUE(cardSounds().isChecked());
    EXPECT_FALSE(buttonSounds().isChecked());
    EXPECT_LT(cardSounds().y(), buttonSounds().y()) << "cards above buttons";
}

TEST_F(SoundDialogTest, VoiceBoxesAreExclusiveAndTheCheckedOneStaysCheckedWhenClicked)
{
    open(1, 1, 1);
    male().click();
    EXPECT_EQ(voiceBoxes(), (std::vector<bool> { true, false, false }));
    EXPECT_EQ(dialog_.m_voice, 1);

    noVoice().click();
    EXPECT_EQ(voiceBoxes(), (std::vector<bool> { false, false, true }));
    EXPECT_EQ(dialog_.m_voice, 3);
    female().click();
    EXPECT_EQ(voiceBoxes(), (std::vector<bool> { false, true, false }));
    press(QStringLiteral("Принять"));
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    EXPECT_EQ(dialog_.m_voice, 2);
}

TEST_F(SoundDialogTest, SoundBoxesToggleTheirSettingsAndAVoiceChangeLeavesThemAsSet)
{
    // Each box turned off from on and on from off.
    for (const int on : { 0, 1 }) {
        open(1, on, 1 - on);
        cardSounds().click();
        buttonSounds().click();
        female().click();
        EXPECT_EQ(cardSounds().isChecked(), on == 0);
        EXPECT_EQ(buttonSounds().isChecked(), on == 1);
        press(QStringLiteral("Принять"));
        EXPECT_EQ(dialog_.m_cardSounds, 1 - on);
        EXPECT_EQ(dialog_.m_buttonSounds, on);
        EXPECT_EQ(dialog_.m_voice, 2);
    }
}

TEST_F(SoundDialogTest, ValuesNoBoxCanShowOpenAsTheNearestOnesAndComeBackSo)
{
    open(0, 5, -1);
    EXPECT_EQ(voiceBoxes(), (std::vector<bool> { true, false, false }));
    EXPECT_TRUE(cardSounds().isChecked());
    EXPECT_FALSE(buttonSounds().isChecked());
    press(QStringLiteral("Принять"));
    EXPECT_EQ(dialog_.m_voice, 1);
    EXPECT_EQ(dialog_.m_cardSounds, 1);
    EXPECT_EQ(dialog_.m_buttonSounds, 0);
}

TEST_F(SoundDialogTest, CloseEndsWithCancel)
{
    open(3, 0, 0);
    male().click();
    press(QStringLiteral("Закрыть"));
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}

} // namespace
