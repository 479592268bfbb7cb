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

constexpr const char* kMailBody = R"(<h1>Связь с автором</h1>
<p>Нашли ошибку, хотите предложить правило или просто рассказать, как вам играется в «Вертан»?
Напишите нам: <a href="mailto:vertan@example.org">vertan@example.org</a>.</p>
<p>В письме укажите, пожалуйста, что вы делали и что увидели на экране: так ошибку найти
проще всего. Сохранённая игра (файл с расширением <code>.svv</code> из папки программы) тоже
поможет.</p>
<h2>Игра с людьми</h2>
<p>Сыграть в вертан с живыми соперниками можно через интернет: выберите в меню
«Справка» пункт «Играть в вертан онлайн».</p>
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
    out.write(QStringLiteral("mail/mail.htm"), page("Вертан — связь с автором", kMailBody));
}

} // namespace datagen
