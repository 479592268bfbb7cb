#pragma once

#include "platform/Files.h"

/// A disk that takes no write: every write fails and leaves the files as they were.
class FailingWriter final : public platform::FileWriter {
public:
    bool write(const QString&, const QByteArray&) override { return false; }
};
