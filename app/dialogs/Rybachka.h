#pragma once

#include "app/dialogs/PictureChoice.h"

/// The card back dialog: the eight card backs in one row. The caller sets m_selected (1..8)
/// and reads it after OK.
class CRybachka : public PictureChoice {
    Q_OBJECT

public:
    explicit CRybachka(QWidget* parent = nullptr);
};
