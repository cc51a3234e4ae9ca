// What the game's controls show, put into words for a screen reader.
#pragma once

#include <QString>

#include "assets/catalogue.h"

namespace pv::qt {

// Whether a control's text is a whole number (a label showing a count, a question's operand).
bool IsNumber(const QString& text);

// A question as the display shows it ("7 x 8", "12 ÷ 3") read out ("7 times 8", "12 divided
// by 3"); any other text as it is.
QString QuestionInWords(const QString& shown);

// Where memory card i (from 0) lies on the board: "row 2, card 3".
QString CardPlace(int card);

// What a built-in picture shows: a drill picture's name, a face's look, "face down" for a card
// back, "" for anything else.
QString PictureWords(ResourceId picture);

}  // namespace pv::qt
