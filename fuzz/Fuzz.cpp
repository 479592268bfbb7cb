#include "fuzz/Fuzz.h"

#include "fuzz/CachedIconStyle.h"
#include "platform/Files.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void Require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

void StartQt()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = { name, nullptr };
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: a run ends with exit(), when Qt's own statics may be gone already,
    // and the application's end would close a window a target keeps open across inputs.
    static const QApplication* const application = new QApplication(argc, argv);
    static_cast<void>(application);
    QApplication::setStyle(new CachedIconStyle);
}

const QString& ScratchFolder()
{
    static const QTemporaryDir dir;
    static const QString path = dir.path() + QLatin1Char('/');
    Require(dir.isValid(), "a scratch folder can be made");
    return path;
}

void WriteScratch(const QString& name, const QByteArray& content)
{
    Require(platform::WriteFileAtomically(ScratchFolder() + name, content), "a scratch file can be written");
}

__attribute__((weak)) void PrepareTarget()
{
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartQt();
    PrepareTarget();
    return 0;
}
