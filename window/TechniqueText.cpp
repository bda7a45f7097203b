#include "TechniqueText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString Translate(const char* text)
{
    return QCoreApplication::translate("TechniqueText", text);
}

// "a", "a and b", "a, b and c".
QString Join(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return Translate(QT_TRANSLATE_NOOP("TechniqueText", "%1 and %2"))
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.back());
}

QString Digits(unsigned digits)
{
    QStringList list;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits >> (digit - 1) & 1u)
            list << QString::number(digit);
    }
    return list.size() == 1 ? Translate(QT_TRANSLATE_NOOP("TechniqueText", "digit %1")).arg(list.front())
                            : Translate(QT_TRANSLATE_NOOP("TechniqueText", "digits %1")).arg(Join(list));
}

// "row y=2" or "rows y=2 and y=8"; the same for columns.
QString Lines(const std::vector<int>& lines, const char* one, const char* several, QChar axis)
{
    QStringList names;
    for (const int line : lines)
        names << QStringLiteral("%1=%2").arg(axis).arg(line);
    return lines.size() == 1 ? Translate(one).arg(lines.front()) : Translate(several).arg(Join(names));
}

QString CellName(int cell)
{
    return QStringLiteral("(x=%1, y=%2)").arg(cell % 9 + 1).arg(cell / 9 + 1);
}

QString Places(const TechniqueLook& look)
{
    QStringList places;
    if (!look.rows.empty())
        places << Lines(look.rows, QT_TRANSLATE_NOOP("TechniqueText", "row y=%1"),
                        QT_TRANSLATE_NOOP("TechniqueText", "rows %1"), u'y');
    if (!look.columns.empty())
        places << Lines(look.columns, QT_TRANSLATE_NOOP("TechniqueText", "column x=%1"),
                        QT_TRANSLATE_NOOP("TechniqueText", "columns %1"), u'x');
    for (const int square : look.squares) {
        const int left = square % 3 * 3 + 1;
        const int top = square / 3 * 3 + 1;
        places << Translate(QT_TRANSLATE_NOOP("TechniqueText", "square x=%1..%2, y=%3..%4"))
                      .arg(left).arg(left + 2).arg(top).arg(top + 2);
    }
    if (!look.cells.empty()) {
        QStringList cells;
        for (const int cell : look.cells)
            cells << CellName(cell);
        places << (cells.size() == 1 ? Translate(QT_TRANSLATE_NOOP("TechniqueText", "cell %1")).arg(cells.front())
                                     : Translate(QT_TRANSLATE_NOOP("TechniqueText", "cells %1")).arg(Join(cells)));
    }
    return Join(places);
}

}  // namespace

QString LookText(const TechniqueLook& look)
{
    const QString technique = QString::fromStdString(look.technique);
    if (look.guess)
        return Translate(
                   QT_TRANSLATE_NOOP("TechniqueText", "No technique moves here: cell %1 takes the solution's digit."))
            .arg(look.cells.empty() ? QString() : CellName(look.cells.front()));
    if (look.markedCells > 0)
        return Translate(QT_TRANSLATE_NOOP("TechniqueText", "%1: look at %2 in the %3 marked cells."))
            .arg(technique, Digits(look.digits))
            .arg(look.markedCells);
    if (look.digits == 0)
        return Translate(QT_TRANSLATE_NOOP("TechniqueText", "%1: look at %2.")).arg(technique, Places(look));
    return Translate(QT_TRANSLATE_NOOP("TechniqueText", "%1: look at %2 in %3."))
        .arg(technique, Digits(look.digits), Places(look));
}

QString DifficultyText(const PuzzleModel::TechniqueRating& rating)
{
    const QString difficulty = QString::number(rating.difficulty, 'f', 1);
    const QString hardest = QString::fromStdString(rating.hardest);
    if (rating.guess && hardest.isEmpty())
        return Translate(QT_TRANSLATE_NOOP("TechniqueText", "No technique explains this puzzle without a guess"));
    if (rating.guess)
        return Translate(QT_TRANSLATE_NOOP("TechniqueText", "Difficulty %1 (%2), then a guess"))
            .arg(difficulty, hardest);
    return Translate(QT_TRANSLATE_NOOP("TechniqueText", "Difficulty %1 (%2)")).arg(difficulty, hardest);
}

QString DifficultyTitle(const PuzzleModel::TechniqueRating& rating)
{
    const QString difficulty = QString::number(rating.difficulty, 'f', 1);
    const QString hardest = QString::fromStdString(rating.hardest);
    if (rating.guess && hardest.isEmpty())
        return DifficultyText(rating);
    if (rating.guess)
        return Translate(QT_TRANSLATE_NOOP("TechniqueText", "%1 — %2, then a guess")).arg(difficulty, hardest);
    return QStringLiteral("%1 — %2").arg(difficulty, hardest);
}
