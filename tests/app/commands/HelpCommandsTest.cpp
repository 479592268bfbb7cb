#include "support/TableFixture.h"

#include "app/PageOpening.h"
#include "app/dialogs/O_Program.h"
#include "support/WidgetInput.h"

#include <functional>

namespace {

/// The help pages at a table whose program folder is a folder of its own.
using HelpCommandsTest = TableCommandTest;

TEST_F(HelpCommandsTest, APageNoBrowserOpensIsNamedToThePlayer)
{
    // A click on a link of the about box, as a person clicks it.
    const auto aboutLink = [this](QPoint link) -> std::function<void()> {
        return [this, link] {
            dialogs_.answerAs<CO_Program>([link](CO_Program& d) {
                MoveMouseTo(d, link);
                ClickAt(d, link);
                return int(QDialog::Rejected);
            });
            table_->OnAbout();
        };
    };
    const QString help = g_programDir + QStringLiteral("help/index.htm");
    const QString contact = g_programDir + QStringLiteral("mail/mail.htm");
    const QString address = QStringLiteral("https://example.org/вертан?x=1");
    const struct {
        const char* caller;
        std::function<void()> open;
        QString page;
    } rows[] = {
        { "help", [this] { table_->OnHelp(); }, help },
        { "online", [this] { table_->OnPlayOnline(); }, contact },
        { "about: contact", aboutLink({ 300, 90 }), contact },
        { "about: help", aboutLink({ 300, 120 }), help },
        { "web address", [&] { OpenPageOrTell(address); }, address },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caller);
        for (const bool opens : { true, false }) {
            platform_.shell.opened.clear();
            platform_.messageBox.shown.clear();
            platform_.shell.opens = opens;
            row.open();
            EXPECT_EQ(platform_.shell.opened, QStringList { row.page });
            ASSERT_EQ(platform_.messageBox.shown.size(), opens ? 0u : 1u);
            if (opens)
                continue;
            const ScriptedMessageBox::Shown& told = platform_.messageBox.shown[0];
            EXPECT_FALSE(told.question);
            EXPECT_TRUE(
                told.text.startsWith(QStringLiteral("Не удалось открыть страницу «%1»").arg(row.page)))
                << told.text.toStdString();
        }
    }
}

} // namespace
