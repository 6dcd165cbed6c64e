// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ApplicationSetup.h"

#include "Version.h"
#include "platform/drawing/DesignFont.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

// The icon in the one image format Qt reads without plugins: a PNG would have Qt probe, and
// load, every image format plugin before the window can open. resources/movarc.png is the
// same picture, for the desktop.
#include "movarc.xpm"

void ApplicationSetup::beforeApplication()
{
    DesignFont::prepareEnvironment();
}

void ApplicationSetup::configure(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Movarc"));
    QApplication::setApplicationVersion(QStringLiteral(MOVARC_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MOVARC_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap(movarcIcon)));
    DesignFont::installSubstitutes();
    // Every control sets its own font, but some lay out text before that (an editable list
    // creates its field with the default font): with the design's font as the default, the
    // system's default font and its fallbacks are never looked up.
    QApplication::setFont(DesignFont::font(9, false));
    Q_UNUSED(app);
}
