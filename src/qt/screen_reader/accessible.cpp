#include "qt/screen_reader/accessible.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>

#include <vector>

#include "assets/commands.h"
#include "controls/controls.h"
#include "qt/screen_reader/accessible_controls.h"
#include "qt/screen_reader/announcer.h"
#include "qt/screen_reader/spoken.h"
#include "qt/window/qt_text.h"
#include "qt/window/widgets.h"

namespace pv::qt {

namespace {

const char* const kShownTag = "pvShown";

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget")) return AnnouncerInterface(object);
    auto* widget = qobject_cast<QWidget*>(object);
    // Only the game's own controls, which all lie on the client area; dialogs keep Qt's ways.
    if (widget == nullptr || dynamic_cast<ClientArea*>(widget->parentWidget()) == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("QPushButton")) return new ButtonAccessible(widget);
    // The picture buttons are the only plain frames there.
    if (className == QLatin1String("QFrame")) return new PictureAccessible(widget);
    return nullptr;
}

void Notify(QWidget* widget, QAccessible::Event type) {
    QAccessibleEvent event(widget, type);
    QAccessible::updateAccessibility(&event);
}

QString ModelText(const Window& control) {
    return control.textIsUtf8 ? QString::fromStdString(control.text) : ToQString(control.text);
}

bool IsLabel(const QWidget* widget) {
    return qobject_cast<const QPushButton*>(widget) != nullptr && TaggedControl(widget) == kLabelId;
}

bool IsCard(UINT id) {
    return id >= Command::FirstCard && id <= Command::LastCard;
}

// A colour bar or the name box is named by the label on its line, less any number the label
// shows: "128 red" names the red bar.
void NameByLine(QWidget* widget) {
    if (widget == nullptr || widget->parentWidget() == nullptr) return;
    QWidget* label = nullptr;
    std::vector<QWidget*> named;
    for (QWidget* sibling :
         widget->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (sibling->y() != widget->y()) continue;
        if (IsLabel(sibling)) label = sibling;
        if (qobject_cast<QScrollBar*>(sibling) || qobject_cast<QLineEdit*>(sibling)) {
            named.push_back(sibling);
        }
    }
    if (label == nullptr) return;
    static const QRegularExpression kDigits(QStringLiteral("[0-9]"));
    QString name = static_cast<QPushButton*>(label)->text().remove(kDigits).simplified().toLower();
    for (QWidget* each : named) {
        if (each->accessibleName() != name) each->setAccessibleName(name);
    }
}

// A panel is named by its first line; a reader reads the rest from its text.
void NamePanel(QWidget* panel, const Window& control) {
    panel->setAccessibleName(ModelText(control).section(QChar('\n'), 0, 0).trimmed());
}

void TextChanged(QWidget* widget, const Window& control) {
    if (dynamic_cast<Picture*>(widget) != nullptr) {
        // The left face's verdict: said each time the game gives it, even the same one again.
        TagText(widget, ModelText(control));
        Notify(widget, QAccessible::NameChanged);
        Announcer::Say(widget, ModelText(control));
    } else if (control.id == Command::QuestionDisplay && control.visible) {
        Announcer::Say(widget, QuestionInWords(ModelText(control)));
    } else if (qobject_cast<QTextEdit*>(widget) != nullptr) {
        NamePanel(widget, control);
    } else if (IsLabel(widget)) {
        NameByLine(widget);
    }
}

void ImageChanged(QWidget* widget, const Window& control) {
    if (dynamic_cast<Picture*>(widget) == nullptr || control.imageType != IMAGE_ICON) return;
    UINT before = TaggedPicture(widget);
    UINT now = control.image;
    if (now == before) return;
    TagPicture(widget, now);
    if (control.id == Command::LeftFace || control.id == Command::RightFace) {
        Notify(widget, QAccessible::DescriptionChanged);
    } else if (IsCard(control.id)) {
        Notify(widget, QAccessible::NameChanged);
        Notify(widget, QAccessible::DescriptionChanged);
        bool turnedUp =
            KindOf(now) == ResourceKind::Picture && KindOf(before) != ResourceKind::Picture;
        // Cards are dealt pictures before the board is first shown; only a card in sight is news.
        if (turnedUp && widget->isVisible()) {
            Announcer::Say(widget,
                           QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name));
        }
    }
}

// The question is said again when the drill comes back from another screen.
void VisibilityChanged(QWidget* widget, const Window& control) {
    bool was = widget->property(kShownTag).toBool();
    widget->setProperty(kShownTag, control.visible);
    if (control.id == Command::QuestionDisplay && control.visible && !was) {
        Announcer::Say(widget, QuestionInWords(ModelText(control)));
    }
}

}  // namespace

void InstallAccessibility() {
    // After the application's own factory, so that this one is asked first.
    QAccessible::installFactory(Factory);
}

void DescribeForReaders(QWidget* widget, const Window& control) {
    if (widget == nullptr) return;
    TagControl(widget, control.id);
    widget->setProperty(kShownTag, control.visible);
    // A picture made after the game gave it its picture or its text.
    if (dynamic_cast<Picture*>(widget) != nullptr) {
        if (control.imageType == IMAGE_ICON && control.image != 0) {
            TagPicture(widget, control.image);
        }
        if (!control.text.empty()) TagText(widget, ModelText(control));
    }
    if (qobject_cast<QListWidget*>(widget) != nullptr) {
        widget->setAccessibleName(QCoreApplication::translate("Scores", "high scores"));
    } else if (qobject_cast<QTextEdit*>(widget) != nullptr) {
        NamePanel(widget, control);
    } else if (IsLabel(widget) || qobject_cast<QScrollBar*>(widget) ||
               qobject_cast<QLineEdit*>(widget)) {
        NameByLine(widget);
    }
}

void ReflectForReaders(QWidget* widget, const Window& control, Change what) {
    if (widget == nullptr) return;
    switch (what) {
        case Change::Text:
            TextChanged(widget, control);
            break;
        case Change::Image:
            ImageChanged(widget, control);
            break;
        case Change::Visible:
            VisibilityChanged(widget, control);
            break;
        default:
            break;
    }
}

}  // namespace pv::qt
