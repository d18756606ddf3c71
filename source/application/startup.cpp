#include "application/startup.h"

#include <QApplication>

int runGarvo(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return 0;
}
