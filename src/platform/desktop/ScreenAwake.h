// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <optional>

// Keeps the display from blanking while the program asks it to, with whatever the desktop
// offers: the screen-saver and power-management services of a Linux desktop session, the X
// server's own saver and display power management, and Windows' display timeout. Each is used
// where it exists. A missing, failing or silent one changes nothing, shows nothing and makes
// nothing wait: calls to services are asynchronous, and a release asked for while a hold is
// still on its way is carried out when the hold arrives. While the display is to be kept awake,
// the services are followed by their bus names: one that restarts, or first starts, is asked at
// once, as the desktop keeps its holds in memory only. Whatever is held is released when this
// object goes; a process that vanishes is released by the desktop itself.
class QDBusServiceWatcher;

class ScreenAwake : public QObject {
    Q_OBJECT
public:
    explicit ScreenAwake(QObject *parent);
    ~ScreenAwake() override;

    bool isAwake() const { return m_awake; }
    void setAwake(bool awake);

private:
    // One desktop service that hands out a cookie for a hold and takes it back to release it.
    struct Service {
        const char *name;
        const char *path;
        const char *interface;
        bool pending = false; // a hold asked for, not yet answered
        bool refused = false; // answered with an error: not asked again until the next hold
        std::optional<uint> cookie {};
        QString holder {}; // the unique bus name of the owner that handed out the cookie
        // How many owners the name has had while watched: the answer of an owner that has gone
        // since it was asked is not waited for, and its cookie means nothing to the next one.
        quint32 owners = 0;
        // How many more times a new owner that has not yet put up its object is asked again.
        int startingAnswers = 0;
    };

    void updateServices();
    void watchServices();
    void ownerChanged(const QString &name, const QString &newOwner);
    void hold(Service &service);
    void release(Service &service);
    void setXSaverSuspended(bool suspended);
    void setWindowsDisplayRequired(bool required);

    bool m_awake = false;
    bool m_xSuspended = false;
    QDBusServiceWatcher *m_watcher = nullptr;
    std::array<Service, 2> m_services { {
        { .name = "org.freedesktop.ScreenSaver",
            .path = "/org/freedesktop/ScreenSaver",
            .interface = "org.freedesktop.ScreenSaver" },
        // Xfce's power manager owns only this name; KDE's owns it too.
        { .name = "org.freedesktop.PowerManagement",
            .path = "/org/freedesktop/PowerManagement/Inhibit",
            .interface = "org.freedesktop.PowerManagement.Inhibit" },
    } };
};
