#pragma once

#include <QString>

namespace datagen {

/// Ends the generator with `message` on standard error and a non-zero exit status, so the
/// build stops instead of shipping incomplete data.
[[noreturn]] void failGeneration(const QString& message);

} // namespace datagen
