#pragma once

#include "platform/Service.h"

class QDialog;

namespace platform {

/// Runs a modal dialog. Tests install a double that answers the dialog by script instead
/// of waiting for a person.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    /// Returns the dialog's result (QDialog::Accepted or QDialog::Rejected).
    virtual int run(QDialog& dialog) = 0;
};

inline int RunModal(QDialog& dialog)
{
    return ServiceSlot<DialogRunner>::get().run(dialog);
}

} // namespace platform
