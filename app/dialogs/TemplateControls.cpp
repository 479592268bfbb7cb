#include "app/dialogs/TemplateControls.h"

#include "app/Globals.h"
#include "app/files/ProgramFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>

namespace {

/// Group boxes as the templates draw them: a thin frame whose top line runs through the
/// middle of the title, the title breaking it near the left or in the middle. The style's
/// title position rules over the box's own alignment.
const QString kGroupBoxStyle
    = QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
                     "QGroupBox::title { subcontrol-origin: margin; %2 padding: 0 2px; }");
const QString kTitleLeft = QStringLiteral("subcontrol-position: top left; left: 6px;");
const QString kTitleCentred = QStringLiteral("subcontrol-position: top center;");
/// Flat buttons: a face without bevel inside a thin dark frame, a thicker one for the
/// default button, and a darker face while pressed.
const QString kFlatButtonStyle = QStringLiteral(
    "QPushButton { border: 1px solid palette(shadow); background: palette(button); padding: 0 4px; }"
    "QPushButton:default { border-width: 2px; }"
    "QPushButton:pressed { background: palette(mid); }");

} // namespace

TemplateControls::TemplateControls(QDialog& dialog, const QString& caption, const QFont& font,
    const DialogUnits& units, int width, int height)
    : dialog_(dialog)
    , units_(units)
{
    dialog.setWindowTitle(caption);
    dialog.setFont(font);
    dialog.setFixedSize(units.size(width, height));
}

void TemplateControls::groupBox(const QString& title, const TemplateRect& place, TitlePlace titlePlace) const
{
    auto* box = new QGroupBox(title, &dialog_);
    box->setStyleSheet(kGroupBoxStyle.arg(box->fontMetrics().height() / 2)
                           .arg(titlePlace == TitlePlace::Centred ? kTitleCentred : kTitleLeft));
    box->setGeometry(units_.rect(place));
    // Drawn first, so that the controls inside it lie over it.
    box->lower();
}

void TemplateControls::staticText(const QString& text, const TemplateRect& place) const
{
    auto* label = new QLabel(text, &dialog_);
    label->setGeometry(units_.rect(place));
}

QCheckBox* TemplateControls::checkBox(const QString& text, const TemplateRect& place) const
{
    auto* box = new QCheckBox(text, &dialog_);
    box->setGeometry(units_.rect(place));
    return box;
}

QLabel* TemplateControls::picture(const QPixmap& pixmap, const TemplateRect& place) const
{
    auto* label = new QLabel(&dialog_);
    label->setPixmap(pixmap);
    label->setGeometry(QRect(units_.rect(place).topLeft(), pixmap.size()));
    return label;
}

QPushButton* TemplateControls::pushButton(const QString& text, const TemplateRect& place) const
{
    auto* button = new QPushButton(text, &dialog_);
    button->setStyleSheet(kFlatButtonStyle);
    button->setAutoDefault(false);
    button->setGeometry(units_.rect(place));
    return button;
}

QPushButton* TemplateControls::okButton(const QString& text, const TemplateRect& place) const
{
    QPushButton* button = pushButton(text, place);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog_, &QDialog::accept);
    return button;
}

QPushButton* TemplateControls::cancelButton(const QString& text, const TemplateRect& place) const
{
    QPushButton* button = pushButton(text, place);
    QObject::connect(button, &QPushButton::clicked, &dialog_, &QDialog::reject);
    return button;
}

QSlider* TemplateControls::slider(const TemplateRect& place, int low, int high) const
{
    auto* slider = new QSlider(Qt::Horizontal, &dialog_);
    slider->setRange(low, high);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setGeometry(units_.rect(place));
    return slider;
}

QComboBox* TemplateControls::dropDownList(const QStringList& items, const TemplateRect& place) const
{
    auto* list = new QComboBox(&dialog_);
    list->addItems(items);
    const QRect area = units_.rect(place);
    list->setGeometry(area.x(), area.y(), area.width(), list->sizeHint().height());
    return list;
}

void ChecksToControls(std::span<const CheckBinding> checks)
{
    for (const CheckBinding& check : checks)
        check.box->setChecked(*check.member == 1);
}

void ChecksFromControls(std::span<const CheckBinding> checks)
{
    for (const CheckBinding& check : checks)
        *check.member = check.box->isChecked() ? 1 : 0;
}

QPixmap GamePicture(const QString& fileName)
{
    return QPixmap(FileInFolder(g_programDir, QStringLiteral("Pictures/") + fileName));
}
