// The widgets that stand for the game's windows and controls: made, kept up to date with the
// model, and taken down; what the user does with them goes back as messages.
#include "qt/qt_platform.h"

#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "app/main_window.h"
#include "qt/paint/qt_paint.h"
#include "qt/screen_reader/accessible.h"
#include "qt/window/qt_text.h"

namespace pv::qt {

namespace {

// A horizontal scroll bar that reports what the user does as scroll requests.
class ScrollBar : public QScrollBar {
  public:
    ScrollBar(QWidget* parent, PostFn post)
        : QScrollBar(Qt::Horizontal, parent), post_(std::move(post)) {
        // A thumb that stands out from its trough, so a child can see what to drag.
        QPalette colours = palette();
        colours.setColor(QPalette::Button, QColor(150, 150, 150));
        colours.setColor(QPalette::Window, QColor(236, 236, 236));
        setPalette(colours);
        connect(this, &QScrollBar::actionTriggered, this, [this](int action) {
            int code = Request(action);
            if (code >= 0) Send(code, sliderPosition());
        });
        connect(this, &QScrollBar::sliderReleased, this,
                [this]() { Send(SB_THUMBPOSITION, sliderPosition()); });
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QScrollBar::mouseReleaseEvent(event);
        Send(SB_ENDSCROLL, 0);
    }

