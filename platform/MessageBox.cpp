#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

class DialogMessageBox final : public MessageBox {
public:
    bool askYesNo(const QString& text, const QString& caption) override
    {
        QMessageBox box(
            QMessageBox::Warning, caption, text, QMessageBox::NoButton, QApplication::activeWindow());
        const QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        // "Нет" answers Escape and the close button too: declining is the safe answer.
        box.setEscapeButton(box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole));
        box.exec();
        return box.clickedButton() == yes;
    }

    void tell(const QString& text, const QString& caption) override
    {
        QMessageBox box(
            QMessageBox::Warning, caption, text, QMessageBox::NoButton, QApplication::activeWindow());
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
    }
};

} // namespace

template <> MessageBox& ServiceSlot<MessageBox>::real()
{
    static DialogMessageBox messageBox;
    return messageBox;
}

} // namespace platform
