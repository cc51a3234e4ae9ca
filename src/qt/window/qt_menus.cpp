// The menu bar: built from the window's menu, its actions kept in step with the model's items.
#include "qt/qt_platform.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "assets/catalogue.h"
#include "assets/commands.h"
#include "qt/window/qt_text.h"

namespace pv::qt {

QAction* QtPlatform::MenuAction(UINT id) {
    if (menuWanted_) BuildMenuBar(shownMenu_);
    auto it = actions_.find(id);
    return it != actions_.end() ? it->second : nullptr;
}

// The model keeps the English; the players' names are no texts of the game.
QString QtPlatform::MenuText(const MenuItem& item) const {
    QString english = item.textIsUtf8 ? QString::fromStdString(item.text) : ToQString(item.text);
    if (item.id >= Command::FirstPlayer && item.id <= Command::LastPlayer) return english;
    return QCoreApplication::translate("Menu", english.toUtf8().constData());
}

QAction* QtPlatform::AddMenuCommand(QWidget* owner, const MenuItem& item) {
    auto* action = new QAction(MenuText(item), owner);
    owner->addAction(action);
    UINT id = item.id;
    if (const char* keys = AcceleratorOf(id)) action->setShortcut(QKeySequence(keys));
    // A shortcut held down runs its command once, as any other key does.
    action->setAutoRepeat(false);
    QObject::connect(action, &QAction::triggered, action, [this, id, action]() {
        // The check mark belongs to the game, which sets it when the command runs.
        const MenuItem* model = FindMenuItem(shownMenu_, id);
        if (model != nullptr) action->setChecked(model->checked);
        // Like a click: the game runs it now, if a person could have picked it now (a screen
        // reader can press the items of a menu that is disabled, or behind a dialog).
        if (mainHandle_ != 0) SendNotification(mainHandle_, WM_COMMAND, id, 0);
    });
    actions_[id] = action;
    return action;
}

void QtPlatform::FillPopup(QMenu* popup, const MenuItem& top) {
    for (const MenuItem& item : top.items) {
        if (item.separator) {
            popup->addSeparator();
        } else if (item.popup) {
            QMenu* inner = popup->addMenu(MenuText(item));
            inner->installEventFilter(&heldKeys_);
            FillPopup(inner, item);
        } else {
            AddMenuCommand(popup, item);
        }
    }
}

// Items came or went inside the pop-ups (the players, as the game starts): each pop-up is filled
// again, and the bar itself, with the window's layout, stays as it is.
void QtPlatform::MenuItemsChanged() {
    const Menu* menu = FindMenu(shownMenu_);
    if (menuBar_ == nullptr || menu == nullptr) return;
    QList<QAction*> bar = menuBar_->actions();
    for (std::size_t i = 0; i < menu->bar.size() && i < static_cast<std::size_t>(bar.size()); ++i) {
        QMenu* popup = bar[static_cast<int>(i)]->menu();
        if (popup == nullptr) continue;
        for (QMenu* inner : popup->findChildren<QMenu*>()) {
            for (QAction* old : inner->actions()) {
                std::erase_if(actions_, [old](const auto& entry) { return entry.second == old; });
            }
        }
        for (QAction* old : popup->actions()) {
            std::erase_if(actions_, [old](const auto& entry) { return entry.second == old; });
        }
        qDeleteAll(popup->actions());
        qDeleteAll(popup->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
        FillPopup(popup, menu->bar[i]);
    }
    ReflectMenu(shownMenu_);
}

void QtPlatform::BuildMenuBar(HMENU handle) {
    const Menu* menu = FindMenu(handle);
    menuWanted_ = false;
    if (main_ == nullptr || menu == nullptr) return;
    // The old bar may be the one whose item is running this (a language or a zoom picked):
    // it goes once the pick has returned to it.
    if (menuBar_ != nullptr) {
        menuBar_->hide();
        menuBar_->deleteLater();
    }
    actions_.clear();
    menuBar_ = new QMenuBar(main_);
    shownMenu_ = handle;
    for (const MenuItem& top : menu->bar) {
        if (top.popup) {
            QMenu* popup = menuBar_->addMenu(MenuText(top));
            popup->installEventFilter(&heldKeys_);
            FillPopup(popup, top);
        } else {
            AddMenuCommand(menuBar_, top);
        }
    }
    main_->layout()->setMenuBar(menuBar_);
    if (zoom_.Enlarges()) ZoomMenus();
    // On a window already shown, at once rather than when the layout next gets round to it.
    if (main_->isVisible()) menuBar_->show();
    ReflectMenu(handle);
}

void QtPlatform::ReflectMenu(HMENU handle) {
    const Menu* menu = FindMenu(handle);
    if (menuBar_ == nullptr || handle != shownMenu_ || menu == nullptr) return;
    QList<QAction*> bar = menuBar_->actions();
    for (std::size_t i = 0; i < menu->bar.size() && i < static_cast<std::size_t>(bar.size()); ++i) {
        const MenuItem& top = menu->bar[i];
        // A pop-up the game disables on the bar cannot be opened; here it is also greyed, and so
        // are its items, for a screen reader that reaches them without opening it.
        bool open = !top.disabled && !top.grayed;
        bar[static_cast<int>(i)]->setEnabled(open);
        ReflectItems(top.items, open);
    }
}

void QtPlatform::ReflectItems(const std::vector<MenuItem>& items, bool open) {
    for (const MenuItem& item : items) {
        if (item.popup) {
            ReflectItems(item.items, open);
            continue;
        }
        auto found = actions_.find(item.id);
        if (QAction* action = found != actions_.end() ? found->second : nullptr;
            action != nullptr && !item.separator) {
            action->setEnabled(open && !item.grayed && !item.disabled);
            // A box beside checked items only, as the game's menus were drawn: an item
            // whose check moved on (the zoom) shows nothing, like those never checked.
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
        }
    }
}

}  // namespace pv::qt
