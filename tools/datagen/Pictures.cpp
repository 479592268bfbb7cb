#include "AboutPictures.h"
#include "Output.h"
#include "ProgramPictures.h"
#include "Writers.h"

namespace datagen {

void writePictures(const Output& out)
{
    const AboutPictures about = paintAboutPictures();
    out.writePng(QStringLiteral("Pictures/about1.png"), about.fan);
    out.writePng(QStringLiteral("Pictures/about2.png"), about.title);
    out.writePng(QStringLiteral("Pictures/about3.png"), about.suits);
    out.writePng(QStringLiteral("Pictures/icon.png"), paintApplicationIcon());
    out.writePng(QStringLiteral("Pictures/hand.png"), paintHandCursor());
}

} // namespace datagen
