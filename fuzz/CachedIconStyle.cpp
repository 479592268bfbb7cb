#include "fuzz/CachedIconStyle.h"

QIcon CachedIconStyle::standardIcon(
    StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const auto cached = icons_.constFind(icon);
    if (cached != icons_.constEnd())
        return *cached;
    return icons_.insert(icon, QProxyStyle::standardIcon(icon, option, widget)).value();
}
