// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop/ApplicationSetup.h"
#include "window/frmSarvelTimer.h"

#include <QApplication>

int main(int, char *argv[])
{
    ApplicationSetup::beforeApplication();
    // The program takes no command line: not even the toolkit sees the arguments.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    ApplicationSetup::configure(app);

    frmSarvelTimer window;
    window.open();
    return QApplication::exec();
}
