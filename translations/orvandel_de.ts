<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Vantrel Orvandel</source>
        <translation>Über Vantrel Orvandel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vantrel Orvandel Version %1</source>
        <translation>Vantrel Orvandel Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Tessaly</source>
        <translation>Copyright © 2026 Tessaly</translation>
    </message>
    <message>
        <source>Su Doku help that explains every step it takes.</source>
        <translation>Su-Doku-Hilfe, die jeden ihrer Schritte erklärt.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Vantrel Orvandel Help</source>
        <translation>Hilfe zu Vantrel Orvandel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>:/res/help.rtf</source>
        <extracomment>The resource that holds the help text in this language, an RTF file beside help.rtf.</extracomment>
        <translation>:/res/help_de.rtf</translation>
    </message>
</context>
<context>
    <name>CPrintPuzzlesDlg</name>
    <message>
        <source>Print Puzzles</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Rätsel:</translation>
    </message>
    <message>
        <source>&amp;Rating:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
</context>
<context>
    <name>CSolveLogicDlg</name>
    <message>
        <source>Show Su Doku Solve Logic</source>
        <translation>Su-Doku-Lösungsweg anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Solve Logic</source>
        <translation>Lösungsweg</translation>
    </message>
    <message>
        <source>Techniques</source>
        <translation>Techniken</translation>
    </message>
</context>
<context>
    <name>CSpreadSheet</name>
    <message>
        <source>Row %1, column %2, </source>
        <translation>Zeile %1, Spalte %2, </translation>
    </message>
    <message>
        <source>, solved</source>
        <translation>, gelöst</translation>
    </message>
    <message>
        <source>, given</source>
        <translation>, vorgegeben</translation>
    </message>
    <message>
        <source>, yours</source>
        <translation>, Ihre</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>candidates %1</source>
        <translation>Kandidaten %1</translation>
    </message>
    <message>
        <source>your marks %1</source>
        <translation>Ihre Notizen %1</translation>
    </message>
    <message>
        <source>Su Doku board</source>
        <translation>Su-Doku-Spielfeld</translation>
    </message>
    <message>
        <source>The board could not be printed.</source>
        <translation>Das Spielfeld konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The board could not be printed to %1: %2.</source>
        <translation>Das Spielfeld konnte nicht in %1 gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>, repeats a digit of its row, column or square</source>
        <translation>, wiederholt eine Ziffer ihrer Zeile, Spalte oder ihres Quadrats</translation>
    </message>
