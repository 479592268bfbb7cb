#include "app/dialogs/SaveDialogFrame.h"

#include "platform/MemoryDC.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

/// The font size, in tenths of a point.
constexpr int kFontSize = 120;

} // namespace

DialogUnits ShapeSaveDialog(QDialog& dialog, const QString& caption, int width, int height)
{
    dialog.setWindowTitle(caption);
    const QFont font = platform::pointFont(kFontSize);
    dialog.setFont(font);
    const DialogUnits units(font);
    dialog.setFixedSize(units.size(width, height));
    return units;
}

void PlaceSaveList(QListWidget& list, const DialogUnits& units, const TemplateRect& place)
{
    list.setGeometry(units.rect(place));
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void AddSavePicture(
    QDialog& dialog, const DialogUnits& units, QStyle::StandardPixmap icon, const TemplateRect& place)
{
    auto* picture = new QLabel(&dialog);
    const QRect rect = units.rect(place);
    picture->setGeometry(rect);
    picture->setPixmap(dialog.style()->standardIcon(icon).pixmap(rect.size()));
}

QPushButton* AddFlatButton(
    QDialog& dialog, const DialogUnits& units, const QString& text, const TemplateRect& place)
{
    auto* button = new QPushButton(text, &dialog);
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setGeometry(units.rect(place));
    return button;
}
