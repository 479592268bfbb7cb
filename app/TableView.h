#pragma once

#include <QWidget>

class CVertanDlg;

/// The client area of the table window: shows the window surface and hands size, mouse
/// and the first paint to the game.
class TableView : public QWidget {
    Q_OBJECT

public:
    explicit TableView(CVertanDlg& table);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    /// The window whose surface this view shows and whose handlers it calls.
    CVertanDlg& table_;
    /// True once the first paint has asked for the start-up, so it is asked for once.
    bool startUpQueued_ = false;
};
