#include "CheckedPrint.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

namespace {

// The last line of every complete PDF document.
const QByteArray kEndOfDocument = QByteArrayLiteral("%%EOF");

}  // namespace

CheckedPrint::CheckedPrint(QPrinter& printer) : m_printer(printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        m_fileName = printer.outputFileName();
}

CheckedPrint::~CheckedPrint() = default;

bool CheckedPrint::Begin(QPainter& painter)
{
    if (!m_fileName.isEmpty()) {
        // Opened now, as the printer itself would, so that a file that cannot be written is
        // reported before anything is painted.
        const QFileInfo chosen(m_fileName);
        if (chosen.exists() && !chosen.isFile()) {
            m_output = std::make_unique<QFile>(m_fileName);
        } else {
            auto whole = std::make_unique<QSaveFile>(m_fileName);
            // A file that can be written in a folder that cannot is written in place.
            whole->setDirectWriteFallback(true);
            m_output = std::move(whole);
        }
        if (!m_output->open(QIODevice::WriteOnly) || !m_document.open())
            return false;
        m_printer.setOutputFileName(m_document.fileName());
    }
    return painter.begin(&m_printer);
}

bool CheckedPrint::Finish(QPainter& painter, QString& reason)
{
    reason.clear();
    const bool ended = painter.end() && m_printer.printerState() != QPrinter::Error;
    if (!m_output)
        return ended;
    m_printer.setOutputFileName(m_fileName);
    return ended && Deliver(reason);
}

bool CheckedPrint::Deliver(QString& reason)
{
    QFile printed(m_document.fileName());
    const QByteArray document = printed.open(QIODevice::ReadOnly) ? printed.readAll() : QByteArray();
    if (!document.trimmed().endsWith(kEndOfDocument)) {
        // The temporary file's disk is full, or the printer stopped half-way.
        reason = QCoreApplication::translate("CheckedPrint", "the document could not be completed");
        return false;
    }
    bool written = m_output->write(document) == document.size() && m_output->flush();
    if (auto* whole = qobject_cast<QSaveFile*>(m_output.get())) {
        written = whole->commit() && written;
    } else {
        written = written && m_output->error() == QFileDevice::NoError;
        m_output->close();
    }
    if (!written)
        reason = m_output->errorString();
    return written;
}
