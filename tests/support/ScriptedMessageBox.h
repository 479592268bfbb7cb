#pragma once

#include "platform/MessageBox.h"

#include <QString>

#include <deque>
#include <initializer_list>
#include <vector>

/// Answers questions as scripted and remembers every message shown. A question with no
/// answer left fails the test and is answered "Нет".
class ScriptedMessageBox final : public platform::MessageBox {
public:
    struct Shown {
        QString text;
        QString caption;
        /// True for a Yes/No question, false for a notice.
        bool question = false;
        bool operator==(const Shown&) const = default;
    };

    bool askYesNo(const QString& text, const QString& caption) override;
    void tell(const QString& text, const QString& caption) override;

    /// Appends answers to the next questions: true for "Да".
    void answer(std::initializer_list<bool> answers);
    /// Scripted answers not used yet.
    std::size_t answersLeft() const { return answers_.size(); }

    /// Every question and notice, oldest first.
    std::vector<Shown> shown;

private:
    std::deque<bool> answers_;
};
