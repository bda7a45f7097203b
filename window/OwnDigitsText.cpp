#include "OwnDigitsText.h"

#include "PuzzleModel.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("OwnDigitsText", text);
}

QString CheckText(const PuzzleModel::CheckResult& check)
{
    if (check.wrongDigits == 0 && check.wrongMarks == 0)
        return Tr("All your digits are right so far");
    const QString digits = check.wrongDigits == 1 ? Tr("1 of your digits is wrong")
                                                  : Tr("%1 of your digits are wrong").arg(check.wrongDigits);
    if (check.wrongMarks == 0)
        return digits;
    const QString marks = check.wrongMarks == 1 ? Tr("your marks in 1 cell leave out its digit")
                                                : Tr("your marks in %1 cells leave out their digit").arg(check.wrongMarks);
    if (check.wrongDigits == 0)
        return Tr("Your digits are right so far, but %1").arg(marks);
    return Tr("%1, and %2").arg(digits, marks);
}

}  // namespace

QString OwnDigitsText(const PuzzleModel& model)
{
    if (const std::optional<PuzzleModel::CheckResult>& check = model.ShownCheck())
        return CheckText(*check);
    const std::optional<CellDigit>& wrong = model.WrongHint();
    if (!wrong)
        return QString();
    const int column = wrong->cell % 9 + 1;
    const int row = wrong->cell / 9 + 1;
    if (wrong->digit == 0)
        return Tr("Your marks at column %1, row %2 leave out the right digit").arg(column).arg(row);
    return Tr("Your %1 at column %2, row %3 is not right").arg(wrong->digit).arg(column).arg(row);
}