</context>
<context>
    <name>CSuDokuDlg</name>
    <message>
        <source>Enter My Digits</source>
        <translation>Eigene Ziffern eingeben</translation>
    </message>
    <message>
        <source>Check My Digits</source>
        <translation>Eigene Ziffern prüfen</translation>
    </message>
    <message>
        <source>Fill In Candidates</source>
        <translation>Kandidaten eintragen</translation>
    </message>
    <message>
        <source>&amp;About Vantrel Orvandel ...</source>
        <translation>Ü&amp;ber Vantrel Orvandel ...</translation>
    </message>
    <message>
        <source>Visit Tessaly Web Site</source>
        <translation>Website von Tessaly besuchen</translation>
    </message>
    <message>
        <source>Close Vantrel Orvandel? The puzzle on the board will be lost.</source>
        <translation>Vantrel Orvandel schließen? Das Rätsel auf dem Spielfeld geht verloren.</translation>
    </message>
    <message>
        <source>Previous Step</source>
        <translation>Vorheriger Schritt</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Next Puzzle</source>
        <translation>Nächstes Rätsel</translation>
    </message>
    <message>
        <source>Previous Puzzle</source>
        <translation>Vorheriges Rätsel</translation>
    </message>
    <message>
        <source>Go To Puzzle ...</source>
        <translation>Gehe zu Rätsel ...</translation>
    </message>
    <message>
        <source>Go To Puzzle</source>
        <translation>Gehe zu Rätsel</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2</source>
        <translation>Rätsel %1 von %2</translation>
    </message>
    <message>
        <source>Puzzle (1 to %1):</source>
        <translation>Rätsel (1 bis %1):</translation>
    </message>
    <message>
        <source>Go to puzzle %1? The puzzle on the board will be lost.</source>
        <translation>Zu Rätsel %1 wechseln? Das Rätsel auf dem Spielfeld geht verloren.</translation>
    </message>
    <message>
        <source>%1 has changed since it was opened and has been read again (puzzles now: %2). The board is as it was; choose the puzzle again.</source>
        <translation>%1 wurde seit dem Öffnen geändert und neu gelesen (jetzt %2 Rätsel). Das Spielfeld bleibt, wie es war; wählen Sie das Rätsel noch einmal.</translation>
    </message>
    <message>
        <source>Line %1 holds a NUL byte; this is not a text file, so reading stopped there.</source>
        <translation>Zeile %1 enthält ein NUL-Byte; dies ist keine Textdatei, daher wurde dort mit dem Lesen aufgehört.</translation>
    </message>
    <message>
        <source>%1 can no longer be read as puzzles, so it is closed. The board is as it was.</source>
        <translation>%1 lässt sich nicht mehr als Rätsel lesen und wird daher geschlossen. Das Spielfeld bleibt, wie es war.</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Set Su Doku</source>
        <translation>Su Doku &amp;festlegen</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>Solve &amp;Cell</source>
        <translation>&amp;Zelle lösen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Unique</source>
        <translation>Eindeutig</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Open ...</source>
        <translation>Öffnen ...</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Speichern unter ...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Reset Su Doku Board</source>
        <translation>Su-Doku-Spielfeld zurücksetzen</translation>
    </message>
    <message>
        <source>Clear Su Doku Board</source>
        <translation>Su-Doku-Spielfeld leeren</translation>
    </message>
    <message>
        <source>Print ...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Print Puzzles ...</source>
        <translation>Rätsel drucken ...</translation>
    </message>
    <message>
        <source>Show Solve Logic ...</source>
        <translation>Lösungsweg anzeigen ...</translation>
    </message>
    <message>
        <source>Show Candidates</source>
        <translation>Kandidaten anzeigen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>About Vantrel Orvandel ...</source>
        <translation>Über Vantrel Orvandel ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>no cells</source>
        <translation>keine Zellen</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>%1 holds %2; a board needs %3.</source>
        <translation>%1 enthält %2; ein Spielfeld braucht %3.</translation>
    </message>
    <message>
        <source>The clipboard</source>
        <translation>Die Zwischenablage</translation>
    </message>
    <message>
        <source>This puzzle contains an inconsistency, it cannot be solved.</source>
        <translation>Dieses Rätsel enthält einen Widerspruch und kann nicht gelöst werden.</translation>
    </message>
    <message>
        <source>This puzzle is unsolvable. Best guess so far will be shown.</source>
        <translation>Dieses Rätsel ist unlösbar. Der bisher beste Versuch wird angezeigt.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the board to the original Su Doku?</source>
        <translation>Möchten Sie das Spielfeld wirklich auf das ursprüngliche Su Doku zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the board?</source>
        <translation>Möchten Sie das Spielfeld wirklich leeren?</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution; the steps below lead to one of them.</source>
        <translation>Dieses Rätsel hat mehr als eine Lösung; die folgenden Schritte führen zu einer davon.</translation>
    </message>
    <message>
        <source>The techniques explain only a puzzle with exactly one solution.</source>
        <translation>Die Techniken erklären nur ein Rätsel mit genau einer Lösung.</translation>
    </message>
    <message>
        <source>Still working out the techniques.</source>
        <translation>Die Techniken werden noch ermittelt.</translation>
    </message>
    <message>
        <source>Still working out the hint.</source>
        <translation>Der Hinweis wird noch ermittelt.</translation>
    </message>
    <message>
        <source>Vantrel Orvandel Open Saved Board</source>
        <translation>Vantrel Orvandel – Gespeichertes Spielfeld öffnen</translation>
    </message>
    <message>
        <source>Vantrel Orvandel Save Board</source>
        <translation>Vantrel Orvandel – Spielfeld speichern</translation>
    </message>
    <message>
        <source>The board could not be saved to %1: %2.</source>
        <translation>Das Spielfeld konnte nicht unter %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The folder for saved games %1 could not be made: %2. Save As starts in %3 instead.</source>
        <translation>Der Ordner für gespeicherte Spiele %1 konnte nicht angelegt werden: %2. „Speichern unter“ beginnt stattdessen in %3.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file could not be created</source>
        <translation>die Datei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>die Datei konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine Datei dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be opened as a puzzle.</source>
        <translation>%1 ist keine gewöhnliche Datei und kann daher nicht als Rätsel geöffnet werden.</translation>
    </message>
    <message>
        <source>Su Doku Files (*.sdf)</source>
        <translation>Su-Doku-Dateien (*.sdf)</translation>
    </message>
    <message>
        <source>Save Game As ...</source>
        <translation>Spiel speichern unter ...</translation>
    </message>
    <message>
        <source>Vantrel Orvandel Save Game</source>
        <translation>Vantrel Orvandel – Spiel speichern</translation>
    </message>
    <message>
        <source>The game could not be saved to %1: %2.</source>
        <translation>Das Spiel konnte nicht unter %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Su Doku Games (*.sdg)</source>
        <translation>Su-Doku-Spiele (*.sdg)</translation>
    </message>
    <message>
        <source>whether the puzzle was set</source>
        <translation>ob das Rätsel festgelegt war</translation>
    </message>
    <message>
        <source>whether My Digits was on</source>
        <translation>ob „Eigene Ziffern eingeben“ an war</translation>
    </message>
    <message>
        <source>own digits</source>
        <translation>eigene Ziffern</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>revealed cells</source>
        <translation>aufgedeckte Zellen</translation>
    </message>
    <message>
        <source>candidates removed by hints</source>
        <translation>durch Tipps gestrichene Kandidaten</translation>
    </message>
    <message>
        <source>the collection and puzzle number</source>
        <translation>die Sammlung und die Nummer des Rätsels</translation>
    </message>
    <message>
        <source>lines of an unknown kind</source>
        <translation>Zeilen unbekannter Art</translation>
    </message>
    <message>
        <source>everything but the puzzle, as the file is of a later version</source>
        <translation>alles außer dem Rätsel, da die Datei von einer neueren Version stammt</translation>
    </message>
    <message>
        <source>the end of the game, as the file is cut short</source>
        <translation>das Ende des Spiels, da die Datei abgeschnitten ist</translation>
    </message>
    <message>
        <source>everything after its start, as the file is longer than any game</source>
        <translation>alles nach ihrem Anfang, da die Datei länger als jedes Spiel ist</translation>
    </message>
    <message>
        <source>the work on it, as the puzzle contains an inconsistency</source>
        <translation>die Arbeit daran, da das Rätsel einen Widerspruch enthält</translation>
    </message>
    <message>
        <source>The game in %1 opened without what could not be used: %2.</source>
        <translation>Das Spiel in %1 wurde ohne das geöffnet, was nicht verwendbar war: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Text Puzzles (*.txt)</source>
        <translation>Rätsel als Text (*.txt)</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Die Datei %1</translation>
    </message>
    <message>
        <source>The puzzles could not be printed.</source>
        <translation>Die Rätsel konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The puzzles could not be printed to %1: %2.</source>
        <translation>Die Rätsel konnten nicht in %1 gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>There is no puzzle %1 here: this collection holds puzzles 1 to %2.</source>
        <translation>Ein Rätsel %1 gibt es hier nicht: Diese Sammlung enthält die Rätsel 1 bis %2.</translation>
    </message>
    <message>
        <source>The file %1 holds a NUL byte in line %2; this is not a text file, so reading stopped there. Puzzles read before it: %3.</source>
        <translation>Die Datei %1 enthält in Zeile %2 ein NUL-Byte; sie ist keine Textdatei, daher wurde dort mit dem Lesen aufgehört. Davor gelesene Rätsel: %3.</translation>
    </message>
    <message>
        <source>Clean Up My Marks</source>
        <translation>Eigene Notizen bereinigen</translation>
    </message>
    <message>
        <source>Show Clashes</source>
        <translation>Konflikte anzeigen</translation>
    </message>
