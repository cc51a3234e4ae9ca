// The widgets that stand for the game's window and controls on a Qt desktop.
#pragma once

#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QSet>
#include <QWidget>

#include <functional>

#include "platform/win32.h"
#include "qt/paint/zoom.h"

namespace pv::qt {

// Where widgets send what the user did, as window messages for the game's queue.
using PostFn = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

// The client area of the main window: it paints the class background and turns pointer
// movement and presses that reach it (over the bare window or over disabled controls, which
// let input through) into mouse messages in client coordinates.
class ClientArea : public QWidget {
  public:
    ClientArea(QWidget* parent, PostFn post);
    void SetBackground(const QColor& colour);
    QColor Background() const { return background_; }
    // A left press at a point in the game's coordinates, as the pointer gives it.
    void LeftPress(QPoint point);
    // Points go to the game in the units it laid out in, whatever the window's zoom.
    void SetZoom(Zoom zoom) { zoom_ = zoom; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPoint GamePoint(const QMouseEvent* event) const;

    PostFn post_;
    QColor background_;
    Zoom zoom_;
};

// Tells the repeats of a key held down from its first press: those Qt marks, and on X11 those it
// does not, which come as a release and a press of the same key at the same instant.
class KeyRepeats {
  public:
    void Released(const QKeyEvent& event);
    bool Repeated(const QKeyEvent& event) const;

  private:
    // The key last let go, by scan code, and when.
    quint32 releasedKey_ = 0;
    quint64 releasedAt_ = 0;
};

// Keeps out the repeats of a key held down since before what it watches came up (a pop-up
// menu, or a dialog while the filter is the application's): the Alt+D that opened the Drill menu
// would go on to pick its Divide, the Enter that gave a refused name would close the message
// saying why. A key pressed anew there repeats as ever.
class HeldKeyFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    KeyRepeats repeats_;
    QSet<int> pressedHere_;  // since the watched window last came up
};

// The top-level window: fixed size, no maximise button; closing asks the game first.
class MainWidget : public QWidget {
  public:
    MainWidget(PostFn post);
    ClientArea* Client() const { return client_; }
    // Told when the window is minimised (true) or shown again (false).
    std::function<void(bool minimized)> onMinimized;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Keys that no control took (the name box takes what is typed into it) go to the game.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    PostFn post_;
    ClientArea* client_;
    KeyRepeats repeats_;
};

// A framed picture: an icon (32 x 32) or a bitmap, centred. When enabled and asked to notify,
// a click sends the control's command.
class Picture : public QFrame {
  public:
    static constexpr int kLineWidth = 2;  // at 1x

    Picture(QWidget* parent, PostFn post, UINT id, LPARAM source, bool notify);
    // An icon sits in the middle of its frame; a bitmap starts at the corner, where the panel
    // beside the about picture leaves it in view.
    void SetImage(const QIcon& icon, QSize size, bool centred);
    // What a left click on the picture itself does: a notifying picture sends its command.
    // False when the click would pass to the window beneath.
    bool Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The keyboard's place on the memory board is drawn as a frame around the card.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    PostFn post_;
    UINT id_;
    LPARAM source_;
    bool notify_;
    QIcon icon_;
    QSize size_;
    bool centred_ = true;
};

}  // namespace pv::qt
