#include "ApplicationSetup.h"

#include "DesignFont.h"

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
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/movarc/movarc.png")));
    DesignFont::installSubstitutes();
    Q_UNUSED(app);
}