</context>
<context>
    <name>CheckedPrint</name>
    <message>
        <source>the document could not be completed</source>
        <translation>das Dokument konnte nicht fertiggestellt werden</translation>
    </message>
</context>
<context>
    <name>GenerationProgress</name>
    <message>
        <source>Making a new puzzle ...</source>
        <translation>Ein neues Rätsel wird erstellt ...</translation>
    </message>
    <message>
        <source>Making %1 new puzzles ...</source>
        <translation>%1 neue Rätsel werden erstellt ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OwnDigitsText</name>
    <message>
        <source>All your digits are right so far</source>
        <translation>Alle Ihre Ziffern stimmen bisher</translation>
    </message>
    <message>
        <source>1 of your digits is wrong</source>
        <translation>1 Ihrer Ziffern ist falsch</translation>
    </message>
    <message>
        <source>%1 of your digits are wrong</source>
        <translation>%1 Ihrer Ziffern sind falsch</translation>
    </message>
    <message>
        <source>your marks in 1 cell leave out its digit</source>
        <translation>Ihren Notizen in 1 Zelle fehlt deren Ziffer</translation>
    </message>
    <message>
        <source>your marks in %1 cells leave out their digit</source>
        <translation>Ihren Notizen in %1 Zellen fehlt deren Ziffer</translation>
    </message>
    <message>
        <source>Your digits are right so far, but %1</source>
        <translation>Ihre Ziffern stimmen bisher, aber %1</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, und %2</translation>
    </message>
    <message>
        <source>Your marks at column %1, row %2 leave out the right digit</source>
        <translation>Ihren Notizen in Spalte %1, Zeile %2 fehlt die richtige Ziffer</translation>
    </message>
    <message>
        <source>Your %1 at column %2, row %3 is not right</source>
        <translation>Ihre %1 in Spalte %2, Zeile %3 stimmt nicht</translation>
    </message>
    <message>
        <source>Your %1 at column %2, row %3 repeats the %1 at column %4, row %5</source>
        <translation>Ihre %1 in Spalte %2, Zeile %3 wiederholt die %1 in Spalte %4, Zeile %5</translation>
    </message>
    <message>
        <source>Your digits leave this puzzle without a solution</source>
        <translation>Mit Ihren Ziffern hat dieses Rätsel keine Lösung mehr</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution, and nothing on the board decides another cell</source>
        <translation>Dieses Rätsel hat mehr als eine Lösung, und nichts auf dem Spielfeld entscheidet eine weitere Zelle</translation>
    </message>
    <message>
        <source>%1 (turn on %2 to change it)</source>
        <translation>%1 (zum Ändern „%2“ einschalten)</translation>
    </message>
