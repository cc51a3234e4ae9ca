// A line said to screen readers without moving the focus: a right or wrong answer, a new question,
// a card turned over.
//
// Qt 6.4 has no announcement event, and Orca passes over name changes of anything but the
// object in focus, which the game's pictures and labels never are. What it does speak at once is
// an object of the notification role as it starts showing. So the line becomes the name of an
// empty notification that is hidden and shown again.
#pragma once

#include <QAccessibleInterface>
#include <QString>
#include <QWidget>

namespace pv::qt {

class Announcer : public QWidget {
  public:
    // Says the line beside `control`, once the game has finished what it is doing: the lines of
    // one step are said together, in order, so that none cuts another short.
    static void Say(QWidget* control, const QString& line);

    // The line said last: the notification's name.
    QString Line() const { return line_; }

  private:
    Announcer();
    void Flush();

    QString line_;
    QString pending_;
};

// The reader's view of an announcer, or nullptr for any other object.
QAccessibleInterface* AnnouncerInterface(QObject* object);

}  // namespace pv::qt
