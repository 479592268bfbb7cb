#pragma once

#include "platform/Service.h"

#include <QString>

namespace platform {

/// Opens a web address or a local page in the user's browser.
class Shell {
public:
    virtual ~Shell() = default;
    /// An address with a scheme is opened as it is; anything else is a file path.
    virtual void openPage(const QString& addressOrPath) = 0;
};

inline void OpenPage(const QString& addressOrPath) { ServiceSlot<Shell>::get().openPage(addressOrPath); }

} // namespace platform
