#pragma once

#include <QLineEdit>

/// The field a name is typed into: every letter becomes a capital, and, since the field
/// does not scroll, it takes no more text than its width shows.
class NameEdit : public QLineEdit {
public:
    explicit NameEdit(QWidget* parent);

    /// Shows a text with its letters in upper case, whatever its width.
    void setName(const QString& name);
    /// True when a text fits the field's width without scrolling.
    bool fits(const QString& text) const;
};
