#include "DisplayDescription.h"

QString DisplayDescription::describe(
    Mode mode, const QString &left, const QString &right, bool messageShown)
{
    if (messageShown)
        return QStringLiteral("時間です");
    const QString first = left.trimmed().isEmpty() ? QStringLiteral("0") : left.trimmed();
    const QString second = right.trimmed();
    switch (mode) {
    case Mode::TimeOfDay:
        return QStringLiteral("現在 %1時%2分").arg(first, second);
    case Mode::Elapsed:
        return QStringLiteral("経過 %1分%2秒").arg(first, second);
    case Mode::Remaining:
        break;
    }
    return QStringLiteral("残り %1分%2秒").arg(first, second);
}
