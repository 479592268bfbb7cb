#include "HelpPage.h"
#include "Output.h"
#include "Writers.h"

#include <QByteArray>

namespace datagen {
namespace {

/// Both pages share one quiet look: dark text on warm paper, a green like the card table.
constexpr const char* kPageStyle = R"(body { font-family: "Liberation Serif", "Times New Roman", serif;
  max-width: 46em; margin: 2em auto; padding: 0 1em; color: #222; background: #fbf8f0; line-height: 1.45; }
h1, h2 { color: #2f5b3a; }
table { border-collapse: collapse; }
th, td { border: 1px solid #b9b3a3; padding: 0.2em 0.8em; }
th { background: #e6efe4; }
a { color: #2f5b3a; })";

constexpr const char* kMailBody = R"(<h1>Вертан</h1>
<p>Эта версия «Вертана» — игра одного человека против компьютера. Сервера для игры с живыми
соперниками через интернет у неё нет.</p>
<p>Сыграть с людьми можно и за обычным столом: правила описаны в справке (меню «Справка», пункт
«Вывод справки»), а для партии нужны колода в 32 карты и соперник.</p>
<h2>Если нашли ошибку</h2>
<p>Запишите, что вы делали и что увидели на экране, и сохраните игру (меню «Игра», пункт
«Сохранить игру»): файл с расширением <code>.svv</code> из папки программы поможет найти ошибку.</p>
)";

QByteArray page(const char* title, const char* body)
{
    return QByteArray("<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>")
        + title + "</title>\n<style>\n" + kPageStyle + "\n</style>\n</head>\n<body>\n" + body
        + "</body>\n</html>\n";
}

} // namespace

void writePages(const Output& out)
{
    out.write(QStringLiteral("help/index.htm"), page("Вертан — справка", helpPageBody()));
    out.write(QStringLiteral("mail/mail.htm"), page("Вертан — игра с людьми", kMailBody));
}

} // namespace datagen
