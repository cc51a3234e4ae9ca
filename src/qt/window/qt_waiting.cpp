// The controls the game makes before its window first shows wait in the model: those the window
// shows are made as it first shows, the others (the about panel, the memory board, the colour
// panel, the scores) once its first frame is drawn, so that the frame waits only for what it
// shows. A waiting control that is asked for, shown or given the focus is made at once.
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <algorithm>
#include <set>
#include <vector>

#include "qt/qt_platform.h"

namespace pv::qt {

QWidget* QtPlatform::Widget(HWND window) {
    MakeIfWaiting(window);
    return Made(window);
}

// Watches the window's first painting, for what waits for its first frame: the audio and the
// controls not in it.
bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == main_ && event->type() == QEvent::Paint) {
        main_->removeEventFilter(this);
        // Queued, so it runs once the frame being painted has reached the screen.
        QMetaObject::invokeMethod(this, &QtPlatform::FirstFrameDrawn, Qt::QueuedConnection);
    }
    return false;
}

void QtPlatform::FirstFrameDrawn() {
    ReleaseAudio();
    MakeWaitingControls(Which::All);
}

void QtPlatform::MakeWaitingControls(Which which) {
    std::vector<HWND> waiting;
    waiting.swap(waiting_);
    for (HWND control : waiting) {
        const Window* w = Find(control);
        if (w == nullptr) continue;
        if (which == Which::All || w->visible) {
            MakeControl(*w);
        } else {
            waiting_.push_back(control);
        }
    }
}

void QtPlatform::MakeIfWaiting(HWND control) {
    auto it = std::find(waiting_.begin(), waiting_.end(), control);
    if (it == waiting_.end()) return;
    waiting_.erase(it);
    if (const Window* w = Find(control)) MakeControl(*w);
}

// A change to a waiting control is left to its making, unless it shows the control, gives it
// the focus, or gives a shown control a text, which a screen reader may say at once. Then the
// control is made as it stood before the change, which is reflected as on any control.
bool QtPlatform::LeftToMaking(const Window& control, Change what) {
    auto waiting = std::find(waiting_.begin(), waiting_.end(), control.handle);
    if (waiting == waiting_.end()) return false;
    bool needed = what == Change::Focus ||
                  ((what == Change::Visible || what == Change::Text) && control.visible);
    if (!needed) return true;
    waiting_.erase(waiting);
    Window before = control;
    if (what == Change::Visible) before.visible = false;
    if (what == Change::Text) before.text.clear();
    MakeControl(before);
    return false;
}

// Made out of turn, a control goes where its turn would have put it: under the controls made
// after it and the window's own helpers, which a reader lists in that order too, and after the
// ones before it in the keyboard's focus order.
void QtPlatform::TakeTurn(const Window& control, QWidget* widget) {
    std::set<QWidget*> earlier;
    QWidget* focusBefore = nullptr;
    for (HWND sibling : Children(control.parent)) {
        if (sibling == control.handle) break;
        if (QWidget* made = Made(sibling)) {
            earlier.insert(made);
            if (made->focusPolicy() != Qt::NoFocus) focusBefore = made;
        }
    }
    for (QObject* child : widget->parentWidget()->children()) {
        auto* other = qobject_cast<QWidget*>(child);
        if (other == nullptr || other == widget || earlier.count(other) != 0) continue;
        widget->stackUnder(other);
        break;
    }
    if (focusBefore != nullptr) QWidget::setTabOrder(focusBefore, widget);
}

}  // namespace pv::qt
