#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace platform {

namespace {

class DesktopShell final : public Shell {
public:
    bool openPage(const QString& addressOrPath) override
    {
        return QDesktopServices::openUrl(PageUrl(addressOrPath));
    }
};

} // namespace

QUrl PageUrl(const QString& addressOrPath)
{
    const QUrl address(addressOrPath);
    if (!address.scheme().isEmpty())
        return address;
    return QUrl::fromLocalFile(QFileInfo(addressOrPath).absoluteFilePath());
}

template <> Shell& ServiceSlot<Shell>::real()
{
    static DesktopShell shell;
    return shell;
}

} // namespace platform
