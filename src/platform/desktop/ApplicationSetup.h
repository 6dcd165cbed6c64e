// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

namespace ApplicationSetup {

// Call at the top of main(), before the QApplication exists.
void beforeApplication();
// Call right after constructing the QApplication, before any widget.
void configure(QApplication &app);

} // namespace ApplicationSetup
