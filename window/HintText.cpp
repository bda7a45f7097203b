#include "HintText.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const char* const kSquares[9] = {
    QT_TRANSLATE_NOOP("HintText", "the top left square"),     QT_TRANSLATE_NOOP("HintText", "the top centre square"),
    QT_TRANSLATE_NOOP("HintText", "the top right square"),    QT_TRANSLATE_NOOP("HintText", "the middle left square"),
    QT_TRANSLATE_NOOP("HintText", "the centre square"),       QT_TRANSLATE_NOOP("HintText", "the middle right square"),
    QT_TRANSLATE_NOOP("HintText", "the bottom left square"),  QT_TRANSLATE_NOOP("HintText", "the bottom centre square"),
    QT_TRANSLATE_NOOP("HintText", "the bottom right square")};
const char* const kCountWords[10] = {
    QT_TRANSLATE_NOOP("HintText", "no"),    QT_TRANSLATE_NOOP("HintText", "one"),   QT_TRANSLATE_NOOP("HintText", "two"),
    QT_TRANSLATE_NOOP("HintText", "three"), QT_TRANSLATE_NOOP("HintText", "four"),  QT_TRANSLATE_NOOP("HintText", "five"),
    QT_TRANSLATE_NOOP("HintText", "six"),   QT_TRANSLATE_NOOP("HintText", "seven"), QT_TRANSLATE_NOOP("HintText", "eight"),
    QT_TRANSLATE_NOOP("HintText", "nine")};

// Texts passed here are marked with QT_TRANSLATE_NOOP, so that lupdate finds them.
QString Translate(const char* text)
{
    return QCoreApplication::translate("HintText", text);
}

QString UnitName(const HintFacts& hint)
{
    switch (hint.unitKind) {
    case 0: return Translate(QT_TRANSLATE_NOOP("HintText", "column x=%1")).arg(hint.column);
    case 1: return Translate(QT_TRANSLATE_NOOP("HintText", "row y=%1")).arg(hint.row);
    default: return Translate(kSquares[(hint.row - 1) / 3 * 3 + (hint.column - 1) / 3]);
    }
}

}  // namespace

QString HintText(const HintFacts& hint)
{
    switch (hint.kind) {
    case HintFacts::Kind::OneDigitLeft:
        return Translate(QT_TRANSLATE_NOOP("HintText", "Look at cell (x=%1, y=%2): only one digit is left for it."))
            .arg(hint.column)
            .arg(hint.row);
    case HintFacts::Kind::OnePlaceLeft:
        return Translate(QT_TRANSLATE_NOOP("HintText", "Look at %1: one digit has only one place left."))
            .arg(UnitName(hint));
    case HintFacts::Kind::DigitSet:
        return Translate(QT_TRANSLATE_NOOP("HintText", "Look at %1: %2 digits have only the same %2 cells left."))
            .arg(UnitName(hint), Translate(kCountWords[std::clamp(hint.digitCount, 0, 9)]));
    case HintFacts::Kind::Guess:
        break;
    }
    return Translate(QT_TRANSLATE_NOOP("HintText", "No logical step is left: the solver guesses here."));
}
