#include "app/VertanApp.h"

#include "app/VertanDlg.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

std::unique_ptr<QTranslator> LoadSystemTranslation()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

int CVertanApp::InitInstance()
{
    const std::unique_ptr<QTranslator> systemTexts = LoadSystemTranslation();
    if (systemTexts)
        QApplication::installTranslator(systemTexts.get());

    CVertanDlg table;
    table.exec();
    return 0;
}
