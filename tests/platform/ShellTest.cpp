#include "platform/Shell.h"

#include <QDir>

#include <gtest/gtest.h>

using platform::PageUrl;

TEST(Shell, AddressesStayAndPathsBecomeAbsoluteFileUrls)
{
    EXPECT_EQ(PageUrl(QStringLiteral("https://example.org/play?x=1")),
        QUrl(QStringLiteral("https://example.org/play?x=1")));
    EXPECT_EQ(PageUrl(QStringLiteral("mailto:someone@example.org")).scheme(), QStringLiteral("mailto"));

    const QUrl local = PageUrl(QStringLiteral("mail/mail.htm"));
    EXPECT_TRUE(local.isLocalFile());
    EXPECT_EQ(local.toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("mail/mail.htm")));

    const QUrl spaced = PageUrl(QStringLiteral("/opt/Вертан игра/mail/mail.htm"));
    EXPECT_TRUE(spaced.isLocalFile());
    EXPECT_EQ(spaced.toLocalFile(), QStringLiteral("/opt/Вертан игра/mail/mail.htm"));
}
