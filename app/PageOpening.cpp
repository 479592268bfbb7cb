#include "app/PageOpening.h"

#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QDir>

namespace {

/// %1: the page's full file path or its web address.
const QString kNotOpenedMessage = QStringLiteral(
    "Не удалось открыть страницу «%1».\nПроверьте, установлен ли браузер, или откройте страницу в нём сами.");

/// How the player finds the page himself: a file by its full path, an address as it is.
QString PageName(const QString& addressOrPath)
{
    const QUrl url = platform::PageUrl(addressOrPath);
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

} // namespace

void OpenPageOrTell(const QString& addressOrPath)
{
    if (!platform::OpenPage(addressOrPath))
        platform::Tell(kNotOpenedMessage.arg(PageName(addressOrPath)));
}
