// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the whole-program measurements: one 148.5-point bold label in the same font,
// its text rewritten every 200 ms from the clock, in a window of the timer's size. An argument
// sets another point size (960 for a maximised 4K screen).

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char *argv[])
{
    qputenv("QT_NO_SYNTHESIZED_BOLD_LIMIT", "1");
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
        QStringList { QStringLiteral("BIZ UDGothic"), QStringLiteral("IPAGothic") });
    QLabel label;
    label.setWindowTitle(QStringLiteral("floor"));
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSizeF(argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 148.5);
    font.setBold(true);
    label.setFont(font);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.resize(594, 274);
    const auto update
        = [&label] { label.setText(QTime::currentTime().toString(QStringLiteral("mmss"))); };
    update();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, update);
    timer.start(200);
    label.show();
    return QApplication::exec();
}
