// Messages that quote a file name: the name reads as itself, never as markup that loads an image
// (of an endless device, or a FIFO that blocks) or sets a heading.
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

TEST_F(MainWindowTest, AFileNameInAMessageIsPlainText)
{
    const QString fifo = appFolder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString fifoImage = QStringLiteral("<img src=%1>.txt").arg(fifo);
    fifoImage.replace(u'/', QStringLiteral("&#47;"));  // a name cannot hold '/'
    const QString names[] = {QStringLiteral("<img src=&#47;dev&#47;zero>.txt"), fifoImage,
                             QStringLiteral("<h1>Big.txt")};
    for (const QString& name : names) {
        const QString path = appFolder.filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write("1 2 3\n");
        file.close();
        prompts.messages.clear();

        EXPECT_FALSE(dialog->OpenBoardFile(path));
        ASSERT_EQ(prompts.messages.size(), 1) << name.toStdString();
        EXPECT_TRUE(prompts.messages[0].text.contains(QDir::toNativeSeparators(path))) << name.toStdString();
        EXPECT_EQ(prompts.messages[0].format, Qt::PlainText) << name.toStdString();
    }
}

}  // namespace
