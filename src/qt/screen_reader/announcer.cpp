#include "qt/screen_reader/announcer.h"

#include <QAccessibleWidget>
#include <QTimer>

namespace pv::qt {

namespace {

const QString kObjectName = QStringLiteral("pv-announcer");

class AnnouncerAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return QAccessibleWidget::text(t);
        return static_cast<const Announcer*>(widget())->Line();
    }
};

}  // namespace

QAccessibleInterface* AnnouncerInterface(QObject* object) {
    auto* announcer = dynamic_cast<Announcer*>(object);
    return announcer != nullptr ? new AnnouncerAccessible(announcer) : nullptr;
}

Announcer::Announcer() {
    setObjectName(kObjectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
}

void Announcer::Say(QWidget* control, const QString& line) {
    QWidget* parent = control != nullptr ? control->parentWidget() : nullptr;
    if (parent == nullptr || line.isEmpty()) return;
    auto* announcer = static_cast<Announcer*>(parent->findChild<QWidget*>(kObjectName));
    if (announcer == nullptr) {
        // Made whole before it joins the window, so that its reader interface is the right one.
        announcer = new Announcer();
        announcer->setParent(parent);
    }
    QString& pending = announcer->pending_;
    if (pending.isEmpty()) {
        QTimer::singleShot(0, announcer, [announcer]() { announcer->Flush(); });
    } else {
        if (!pending.back().isPunct()) pending += QChar('.');
        pending += QChar(' ');
    }
    pending += line;
}

void Announcer::Flush() {
    line_ = pending_;
    pending_.clear();
    hide();
    show();
}

}  // namespace pv::qt
