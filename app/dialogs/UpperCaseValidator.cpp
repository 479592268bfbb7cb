#include "app/dialogs/UpperCaseValidator.h"

#include "app/dialogs/PlayerName.h"

QValidator::State UpperCaseValidator::validate(QString& input, int&) const
{
    input = UpperCaseLetters(input);
    return Acceptable;
}
