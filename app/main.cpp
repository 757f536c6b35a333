// Quorvane: the program starts by building its main window, whose start-up does the rest.
#include "app/Form1.h"
#include "app/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QtMessages messages;
    SystemProcess process;
    Form1 form1({messages, process, Files(QCoreApplication::applicationDirPath())});
    form1.Start();
    return QApplication::exec();
}
