#include "app/dialogs/Individym.h"
#include "app/files/SettingsFile.h"
#include "platform/Files.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempFolder.h"
#include "support/WidgetInput.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Shown = ScriptedMessageBox::Shown;

const QByteArray kProfileText = "0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2";
const QString kCaption = QStringLiteral("Вертан");

QString ReplaceQuestion(const QString& file)
{
    return file + QStringLiteral("\nНастройка существует\nзаменить настройку?");
}

/// The profiles dialog over a folder of profiles, opened as a modal run opens it, with
/// every setting different from the defaults so that a written profile shows them.
class ProfilesDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog_.m_directory = folder_.path() + QLatin1Char('/');
        dialog_.m_maximized = 1;
        dialog_.m_background = 11;
        dialog_.m_customColour = 0xfedcba;
        dialog_.m_cardBack = 7;
        dialog_.m_extraCards = 5;
        dialog_.m_voice = 2;
        dialog_.m_handSort = 2;
        dialog_.m_cardSounds = 0;
        dialog_.m_level = 3;
        dialog_.m_gameLength = 1;
        dialog_.m_animDelay = 30;
        dialog_.m_trickPause = 2500;
        dialog_.m_buttonSounds = 0;
        dialog_.m_animation = 0;
        dialog_.m_animSteps = 17;
        dialog_.m_announcementStyle = 3;
    }

    void addProfiles(const QStringList& files)
    {
        for (const QString& file : files)
            folder_.write(file, kProfileText);
    }
    void open(const QString& name)
    {
        dialog_.m_profileName = name;
        dialog_.show();
    }

    QLineEdit& field() { return *dialog_.findChild<QLineEdit*>(); }
    void click(const QString& text)
    {
        for (QPushButton* button : dialog_.findChildren<QPushButton*>())
            if (button->text() == text)
                return button->click();
        ADD_FAILURE() << "no button " << text.toStdString();
    }
    /// Types a name over the field's text and clicks "Добавить".
    void add(const QString& name)
    {
        field().clear();
        TypeText(field(), name);
        click(QStringLiteral("Добавить"));
    }
    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < dialog_.m_combo->count(); ++i)
            texts.append(dialog_.m_combo->itemText(i));
        return texts;
    }
    QStringList profilesOnDisk() const
    {
        return platform::ListFolder(folder_.path(), QStringLiteral("*.ind*"));
    }

    TempFolder folder_;
    ScriptedMessageBox messages_;
    platform::ScopedService<platform::MessageBox> messagesGuard_ { messages_ };
    CIndividym dialog_;
};

TEST_F(ProfilesDialogTest, ListsTheProfilesInCapitalsAndFollowsTheChoice)
{
    // Only files ending in ".ind" are profiles: not a user's notes, nor the copy an
    // interrupted write leaves beside a profile.
    addProfiles({ QStringLiteral("ПЕТР.ind"), QStringLiteral("anna.ind"), QStringLiteral("Ivan.IND"),
        QStringLiteral("notes.index"), QStringLiteral("ПЕТР.ind.aB12cd"), QStringLiteral("config.krt") });
    open(QStringLiteral("oleg"));

    EXPECT_EQ(field().text(), QStringLiteral("OLEG"));
    EXPECT_EQ(
        entries(), (QStringList { QStringLiteral("ANNA"), QStringLiteral("IVAN"), QStringLiteral("ПЕТР") }));
    EXPECT_EQ(dialog_.m_count, 3);
    EXPECT_EQ(dialog_.m_names[1], QStringLiteral("anna"));
    EXPECT_EQ(dialog_.m_combo->currentIndex(), 0);
    EXPECT_EQ(dialog_.m_selected, QStringLiteral("anna"));

    PressKey(*dialog_.m_combo, Qt::Key_Down);
    EXPECT_EQ(dialog_.m_selected, QStringLiteral("Ivan"));
    EXPECT_EQ(dialog_.m_selectedFile, QStringLiteral("Ivan.IND"));
}

TEST_F(ProfilesDialogTest, GroupTitlesStandInTheMiddleOfTheirFrames)
{
    open(QString());
    const QImage shot = dialog_.grab().toImage();
    const QList<QGroupBox*> groups = dialog_.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 3);
    for (const QGroupBox* group : groups) {
        // The title's ink: the dark pixels of the band that the frame's top line runs through.
        const QRect band(group->x(), group->y(), group->width(), group->fontMetrics().height() - 2);
        int left = band.right();
        int right = band.left();
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                if (qGray(shot.pixel(x, y)) < 100) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_NEAR((left + right) / 2.0, band.center().x(), 3) << group->title().toStdString();
    }
}

