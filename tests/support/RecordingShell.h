#pragma once

#include "platform/Shell.h"

#include <QStringList>

/// Opens nothing; remembers every page asked for, in order.
class RecordingShell final : public platform::Shell {
public:
    void openPage(const QString& addressOrPath) override { opened.append(addressOrPath); }

    /// Every address or path passed to openPage, oldest first.
    QStringList opened;
};
