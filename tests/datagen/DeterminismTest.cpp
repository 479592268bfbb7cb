#include "support/TempFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <map>

namespace {

/// Longest a generator run may take before the test gives up, in ms.
constexpr int kRunTimeout = 300000;

void runGenerator(const QString& folder)
{
    QProcess generator;
    generator.start(QStringLiteral(VERTAN_DATAGEN), { folder });
    ASSERT_TRUE(generator.waitForFinished(kRunTimeout)) << "datagen did not finish";
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
}

std::map<QString, QByteArray> contents(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        files[path.mid(folder.size())] = file.readAll();
    }
    return files;
}

} // namespace

TEST(Determinism, TwoRunsWriteTheSameBytes)
{
    const TempFolder first;
    const TempFolder second;
    runGenerator(first.path());
    runGenerator(second.path());
    const auto a = contents(first.path());
    const auto b = contents(second.path());
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        const auto other = b.find(name);
        ASSERT_NE(other, b.end()) << name.toStdString();
        EXPECT_TRUE(bytes == other->second) << name.toStdString() << " differs between runs";
    }
}
