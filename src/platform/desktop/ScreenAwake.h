// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <array>
#include <optional>

// Keeps the display from blanking while the program asks it to, with whatever the desktop
// offers: the screen-saver and power-management services of a Linux desktop session, the X
// server's own saver and display power management, and Windows' display timeout. Each is used
// where it exists. A missing, failing or silent one changes nothing, shows nothing and makes
// nothing wait: calls to services are asynchronous, and a release asked for while a hold is
// still on its way is carried out when the hold arrives. Whatever is held is released when
// this object goes; a process that vanishes is released by the desktop itself.
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
        std::optional<uint> cookie;
    };

    void updateServices();
    void hold(Service &service);
    void release(Service &service);
    void setXSaverSuspended(bool suspended);
    void setWindowsDisplayRequired(bool required);

    bool m_awake = false;
    bool m_xSuspended = false;
    std::array<Service, 2> m_services { {
        { "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
            "org.freedesktop.ScreenSaver", false, false, {} },
        // Xfce's power manager owns only this name; KDE's owns it too.
        { "org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
            "org.freedesktop.PowerManagement.Inhibit", false, false, {} },
    } };
};
