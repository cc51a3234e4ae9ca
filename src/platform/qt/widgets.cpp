#include "platform/qt/widgets.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <utility>

namespace pv::qt {

namespace {

LPARAM PointParam(QPoint p) {
    // The low word is read back as a signed x, so a point left of the window stays negative.
    return MAKELPARAM(static_cast<WORD>(static_cast<std::int16_t>(p.x())),
                      static_cast<WORD>(static_cast<std::int16_t>(p.y())));
}

// Rounded down, so that a point just left of or above the window stays outside it.
int DivideDown(int value, int by) {
    return value >= 0 ? value / by : -((-value + by - 1) / by);
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

LPARAM ClientArea::GamePoint(const QMouseEvent* event) const {
    QPoint p = event->position().toPoint();
    return PointParam(QPoint(DivideDown(p.x(), zoom_), DivideDown(p.y(), zoom_)));
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
    post_(WM_MOUSEMOVE, 0, GamePoint(event));
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) post_(WM_LBUTTONDOWN, 0, GamePoint(event));
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

void MainWidget::closeEvent(QCloseEvent* event) {
    // The game decides: the close request goes through its window procedure, which saves and
    // says goodbye before the window goes.
    event->ignore();
    post_(WM_SYSCOMMAND, SC_CLOSE, 0);
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
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (notify_ && event->button() == Qt::LeftButton) {
        post_(WM_COMMAND, id_, source_);
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

}  // namespace pv::qt