</context>
<context>
    <name>PuzzleSheets</name>
    <message>
        <source>Puzzle %1 (%2)</source>
        <translation>Rätsel %1 (%2)</translation>
    </message>
    <message>
        <source>Solution %1</source>
        <translation>Lösung %1</translation>
    </message>
</context>
<context>
    <name>TechniqueText</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>Ziffer %1</translation>
    </message>
    <message>
        <source>digits %1</source>
        <translation>Ziffern %1</translation>
    </message>
    <message>
        <source>row y=%1</source>
        <translation>Zeile y=%1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>Zeilen %1</translation>
    </message>
    <message>
        <source>column x=%1</source>
        <translation>Spalte x=%1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>Spalten %1</translation>
    </message>
    <message>
        <source>square x=%1..%2, y=%3..%4</source>
        <translation>Quadrat x=%1..%2, y=%3..%4</translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation>Zelle %1</translation>
    </message>
    <message>
        <source>cells %1</source>
        <translation>Zellen %1</translation>
    </message>
    <message>
        <source>No technique moves here: cell %1 takes the solution&apos;s digit.</source>
        <translation>Hier greift keine Technik: Zelle %1 erhält die Ziffer der Lösung.</translation>
    </message>
    <message>
        <source>%1: look at %2 in the %3 marked cells.</source>
        <translation>%1: Sieh dir %2 in den %3 markierten Zellen an.</translation>
    </message>
    <message>
        <source>%1: look at %2.</source>
        <translation>%1: Sieh dir %2 an.</translation>
    </message>
    <message>
        <source>%1: look at %2 in %3.</source>
        <translation>%1: Sieh dir %2 in %3 an.</translation>
    </message>
    <message>
        <source>No technique explains this puzzle without a guess</source>
        <translation>Keine Technik erklärt dieses Rätsel ohne Raten</translation>
    </message>
    <message>
        <source>Difficulty %1 (%2), then a guess</source>
        <translation>Schwierigkeit %1 (%2), danach Raten</translation>
    </message>
    <message>
        <source>%1 — %2, then a guess</source>
        <translation>%1 — %2, danach Raten</translation>
    </message>
    <message>
        <source>Difficulty %1 (%2)</source>
        <translation>Schwierigkeit %1 (%2)</translation>
    </message>
</context>
<context>
    <name>WebSiteLink</name>
    <message>
        <source>No program on this computer could open %1.
Open the address in your web browser yourself.</source>
        <translation>Kein Programm auf diesem Computer konnte %1 öffnen.
Öffnen Sie die Adresse bitte selbst in Ihrem Webbrowser.</translation>
    </message>
</context>
</TS>
