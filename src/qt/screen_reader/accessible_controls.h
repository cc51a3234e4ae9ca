// How the game's own widgets present themselves to a screen reader: the picture buttons (tools,
// faces, cards) and the push buttons, which stand in for labels as well as for buttons.
#pragma once

#include <QAccessibleWidget>
#include <QString>

#include "platform/win32.h"

namespace pv::qt {

// What a reader needs of a control's model, kept on its widget as the model changes: the
// control's identifier, the picture it shows and, for a picture, its own text.
void TagControl(QWidget* widget, UINT id);
void TagPicture(QWidget* widget, UINT resource);
void TagText(QWidget* widget, const QString& text);
UINT TaggedControl(const QWidget* widget);
UINT TaggedPicture(const QWidget* widget);
QString TaggedText(const QWidget* widget);

// A picture button. The tools and faces are judged by the pointer's place over the window, so
// they stay usable while disabled, and pressing one clicks that place.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(QWidget* picture);
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
};

// A push button, or a disabled one that only shows text: the question, the labels, the hint.
class ButtonAccessible : public QAccessibleWidget {
  public:
    explicit ButtonAccessible(QWidget* button);
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

  private:
    bool IsLabel() const;
};

}  // namespace pv::qt
