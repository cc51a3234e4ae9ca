#include "qt/progress/progress_legend.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <array>

namespace pv::qt {

namespace {

constexpr std::array<FactCell::State, 5> kStates = {FactCell::NeverAsked, FactCell::OftenMissed,
                                                    FactCell::SometimesMissed, FactCell::Learning,
                                                    FactCell::Known};

constexpr int kGap = 20;  // between one state and the next

QString Explanation(FactCell::State state) {
    switch (state) {
        case FactCell::NeverAsked:
            return QStringLiteral("not asked yet");
        case FactCell::OftenMissed:
            return QStringLiteral("missed more than one time in three");
        case FactCell::SometimesMissed:
            return QStringLiteral("missed now and then");
        case FactCell::Learning:
            return QStringLiteral("right so far, on one or two days");
        case FactCell::Known:
            return QStringLiteral("right first time on three days");
    }
    return {};
}

}  // namespace

QColor StateColour(FactCell::State state) {
    switch (state) {
        case FactCell::NeverAsked:
            return {0xe4, 0xe4, 0xe4};
        case FactCell::OftenMissed:
            return {0xe5, 0x73, 0x73};
        case FactCell::SometimesMissed:
            return {0xff, 0xb7, 0x4d};
        case FactCell::Learning:
            return {0xe6, 0xee, 0x9c};
        case FactCell::Known:
            return {0x81, 0xc7, 0x84};
    }
    return {};
}

QString StateName(FactCell::State state) {
    switch (state) {
        case FactCell::NeverAsked:
            return QStringLiteral("Never asked");
        case FactCell::OftenMissed:
            return QStringLiteral("Often missed");
        case FactCell::SometimesMissed:
            return QStringLiteral("Sometimes missed");
        case FactCell::Learning:
            return QStringLiteral("Learning");
        case FactCell::Known:
            return QStringLiteral("Known");
    }
    return {};
}

ProgressLegend::ProgressLegend(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // The names say enough at a glance; what makes a fact known is there for the asking.
    QStringList lines;
    for (FactCell::State state : kStates) {
        lines << StateName(state) + QStringLiteral(": ") + Explanation(state);
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
    for (FactCell::State state : kStates) {
        if (at.x() > 0 && at.x() + ItemWidth(state) > width) at = QPoint(0, at.y() + LineHeight());
        places.push_back(at);
        at.rx() += ItemWidth(state) + kGap;
    }
    return places;
}

QSize ProgressLegend::sizeHint() const {
    int width = 0;
    for (FactCell::State state : kStates) width += ItemWidth(state) + kGap;
    return {width - kGap, LineHeight()};
}

QSize ProgressLegend::minimumSizeHint() const {
    int widest = 0;
    for (FactCell::State state : kStates) widest = std::max(widest, ItemWidth(state));
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
                         StateColour(kStates[i]));
        painter.drawText(places[i] + QPoint(swatch + 6, 2 + metrics.ascent()),
                         StateName(kStates[i]));
    }
}

}  // namespace pv::qt
