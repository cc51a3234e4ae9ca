#include "qt/screen_reader/spoken.h"

#include <QStringList>

#include "controls/controls.h"
#include "game/operations.h"

namespace pv::qt {

namespace {

QString OperationWords(const QString& sign) {
    for (const OperationRow& row : AllOperations()) {
        if (sign == QString::fromUtf8(row.questionSign)) return QString::fromUtf8(row.spokenWords);
    }
    return {};
}

// The faces by meaning; the 16-colour set lies a fixed step above the full-colour one.
QString FaceWords(ResourceId face) {
    switch ((face - Face::Neutral) % kLowColourFace + Face::Neutral) {
        case Face::WrongAgain:
            return QStringLiteral("disappointed face");
        case Face::NewQuestion:
            return QStringLiteral("smiling face");
        case Face::Right:
            return QStringLiteral("grinning face");
        case Face::Wrong:
            return QStringLiteral("sad face");
        default:
            return QStringLiteral("waiting face");
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
    return QStringLiteral("row %1, card %2")
        .arg(card / kCardColumns + 1)
        .arg(card % kCardColumns + 1);
}

QString PictureWords(ResourceId picture) {
    switch (KindOf(picture)) {
        case ResourceKind::Picture:
            return QString::fromUtf8(PictureName(picture));
        case ResourceKind::Face:
            return FaceWords(picture);
        case ResourceKind::CardBack:
            return QStringLiteral("face down");
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