  private:
    static int Request(int action) {
        switch (action) {
            case SliderSingleStepSub:
                return SB_LINELEFT;
            case SliderSingleStepAdd:
                return SB_LINERIGHT;
            case SliderPageStepSub:
                return SB_PAGELEFT;
            case SliderPageStepAdd:
                return SB_PAGERIGHT;
            case SliderToMinimum:
                return SB_LEFT;
            case SliderToMaximum:
                return SB_RIGHT;
            case SliderMove:
                return SB_THUMBTRACK;
            default:
                return -1;
        }
    }
    void Send(int code, int position) {
        post_(WM_HSCROLL,
              static_cast<WPARAM>(code & 0xFFFF) | (static_cast<WPARAM>(position & 0xFFFF) << 16),
              0);
    }
    PostFn post_;
};

// Where text meets a child control that takes no input, as on a disabled push button, input
// passes to the window beneath; enabled controls keep their input to themselves.
void SetInputPassThrough(QWidget* widget, bool enabled) {
    widget->setEnabled(enabled);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

}  // namespace

QWidget* QtPlatform::Made(HWND window) const {
    auto it = widgets_.find(window);
    return it != widgets_.end() ? it->second : nullptr;
}

PostFn QtPlatform::PosterFrom(HWND source) {
    return [this, source](UINT message, WPARAM wParam, LPARAM lParam) {
        if (mainHandle_ == 0) return;
        if (message == WM_COMMAND && source != 0) {
            // Commands from a control name it, and reach the game before the next input does.
            SendNotification(mainHandle_, message, wParam, static_cast<LPARAM>(source));
            return;
        }
        PostMessageA(mainHandle_, message, wParam, message == WM_HSCROLL ? source : lParam);
    };
}

void QtPlatform::Reflect(HWND window, Change what) {
    if (what == Change::Created) {
        CreateWidget(*Find(window));
        return;
    }
    if (what == Change::Destroyed) {
        Destroy(window);
        return;
    }
    const Window* w = Find(window);
    if (w == nullptr || LeftToMaking(*w, what)) return;
    QWidget* widget = Made(window);
    if (widget == nullptr) return;
    switch (what) {
        case Change::Visible:
            if (window == mainHandle_ && w->visible && !shownOnce_) {
                MakeWaitingControls(Which::Shown);
            }
            if (window == mainHandle_ && w->visible && menuWanted_) BuildMenuBar(shownMenu_);
            if (window == mainHandle_ && w->visible && !shownOnce_) main_->installEventFilter(this);
            widget->setVisible(w->visible);
            if (window == mainHandle_ && w->visible && !shownOnce_) {
                shownOnce_ = true;
                // Should no frame come (a window that is never exposed), the audio and the
                // waiting controls wait no longer than this.
                QTimer::singleShot(1000, this, &QtPlatform::FirstFrameDrawn);
                if (onFirstShown) onFirstShown();
            }
            break;
        case Change::Enabled:
            if (window != mainHandle_) SetInputPassThrough(widget, w->enabled);
            break;
        case Change::Text:
            ShowText(*w);
            break;
        case Change::Font:
            ShowFont(*w);
            break;
        case Change::Image:
            ShowImage(*w);
            break;
        case Change::Scroll:
            ShowScroll(*w);
            break;
        case Change::List:
            ShowList(*w);
            break;
        case Change::Focus:
            widget->setFocus(Qt::OtherFocusReason);
            break;
        case Change::Geometry:
            if (window == mainHandle_) {
                main_->move(w->x, w->y);
            } else {
                widget->setGeometry(Zoomed(*w));
            }
            break;
        case Change::Background:
            if (window == mainHandle_) main_->Client()->SetBackground(BackgroundColour(window));
            break;
        case Change::Menu:
            if (window != mainHandle_) break;
            // Before the window first shows, the game is still adding items (players, zoom):
            // the bar is built once, as it shows.
            if (!shownOnce_) {
                shownMenu_ = w->menu;
                menuWanted_ = true;
            } else if (menuBar_ == nullptr || shownMenu_ != w->menu) {
                BuildMenuBar(w->menu);
            } else {
                MenuItemsChanged();
            }
            break;
        case Change::Created:
        case Change::Destroyed:
            break;
    }
    if (window != mainHandle_) ReflectForReaders(widget, *w, what);
}

void QtPlatform::CreateWidget(const Window& w) {
    if (w.windowClass != nullptr) {
        main_ = new MainWidget(PosterFrom(w.handle));
        mainHandle_ = w.handle;
        // The question is out of sight while the window is minimised: its clock stops.
        main_->onMinimized = [this, handle = w.handle](bool minimized) {
            Minimized(handle, minimized);
        };
        main_->Client()->setFixedSize(zoom_.ToScreen(QSize(kClientWidth, kClientHeight)));
        main_->Client()->SetZoom(zoom_);
        main_->layout()->setSizeConstraint(QLayout::SetFixedSize);
        main_->setWindowTitle(ToQString(w.text));
        main_->setWindowIcon(WindowIcon(w.icon));
        main_->move(w.x, w.y);
        main_->Client()->SetBackground(BackgroundColour(w.handle));
        widgets_[w.handle] = main_;
        return;
    }
    if (!shownOnce_) {
        waiting_.push_back(w.handle);
        return;
    }
    MakeControl(w);
}

// A control's widget, as its model stands: what changed while it waited is all there.
void QtPlatform::MakeControl(const Window& w) {
    QWidget* parent = w.parent == mainHandle_ ? main_->Client() : Widget(w.parent);
    if (parent == nullptr) return;
    QWidget* widget = CreateControl(w, parent);
    widget->setGeometry(Zoomed(w));
    // Input that a control does not take must not fall through to the window beneath.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    SetInputPassThrough(widget, w.enabled);
    widget->setVisible(w.visible);
    widgets_[w.handle] = widget;
    TakeTurn(w, widget);
    if (zoom_.Enlarges()) {
        ShowZoom(w, widget);
    } else {
        if (FindObject(w.font) != nullptr) ShowFont(w);
        if (w.image != 0) ShowImage(w);
    }
    ShowText(w);  // text panels lay out their text once they are known
    ShowScroll(w);
    if (!w.list.Lines().empty()) ShowList(w);
    if (GetFocus() == w.handle) widget->setFocus(Qt::OtherFocusReason);
    DescribeForReaders(widget, w);
}

QWidget* QtPlatform::CreateControl(const Window& w, QWidget* parent) {
    PostFn post = PosterFrom(w.handle);
    if (w.className == "BUTTON") {
        auto* button = new QPushButton(ToQString(w.text), parent);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        UINT id = w.id;
        QObject::connect(button, &QPushButton::clicked, button,
                         [post, id]() { post(WM_COMMAND, id, 0); });
        return button;
    }
    if (w.className == "STATIC") {
        return new Picture(parent, post, w.id, static_cast<LPARAM>(w.handle),
                           (w.style & SS_NOTIFY) != 0);
    }
    if (w.className == "EDIT" && (w.style & ES_MULTILINE) != 0) {
        auto* panel = new QTextEdit(parent);
        panel->setReadOnly(true);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The panels have no scroll bars; the small system font keeps their text inside.
        panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        ShowDefaultFont(panel);
        return panel;
    }
    if (w.className == "EDIT") {
        auto* edit = new QLineEdit(ToQString(w.text), parent);
        HWND handle = w.handle;
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, handle](const QString& text) {
            TextTyped(handle, FromQString(text));
        });
        return edit;
    }
    if (w.className == "SCROLLBAR") {
        auto* bar = new ScrollBar(parent, post);
        bar->setRange(w.scrollMin, w.scrollMax);
        bar->setPageStep(10);
        return bar;
    }
    auto* list = new QListWidget(parent);
    list->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return list;
}

