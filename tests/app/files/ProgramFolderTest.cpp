#include "app/files/ProgramFolder.h"
#include "support/QStringPrinter.h"

#include <QDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FileInFolderTest, EveryNameIsAFileOfTheFolderWhateverItBeginsWith)
{
    // Qt takes ":..." for a resource: joined as text, the name stays in the folder, with
    // one separator whether or not the folder ends in its own; no folder is the current one.
    const std::vector<std::tuple<QString, QString, QString>> rows {
        { "/game/", ":RES.svv", "/game/:RES.svv" }, { "/game", ":A.ind", "/game/:A.ind" },
        { "/game/", "X.old.svv", "/game/X.old.svv" }, { "/game/", "Stat/ig.sta", "/game/Stat/ig.sta" },
        { "/", "config.krt", "/config.krt" }, { "", ":B.svv", QDir::currentPath() + "/:B.svv" }
    };
    for (const auto& [folder, name, path] : rows)
        EXPECT_EQ(FileInFolder(folder, name), path) << folder.toStdString() << " " << name.toStdString();
}

} // namespace
