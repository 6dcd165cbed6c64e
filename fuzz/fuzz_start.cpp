// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Start with any list texts, at any clock inside the date range: no error escapes Start, the
// tick, the set-duration display or the list correction (an instant out of range would be one).
// The input is: 8 bytes of clock, then the minutes text, a NUL byte, the seconds text.

#include "../tests/WindowDriver.h"

#include "platform/forms/FormComboBox.h"
#include "platform/forms/OptionArray.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace {
FakeClock fakeClock;
frmSarvelTimer *window = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ProgramSetup::initMain();
    static int argc = 1; // the fuzzer's own options are not for the toolkit
    // Statics made only now end at exit before the ones the toolkit made meanwhile.
    static const auto app = std::make_unique<QApplication>(argc, *argv);
    ProgramSetup::finish();
    static const auto owner = openWindow(fakeClock);
    window = owner.get();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 8)
        return 0;
    uint64_t raw = 0;
    std::memcpy(&raw, data, 8);
    // Any second of the date range, with a bias towards both ends of it.
    const qint64 first = DateValue::fromDouble(-657434).seconds(); // 100-01-01
    const qint64 last = DateValue::fromDouble(2958465).seconds() + 86399; // 9999-12-31 23:59:59
    const qint64 offset = static_cast<qint64>(raw % static_cast<uint64_t>(last - first + 1));
    fakeClock.local = QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC)
                          .addSecs(raw & (1ULL << 63) ? last - offset % 100000 : first + offset);

    const QByteArray texts(
        reinterpret_cast<const char *>(data + 8), static_cast<qsizetype>(size - 8));
    const qsizetype nul = texts.contains('\0') ? texts.indexOf('\0') : texts.size();
    window->Combo1->setText(QString::fromUtf8(texts.left(nul)));
    window->Combo2->setText(QString::fromUtf8(texts.mid(nul + 1)));
    // Called directly, so that any error would escape to here and end the run.
    window->Option1->select(static_cast<int>(raw % 3));
    window->cmdStart_Click();
    window->Timer1_Timer();
    window->Combo1_GotFocus();
    raw & 1 ? window->Combo1_Click() : window->Combo2_Click();
    window->cmdStart_Click();
    window->Timer1_Timer();
    window->cmdStop_Click();
    return 0;
}
