#include "qt/screen_reader/spoken.h"

#include <QCoreApplication>
#include <QStringList>

#include "controls/controls.h"
#include "game/operations.h"

namespace pv::qt {

namespace {

QString OperationWords(const QString& sign) {
    for (const OperationRow& row : AllOperations()) {
        if (sign == QString::fromUtf8(row.questionSign))
            return QCoreApplication::translate("Reader", row.spokenWords);
    }
    return {};
}

// The faces by meaning; the 16-colour set lies a fixed step above the full-colour one.
QString FaceWords(ResourceId face) {
    switch ((face - Face::Neutral) % kLowColourFace + Face::Neutral) {
        case Face::WrongAgain:
            return QCoreApplication::translate("Reader", "disappointed face");
        case Face::NewQuestion:
            return QCoreApplication::translate("Reader", "smiling face");
        case Face::Right:
            return QCoreApplication::translate("Reader", "grinning face");
        case Face::Wrong:
            return QCoreApplication::translate("Reader", "sad face");
        default:
            return QCoreApplication::translate("Reader", "waiting face");
    }
}

}  // namespace

QString QuestionInWords(const QString& shown) {
    QStringList parts = shown.split(QChar(' '), Qt::SkipEmptyParts);
    if (parts.size() != 3 || !IsNumber(parts[0]) || !IsNumber(parts[2])) return shown;
    QString operation = OperationWords(parts[1]);
    if (operation.isEmpty()) return shown;
    return parts[0] + QChar(' ') + operation + QChar(' ') + parts[2];
}

QString CardPlace(int card) {
    return QCoreApplication::translate("Reader", "row %1, card %2")
        .arg(card / kCardColumns + 1)
        .arg(card % kCardColumns + 1);
}

QString PictureWords(ResourceId picture) {
    switch (KindOf(picture)) {
        case ResourceKind::Picture:
            return QCoreApplication::translate("Pictures", PictureName(picture));
        case ResourceKind::Face:
            return FaceWords(picture);
        case ResourceKind::CardBack:
            return QCoreApplication::translate("Reader", "face down");
        default:
            return {};
    }
}

bool IsNumber(const QString& text) {
    bool number = false;
    text.toUInt(&number);
    return number;
}

}  // namespace pv::qt
