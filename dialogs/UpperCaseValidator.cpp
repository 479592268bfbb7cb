#include "dialogs/UpperCaseValidator.h"

#include "dialogs/PlayerName.h"

QValidator::State UpperCaseValidator::validate(QString& input, int&) const
{
    input = UpperCaseLetters(input);
    return Acceptable;
}
