#include "qt/progress/progress_legend.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <array>

namespace pv::qt {

namespace {

// One row per state, in the order the legend shows them: the colour of its cells, its name and
// what puts a fact in it.
struct StateLook {
    FactCell::State state;
    QRgb colour;
    const char* name;
    const char* explanation;
};

constexpr std::array<StateLook, 5> kStates = {{
    {FactCell::NeverAsked, 0xe4e4e4, QT_TRANSLATE_NOOP("Progress", "Never asked"),
     QT_TRANSLATE_NOOP("Progress", "not asked yet")},
    {FactCell::OftenMissed, 0xe57373, QT_TRANSLATE_NOOP("Progress", "Often missed"),
     QT_TRANSLATE_NOOP("Progress", "missed more than one time in three")},
    {FactCell::SometimesMissed, 0xffb74d, QT_TRANSLATE_NOOP("Progress", "Sometimes missed"),
     QT_TRANSLATE_NOOP("Progress", "missed now and then")},
    {FactCell::Learning, 0xe6ee9c, QT_TRANSLATE_NOOP("Progress", "Learning"),
     QT_TRANSLATE_NOOP("Progress", "right so far, on one or two days")},
    {FactCell::Known, 0x81c784, QT_TRANSLATE_NOOP("Progress", "Known"),
     QT_TRANSLATE_NOOP("Progress", "right first time on three days")},
}};

constexpr int kGap = 20;  // between one state and the next

const StateLook& LookOf(FactCell::State state) {
    return kStates[static_cast<std::size_t>(state)];  // the rows follow the enum's order
}

}  // namespace

QColor StateColour(FactCell::State state) {
    return QColor(LookOf(state).colour);
}

QString StateName(FactCell::State state) {
    return QCoreApplication::translate("Progress", LookOf(state).name);
}

ProgressLegend::ProgressLegend(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // The names say enough at a glance; what makes a fact known is there for the asking.
    QStringList lines;
    for (const StateLook& look : kStates) {
        lines << QCoreApplication::translate("Progress", look.name) + QStringLiteral(": ") +
                     QCoreApplication::translate("Progress", look.explanation);
    }
    setToolTip(lines.join(QLatin1Char('\n')));
}

int ProgressLegend::LineHeight() const {
    return fontMetrics().height() + 4;
}

int ProgressLegend::ItemWidth(FactCell::State state) const {
    return fontMetrics().height() + 6 + fontMetrics().horizontalAdvance(StateName(state));
}

std::vector<QPoint> ProgressLegend::Places(int width) const {
    std::vector<QPoint> places;
    QPoint at(0, 0);
    for (const StateLook& look : kStates) {
        if (at.x() > 0 && at.x() + ItemWidth(look.state) > width)
            at = QPoint(0, at.y() + LineHeight());
        places.push_back(at);
        at.rx() += ItemWidth(look.state) + kGap;
    }
    return places;
}

QSize ProgressLegend::sizeHint() const {
    int width = 0;
    for (const StateLook& look : kStates) width += ItemWidth(look.state) + kGap;
    return {width - kGap, LineHeight()};
}

QSize ProgressLegend::minimumSizeHint() const {
    int widest = 0;
    for (const StateLook& look : kStates) widest = std::max(widest, ItemWidth(look.state));
    return {widest, LineHeight()};
}

int ProgressLegend::heightForWidth(int width) const {
    return Places(width).back().y() + LineHeight();
}

void ProgressLegend::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int swatch = metrics.height() - 2;
    painter.setPen(palette().color(QPalette::WindowText));
    const std::vector<QPoint> places = Places(width());
    for (std::size_t i = 0; i < kStates.size(); ++i) {
        painter.fillRect(QRect(places[i] + QPoint(0, 3), QSize(swatch, swatch)),
                         StateColour(kStates[i].state));
        painter.drawText(places[i] + QPoint(swatch + 6, 2 + metrics.ascent()),
                         StateName(kStates[i].state));
    }
}

}  // namespace pv::qt
