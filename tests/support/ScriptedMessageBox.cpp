#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

bool ScriptedMessageBox::askYesNo(const QString& text, const QString& caption)
{
    shown.push_back({ text, caption, true });
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void ScriptedMessageBox::tell(const QString& text, const QString& caption)
{
    shown.push_back({ text, caption, false });
}

void ScriptedMessageBox::answer(std::initializer_list<bool> answers)
{
    answers_.insert(answers_.end(), answers);
}
