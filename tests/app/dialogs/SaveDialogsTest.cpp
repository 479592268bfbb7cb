#include "app/dialogs/Open.h"
#include "app/dialogs/Save.h"
#include "support/HeadlessPlatform.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetInput.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kLimitMessage = QStringLiteral("Максимальное число сохранений - восемь");

QPushButton& buttonOf(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return *button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return *dialog.findChild<QPushButton*>();
}

QStringList entriesOf(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

void clickEntry(QListWidget& list, int row)
{
    ClickAt(*list.viewport(), list.visualItemRect(list.item(row)).center());
}

/// The save and load dialogs over a folder of saves, opened as a modal run opens them,
/// with scripted questions.
class SaveDialogsTest : public ::testing::Test {
protected:
    void addSaves(const QStringList& names)
    {
        for (const QString& name : names)
            folder_.write(name + QStringLiteral(".svv"), "X");
    }
    void openSave(const QString& name)
    {
        save_.m_name = name;
        save_.m_directory = folder_.path();
        save_.show();
    }
    void openLoad()
    {
        open_.m_directory = folder_.path();
        open_.show();
    }
    QLineEdit& field() { return *save_.findChild<QLineEdit*>(); }
    void typeOver(const QString& text)
    {
        field().clear();
        TypeText(field(), text);
    }
    void press(const QString& button) { buttonOf(save_, button).click(); }
    bool ended(const QDialog& dialog, int result) const
    {
        return !dialog.isVisible() && dialog.result() == result;
    }

    HeadlessPlatform platform_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
    TempFolder folder_;
    CSave save_;
    COpen open_;
};

TEST_F(SaveDialogsTest, WithoutSavesATypedNameIsSavedInCapitals)
{
    openSave(QStringLiteral("ИВАН"));
    EXPECT_EQ(field().text(), QStringLiteral("ИВАН"));
    EXPECT_TRUE(entriesOf(save_.m_list).isEmpty());
    EXPECT_EQ(save_.m_count, 0);

    typeOver(QStringLiteral("вечер 2"));
    PressKey(field(), Qt::Key_Return);
    EXPECT_TRUE(ended(save_, QDialog::Accepted));
    EXPECT_EQ(save_.m_name, QStringLiteral("ВЕЧЕР 2"));
    EXPECT_TRUE(platform_.messageBox.shown.empty());
}

TEST_F(SaveDialogsTest, ListsSavesByTheNameBeforeTheirExtensionAndAtMostEight)
{
    addSaves({ QStringLiteral("Б"), QStringLiteral("А"), QStringLiteral("В.old") });
    // Only files ending in ".svv" are saves: not a user's notes, nor the copy an interrupted
    // write leaves beside a save.
    for (const QString& file :
        { QStringLiteral("Г.SVV"), QStringLiteral("А.svv.aB12cd"), QStringLiteral("notes.svvx") })
        folder_.write(file, "X");
    openSave(QString());
    EXPECT_EQ(entriesOf(save_.m_list),
        (QStringList {
            QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В.old"), QStringLiteral("Г") }));
    EXPECT_EQ(save_.m_names[3], QStringLiteral("В.old"));
    EXPECT_EQ(save_.m_count, 4);

    addSaves({ QStringLiteral("Д"), QStringLiteral("Е"), QStringLiteral("Ж"), QStringLiteral("З"),
        QStringLiteral("И") });
    openLoad();
    EXPECT_EQ(open_.m_list.count(), 8) << "nine saves made outside the game: the first eight";
    EXPECT_EQ(open_.m_names[8], QStringLiteral("З"));
}

TEST_F(SaveDialogsTest, ChosenSaveIsReplacedOnlyAfterYes)
{
    addSaves({ QStringLiteral("ИВАН"), QStringLiteral("ПЕТР") });
    openSave(QStringLiteral("НОВАЯ"));
    clickEntry(save_.m_list, 1);
    EXPECT_EQ(field().text(), QStringLiteral("ПЕТР"));
    EXPECT_EQ(save_.m_isNew, 0);

    platform_.messageBox.answer({ false });
    press(QStringLiteral("Сохранить"));
    ASSERT_EQ(platform_.messageBox.shown.size(), 1u);
    EXPECT_EQ(
        platform_.messageBox.shown[0].text, QStringLiteral("ПЕТР\nСохранение существует.\nЗаменить его?"));
    EXPECT_TRUE(platform_.messageBox.shown[0].question);
    EXPECT_TRUE(save_.isVisible());
    EXPECT_EQ(field().text(), QString());
    EXPECT_EQ(save_.m_isNew, 1);

    // Yes saves to the chosen save, whatever was typed over it.
    clickEntry(save_.m_list, 0);
    typeOver(QStringLiteral("ДРУГОЕ"));
    platform_.messageBox.answer({ true });
    press(QStringLiteral("Сохранить"));
    EXPECT_TRUE(ended(save_, QDialog::Accepted));
    EXPECT_EQ(save_.m_name, QStringLiteral("ИВАН"));
    EXPECT_EQ(field().text(), QStringLiteral("ИВАН"));
}

TEST_F(SaveDialogsTest, TypedNameOfAListedSaveIsAskedAboutLikeAChosenOne)
{
    addSaves({ QStringLiteral("ИВАН") });
    openSave(QStringLiteral("ИВАН"));
    platform_.messageBox.answer({ false });
    press(QStringLiteral("Сохранить"));
    EXPECT_EQ(platform_.messageBox.shown.back().text,
        QStringLiteral("ИВАН\nСохранение существует.\nЗаменить его?"));
    EXPECT_TRUE(save_.isVisible());

    typeOver(QStringLiteral("ИВАН"));
    platform_.messageBox.answer({ true });
    press(QStringLiteral("Сохранить"));
    EXPECT_TRUE(ended(save_, QDialog::Accepted));
    EXPECT_EQ(save_.m_name, QStringLiteral("ИВАН"));
}

TEST_F(SaveDialogsTest, EightSavesTakeNoNewOneButMayBeReplaced)
{
    addSaves({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
        QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8") });
    openSave(QStringLiteral("ИВАН"));
    press(QStringLiteral("Сохранить"));
    ASSERT_EQ(platform_.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform_.messageBox.shown[0].text, kLimitMessage);
    EXPECT_FALSE(platform_.messageBox.shown[0].question);
    EXPECT_TRUE(save_.isVisible());
    EXPECT_EQ(field().text(), QStringLiteral("ИВАН")) << "the dialog stays with the name";

    clickEntry(save_.m_list, 7);
    platform_.messageBox.answer({ true });
    press(QStringLiteral("Сохранить"));
    EXPECT_TRUE(ended(save_, QDialog::Accepted));
    EXPECT_EQ(save_.m_name, QStringLiteral("8"));
}

TEST_F(SaveDialogsTest, DeleteRemovesTheChosenSaveAfterYes)
{
    addSaves({ QStringLiteral("ИВАН"), QStringLiteral("ПЕТР") });
    ASSERT_TRUE(QFile::rename(
        folder_.filePath(QStringLiteral("ИВАН.svv")), folder_.filePath(QStringLiteral("ИВАН.SVV"))));
    openSave(QStringLiteral("НОВАЯ"));

    // Nothing chosen: nothing asked, nothing deleted.
    press(QStringLiteral("Удалить"));
    EXPECT_TRUE(platform_.messageBox.shown.empty());
    EXPECT_EQ(save_.m_count, 2);

    clickEntry(save_.m_list, 0);
    platform_.messageBox.answer({ false });
    press(QStringLiteral("Удалить"));
    EXPECT_EQ(platform_.messageBox.shown.back().text,
        QStringLiteral("ИВАН\nВы действитнльно хотите\nудалить сохранение?"));
    EXPECT_TRUE(QFile::exists(folder_.filePath(QStringLiteral("ИВАН.SVV"))));
    EXPECT_EQ(field().text(), QString());
    EXPECT_EQ(save_.m_isNew, 1);

    clickEntry(save_.m_list, 0);
    platform_.messageBox.answer({ true });
    press(QStringLiteral("Удалить"));
    EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("ИВАН.SVV")))) << "the file as listed";
    EXPECT_EQ(entriesOf(save_.m_list), QStringList { QStringLiteral("ПЕТР") });
    EXPECT_EQ(save_.m_count, 1);
    EXPECT_EQ(field().text(), QString());
    EXPECT_EQ(save_.m_isNew, 1);
    EXPECT_TRUE(save_.isVisible());
}

TEST_F(SaveDialogsTest, DeleteRemovesTheListedFileWhateverItsName)
{
    // ":A" would be a resource path on its own, "X.old" a name no player could type.
    const QStringList names { QStringLiteral(":A"), QStringLiteral("X.old"), QStringLiteral("ИВАН") };
    addSaves(names);
    openSave(QString());
    QStringList left = entriesOf(save_.m_list);
    for (const QString& name : names) {
        clickEntry(save_.m_list, static_cast<int>(left.indexOf(name)));
        platform_.messageBox.answer({ true });
        press(QStringLiteral("Удалить"));
        left.removeOne(name);
        EXPECT_EQ(std::tuple(QFile::exists(folder_.filePath(name + QStringLiteral(".svv"))),
                      entriesOf(save_.m_list)),
            std::tuple(false, left))
            << name.toStdString();
    }
}

TEST_F(SaveDialogsTest, CloseAndEscapeEndWithoutOk)
{
    openSave(QStringLiteral("ИВАН"));
    press(QStringLiteral("Закрыть"));
    EXPECT_TRUE(ended(save_, QDialog::Rejected));

    openLoad();
    PressKey(open_.m_list, Qt::Key_Escape);
    EXPECT_TRUE(ended(open_, QDialog::Rejected));
}

TEST_F(SaveDialogsTest, LoadListClickChoosesAndDoubleClickLoads)
{
    addSaves({ QStringLiteral("ИВАН"), QStringLiteral("ПЕТР") });
    openLoad();
    EXPECT_EQ(entriesOf(open_.m_list), (QStringList { QStringLiteral("ИВАН"), QStringLiteral("ПЕТР") }));
    EXPECT_EQ(open_.m_name, QString());

    clickEntry(open_.m_list, 1);
    EXPECT_EQ(open_.m_name, QStringLiteral("ПЕТР"));
    EXPECT_TRUE(open_.isVisible()) << "a single click only chooses";

    const QListWidgetItem* first = open_.m_list.item(0);
    DoubleClickAt(*open_.m_list.viewport(), open_.m_list.visualItemRect(first).center());
    EXPECT_TRUE(ended(open_, QDialog::Accepted));
    EXPECT_EQ(open_.m_name, QStringLiteral("ИВАН"));

    // Opened again, nothing is chosen; "Загрузить" then gives no name.
    openLoad();
    EXPECT_EQ(open_.m_name, QString());
    buttonOf(open_, QStringLiteral("Загрузить")).click();
    EXPECT_TRUE(ended(open_, QDialog::Accepted));
    EXPECT_EQ(open_.m_name, QString());
}

} // namespace
