#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

int ScriptedDialogs::run(QDialog& dialog)
{
    const char* className = dialog.metaObject()->className();
    opened.push_back(QString::fromLatin1(className));
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted dialog: " << className;
        return QDialog::Rejected;
    }
    // Taken off the queue first: the answer may open dialogs of its own.
    const Answer answer = std::move(answers_.front());
    answers_.pop_front();

    dialog.setResult(QDialog::Rejected);
    dialog.setAttribute(Qt::WA_DontShowOnScreen, !showOnScreen);
    dialog.show();
    const int result = answer(dialog);
    if (dialog.isVisible())
        dialog.done(result);
    else
        EXPECT_EQ(dialog.result(), result)
            << className << " closed with another result than its answer gives";
    return result;
}

void ScriptedDialogs::answer(Answer answer)
{
    answers_.push_back(std::move(answer));
}

int ScriptedDialogs::wrongDialog(const QDialog& dialog, const char* expected)
{
    ADD_FAILURE() << "expected " << expected << ", opened " << dialog.metaObject()->className();
    return QDialog::Rejected;
}
