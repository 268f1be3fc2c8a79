// SPDX-License-Identifier: MIT
#include "lecternworkstimer.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Version::ProductName);
    QApplication::setApplicationVersion(Version::ProductVersion);
    LecternWorksTimer window;
    window.show();
    return QApplication::exec();
}
