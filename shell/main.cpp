// The desktop program: start-up, then the main window until the person closes it.
#include "SuDokuApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CSuDokuApp app;
    return app.Run(QApplication::arguments());
}
