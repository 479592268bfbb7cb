#include "platform/DialogRunner.h"

#include <QDialog>

namespace {

class ExecRunner : public platform::DialogRunner {
public:
    int run(QDialog& dialog) override { return dialog.exec(); }
};

} // namespace

template <> platform::DialogRunner& platform::ServiceSlot<platform::DialogRunner>::real()
{
    static ExecRunner runner;
    return runner;
}