TEST_F(ProfilesDialogTest, AddedProfileHoldsTheSixteenSettingsAndIsListed)
{
    addProfiles({ QStringLiteral("ПЕТР.ind") });
    open(QString());
    field().clear();
    TypeText(field(), QStringLiteral("иван"));
    EXPECT_EQ(field().text(), QStringLiteral("ИВАН"));
    // Enter in the field adds, as "Добавить" is the default button.
    PressKey(field(), Qt::Key_Return);

    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_TRUE(messages_.shown.empty());
    // The animation delay comes before the trick pause in the file.
    EXPECT_EQ(
        folder_.read(QStringLiteral("ИВАН.ind")), QByteArray("1 11 16702650 7 5 2 2 0 3 1 30 2500 0 0 17 3"));
    EXPECT_EQ(ParseSettings(folder_.read(QStringLiteral("ИВАН.ind"))),
        (SettingsRecord { 1, 11, 0xfedcba, 7, 5, 2, 2, 0, 3, 1, 30, 2500, 0, 0, 17, 3 }));
    EXPECT_EQ(entries(), (QStringList { QStringLiteral("ИВАН"), QStringLiteral("ПЕТР") }));
    EXPECT_EQ(dialog_.m_selected, QStringLiteral("ИВАН"));
}

TEST_F(ProfilesDialogTest, ExistingProfileIsReplacedInItsOwnFileOnlyAfterYes)
{
    addProfiles({ QStringLiteral("Ivan.ind"), QStringLiteral("ПЕТР.ind") });
    open(QStringLiteral("IVAN"));

    messages_.answer({ false });
    click(QStringLiteral("Добавить"));
    EXPECT_EQ(messages_.shown,
        (std::vector<Shown> { { ReplaceQuestion(QStringLiteral("Ivan.ind")), kCaption, true } }));
    EXPECT_EQ(folder_.read(QStringLiteral("Ivan.ind")), kProfileText);

    messages_.answer({ true });
    click(QStringLiteral("Добавить"));
    EXPECT_EQ(
        folder_.read(QStringLiteral("Ivan.ind")), QByteArray("1 11 16702650 7 5 2 2 0 3 1 30 2500 0 0 17 3"));
    // Letter case does not make a second profile of the same player.
    EXPECT_EQ(profilesOnDisk(), (QStringList { QStringLiteral("Ivan.ind"), QStringLiteral("ПЕТР.ind") }));
}

TEST_F(ProfilesDialogTest, EightProfilesTakeNoNinthButMayBeReplaced)
{
    for (const char* name : { "A", "B", "C", "D", "E", "F", "G", "H" })
        addProfiles({ QString::fromLatin1(name) + QStringLiteral(".ind") });
    open(QString());
    EXPECT_EQ(dialog_.m_count, 8);

    add(QStringLiteral("ZZ"));
    EXPECT_EQ(messages_.shown,
        (std::vector<Shown> {
            { QStringLiteral("Максимальное число сохранений - восемь"), kCaption, false } }));
    EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("ZZ.ind"))));

    messages_.shown.clear();
    messages_.answer({ true });
    add(QStringLiteral("e"));
    EXPECT_EQ(messages_.shown,
        (std::vector<Shown> { { ReplaceQuestion(QStringLiteral("E.ind")), kCaption, true } }));
    EXPECT_EQ(
        folder_.read(QStringLiteral("E.ind")), QByteArray("1 11 16702650 7 5 2 2 0 3 1 30 2500 0 0 17 3"));

    // A ninth file made outside the game fills no slot and still counts against a new one.
    addProfiles({ QStringLiteral("I.ind") });
    messages_.shown.clear();
    add(QStringLiteral("ZZ"));
    EXPECT_EQ(dialog_.m_count, 8);
    EXPECT_EQ(entries().size(), 8);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("Максимальное число сохранений - восемь"));
}

