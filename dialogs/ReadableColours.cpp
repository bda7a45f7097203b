#include "ReadableColours.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <QList>

#include <algorithm>
#include <cmath>

namespace {

double Linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// The first shade from the colour towards `extreme`, in 64 steps, that reaches the ratio.
bool ShadeTowards(const QColor& colour, const QColor& extreme, const QColor& background, double ratio, QColor& shade)
{
    for (int step = 1; step <= 64; ++step) {
        shade = Mix(colour, extreme, step / 64.0);
        if (ContrastRatio(shade, background) >= ratio)
            return true;
    }
    return false;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background, double ratio)
{
    if (ContrastRatio(colour, background) >= ratio)
        return colour;
    // Middle grey (luminance 0.18) is where white and black contrast equally.
    const bool darkBackground = Luminance(background) < 0.18;
    const QColor first = darkBackground ? QColor(Qt::white) : QColor(Qt::black);
    const QColor second = darkBackground ? QColor(Qt::black) : QColor(Qt::white);
    QColor shade;
    if (ShadeTowards(colour, first, background, ratio, shade) || ShadeTowards(colour, second, background, ratio, shade))
        return shade;
    return first;
}

void MakeTextReadable(QTextDocument& document, const QColor& background)
{
    // Gathered first: changing a format splits and joins the fragments being walked.
    struct Change {
        int position;
        int length;
        QColor colour;
    };
    QList<Change> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            const QTextCharFormat format = piece.charFormat();
            if (!format.hasProperty(QTextFormat::ForegroundBrush))
                continue;
            const QColor readable = ReadableOn(format.foreground().color(), background);
            if (readable != format.foreground().color())
                changes.append({piece.position(), piece.length(), readable});
        }
    }
    for (const Change& change : changes) {
        QTextCursor cursor(&document);
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(change.colour);
        cursor.mergeCharFormat(format);
    }
}
