#include "platform/Cp1251.h"

#include <gtest/gtest.h>

using platform::FromCp1251;
using platform::ToCp1251;

TEST(Cp1251, RussianTextRoundTripsWithYo)
{
    const QByteArray bytes("\xC2\xE5\xF0\xF2\xE0\xED \xA8\xEB\xEA\xE0, \xB8\xE6 \xDF\xFF \xC0\xE0");
    const QString text = QStringLiteral("Вертан Ёлка, ёж Яя Аа");
    EXPECT_EQ(FromCp1251(bytes), text);
    EXPECT_EQ(ToCp1251(text), bytes);
    EXPECT_EQ(ToCp1251(QStringLiteral("Висячий бейт")),
        QByteArray("\xC2\xE8\xF1\xFF\xF7\xE8\xE9 \xE1\xE5\xE9\xF2"));
}

TEST(Cp1251, PunctuationOfTheUpperHalf)
{
    EXPECT_EQ(FromCp1251("\xB9\x96\x97\xAB\xBB\x85\xA0\x88\x99"), QStringLiteral("№–—«»…\u00A0€™"));
    EXPECT_EQ(FromCp1251("\x80\x81\x8A\x8F\x90\x9F\xA1\xA5\xB2\xB3\xB4\xBF"), QStringLiteral("ЂЃЉЏђџЎҐІіґї"));
}

TEST(Cp1251, EveryByteSurvivesAReadAndAWrite)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString text = FromCp1251(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1251(text), all);
}

TEST(Cp1251, CharactersWithoutACodeBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(ToCp1251(QStringLiteral("ä日Ж\U0001F600!\u0085")), QByteArray("??\xC6?!?"));
    EXPECT_EQ(ToCp1251(QString()), QByteArray());
}
