#include "qt/window/widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <utility>

namespace pv::qt {

namespace {

// The virtual key the game knows a key by, or 0.
WPARAM VirtualKey(int key) {
    switch (key) {
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        default:
            return 0;
    }
}

// The answer digit a key types: the digit itself, on the keypad too, or the top row's keys 1 to 4
// on a layout where they type something else unshifted (as AZERTY's "&", "é", ...). X and
// Wayland number the top row's keys 10 to 13 whatever the layout.
WPARAM AnswerDigit(const QKeyEvent& event) {
    QString text = event.text();
    if (text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('4')) {
        return text[0].unicode();
    }
    constexpr quint32 kTopRowOne = 10;
    quint32 code = event.nativeScanCode();
    bool plain = (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && code >= kTopRowOne && code < kTopRowOne + 4) return '1' + (code - kTopRowOne);
    return 0;
}

LPARAM PointParam(QPoint p) {
    // The low word is read back as a signed x, so a point left of the window stays negative.
    return MAKELPARAM(static_cast<WORD>(static_cast<std::int16_t>(p.x())),
                      static_cast<WORD>(static_cast<std::int16_t>(p.y())));
}

}  // namespace

ClientArea::ClientArea(QWidget* parent, PostFn post)
    : QWidget(parent), post_(std::move(post)), background_(128, 128, 128) {
    setMouseTracking(true);
}

void ClientArea::SetBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void ClientArea::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
}

QPoint ClientArea::GamePoint(const QMouseEvent* event) const {
    return zoom_.ToGame(event->position());
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
    post_(WM_MOUSEMOVE, 0, PointParam(GamePoint(event)));
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) LeftPress(GamePoint(event));
}

void ClientArea::LeftPress(QPoint point) {
    post_(WM_LBUTTONDOWN, 0, PointParam(point));
}

MainWidget::MainWidget(PostFn post) : post_(std::move(post)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    client_ = new ClientArea(this, post_);
    layout->addWidget(client_);
}

bool MainWidget::event(QEvent* event) {
    // A shortcut held down (F1, Ctrl+Q) runs once: its repeats, which Qt does not always mark,
    // come to the window as keys, and go no further.
    if (event->type() == QEvent::ShortcutOverride &&
        repeats_.Repeated(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void MainWidget::closeEvent(QCloseEvent* event) {
    // The game decides: the close request goes through its window procedure, which saves and
    // says goodbye before the window goes.
    event->ignore();
    post_(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void MainWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && onMinimized) onMinimized(isMinimized());
    QWidget::changeEvent(event);
}

void MainWidget::keyPressEvent(QKeyEvent* event) {
    WPARAM key = VirtualKey(event->key());
    WPARAM digit = AnswerDigit(*event);
    if (key == 0 && digit == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // As the desktop marks them: a repeat count of one, and whether the key was already down.
    LPARAM state = MAKELPARAM(1, repeats_.Repeated(*event) ? KF_REPEAT : 0);
    if (key != 0) post_(WM_KEYDOWN, key, state);
    if (digit != 0) post_(WM_CHAR, digit, state);
    event->accept();
}

void MainWidget::keyReleaseEvent(QKeyEvent* event) {
    repeats_.Released(*event);
    QWidget::keyReleaseEvent(event);
}

void KeyRepeats::Released(const QKeyEvent& event) {
    releasedKey_ = event.nativeScanCode();
    releasedAt_ = event.timestamp();
}

// On X11 a held key repeats as a release and a press of the same key at the same instant. Qt
// marks such a press only when it is already queued as the release is read, which it often is
// not: the instant tells it all the same.
bool KeyRepeats::Repeated(const QKeyEvent& event) const {
    return event.isAutoRepeat() ||
           (event.nativeScanCode() != 0 && event.nativeScanCode() == releasedKey_ &&
            event.timestamp() == releasedAt_);
}

bool HeldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        pressedHere_.clear();
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (event->type() == QEvent::KeyRelease) {
        repeats_.Released(key);
    } else if (!repeats_.Repeated(key)) {
        pressedHere_.insert(key.key());
    } else {
        return !pressedHere_.contains(key.key());
    }
    return false;
}

Picture::Picture(QWidget* parent, PostFn post, UINT id, LPARAM source, bool notify)
    : QFrame(parent), post_(std::move(post)), id_(id), source_(source), notify_(notify) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(kLineWidth);
}

void Picture::SetImage(const QIcon& icon, QSize size, bool centred) {
    icon_ = icon;
    size_ = size;
    centred_ = centred;
    update();
}

void Picture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (icon_.isNull()) return;
    QPainter painter(this);
    QRect target(contentsRect().topLeft(), size_);
    if (centred_) target.moveCenter(contentsRect().center());
    icon_.paint(&painter, target);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void Picture::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void Picture::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

bool Picture::Click() {
    if (!notify_ || !isEnabled()) return false;
    post_(WM_COMMAND, id_, source_);
    return true;
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Click()) {
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

}  // namespace pv::qt