void QtPlatform::Destroy(HWND window) {
    waiting_.erase(std::remove(waiting_.begin(), waiting_.end(), window), waiting_.end());
    auto it = widgets_.find(window);
    if (it == widgets_.end()) return;
    QWidget* widget = it->second;
    widgets_.erase(it);
    if (window == mainHandle_) {
        for (auto& [id, timer] : timers_) timer->stop();
        main_->hide();
        // The loop may still be inside this window's events; let Qt delete it when it is done.
        main_->deleteLater();
        main_ = nullptr;
        menuBar_ = nullptr;
        actions_.clear();
        mainHandle_ = 0;
        return;
    }
    // The control may be the one whose click is being handled right now.
    widget->hide();
    widget->deleteLater();
}

void QtPlatform::ShowText(const Window& w) {
    QWidget* widget = Made(w.handle);
    QString text = w.textIsUtf8 ? QString::fromStdString(w.text) : ToQString(w.text);
    if (w.handle == mainHandle_) {
        main_->setWindowTitle(text);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text);
    } else if (auto* panel = qobject_cast<QTextEdit*>(widget)) {
        panel->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QTextCursor cursor(panel->document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(centred);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) edit->setText(text);
    }
}

void QtPlatform::ShowFont(const Window& w) {
    const GdiObject* object = FindObject(w.font);
    QWidget* widget = Made(w.handle);
    if (object != nullptr && widget != nullptr) widget->setFont(zoom_.ToScreen(FontFor(*object)));
}

void QtPlatform::ShowImage(const Window& w) {
    auto* picture = dynamic_cast<Picture*>(Made(w.handle));
    if (picture == nullptr) return;
    if (w.imageType == IMAGE_BITMAP) {
        const GdiObject* bitmap = FindObject(w.image);
        if (bitmap == nullptr) {
            picture->SetImage(QIcon(), QSize(), false);
        } else {
            // The first size is the picture's own, at 1x.
            const QIcon& icon = Icon(bitmap->resource);
            picture->SetImage(icon, zoom_.ToScreen(icon.availableSizes().value(0, QSize(64, 97))),
                              false);
        }
        return;
    }
    picture->SetImage(w.image != 0 ? Icon(w.image) : QIcon(), zoom_.ToScreen(QSize(32, 32)), true);
}

void QtPlatform::ShowScroll(const Window& w) {
    auto* bar = qobject_cast<QScrollBar*>(Made(w.handle));
    if (bar == nullptr) return;
    QSignalBlocker quiet(bar);
    bar->setRange(w.scrollMin, w.scrollMax);
    bar->setValue(w.scrollPos);
}

void QtPlatform::ShowList(const Window& w) {
    auto* list = qobject_cast<QListWidget*>(Made(w.handle));
    if (list == nullptr) return;
    list->clear();
    for (const std::string& line : w.list.Lines()) list->addItem(ToQString(line));
}

}  // namespace pv::qt
