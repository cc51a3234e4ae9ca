// Every text of every screen whole at 1x in every language the game speaks: a longer word in a
// catalogue must not run past the edge of its label, the menu bar or a panel.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QtMath>

#include <iterator>

#include "app/main_window.h"
#include "assets/commands.h"
#include "game/game.h"
#include "game/tools.h"
#include "platform/translate.h"
#include "qt/qt_platform.h"
#include "real_game.h"

namespace pv::qt {
namespace {

// Where a text did not fit, said so that a translator can find and shorten it.
QString Overflow(const QString& text, int needed, int available) {
    return QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(available);
}

QStringList SingleLineOverflows(const QWidget* control, const QString& text) {
    const int needed = QFontMetrics(control->font()).horizontalAdvance(text);
    const int available = control->contentsRect().width();
    if (needed <= available) return {};
    return {Overflow(text, needed, available)};
}

// The panels have no scroll bars: their text must fit the page both ways.
QStringList PanelOverflows(const QTextEdit* panel) {
    const QSizeF page = panel->document()->documentLayout()->documentSize();
    const QSize view = panel->viewport()->size();
    const QString start = panel->toPlainText().left(40);
    if (page.width() > view.width()) return {Overflow(start, qCeil(page.width()), view.width())};
    if (page.height() <= view.height()) return {};
    return {Overflow(start, qCeil(page.height()), view.height()) + QStringLiteral(" in height")};
}

QStringList ControlOverflows(const QWidget* window) {
    QStringList found;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window)) continue;
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            found += SingleLineOverflows(button, button->text());
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (!label->wordWrap()) found += SingleLineOverflows(label, label->text());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
            found += SingleLineOverflows(edit, edit->text());
        } else if (const auto* panel = qobject_cast<const QTextEdit*>(control)) {
            found += PanelOverflows(panel);
        }
    }
    return found;
}

// The titles must stand in one row: a second row would push the game's picture down.
QStringList MenuBarOverflows(QMenuBar* bar) {
    QStringList found;
    const QList<QAction*> titles = bar->actions();
    const int row = bar->actionGeometry(titles.first()).top();
    for (QAction* title : titles) {
        const QRect place = bar->actionGeometry(title);
        if (!place.isValid() || place.top() != row || place.right() >= bar->width()) {
            found += Overflow(title->text(), place.right() + 1, bar->width());
        }
    }
    return found;
}

class TextsFit : public RealGame {
  protected:
    void Expect(const char* language, const char* screen, const QStringList& overflows) {
        for (const QString& overflow : overflows) {
            ADD_FAILURE() << language << ", " << screen << ": " << overflow.toStdString();
        }
    }
    // The hint label flashes each hint in capitals and in small letters by turns.
    QStringList HintOverflows() {
        const QWidget* label = platform.Widget(game.hintLabel);
        QStringList found;
        for (const char* source : kHintSources) {
            const QString hint = QCoreApplication::translate("Hint", source);
            found += SingleLineOverflows(label, hint.toUpper());
            found += SingleLineOverflows(label, hint.toLower());
        }
        return found;
    }
    // The New Player dialog comes up modal: it is measured, then put away unanswered.
    QStringList NewPlayerOverflows() {
        QStringList found;
        QTimer visitor;
        QObject::connect(&visitor, &QTimer::timeout, [&found, &visitor]() {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            visitor.stop();
            found = ControlOverflows(dialog);
            dialog->reject();
        });
        visitor.start(20);
        Post(Command::NewPlayer);
        return found;
    }
};

TEST_F(TextsFit, EveryScreenInEveryLanguage) {
    struct Screen {
        const char* name;
        WPARAM open;
        WPARAM close;
    };
    const Screen screens[] = {
        {"drill", 0, 0},
        {"about", Command::Help, Command::CloseAbout},
        {"colours", Command::Colour, Command::CloseColourPanel},
        {"high scores", Command::ViewScores, Command::CloseScores},
        {"memory game", Command::MemoryGame, Command::LeaveMemoryGame},
    };
    const std::vector<std::string> languages = platform.Languages();
    ASSERT_GE(languages.size(), 4U) << "German, English, Spanish and French at least";
    for (UINT i = 0; i < languages.size(); ++i) {
        const char* language = languages[i].c_str();
        Post(Command::FirstLanguage + i);
        ASSERT_EQ(platform.Language(), QString::fromLatin1(language));
        Expect(language, "menu bar", MenuBarOverflows(platform.MenuBar()));
        Expect(language, "hints", HintOverflows());
        for (const Screen& screen : screens) {
            if (screen.open != 0) Post(screen.open);
            Expect(language, screen.name, ControlOverflows(platform.Main()));
            if (screen.close != 0) Post(screen.close);
        }
        Expect(language, "New Player", NewPlayerOverflows());
    }
}

}  // namespace
}  // namespace pv::qt
