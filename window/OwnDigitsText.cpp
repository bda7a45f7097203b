#include "OwnDigitsText.h"

#include "PuzzleModel.h"

#include <QCoreApplication>

namespace {

// Its texts marked with QT_TRANSLATE_NOOP, where lupdate finds them.
QString Tr(const char* text)
{
    return QCoreApplication::translate("OwnDigitsText", text);
}

QString CheckText(const PuzzleModel::CheckResult& check)
{
    if (check.wrongDigits == 0 && check.wrongMarks == 0)
        return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "All your digits are right so far"));
    const QString digits = check.wrongDigits == 1 ? Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "1 of your digits is wrong"))
                                                  : Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "%1 of your digits are wrong")).arg(check.wrongDigits);
    if (check.wrongMarks == 0)
        return digits;
    const QString marks = check.wrongMarks == 1
                              ? Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "your marks in 1 cell leave out its digit"))
                              : Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "your marks in %1 cells leave out their digit")).arg(check.wrongMarks);
    if (check.wrongDigits == 0)
        return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "Your digits are right so far, but %1")).arg(marks);
    return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "%1, and %2")).arg(digits, marks);
}

QString StopText(const PuzzleModel::HintStop& stop)
{
    using Reason = PuzzleModel::HintStop::Reason;
    const int column = stop.cell % 9 + 1;
    const int row = stop.cell / 9 + 1;
    switch (stop.reason) {
    case Reason::WrongDigit:
        return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "Your %1 at column %2, row %3 is not right")).arg(stop.digit).arg(column).arg(row);
    case Reason::WrongMarks:
        return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "Your marks at column %1, row %2 leave out the right digit")).arg(column).arg(row);
    case Reason::ClashingDigit:
        return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "Your %1 at column %2, row %3 repeats the %1 at column %4, row %5"))
            .arg(stop.digit)
            .arg(column)
            .arg(row)
            .arg(stop.otherCell % 9 + 1)
            .arg(stop.otherCell / 9 + 1);
    case Reason::NoSolutionLeft:
        return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "Your digits leave this puzzle without a solution"));
    case Reason::SeveralSolutions:
        return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "This puzzle has more than one solution, and nothing on the board decides another cell"));
    }
    return QString();
}

}  // namespace

QString OwnDigitsText(const PuzzleModel& model)
{
    if (const std::optional<PuzzleModel::CheckResult>& check = model.ShownCheck())
        return CheckText(*check);
    const std::optional<PuzzleModel::HintStop>& stop = model.StoppedHint();
    if (!stop)
        return QString();
    const QString text = StopText(*stop);
    if (model.OwnDigitsOn() || stop->reason == PuzzleModel::HintStop::Reason::SeveralSolutions)
        return text;
    // Own digits are locked while off: say how to reach the one named.
    return Tr(QT_TRANSLATE_NOOP("OwnDigitsText", "%1 (turn on %2 to change it)"))
        .arg(text, QCoreApplication::translate("CSuDokuDlg", "Enter My Digits"));
}
