#include "ListFiles.h"

#include <gtest/gtest.h>

namespace {

QString pageText(const char* relativePath)
{
    QFile file(programFile(QLatin1String(relativePath)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(PageFiles, HelpAndMailPagesAreRussianUtf8Html)
{
    // The help command opens "help/index.htm" and the about box's first link "mail/mail.htm".
    for (const char* path : { "help/index.htm", "mail/mail.htm" }) {
        const QString page = pageText(path);
        ASSERT_FALSE(page.isEmpty()) << path;
        EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE html>"))) << path;
        EXPECT_TRUE(page.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << path;
        EXPECT_TRUE(page.contains(QStringLiteral("Вертан"))) << path;
        EXPECT_TRUE(page.trimmed().endsWith(QStringLiteral("</html>"))) << path;
    }
    // The help explains the game's limits and its contract.
    const QString help = pageText("help/index.htm");
    for (const char* term : { "501", "1001", "бейт", "Висячий", "козыр" })
        EXPECT_TRUE(help.contains(QString::fromUtf8(term), Qt::CaseInsensitive)) << term;
}
