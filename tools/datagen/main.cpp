#include "Output.h"
#include "Writers.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: datagen PROGRAM_FOLDER\n");
        return 2;
    }
    const datagen::Output out(QString::fromLocal8Bit(argv[1]));
    datagen::writeCards(out);
    datagen::writeBackgrounds(out);
    datagen::writeAnnouncements(out);
    datagen::writeIntroModel(out);
    datagen::writeSounds(out);
    datagen::writePictures(out);
    datagen::writePages(out);
    return 0;
}
