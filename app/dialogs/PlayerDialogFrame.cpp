#include "app/dialogs/PlayerDialogFrame.h"

#include "platform/MemoryDC.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace {

/// The client area, in dialog units.
constexpr int kDialogWidth = 104;
constexpr int kDialogHeight = 33;
/// The font size, in tenths of a point.
constexpr int kFontSize = 140;
/// The centred text along the top and the button "O", in dialog units.
constexpr TemplateRect kTextPlace { 0, 1, 104, 8 };
constexpr TemplateRect kButtonPlace { 97, 9, 6, 12 };

} // namespace

PlayerDialogFrame BuildPlayerDialog(QDialog& dialog, const QString& text)
{
    // A frame the window manager draws, without the title bar that would carry a caption.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    dialog.setWindowTitle(text);
    const QFont font = platform::pointFont(kFontSize);
    dialog.setFont(font);
    const DialogUnits units(font);
    dialog.setFixedSize(units.size(kDialogWidth, kDialogHeight));

    auto* label = new QLabel(text, &dialog);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(units.rect(kTextPlace));

    auto* button = new QPushButton(QStringLiteral("O"), &dialog);
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setGeometry(units.rect(kButtonPlace));
    return { units, label, button };
}
