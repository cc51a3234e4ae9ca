// The menu bar: built from the window's menu, its actions kept in step with the model's items.
#include "platform/qt/qt_platform.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "platform/qt/qt_text.h"

namespace pv::qt {

QAction* QtPlatform::MenuAction(UINT id) {
    if (menuStale_) BuildMenuBar(shownMenu_);
    auto it = actions_.find(id);
    return it != actions_.end() ? it->second : nullptr;
}

// Items come and go several at a time (the players, as the game starts): the bar is built again
// once, when the game is done with them.
void QtPlatform::MenuItemsChanged() {
    if (menuStale_) return;
    menuStale_ = true;
    QTimer::singleShot(0, this, [this]() {
        if (menuStale_) BuildMenuBar(shownMenu_);
    });
}

void QtPlatform::BuildMenuBar(HMENU handle) {
    const Menu* menu = FindMenu(handle);
    menuStale_ = false;
    if (main_ == nullptr || menu == nullptr) return;
    delete menuBar_;
    actions_.clear();
    menuBar_ = new QMenuBar(main_);
    shownMenu_ = handle;
    PostFn post = PosterFrom(0);
    auto addCommand = [&](auto* owner, const MenuItem& item) {
        QAction* action = owner->addAction(item.textIsUtf8 ? QString::fromStdString(item.text)
                                                           : ToQString(item.text));
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
    if (zoom_ != 1) ZoomMenus();
    // On a window already shown, at once rather than when the layout next gets round to it.
    if (main_->isVisible()) menuBar_->show();
    ReflectMenu(handle);
}

void QtPlatform::ReflectMenu(HMENU handle) {
    const Menu* menu = FindMenu(handle);
    // A bar about to be built again shows the model as it then is.
    if (menuBar_ == nullptr || handle != shownMenu_ || menu == nullptr || menuStale_) return;
    QList<QAction*> bar = menuBar_->actions();
    for (std::size_t i = 0; i < menu->bar.size() && i < static_cast<std::size_t>(bar.size()); ++i) {
        const MenuItem& top = menu->bar[i];
        // A pop-up the game disables on the bar cannot be opened; here it is also greyed.
        bar[static_cast<int>(i)]->setEnabled(!top.disabled && !top.grayed);
        for (const MenuItem& item : top.items) {
            auto found = actions_.find(item.id);
            if (QAction* action = found != actions_.end() ? found->second : nullptr;
                action != nullptr && !item.separator) {
                action->setEnabled(!item.grayed && !item.disabled);
                // A box beside checked items only, as the game's menus were drawn: an item
                // whose check moved on (the zoom) shows nothing, like those never checked.
                action->setCheckable(item.checked);
                action->setChecked(item.checked);
            }
        }
    }
}

}  // namespace pv::qt
