#pragma once

#include "app/files/ImageData.h"
#include "platform/Rect.h"

#include <QCursor>
#include <QDialog>
#include <QPixmap>

class QMouseEvent;
class QPaintEvent;
class QPainter;
class QShowEvent;

/// The about box: a picture made of three, with two link captions drawn point by point in
/// its black band and a close box drawn in the picture. A link rises and sounds when the
/// pointer enters it; a click opens the contact page or the game's web page. The caller
/// fills the point lists, the counts and m_buttonSounds; nothing comes back.
class CO_Program : public QDialog {
    Q_OBJECT

public:
    explicit CO_Program(QWidget* parent = nullptr);

    /// Client pixels of the first and second caption's points, from index 1.
    PointTable<kAboutLink1Capacity> m_link1X {}, m_link1Y {};
    PointTable<kAboutLink2Capacity> m_link2X {}, m_link2Y {};
    /// Points of each caption; counts beyond the lists' room are cut to it at opening.
    int m_link1Count = 0;
    int m_link2Count = 0;
    /// 1 = entering a link sounds; the click sounds are played whatever it is.
    int m_buttonSounds = 0;

    /// Starts with no link risen and the pointer on nothing; cuts the counts to the lists'
    /// room; true.
    bool OnInitDialog();
    /// The link under the pointer rises (once per entry); off both links the captions lie
    /// plain again. Also notes whether the pointer is on the close box.
    void OnMouseMove(int x, int y);
    /// The hand over a risen link and over the close box, the arrow elsewhere.
    void OnSetCursor();
    /// The close box sounds and ends the dialog; a risen link opens its page.
    void OnLButtonDown(int x, int y);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    /// The black band and both captions plain; the risen link over them while one is risen.
    void DrawLinks(QPainter& painter) const;
    /// Raises the link entered, with its sound, unless a link is risen already.
    void HighlightLink();
    /// The click sound, then the page of the link the pointer is on.
    void OpenLink();

    /// Where the pointer makes each link rise, and the close box, in client pixels.
    platform::Rect m_rcLink1, m_rcLink2, m_rcClose;
    /// The hand shown over the links and the close box.
    QCursor m_hCursor;
    /// The three pictures: left, upper right (with the close box), lower right.
    QPixmap m_left, m_upper, m_lower;
};
