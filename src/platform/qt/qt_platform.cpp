#include "platform/qt/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QCache>
#include <QFile>
#include <QFontDatabase>
#include <QIconEngine>
#include <QImageReader>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextEdit>
#include <QTimer>

#include <chrono>
#include <utility>

#include "assets/catalogue.h"
#include "platform/qt/qt_text.h"

namespace pv::qt {

namespace {

constexpr int kClientWidth = 243;
constexpr int kClientHeight = 252;

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

QFont FontFor(const GdiObject& object) {
    if (object.kind == GdiKind::StockFont) {
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    const FontSpec& wanted = object.font;
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                      QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
    // The height is the character cell; the glyphs take about four fifths of it.
    int pixels = std::max(6, wanted.height * 4 / 5);
    font.setPixelSize(pixels);
    font.setWeight(wanted.weight >= 800 ? QFont::Black : QFont::Bold);
    if (wanted.width > 0) {
        // A monospace advance is about 0.6 of the size; stretch toward the asked width, within
        // what stays readable.
        int stretch = wanted.width * 100 * 10 / (pixels * 6);
        font.setStretch(std::clamp(stretch, 75, 125));
    }
    return font;
}

// A picture at one or more sizes, each decoded only when first drawn at about that size. A game
// draws a few of its pictures before its first frame and most of them never, nor the double-size
// ones on an ordinary screen. Which size is drawn, and how, is as for a picture loaded whole.
// Decoded pictures are kept in a cache shared by all, of the ones most recently drawn: more than
// a window ever shows at once, far fewer than a long game goes through.
class LazyPicture : public QIconEngine {
  public:
    using Decoded = QCache<QString, QPixmap>;

    LazyPicture(const QStringList& files, std::shared_ptr<Decoded> decoded)
        : decoded_(std::move(decoded)) {
        for (const QString& file : files) sizes_.push_back({file, QSize(), false});
    }

    QIconEngine* clone() const override { return new LazyPicture(*this); }
    QString key() const override { return QStringLiteral("LazyPicture"); }
    bool isNull() override {
        for (Size& entry : sizes_) {
            if (Read(entry)) return false;
        }
        return true;
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (Size& entry : sizes_) {
            if (Read(entry)) sizes.push_back(entry.size);
        }
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        Size* best = Best(size);
        if (best == nullptr) return {};
        QSize actual = best->size;
        if (actual.width() > size.width() || actual.height() > size.height()) {
            actual.scale(size, Qt::KeepAspectRatio);
        }
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Size* best = Best(size);
        if (best == nullptr) return {};
        QPixmap* decoded = decoded_->object(best->file);
        if (decoded == nullptr) {
            decoded = new QPixmap(QPixmap::fromImage(QImageReader(best->file).read()));
            decoded_->insert(best->file, decoded);
        }
        QPixmap pixmap = *decoded;
        QSize actual = actualSize(size, mode, state);
        if (pixmap.size() != actual) {
            pixmap = pixmap.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal) {
            QStyleOption option;
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QPaintDevice* device = painter->device();
        qreal ratio = device != nullptr ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

  private:
    struct Size {
        QString file;
        QSize size;  // from the file's header, read once
        bool read;
    };

    static bool Read(Size& entry) {
        if (!entry.read) {
            entry.read = true;
            entry.size = QImageReader(entry.file).size();
        }
        return entry.size.isValid();
    }

    // The smallest size at least as large as asked, else the largest; any when none is asked.
    Size* Best(const QSize& wanted) {
        Size* best = nullptr;
        int area = wanted.width() * wanted.height();
        for (Size& entry : sizes_) {
            if (!Read(entry)) continue;
            // Exactly the size wanted: no other file need even be opened.
            if (entry.size == wanted) return &entry;
            if (best == nullptr) {
                best = &entry;
                continue;
            }
            int a = best->size.width() * best->size.height();
            int b = entry.size.width() * entry.size.height();
            bool bFits = b >= area;
            bool aFits = a >= area;
            if ((bFits && (!aFits || b < a)) || (!bFits && !aFits && b > a)) best = &entry;
        }
        return best;
    }

    std::vector<Size> sizes_;
    std::shared_ptr<Decoded> decoded_;
};

}  // namespace

QtPlatform::QtPlatform()
    : audio_(std::make_unique<Audio>(this, [this](DWORD code) {
          // Back on the user-interface thread: the player's notice joins the queue.
          if (musicNotify_ != 0) PostMessageA(musicNotify_, MM_MCINOTIFY, code, 1);
      })) {}

QtPlatform::~QtPlatform() {
    for (auto& [id, timer] : timers_) delete timer;
    delete main_;
    audio_.reset();  // before the queue it posts notices to goes away
}

DWORD QtPlatform::GetTickCount() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

int QtPlatform::GetSystemMetrics(int index) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 0;
    QRect area = screen->geometry();
    if (index == SM_CXSCREEN) return area.width();
    if (index == SM_CYSCREEN) return area.height();
    return 0;
}

std::vector<RECT> QtPlatform::Screens() {
    std::vector<RECT> screens;
    QScreen* primary = QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens()) {
        QRect area = screen->geometry();
        RECT r{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
        if (screen == primary) {
            screens.insert(screens.begin(), r);
        } else {
            screens.push_back(r);
        }
    }
    return screens;
}

BOOL QtPlatform::GetWindowRect(HWND window, RECT* rect) {
    if (window != mainHandle_ || main_ == nullptr || rect == nullptr) {
        return Platform::GetWindowRect(window, rect);
    }
    QRect frame = main_->frameGeometry();
    *rect =
        RECT{frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    return TRUE;
}

BOOL QtPlatform::PlaySoundA(UINT resource, HMODULE /*module*/, DWORD flags) {
    // A sound to wait for plays now; its caller expects to hear it before going on.
    if ((flags & SND_ASYNC) != 0 &&
        HoldAudio([this, resource, flags]() { audio_->PlaySound(resource, flags); })) {
        return TRUE;
    }
    return audio_->PlaySound(resource, flags);
}

DWORD QtPlatform::mciSendStringA(const char* command, char* result, UINT resultSize, HWND notify) {
    if (result != nullptr && resultSize > 0) result[0] = '\0';
    if (command == nullptr || !Audio::Understands(command)) return MCIERR_UNRECOGNIZED_COMMAND;
    std::string text = command;
    auto send = [this, text, notify]() {
        musicNotify_ = notify;
        return audio_->Command(text);
    };
    // Held until the first frame: a failure then shows as a song that is not heard, and a play
    // that cannot start sends its failure notice, as it would now.
    if (HoldAudio(send)) return 0;
    return send();
}

// Opening the sound device takes longer than drawing the whole window, and for music, loading
// the SoundFont several times longer: what the game asks of the audio before its window first
// shows waits until that window's first frame is drawn. Anything asked after the window shows
// comes after the held requests, in order.
bool QtPlatform::HoldAudio(std::function<void()> request) {
    if (main_ != nullptr && !shownOnce_) {
        heldAudio_.push_back(std::move(request));
        return true;
    }
    ReleaseAudio();
    return false;
}

void QtPlatform::ReleaseAudio() {
    std::vector<std::function<void()>> held;
    held.swap(heldAudio_);
    for (auto& request : held) request();
}

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == main_ && event->type() == QEvent::Paint) {
        main_->removeEventFilter(this);
        // Queued, so it runs once the frame being painted has reached the screen.
        QMetaObject::invokeMethod(this, &QtPlatform::ReleaseAudio, Qt::QueuedConnection);
    }
    return false;
}

Platform::Bytes QtPlatform::ResourceBytes(UINT resource) {
    auto it = songs_.find(resource);
    if (it == songs_.end()) {
        QByteArray bytes;
        if (KindOf(resource) == ResourceKind::Song) {
            QFile file(QStringLiteral(":/") + QString::fromStdString(ResourceFile(resource)));
            if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
        }
        it = songs_.emplace(resource, bytes).first;
    }
    if (it->second.isEmpty()) return {};
    return {it->second.constData(), static_cast<std::size_t>(it->second.size())};
}

QWidget* QtPlatform::Widget(HWND window) const {
    auto it = widgets_.find(window);
    return it != widgets_.end() ? it->second : nullptr;
}

QAction* QtPlatform::MenuAction(UINT id) const {
    auto it = actions_.find(id);
    return it != actions_.end() ? it->second : nullptr;
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
    QWidget* widget = Widget(window);
    if (w == nullptr || widget == nullptr) return;
    switch (what) {
        case Change::Visible:
            if (window == mainHandle_ && w->visible && !shownOnce_) main_->installEventFilter(this);
            widget->setVisible(w->visible);
            if (window == mainHandle_ && w->visible && !shownOnce_) {
                shownOnce_ = true;
                // Should no frame come (a window that is never exposed), the audio waits no
                // longer than this.
                QTimer::singleShot(1000, this, &QtPlatform::ReleaseAudio);
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
                widget->setGeometry(w->x, w->y, w->width, w->height);
            }
            break;
        case Change::Background:
            if (window == mainHandle_) main_->Client()->SetBackground(BackgroundColour(window));
            break;
        case Change::Menu:
            if (window == mainHandle_) BuildMenuBar(w->menu);
            break;
        case Change::Created:
        case Change::Destroyed:
            break;
    }
}

void QtPlatform::CreateWidget(const Window& w) {
    if (w.windowClass != nullptr) {
        main_ = new MainWidget(PosterFrom(w.handle));
        mainHandle_ = w.handle;
        main_->Client()->setFixedSize(kClientWidth, kClientHeight);
        main_->layout()->setSizeConstraint(QLayout::SetFixedSize);
        main_->setWindowTitle(ToQString(w.text));
        main_->setWindowIcon(Icon(w.icon));
        main_->move(w.x, w.y);
        main_->Client()->SetBackground(BackgroundColour(w.handle));
        widgets_[w.handle] = main_;
        return;
    }
    QWidget* parent = w.parent == mainHandle_ ? main_->Client() : Widget(w.parent);
    if (parent == nullptr) return;
    QWidget* widget = CreateControl(w, parent);
    widget->setGeometry(w.x, w.y, w.width, w.height);
    // Input that a control does not take must not fall through to the window beneath.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    SetInputPassThrough(widget, w.enabled);
    widget->setVisible(w.visible);
    widgets_[w.handle] = widget;
    ShowText(w);  // text panels lay out their text once they are known
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
        QFont font = panel->font();
        font.setPixelSize(11);
        panel->setFont(font);
        panel->document()->setDocumentMargin(2);
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
    QWidget* widget = Widget(w.handle);
    QString text = ToQString(w.text);
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
    QWidget* widget = Widget(w.handle);
    if (object != nullptr && widget != nullptr) widget->setFont(FontFor(*object));
}

void QtPlatform::ShowImage(const Window& w) {
    auto* picture = dynamic_cast<Picture*>(Widget(w.handle));
    if (picture == nullptr) return;
    if (w.imageType == IMAGE_BITMAP) {
        const GdiObject* bitmap = FindObject(w.image);
        if (bitmap == nullptr) {
            picture->SetImage(QIcon(), QSize(), false);
        } else {
            const QIcon& icon = Icon(bitmap->resource);
            picture->SetImage(icon, icon.availableSizes().value(0, QSize(64, 97)), false);
        }
        return;
    }
    picture->SetImage(w.image != 0 ? Icon(w.image) : QIcon(), QSize(32, 32), true);
}

void QtPlatform::ShowScroll(const Window& w) {
    auto* bar = qobject_cast<QScrollBar*>(Widget(w.handle));
    if (bar == nullptr) return;
    QSignalBlocker quiet(bar);
    bar->setRange(w.scrollMin, w.scrollMax);
    bar->setValue(w.scrollPos);
}

void QtPlatform::ShowList(const Window& w) {
    auto* list = qobject_cast<QListWidget*>(Widget(w.handle));
    if (list == nullptr) return;
    list->clear();
    for (const std::string& line : w.list.Lines()) list->addItem(ToQString(line));
}

const QIcon& QtPlatform::Icon(UINT resource) {
    auto it = icons_.find(resource);
    if (it != icons_.end()) return it->second;
    QIcon icon;
    std::string file = ResourceFile(resource);
    if (!file.empty()) {
        QString path = QStringLiteral(":/") + QString::fromStdString(file);
        QString large = QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        icon = QIcon(new LazyPicture({path, large}, decodedPictures_));
    }
    return icons_.emplace(resource, icon).first->second;
}

QColor QtPlatform::BackgroundColour(HWND window) const {
    HBRUSH brush = ClassBackground(window);
    const GdiObject* object = FindObject(brush);
    if (object == nullptr || object->kind != GdiKind::Brush) {
        return QColor(128, 128, 128);  // the button-shadow system colour
    }
    COLORREF c = object->colour;
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void QtPlatform::BuildMenuBar(HMENU handle) {
    const Menu* menu = FindMenu(handle);
    if (main_ == nullptr || menu == nullptr) return;
    delete menuBar_;
    actions_.clear();
    menuBar_ = new QMenuBar(main_);
    shownMenu_ = handle;
    PostFn post = PosterFrom(0);
    auto addCommand = [&](auto* owner, const MenuItem& item) {
        QAction* action = owner->addAction(ToQString(item.text));
        UINT id = item.id;
        QObject::connect(action, &QAction::triggered, action, [this, post, id, action]() {
            // The check mark belongs to the game, which sets it when the command runs.
            const MenuItem* model = FindMenuItem(shownMenu_, id);
            if (model != nullptr) action->setChecked(model->checked);
            post(WM_COMMAND, id, 0);
        });
        actions_[id] = action;
    };
    for (const MenuItem& top : menu->bar) {
        if (!top.popup) {
            addCommand(menuBar_, top);
            continue;
        }
        QMenu* popup = menuBar_->addMenu(ToQString(top.text));
        for (const MenuItem& item : top.items) {
            if (item.separator) {
                popup->addSeparator();
            } else {
                addCommand(popup, item);
            }
        }
    }
    main_->layout()->setMenuBar(menuBar_);
    ReflectMenu(handle);
}

void QtPlatform::ReflectMenu(HMENU handle) {
    const Menu* menu = FindMenu(handle);
    if (menuBar_ == nullptr || handle != shownMenu_ || menu == nullptr) return;
    QList<QAction*> bar = menuBar_->actions();
    for (std::size_t i = 0; i < menu->bar.size() && i < static_cast<std::size_t>(bar.size()); ++i) {
        const MenuItem& top = menu->bar[i];
        // A pop-up the game disables on the bar cannot be opened; here it is also greyed.
        bar[static_cast<int>(i)]->setEnabled(!top.disabled && !top.grayed);
        for (const MenuItem& item : top.items) {
            if (QAction* action = MenuAction(item.id); action != nullptr && !item.separator) {
                action->setEnabled(!item.grayed && !item.disabled);
                if (item.checked) action->setCheckable(true);
                action->setChecked(item.checked);
            }
        }
    }
}

bool QtPlatform::WaitForInput() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

void QtPlatform::StartTimer(HWND window, UINT id, UINT milliseconds) {
    QTimer*& timer = timers_[id];
    if (timer == nullptr) timer = new QTimer();
    timer->disconnect();
    QObject::connect(timer, &QTimer::timeout, timer,
                     [this, window, id]() { TimerFired(window, id); });
    timer->start(static_cast<int>(milliseconds));
}

void QtPlatform::StopTimer(HWND /*window*/, UINT id) {
    auto it = timers_.find(id);
    if (it != timers_.end()) it->second->stop();
}

}  // namespace pv::qt
