#pragma once

#include <QValidator>

/// Turns every letter typed into a field to a capital, as names are written; it refuses
/// nothing. Text the dialog sets itself keeps its letters.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
