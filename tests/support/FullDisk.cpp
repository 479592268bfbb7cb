#include "support/FullDisk.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

namespace {

/// Room enough for the files a test puts there before it fills the disk.
constexpr const char* kDiskOptions = "size=256k";
constexpr int kBlockBytes = 4096;
/// The capability that lets a process mount a file system (CAP_SYS_ADMIN).
constexpr int kMountCapability = 21;

/// True when this process holds the right to mount.
bool MayMount()
{
    QFile status(QStringLiteral("/proc/self/status"));
    static const QRegularExpression effective(QStringLiteral("CapEff:\\s*([0-9a-f]+)"));
    const QRegularExpressionMatch match = effective.match(
        status.open(QIODevice::ReadOnly) ? QString::fromLatin1(status.readAll()) : QString());
    return match.hasMatch() && (match.captured(1).toULongLong(nullptr, 16) >> kMountCapability & 1U) != 0;
}

} // namespace

FullDisk::FullDisk()
{
    const QByteArray where = QFile::encodeName(folder_.path());
    if (::mount("vertan-test", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, kDiskOptions) == 0)
        return;
    refusal = QStringLiteral("no tmpfs could be mounted for a real full disk (%1): that needs the right to "
                             "mount, as root holds it")
                  .arg(QString::fromLocal8Bit(std::strerror(errno)));
    if (MayMount())
        ADD_FAILURE() << refusal.toStdString();
}

FullDisk::~FullDisk()
{
    if (refusal.isEmpty())
        ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
}

void FullDisk::fill() const
{
    QFile filler(folder_.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ADD_FAILURE() << "cannot fill the disk";
    const QByteArray block(kBlockBytes, 'x');
    while (filler.write(block) > 0) { }
}
