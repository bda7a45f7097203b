// Entry point of the GUI tests: the real widgets on Qt's offscreen platform, with settings kept
// in a temporary folder so no test touches the person's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    // The build runs this program to list its tests, without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsFolder;
    // The per-user configuration folder, where the program and QSettings both look.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
