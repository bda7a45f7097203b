// A small reader for the part of RTF that the help text uses, feeding a QTextDocument.
//
// Understood: groups; \par and \line; \tab; \b, \i, \ul (with \b0, \i0, \ul0, \ulnone); \plain;
// \fs (font size in half-points); \f with the font table; \cf with the colour table; \pard with
// \li, \ri, \fi, \sb, \sa and \tx (twips); \'hh in code page 1252; the escaped characters \\, \{,
// \} and \~; \emdash, \endash, \bullet and the typographic quotes; \bin (its data is skipped).
// Skipped with everything inside them: \stylesheet, \info, \pict, headers, footers, footnotes and
// every group marked \*. Any other control word is ignored.
//
// Malformed input never fails: unbalanced braces are tolerated (the text ends with the group that
// opened it, or with the input), numbers are clamped, an escape cut short is dropped, bytes below
// 0x20 are dropped, and the work is linear in the input.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// True when the text begins with "{\rtf", the mark by which rich text is told from plain text.
bool IsRtf(const QByteArray& text);

// Replaces the document's content with the formatted text of an RTF document.
void ReadRtf(const QByteArray& rtf, QTextDocument& document);

// Replaces the document's content with the text: formatted when it is RTF, otherwise as plain text
// (UTF-8 when it is valid UTF-8, else code page 1252).
void SetRichOrPlainText(const QByteArray& text, QTextDocument& document);

// The character of a byte in code page 1252 (the five bytes it leaves undefined map to U+FFFD).
QChar FromCodePage1252(unsigned char byte);
