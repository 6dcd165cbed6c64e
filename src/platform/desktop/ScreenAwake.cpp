// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenAwake.h"

#include <QGuiApplication>
#include <QTimer>

#ifdef MOVARC_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#endif

#ifdef MOVARC_HAVE_XCB_SCREENSAVER
#include <xcb/screensaver.h>
#endif

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifdef MOVARC_HAVE_DBUS
// A service that has not answered by then never will: the hold is given up, not waited for.
constexpr int ServiceTimeoutMs = 5000;
// A service takes its name before it puts up its objects (Xfce's power manager does): a new owner
// that has no such object yet is asked again this much later, a few times.
constexpr int StartingRetryMs = 500;
constexpr int StartingRetries = 10;

QDBusMessage serviceCall(
    const QString &service, const char *path, const char *interface, const char *method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QLatin1String(path), QLatin1String(interface), QLatin1String(method));
    // Only a service that is running is asked: none is started for the timer's sake.
    call.setAutoStartService(false);
    return call;
}
#endif

} // namespace

ScreenAwake::ScreenAwake(QObject *parent) : QObject(parent) { }

ScreenAwake::~ScreenAwake()
{
    setAwake(false);
}

void ScreenAwake::setAwake(bool awake)
{
    if (awake == m_awake)
        return;
    m_awake = awake;
    if (m_awake) {
        for (Service &service : m_services)
            service.refused = false;
    }
    // Watched first, so that no owner that comes while the holds are asked for is missed.
    watchServices();
    updateServices();
    setXSaverSuspended(m_awake);
    setWindowsDisplayRequired(m_awake);
}

void ScreenAwake::updateServices()
{
    for (Service &service : m_services) {
        if (service.pending)
            continue; // settled when the answer comes
        if (m_awake && !service.cookie && !service.refused)
            hold(service);
        else if (!m_awake && service.cookie)
            release(service);
    }
}

// Only while a hold is wanted: when nothing is to be held, nothing is sent on the bus, and a
// timer that never counts never connects to it.
void ScreenAwake::watchServices()
{
#ifdef MOVARC_HAVE_DBUS
    if (!m_awake) {
        if (m_watcher)
            m_watcher->setWatchedServices({});
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!m_watcher) {
        m_watcher = new QDBusServiceWatcher(this);
        m_watcher->setConnection(bus);
        m_watcher->setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
        connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &name, const QString &, const QString &newOwner) {
                ownerChanged(name, newOwner);
            });
    }
    QStringList names;
    for (const Service &service : m_services)
        names << QLatin1String(service.name);
    m_watcher->setWatchedServices(names);
#endif
}

// A service that went has dropped its holds with its memory, and one that came holds nothing:
// what the earlier owner handed out or was asked is forgotten, and the new one is asked anew.
void ScreenAwake::ownerChanged(const QString &name, const QString &newOwner)
{
#ifdef MOVARC_HAVE_DBUS
    for (Service &service : m_services) {
        if (name != QLatin1String(service.name))
            continue;
        ++service.owners;
        service.pending = false;
        service.refused = false;
        service.startingAnswers = StartingRetries;
        service.cookie.reset();
        service.holder.clear();
    }
    if (!newOwner.isEmpty())
        updateServices();
#else
    Q_UNUSED(name);
    Q_UNUSED(newOwner);
#endif
}

void ScreenAwake::hold(Service &service)
{
#ifdef MOVARC_HAVE_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call
        = serviceCall(QLatin1String(service.name), service.path, service.interface, "Inhibit");
    // GNOME refuses a hold whose application or reason is empty.
    const QString application = QCoreApplication::applicationName();
    call << (application.isEmpty() ? QStringLiteral("Movarc") : application)
         << QStringLiteral("タイマーを表示中");
    service.pending = true;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, ServiceTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, &service, owner = service.owners](QDBusPendingCallWatcher *answered) {
            answered->deleteLater();
            if (owner != service.owners)
                return; // asked of an owner that has gone since
            const QDBusPendingReply<uint> reply = *answered;
            const QDBusError::ErrorType error = reply.error().type();
            if ((error == QDBusError::UnknownObject || error == QDBusError::UnknownMethod
                    || error == QDBusError::UnknownInterface)
                && service.startingAnswers > 0) {
                // Still pending: asked again once the owner has had time to put its object up.
                --service.startingAnswers;
                QTimer::singleShot(StartingRetryMs, this, [this, &service, owner] {
                    if (owner != service.owners)
                        return;
                    service.pending = false;
                    updateServices();
                });
                return;
            }
            service.pending = false;
            if (reply.isError()) {
                service.refused = true;
            } else {
                service.cookie = reply.value();
                service.holder = reply.reply().service();
            }
            updateServices(); // a release asked for meanwhile
        });
#else
    Q_UNUSED(service);
#endif
}

void ScreenAwake::release(Service &service)
{
#ifdef MOVARC_HAVE_DBUS
    // To the very owner that handed out the cookie: should it have gone unseen, the call reaches
    // nobody rather than a successor that never issued that cookie.
    QDBusMessage call = serviceCall(service.holder, service.path, service.interface, "UnInhibit");
    call << *service.cookie;
    // Nothing to wait for: a service that has gone has dropped the hold with its client list.
    QDBusConnection::sessionBus().send(call);
#endif
    service.cookie.reset();
    service.holder.clear();
}

void ScreenAwake::setXSaverSuspended(bool suspended)
{
#ifdef MOVARC_HAVE_XCB_SCREENSAVER
    // The X server counts suspensions per client, so each one is lifted exactly once; it lifts
    // them itself when the client goes.
    if (suspended == m_xSuspended)
        return;
    const auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *const connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_query_extension_reply_t *const extension
        = xcb_get_extension_data(connection, &xcb_screensaver_id);
    if (!extension || !extension->present)
        return;
    xcb_screensaver_suspend(connection, suspended ? 1 : 0);
    xcb_flush(connection);
    m_xSuspended = suspended;
#else
    Q_UNUSED(suspended);
#endif
}

void ScreenAwake::setWindowsDisplayRequired(bool required)
{
#ifdef Q_OS_WIN
    // A state of the calling thread, which is the user-interface thread.
    SetThreadExecutionState(required ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
#else
    Q_UNUSED(required);
#endif
}
