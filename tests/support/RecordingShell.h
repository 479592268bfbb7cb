#pragma once

#include "platform/Shell.h"

#include <QStringList>

/// Opens nothing; remembers every page asked for, in order, and answers as told.
class RecordingShell final : public platform::Shell {
public:
    bool openPage(const QString& addressOrPath) override
    {
        opened.append(addressOrPath);
        return opens;
    }

    /// Every address or path passed to openPage, oldest first.
    QStringList opened;
    /// What openPage answers: false plays a desktop without a browser.
    bool opens = true;
};
