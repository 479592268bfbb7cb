#pragma once

#include "platform/Service.h"

#include <QString>
#include <QUrl>

namespace platform {

/// Opens a web address or a local page in the user's browser.
class Shell {
public:
    virtual ~Shell() = default;
    /// An address with a scheme is opened as it is; anything else is a file path. False when
    /// the desktop could not take the page on, as when no browser or launcher is installed.
    virtual bool openPage(const QString& addressOrPath) = 0;
};

/// What openPage hands to the desktop: an address with a scheme as it is, anything else
/// as a file, relative to the current folder.
QUrl PageUrl(const QString& addressOrPath);

/// The implementation the program runs with, defined in Shell.cpp.
template <> Shell& ServiceSlot<Shell>::real();

[[nodiscard]] inline bool OpenPage(const QString& addressOrPath)
{
    return ServiceSlot<Shell>::get().openPage(addressOrPath);
}

} // namespace platform
