#pragma once

#include "platform/Service.h"

#include <QString>

namespace platform {

/// Modal questions and notices with Russian buttons.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    /// A question with the exclamation icon and the buttons "Да" and "Нет"; true for "Да".
    virtual bool askYesNo(const QString& text, const QString& caption) = 0;
    /// A notice with an OK button.
    virtual void tell(const QString& text, const QString& caption) = 0;
};

/// The implementation the program runs with, defined in MessageBox.cpp.
template <> MessageBox& ServiceSlot<MessageBox>::real();

inline bool AskYesNo(const QString& text, const QString& caption = QStringLiteral("Вертан"))
{
    return ServiceSlot<MessageBox>::get().askYesNo(text, caption);
}
inline void Tell(const QString& text, const QString& caption = QStringLiteral("Вертан"))
{
    ServiceSlot<MessageBox>::get().tell(text, caption);
}

} // namespace platform
