// The menu bar: built from the window's menu, its actions kept in step with the model's items.
#include "platform/qt/qt_platform.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/qt_text.h"

namespace pv::qt {

QAction* QtPlatform::MenuAction(UINT id) const {
    auto it = actions_.find(id);
    return it != actions_.end() ? it->second : nullptr;
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

}  // namespace pv::qt
