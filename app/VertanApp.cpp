#include "app/VertanApp.h"

#include "app/VertanDlg.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int CVertanApp::InitInstance()
{
    // The system's own dialogs that the game opens (the colour dialog) speak the game's
    // language; without the translation they stay in English.
    QTranslator systemTexts;
    if (systemTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&systemTexts);

    CVertanDlg table;
    table.exec();
    return 0;
}