TEST_F(ProfilesDialogTest, NameMustBeOnePlayersNameBeforeItBecomesAFile)
{
    addProfiles({ QStringLiteral("ПЕТР.ind") });
    open(QString());
    const QStringList before = profilesOnDisk();
    const std::vector<std::pair<QString, QString>> refused {
        { QString(), QStringLiteral("Введите имя") },
        { QStringLiteral(" ИВАН"), QStringLiteral("Введите имя") },
        { QStringLiteral("АБВГДЕЖЗИКЛМН"), QStringLiteral("Введите не более 12 символов") },
        { QStringLiteral("../ИВАН"), QStringLiteral("Недопустимый символ") },
        { QStringLiteral("A.B"), QStringLiteral("Недопустимый символ") },
    };
    for (const auto& [typed, message] : refused) {
        SCOPED_TRACE(typed.toStdString());
        messages_.shown.clear();
        add(typed);
        EXPECT_EQ(messages_.shown, (std::vector<Shown> { { message, kCaption, false } }));
        EXPECT_EQ(profilesOnDisk(), before);
    }
    EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("../ИВАН.ind"))));

    // Two words make a profile of the first, shown in the field, as the name dialog takes them.
    add(QStringLiteral("ИВАН ПЕТРОВ"));
    EXPECT_EQ(field().text(), QStringLiteral("ИВАН"));
    EXPECT_EQ(profilesOnDisk(), (QStringList { QStringLiteral("ИВАН.ind"), QStringLiteral("ПЕТР.ind") }));
}

TEST_F(ProfilesDialogTest, DeleteRemovesTheChosenFileAfterYes)
{
    addProfiles({ QStringLiteral("ANNA.ind"), QStringLiteral("Ivan.IND"), QStringLiteral("ПЕТР.ind") });
    open(QString());
    PressKey(*dialog_.m_combo, Qt::Key_Down);

    messages_.answer({ false, true });
    click(QStringLiteral("Удалить"));
    EXPECT_EQ(profilesOnDisk().size(), 3);
    click(QStringLiteral("Удалить"));
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("Ivan\nВы действитнльно хотите\nудалить настройку?"));
    EXPECT_EQ(messages_.shown.size(), 2u);
    // The file as listed goes, not a file of the name plus ".ind".
    EXPECT_EQ(profilesOnDisk(), (QStringList { QStringLiteral("ANNA.ind"), QStringLiteral("ПЕТР.ind") }));
    EXPECT_EQ(entries(), (QStringList { QStringLiteral("ANNA"), QStringLiteral("ПЕТР") }));
    EXPECT_EQ(dialog_.m_selected, QStringLiteral("ANNA"));
}

TEST_F(ProfilesDialogTest, DeleteAllNamesEveryProfileAndLeavesNone)
{
    addProfiles({ QStringLiteral("ANNA.ind"), QStringLiteral("IVAN.ind"), QStringLiteral("ПЕТР.ind"),
        QStringLiteral("notes.index"), QStringLiteral("IVAN.ind.aB12cd") });
    open(QString());

    messages_.answer({ false });
    click(QStringLiteral("Удалить все"));
    EXPECT_EQ(profilesOnDisk().size(), 5);

    messages_.answer({ true });
    click(QStringLiteral("Удалить все"));
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[1].text,
        QStringLiteral("\nANNA\nIVAN\nПЕТР\n\nВсе настройки будут удалены,\n           продолжить?"));
    EXPECT_EQ(
        profilesOnDisk(), (QStringList { QStringLiteral("IVAN.ind.aB12cd"), QStringLiteral("notes.index") }))
        << "no profiles: they stay";
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(dialog_.m_count, 0);
    EXPECT_EQ(dialog_.m_selected, QString());

    // An empty list: neither button asks anything.
    messages_.shown.clear();
    click(QStringLiteral("Удалить"));
    click(QStringLiteral("Удалить все"));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ProfilesDialogTest, DeleteAllLeavesFilesBeyondTheEightListed)
{
    for (const char* name : { "A", "B", "C", "D", "E", "F", "G", "H", "I" })
        addProfiles({ QString::fromLatin1(name) + QStringLiteral(".ind") });
    open(QString());
    messages_.answer({ true });
    click(QStringLiteral("Удалить все"));
    EXPECT_EQ(profilesOnDisk(), QStringList { QStringLiteral("I.ind") });
    EXPECT_EQ(entries(), QStringList { QStringLiteral("I") });
}

} // namespace
