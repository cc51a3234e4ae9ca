#include "qt/screen_reader/accessible_controls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QVariant>

#include "assets/commands.h"
#include "controls/controls.h"
#include "game/tools.h"
#include "qt/language/translators.h"
#include "qt/screen_reader/spoken.h"
#include "qt/window/widgets.h"

namespace pv::qt {

namespace {

const char* const kControlTag = "pvControl";
const char* const kPictureTag = "pvPicture";
const char* const kTextTag = "pvText";

bool IsCard(UINT id) {
    return id >= Command::FirstCard && id <= Command::LastCard;
}

// The tool or face a picture stands for, or nullptr.
const PictureButton* HotspotButton(const QWidget* picture) {
    std::size_t spot = HotspotOf(TaggedControl(picture));
    return spot < kHotspotCount ? &kPictureButtons[spot] : nullptr;
}

QString PictureName(const QWidget* picture) {
    UINT id = TaggedControl(picture);
    if (const PictureButton* button = HotspotButton(picture)) {
        // The left face also carries the verdict on the last answer.
        QString said = TaggedText(picture);
        QString name = QCoreApplication::translate("Reader", button->name);
        return said.isEmpty() ? name
                              : QCoreApplication::translate("Reader", "%1: %2").arg(name, said);
    }
    if (IsCard(id)) {
        QString place = CardPlace(static_cast<int>(id - Command::FirstCard));
        UINT shown = TaggedPicture(picture);
        if (KindOf(shown) != ResourceKind::Picture) return place;
        return place + QStringLiteral(", ") + PictureWords(shown);
    }
    if (id == Command::CloseAbout) return QCoreApplication::translate("Reader", "About picture");
    return PictureWords(TaggedPicture(picture));
}

QString PictureDescription(const QWidget* picture) {
    UINT id = TaggedControl(picture);
    UINT shown = TaggedPicture(picture);
    if (id == Command::LeftFace || id == Command::RightFace) return PictureWords(shown);
    if (IsCard(id) && KindOf(shown) != ResourceKind::Picture) return PictureWords(shown);
    if (id == Command::CloseAbout)
        return QCoreApplication::translate("Reader", "closes the about panel");
    return {};
}

QString MovesWords(int moves) {
    return Plural("Reader", QT_TRANSLATE_N_NOOP("Reader", "%n moves"), "%n move", moves);
}

QString ButtonName(const QAbstractButton* button) {
    UINT id = TaggedControl(button);
    QString shown = button->text();
    if (id == Command::QuestionDisplay) return QuestionInWords(shown);
    // The hint flashes between cases; a reader should not hear it shouted.
    if (id == kLabelId) return shown.toLower();
    if (id >= Command::FirstAnswer && id <= Command::LastAnswer && shown.isEmpty()) {
        return QCoreApplication::translate("Reader", "tried already");
    }
    if (id == Command::LeaveMemoryGame && IsNumber(shown)) {
        return MovesWords(shown.toInt());
    }
    return shown;
}

}  // namespace

void TagControl(QWidget* widget, UINT id) {
    widget->setProperty(kControlTag, id);
}
void TagPicture(QWidget* widget, UINT resource) {
    widget->setProperty(kPictureTag, resource);
}
void TagText(QWidget* widget, const QString& text) {
    widget->setProperty(kTextTag, text);
}
UINT TaggedControl(const QWidget* widget) {
    return widget->property(kControlTag).toUInt();
}
UINT TaggedPicture(const QWidget* widget) {
    return widget->property(kPictureTag).toUInt();
}
QString TaggedText(const QWidget* widget) {
    return widget->property(kTextTag).toString();
}

PictureAccessible::PictureAccessible(QWidget* picture)
    : QAccessibleWidget(picture, QAccessible::Button) {}

QString PictureAccessible::text(QAccessible::Text t) const {
    if (!isValid() || !widget()->accessibleName().isEmpty()) return QAccessibleWidget::text(t);
    if (t == QAccessible::Name) return PictureName(widget());
    if (t == QAccessible::Description) return PictureDescription(widget());
    return QAccessibleWidget::text(t);
}

QAccessible::State PictureAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (HotspotButton(widget()) != nullptr) state.disabled = false;
    return state;
}

QStringList PictureAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    names.prepend(pressAction());
    return names;
}

void PictureAccessible::doAction(const QString& action) {
    auto* picture = dynamic_cast<Picture*>(widget());
    if (action != pressAction() || picture == nullptr) {
        QAccessibleWidget::doAction(action);
        return;
    }
    // A hidden card or panel is out of the pointer's reach, and the game would not expect it.
    if (picture->isVisible() && picture->Click()) return;
    const PictureButton* button = HotspotButton(picture);
    auto* client = dynamic_cast<ClientArea*>(picture->parentWidget());
    if (button == nullptr || client == nullptr) return;
    // The middle of the hot spot, in the game's coordinates; the game decides whether it acts.
    constexpr std::uint32_t kHalf = kHotspotSize / 2;
    client->LeftPress(
        QPoint(static_cast<int>(button->x + kHalf), static_cast<int>(button->y + kHalf)));
}

ButtonAccessible::ButtonAccessible(QWidget* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

bool ButtonAccessible::IsLabel() const {
    UINT id = TaggedControl(widget());
    return id == kLabelId || id == Command::QuestionDisplay;
}

QAccessible::Role ButtonAccessible::role() const {
    return IsLabel() ? QAccessible::StaticText : QAccessible::Button;
}

QString ButtonAccessible::text(QAccessible::Text t) const {
    if (!isValid() || !widget()->accessibleName().isEmpty()) return QAccessibleWidget::text(t);
    if (t == QAccessible::Name) return ButtonName(static_cast<QAbstractButton*>(widget()));
    if (t == QAccessible::Description && TaggedControl(widget()) == Command::LeaveMemoryGame) {
        return QCoreApplication::translate("Reader", "leaves the memory game");
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State ButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    // A label is disabled only so that the pointer passes through it; it is not unavailable.
    if (IsLabel()) state.disabled = false;
    return state;
}

QStringList ButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (!IsLabel()) names.prepend(pressAction());
    return names;
}

void ButtonAccessible::doAction(const QString& action) {
    if (action == pressAction() && !IsLabel()) {
        static_cast<QAbstractButton*>(widget())->click();
        return;
    }
    QAccessibleWidget::doAction(action);
}

}  // namespace pv::qt
