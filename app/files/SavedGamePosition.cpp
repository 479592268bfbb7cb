#include "app/files/SavedGamePosition.h"

#include "app/files/PositionChecks.h"
#include "app/files/SavedPosition.h"

QString PositionProblem(const SavedGame& game)
{
    const SavedPosition p(game);
    for (const auto check : { CardPlaceProblem, WaitingValueProblem, DealProgressProblem, ScoreProblem })
        if (QString problem = check(p); !problem.isEmpty())
            return problem;
    return {};
}
