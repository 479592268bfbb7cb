#include "app/files/DataFile.h"

#include "platform/Files.h"

QString DataFileResult::message() const
{
    QString what;
    switch (fault) {
    case DataFault::None:
        return {};
    case DataFault::Missing:
        what = QStringLiteral("Не удалось прочитать файл данных игры");
        break;
    case DataFault::Short:
        what = QStringLiteral("Файл данных игры обрывается раньше, чем должен");
        break;
    case DataFault::TooLong:
        what = QStringLiteral("В файле данных игры больше чисел, чем в нём должно быть");
        break;
    case DataFault::NotANumber:
        what = QStringLiteral("В файле данных игры вместо числа стоит другой текст");
        break;
    case DataFault::OutOfRange:
        what = QStringLiteral("В файле данных игры есть число вне допустимых пределов");
        break;
    }
    return what + QStringLiteral(":\n") + path
        + QStringLiteral("\n\nБез него игра не может начаться и будет закрыта.");
}

DataFileResult LoadDataFile(const QString& path, const std::function<DataFault(std::string_view)>& read)
{
    const std::optional<QByteArray> text = platform::ReadWholeFile(path);
    if (!text)
        return { path, DataFault::Missing };
    return { path, read(std::string_view(text->constData(), static_cast<std::size_t>(text->size()))) };
}
