#include "qt/progress/local_forms.h"

#include <QLocale>

#include "progress/recorded_answer.h"

namespace pv::qt {

QDate DateOf(std::int32_t day) {
    return QDate(1970, 1, 1).addDays(day);
}

bool InEnglish() {
    return QLocale().language() == QLocale::English;
}

QString ShownDay(std::int32_t day) {
    if (InEnglish()) return QString::fromStdString(DayText(day));
    return QLocale().toString(DateOf(day), QLocale::ShortFormat);
}

}  // namespace pv::qt
