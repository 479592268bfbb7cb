#pragma once

#include "platform/DialogRunner.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

/// Answers modal dialogs as scripted instead of waiting for a person. An answer plays the
/// person: it gets the dialog shown and initialised as a modal run would show it, may type
/// into it, click it or set its members, and returns the dialog's result. A dialog the
/// answer left open is ended with that result. A dialog with no answer left fails the test
/// and is rejected.
class ScriptedDialogs final : public platform::DialogRunner {
public:
    using Answer = std::function<int(QDialog&)>;

    int run(QDialog& dialog) override;

    /// Appends the answer to the next dialog.
    void answer(Answer answer);
    /// Appends the answer to the next dialog, which must be a Dialog; another dialog fails
    /// the test and is rejected.
    template <class Dialog> void answerAs(std::function<int(Dialog&)> answer)
    {
        this->answer([answer = std::move(answer)](QDialog& dialog) {
            auto* expected = qobject_cast<Dialog*>(&dialog);
            return expected ? answer(*expected) : wrongDialog(dialog, Dialog::staticMetaObject.className());
        });
    }
    /// Scripted answers not used yet.
    std::size_t answersLeft() const { return answers_.size(); }

    /// The class name of every dialog run, oldest first.
    std::vector<QString> opened;
    /// False: dialogs are shown without a window on the screen. Each window Qt makes leaves
    /// a little memory behind, which a fuzz run that opens a dialog for every input feels.
    bool showOnScreen = true;

private:
    /// Fails the test for a dialog of another class than the answer expected; Rejected.
    static int wrongDialog(const QDialog& dialog, const char* expected);

    std::deque<Answer> answers_;
};
