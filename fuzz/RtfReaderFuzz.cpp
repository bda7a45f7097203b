// libFuzzer target for the RTF reader: any bytes must give a document, never a crash, leak or hang.
#include "RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Text layout needs the font database, which needs an application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Half the inputs are made RTF, so that the fuzzer spends its time inside the reader.
    QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (size > 0 && data[0] % 2 == 0)
        input.prepend("{\\rtf1");
    QTextDocument document;
    SetRichOrPlainText(input, document);
    return 0;
}
