#include "app/dialogs/NameEdit.h"

#include "app/dialogs/PlayerName.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

/// Room the field keeps free on each side of its text, and the width of the text cursor,
/// in pixels.
constexpr int kTextSideMargin = 2;
constexpr int kCursorWidth = 1;

/// Turns typed letters to capitals and refuses typing that would not fit the field.
class NameValidator : public QValidator {
public:
    explicit NameValidator(NameEdit& edit)
        : QValidator(&edit)
        , edit_(edit)
    {
    }

    State validate(QString& input, int&) const override
    {
        input = UpperCaseLetters(input);
        return edit_.fits(input) ? Acceptable : Invalid;
    }

private:
    /// The field whose width decides what fits.
    const NameEdit& edit_;
};

} // namespace

NameEdit::NameEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setValidator(new NameValidator(*this));
}

void NameEdit::setName(const QString& name)
{
    setText(UpperCaseLetters(name));
}

bool NameEdit::fits(const QString& text) const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int room = contents.width() - textMargins().left() - textMargins().right() - 2 * kTextSideMargin;
    return fontMetrics().horizontalAdvance(text) + kCursorWidth <= room;
}
