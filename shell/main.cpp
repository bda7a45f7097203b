// The desktop program: the main window, run until the person closes it.
#include "SuDokuDlg.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CSuDokuDlg dialog;
    dialog.exec();
    return 0;
}
