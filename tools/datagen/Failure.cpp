#include "Failure.h"

#include <cstdio>
#include <cstdlib>

namespace datagen {

void failGeneration(const QString& message)
{
    std::fprintf(stderr, "datagen: %s\n", qPrintable(message));
    std::exit(EXIT_FAILURE);
}

} // namespace datagen
