// The floor the game's start-up is measured against: a bare Qt Widgets window with a menu bar
// and 60 push buttons, reporting its first frame as the game's probe does (see startup.sh).
#include <QApplication>
#include <QGridLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "first_frame.h"

int main(int argc, char** argv) {
    long long launched = pv::bench::LaunchNanoseconds();
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new QMenuBar(&window);
    for (const char* title : {"&File", "&Options", "&Help"}) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(title));
        for (int i = 0; i < 5; ++i) menu->addAction(QStringLiteral("Item %1").arg(i));
    }
    layout->setMenuBar(bar);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 60; ++i) {
        grid->addWidget(new QPushButton(QString::number(i), &window), i / 6, i % 6);
    }
    layout->addLayout(grid);
    window.show();
    new pv::bench::FirstFrame(&window, launched);
    return QApplication::exec();
}
