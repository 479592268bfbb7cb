#include "app/dialogs/Spis_imy.h"
#include "app/dialogs/Vvod_imy.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kLengthMessage = QStringLiteral("Введите не более 12 символов");

/// The name dialog opened as a modal run opens it, with the player list answered by script.
class NameDialogTest : public ::testing::Test {
protected:
    void open(const QString& name)
    {
        dialog_.m_name = name;
        dialog_.show();
    }

    QLineEdit& field() { return *dialog_.findChild<QLineEdit*>(); }
    QLabel& labelWidget() { return *dialog_.findChild<QLabel*>(); }
    QString label() { return labelWidget().text(); }
    QPushButton& button(const QString& text)
    {
        for (QPushButton* button : dialog_.findChildren<QPushButton*>())
            if (button->text() == text)
                return *button;
        ADD_FAILURE() << "no button " << text.toStdString();
        return *dialog_.findChild<QPushButton*>();
    }
    void typeOver(const QString& text)
    {
        field().clear();
        TypeText(field(), text);
    }
    /// Types a name and presses Enter in the field.
    void enter(const QString& text)
    {
        typeOver(text);
        PressKey(field(), Qt::Key_Return);
    }
    bool accepted() const { return !dialog_.isVisible() && dialog_.result() == QDialog::Accepted; }

    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
    CVvod_imy dialog_;
};

TEST_F(NameDialogTest, OpensWithPromptAndGivenNameAndTurnsTypedLettersToCapitals)
{
    open(QStringLiteral("ivan"));
    EXPECT_EQ(label(), QStringLiteral("Ваше имя"));
    EXPECT_EQ(field().text(), QStringLiteral("IVAN"));

    enter(QStringLiteral("пётр"));
    EXPECT_EQ(field().text(), QStringLiteral("ПЁТР"));
    EXPECT_TRUE(accepted());
    EXPECT_EQ(dialog_.m_name, QStringLiteral("ПЁТР"));
}

TEST_F(NameDialogTest, KeepsTheFirstWordAndShowsItInTheField)
{
    open(QString());
    enter(QStringLiteral("ИВАН ПЕТРОВ"));
    EXPECT_TRUE(accepted());
    EXPECT_EQ(dialog_.m_name, QStringLiteral("ИВАН"));
    EXPECT_EQ(field().text(), QStringLiteral("ИВАН"));
}

TEST_F(NameDialogTest, TakesTwelveCharactersAndRefusesThirteenUntilShortened)
{
    open(QString());
    // Cyrillic letters take two bytes each in UTF-8: a byte count would refuse these.
    enter(QStringLiteral("АБВГДЕЖЗИКЛМН"));
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(label(), kLengthMessage);
    EXPECT_LE(labelWidget().fontMetrics().horizontalAdvance(label()), labelWidget().width())
        << "readable in full";
    EXPECT_EQ(field().text(), QStringLiteral("АБВГДЕЖЗИКЛМН"));

    PressKey(field(), Qt::Key_Backspace);
    button(QStringLiteral("Принять")).click();
    EXPECT_TRUE(accepted());
    EXPECT_EQ(dialog_.m_name, QStringLiteral("АБВГДЕЖЗИКЛМ"));
    EXPECT_EQ(label(), kLengthMessage);
}

TEST_F(NameDialogTest, RefusesNamesThatCannotBeFileNames)
{
    struct Case {
        QString typed;
        QString message;
    };
    const QString empty = QStringLiteral("Введите имя");
    const QString badCharacter = QStringLiteral("Недопустимый символ");
    const std::vector<Case> cases {
        { QString(), empty },
        { QStringLiteral(" ИВАН"), empty },
        { QStringLiteral("../ИВАН"), badCharacter },
        { QStringLiteral("ИВ/АН"), badCharacter },
        { QStringLiteral("ИВ\\АН"), badCharacter },
        { QStringLiteral("ИВАН.ind"), badCharacter },
        { QStringLiteral("ИВ\x01АН"), badCharacter },
        { QStringLiteral("ИВ\x7fАН"), badCharacter },
        { QStringLiteral("ИВ\u00ADАН"), badCharacter }, // a soft hyphen does not show
        // No Windows-1251 code: the last-player file could not keep it.
        { QStringLiteral("ИВ日АН"), badCharacter },
    };
    open(QStringLiteral("OLD"));
    for (const Case& refused : cases) {
        SCOPED_TRACE(refused.typed.toStdString());
        // Set, not typed: a paste brings in what no key does.
        field().setText(refused.typed);
        button(QStringLiteral("Принять")).click();
        EXPECT_TRUE(dialog_.isVisible());
        EXPECT_EQ(label(), refused.message);
    }
    PressKey(dialog_, Qt::Key_Escape);
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
    EXPECT_EQ(dialog_.m_name, QStringLiteral("OLD"));
}

TEST_F(NameDialogTest, FieldTakesNoMoreThanItsWidthShows)
{
    open(QString());
    typeOver(QStringLiteral("ШШШШШШШШШШШШ"));
    EXPECT_EQ(field().text(), QStringLiteral("ШШШШШШШШШШШШ")) << "twelve of the widest letters fit";
    TypeText(field(), QString(30, QChar(u'Ш')));
    EXPECT_LT(field().text().size(), 12 + 30);
    EXPECT_LE(field().fontMetrics().horizontalAdvance(field().text()), field().width());
}

TEST_F(NameDialogTest, ChosenPlayerGoesIntoTheFieldAndTheDialogStaysOpen)
{
    dialogs_.answerAs<CSpis_imy>([](CSpis_imy& list) {
        EXPECT_EQ(list.m_current, QStringLiteral("ВАСЯ"));
        list.m_current = QStringLiteral("петр");
        return int(QDialog::Accepted);
    });
    dialogs_.answerAs<CSpis_imy>([](CSpis_imy&) { return int(QDialog::Rejected); });
    open(QString());
    typeOver(QStringLiteral("вася"));

    button(QStringLiteral("O")).click();
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(field().text(), QStringLiteral("ПЕТР"));

    button(QStringLiteral("O")).click();
    EXPECT_EQ(field().text(), QStringLiteral("ПЕТР")) << "a closed list leaves the field as it was";

    PressKey(field(), Qt::Key_Return);
    EXPECT_TRUE(accepted());
    EXPECT_EQ(dialog_.m_name, QStringLiteral("ПЕТР"));
    EXPECT_EQ(dialogs_.answersLeft(), 0u);
}

TEST_F(NameDialogTest, EscapeAfterTheListReturnsTheOpenedName)
{
    dialogs_.answerAs<CSpis_imy>([](CSpis_imy&) { return int(QDialog::Rejected); });
    dialogs_.answerAs<CSpis_imy>([](CSpis_imy& list) {
        list.m_current = QStringLiteral("ОЧЕНЬДЛИННОЕИМЯ");
        return int(QDialog::Accepted);
    });
    open(QStringLiteral("IVAN"));
    typeOver(QStringLiteral("../../x"));
    button(QStringLiteral("O")).click();
    button(QStringLiteral("O")).click();
    EXPECT_EQ(field().text(), QStringLiteral("ОЧЕНЬДЛИННОЕИМЯ"));

    PressKey(field(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
    EXPECT_EQ(dialog_.m_name, QStringLiteral("IVAN"));
}

} // namespace
