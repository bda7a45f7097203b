// Printing that learns whether it worked to the end. Qt's PDF printer writes its file without
// looking at the result, so a full disk would leave an empty document and no word. A print to a
// file is therefore made in a temporary file, checked to be complete, and only then written to the
// chosen file, every write checked: a regular file is replaced whole (what was there stays on a
// failure), a device or a pipe is written straight.
#pragma once

#include <QString>
#include <QTemporaryFile>

#include <memory>

class QFileDevice;
class QPainter;
class QPrinter;

class CheckedPrint {
public:
    // The printer as the print dialog left it; it must outlive this.
    explicit CheckedPrint(QPrinter& printer);
    ~CheckedPrint();
    CheckedPrint(const CheckedPrint&) = delete;
    CheckedPrint& operator=(const CheckedPrint&) = delete;

    // Begins painting on the printer; false when the printer, or the chosen file, cannot be opened.
    bool Begin(QPainter& painter);
    // Ends painting and delivers the document. False when any of it failed; reason then says why
    // when it is known (empty for a printer that gives no reason).
    bool Finish(QPainter& painter, QString& reason);

    // The file printed to, or empty for a printer.
    const QString& FileName() const { return m_fileName; }

private:
    bool Deliver(QString& reason);

    QPrinter& m_printer;
    QString m_fileName;
    std::unique_ptr<QFileDevice> m_output;  // the chosen file, open while the document is painted
    QTemporaryFile m_document;
};
