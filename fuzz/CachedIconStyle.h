#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

/// The application's style, but each standard icon asked for without style options is
/// read once: the style reads and decodes an icon's pictures anew on every request, which
/// made building the load dialog the most of what a fuzz target spent on a refused save.
class CachedIconStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;

private:
    mutable QHash<StandardPixmap, QIcon> icons_;
};
