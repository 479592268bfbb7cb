#include "app/VertanApp.h"

#include "app/VertanDlg.h"

int CVertanApp::InitInstance()
{
    CVertanDlg table;
    table.exec();
    return 0;
}
