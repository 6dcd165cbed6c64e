// Start with any list texts, at any clock inside the date range: no error escapes Start, the
// tick, the set-duration display or the list correction, and every instant stays in range.
// The input is: 8 bytes of clock, then the minutes text, a NUL byte, the seconds text.

#include "platform/ApplicationSetup.h"
#include "platform/FormComboBox.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"
#include "window/frmSarvelTimer.h"

#include <QApplication>
#include <QDate>
#include <QTime>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Harness {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<frmSarvelTimer> window;
    DateValue now;
};

Harness &harness()
{
    static Harness h = [] {
        Harness made;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        ApplicationSetup::beforeApplication();
        static int argc = 1;
        static char name[] = "fuzz_start";
        static char *argv[] = { name, nullptr };
        made.app = std::make_unique<QApplication>(argc, argv);
        ApplicationSetup::configure(*made.app);
        made.window = std::make_unique<frmSarvelTimer>();
        return made;
    }();
    return h;
}

bool inRange(const DateValue &d)
{
    return DateValue::isInRange(d.seconds());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Harness &h = harness();
    h.window->clock().setSource([&h] { return h.now; });
    h.window->open();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 8)
        return 0;
    Harness &h = harness();
    frmSarvelTimer &w = *h.window;

    uint64_t raw = 0;
    std::memcpy(&raw, data, 8);
    // Any second of the date range, with a bias towards both ends of it.
    const qint64 first = DateValue::fromLocal(QDate(100, 1, 1), QTime(0, 0)).seconds();
    const qint64 last = DateValue::fromLocal(QDate(9999, 12, 31), QTime(23, 59, 59)).seconds();
    const qint64 span = last - first + 1;
    const qint64 offset = static_cast<qint64>(raw % static_cast<uint64_t>(span));
    h.now = DateValue::fromSeconds(raw & (1ULL << 63) ? last - offset % 100000 : first + offset);

    const char *text = reinterpret_cast<const char *>(data + 8);
    const size_t length = size - 8;
    const void *nul = std::memchr(text, 0, length);
    const size_t minutesLength = nul ? static_cast<const char *>(nul) - text : length;
    w.Combo1->setText(QString::fromUtf8(text, static_cast<qsizetype>(minutesLength)));
    w.Combo2->setText(nul ? QString::fromUtf8(text + minutesLength + 1,
                          static_cast<qsizetype>(length - minutesLength - 1))
                          : QString());

    // Called directly, so that any error would escape to here and end the run.
    w.Option1->select(static_cast<int>(raw % 3));
    w.cmdStart_Click();
    if (!inRange(w.SarvelTimeStart) || !inRange(w.SarvelTimeEnd) || !inRange(w.SarvelTimeNow))
        std::abort();
    w.Timer1_Timer();
    w.Combo1_GotFocus();
    if (raw & 1)
        w.Combo1_Click();
    else
        w.Combo2_Click();
    w.cmdStart_Click();
    w.Timer1_Timer();
    w.cmdStop_Click();
    return 0;
}
