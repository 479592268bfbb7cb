#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QObject>

#include <gtest/gtest.h>

using platform::PageUrl;

namespace {

/// Stands in for the browser of one scheme: takes every page the desktop hands it.
class PageCatcher : public QObject {
    Q_OBJECT

public slots:
    void take(const QUrl& url) { pages.append(url); }

public:
    QList<QUrl> pages;
};

} // namespace

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

TEST(Shell, TellsWhetherTheDesktopOpenedThePage)
{
    const QString scheme = QStringLiteral("vertan-test");
    const QString page = QStringLiteral("vertan-test:help");
    PageCatcher browser;
    QDesktopServices::setUrlHandler(scheme, &browser, "take");
    EXPECT_TRUE(platform::OpenPage(page));
    // A handler that cannot be reached fails as a missing browser does.
    QDesktopServices::setUrlHandler(scheme, &browser, "missing");
    EXPECT_FALSE(platform::OpenPage(page));
    QDesktopServices::unsetUrlHandler(scheme);
    EXPECT_EQ(browser.pages, QList<QUrl> { QUrl(page) });
}

#include "ShellTest.moc"
