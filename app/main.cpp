#include "app/VertanApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CVertanApp theApp;
    return theApp.InitInstance();
}
