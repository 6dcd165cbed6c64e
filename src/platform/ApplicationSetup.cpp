#include "ApplicationSetup.h"

#include "DesignFont.h"
#include "Version.h"

#include <QApplication>
#include <QIcon>

static void initResources()
{
    // The resources live in a static library; their initialiser must be referenced by name.
    Q_INIT_RESOURCE(movarc);
}

void ApplicationSetup::beforeApplication()
{
    DesignFont::prepareEnvironment();
}

void ApplicationSetup::configure(QApplication &app)
{
    initResources();
    QApplication::setApplicationName(QStringLiteral("Movarc"));
    QApplication::setApplicationVersion(QStringLiteral(MOVARC_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MOVARC_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/movarc/movarc.png")));
    DesignFont::installSubstitutes();
    // Every control sets its own font, but some lay out text before that (an editable list
    // creates its field with the default font): with the design's font as the default, the
    // system's default font and its fallbacks are never looked up.
    QApplication::setFont(DesignFont::font(9, false));
    Q_UNUSED(app);
}
