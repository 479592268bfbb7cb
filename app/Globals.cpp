#include "app/Globals.h"

#include "app/drawing/TableDrawing.h"

void ResetGlobals()
{
    g_playerName.clear();
    g_settingsFile.clear();
    g_saveName.clear();
    for (auto* column : { &g_sheetHuman, &g_sheetComputer })
        column->fill(QString());
    g_sheetHumanIndent.fill(0);
    g_sheetComputerIndent.fill(0);
    g_keptFinalScore.reset();
    for (auto* column :
        { &g_statRowNo, &g_statName, &g_statStatus, &g_statPoints, &g_statGame, &g_statLevel })
        column->fill(QString());
    g_statRowCount = 0;
    g_started = 0;
    g_glActive = 0;
    ResetTableDrawing();
}
