// ostraval-ctl: the sensor's configuration from the command line.
#include "commands.h"

#include <QStringList>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return ctl::run(arguments);
}
