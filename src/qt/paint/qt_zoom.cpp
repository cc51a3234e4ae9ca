// The window shown at a whole multiple of its size: every control's place and size, font, frame
// and picture multiplied, the model's coordinates untouched. Pictures have a file of their own
// for each factor, so nothing is drawn enlarged.
#include <QApplication>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTextEdit>

#include <algorithm>

#include "app/main_window.h"
#include "qt/qt_platform.h"

namespace pv::qt {

namespace {

// What the about panels' text is drawn at, at 1x: the small system font keeps it inside them.
constexpr int kPanelFontPixels = 11;
constexpr int kPanelMargin = 2;

int LineWidthAt1x(const QFrame* frame) {
    return dynamic_cast<const Picture*>(frame) != nullptr ? Picture::kLineWidth : 1;
}

// The application's style with the parts it draws at a fixed size grown too: the scroll bars'
// arrow buttons and thumb, and the text cursor.
class ZoomedStyle : public QProxyStyle {
  public:
    explicit ZoomedStyle(Zoom zoom)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), zoom_(zoom) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        int value = QProxyStyle::pixelMetric(metric, option, widget);
        bool grows = metric == PM_ScrollBarExtent || metric == PM_ScrollBarSliderMin ||
                     metric == PM_TextCursorWidth;
        return grows ? zoom_.ToScreen(value) : value;
    }

  private:
    Zoom zoom_;
};

}  // namespace

QRect QtPlatform::Zoomed(const Window& w) const {
    return zoom_.ToScreen(QRect(w.x, w.y, w.width, w.height));
}

void QtPlatform::SetZoom(int factor) {
    factor = std::clamp(factor, 1, kLargestZoom);
    if (Zoom(factor) == zoom_) return;
    QSize before = main_ != nullptr ? main_->sizeHint() : QSize();
    zoom_ = Zoom(factor);
    // The old style goes once no control uses it any more.
    std::unique_ptr<QStyle> oldStyle = std::move(zoomedStyle_);
    if (zoom_.Enlarges()) zoomedStyle_ = std::make_unique<ZoomedStyle>(zoom_);
    for (const auto& [handle, widget] : widgets_) {
        if (const Window* w = Find(handle)) ShowZoom(*w, widget);
    }
    // Built afresh: a pop-up already shown once keeps its old item widths through a new font.
    if (menuBar_ != nullptr) BuildMenuBar(shownMenu_);
    if (main_ == nullptr) return;
    if (!shownOnce_) {
        // Not yet on screen: it grows about its middle, where the game centred it.
        QSize grown = main_->sizeHint() - before;
        main_->move(main_->pos() - QPoint(grown.width() / 2, grown.height() / 2));
    }
    KeepOnScreen();
}

// A window grown past the right or bottom of its screen's free area moves back into it, as far
// as it fits; the game reads its real place from GetWindowRect as ever.
void QtPlatform::KeepOnScreen() {
    QScreen* screen = main_->screen();
    if (screen == nullptr) return;
    QRect free = screen->availableGeometry();
    // The new size is not laid out yet: the client's, with the frame the window has now.
    QSize framed = main_->sizeHint() + main_->frameGeometry().size() - main_->geometry().size();
    QPoint at = main_->pos();
    int x = std::max(free.left(), std::min(at.x(), free.left() + free.width() - framed.width()));
    int y = std::max(free.top(), std::min(at.y(), free.top() + free.height() - framed.height()));
    if (QPoint(x, y) != at) main_->move(x, y);
}

void QtPlatform::ShowZoom(const Window& w, QWidget* widget) {
    if (widget == main_) {
        main_->Client()->SetZoom(zoom_);
        main_->Client()->setFixedSize(zoom_.ToScreen(QSize(kClientWidth, kClientHeight)));
        return;
    }
    widget->setGeometry(Zoomed(w));
    if (qobject_cast<QScrollBar*>(widget) != nullptr ||
        qobject_cast<QLineEdit*>(widget) != nullptr) {
        widget->setStyle(zoomedStyle_.get());  // none: the application's again
    }
    if (auto* frame = qobject_cast<QFrame*>(widget)) {
        frame->setLineWidth(zoom_.ToScreen(LineWidthAt1x(frame)));
    }
    if (FindObject(w.font) != nullptr) {
        ShowFont(w);
    } else {
        ShowDefaultFont(widget);
    }
    ShowImage(w);
}

// Controls the game gives no font of its own: the text panels' small font, or Qt's.
void QtPlatform::ShowDefaultFont(QWidget* widget) {
    if (auto* panel = qobject_cast<QTextEdit*>(widget)) {
        QFont font = panel->font();
        font.setPixelSize(zoom_.ToScreen(kPanelFontPixels));
        panel->setFont(font);
        panel->document()->setDocumentMargin(zoom_.ToScreen(kPanelMargin));
        return;
    }
    ShowInheritedFont(widget);
}

// An empty font takes the inherited one again.
void QtPlatform::ShowInheritedFont(QWidget* widget) const {
    widget->setFont(zoom_.Enlarges() ? zoom_.ToScreen(QApplication::font(widget)) : QFont());
}

void QtPlatform::ZoomMenus() {
    ShowInheritedFont(menuBar_);
    // The pop-ups are windows of their own, which take no font from the bar. The style draws
    // their check column about as wide as a row is high, wider than it measures it at a large
    // font: the difference is left free, or the longest item's text is cut short.
    for (QMenu* popup : menuBar_->findChildren<QMenu*>()) {
        ShowInheritedFont(popup);
        popup->setMinimumWidth(popup->sizeHint().width() + popup->fontMetrics().height());
    }
}

}  // namespace pv::qt
