#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a screenshot of the timer window for packaging/windows/check.
Usage: shots.py captions|digits|message SHOT CLIENT_X CLIENT_Y SCALE
  captions: the three buttons' captions are drawn glyphs, not empty boxes (a font without the
            glyphs draws each as a hollow rectangle)
  digits:   the big digits are there, and whole inside the client area
  message:  the time-up message shows in one of the alert's colours"""
import os
import sys
from PIL import Image

# The designed client size and the controls' middles, in pixels at 96 dpi.
with open(os.path.join(os.path.dirname(__file__), "../../scripts/lib/controls"), encoding="utf-8") as f:
    design = {n: (int(x), int(y)) for n, x, y in (line.split() for line in f if line[0] != "#")}

kind, shot, x0, y0, scale = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), float(sys.argv[5])
image = Image.open(shot).convert("RGB")
s = lambda v: round(v * scale)
client = image.crop((x0, y0, x0 + s(design["client"][0]), y0 + s(design["client"][1])))
dark = lambda p: sum(p) < 450


def captions_ok():
    for button in ("start", "stop", "end"):  # 49 x 33 pixels each at 96 dpi
        left = design[button][0] - 24
        # Inside the focus frame that the focused button draws.
        button = client.crop((s(left + 6), s(6), s(left + 43), s(27)))
        w, h = button.size
        ink = [[dark(button.getpixel((x, y))) for x in range(w)] for y in range(h)]
        columns = [any(ink[y][x] for y in range(h)) for x in range(w)]
        glyphs, start = [], None
        for x, c in enumerate(columns + [False]):
            if c and start is None:
                start = x
            elif not c and start is not None:
                glyphs.append((start, x - 1))
                start = None
        if not glyphs:
            return False
        for a, b in glyphs:
            rows = [y for y in range(h) if any(ink[y][a:b + 1])]
            top, bottom = rows[0], rows[-1]
            if b - a >= 5 and bottom - top >= 5:  # a hollow box has no ink inside its outline
                if not any(ink[y][x] for y in range(top + 2, bottom - 1) for x in range(a + 2, b - 1)):
                    return False
    return True


def digits_ok():
    w, h = client.size
    points = [(x, y) for y in range(s(60), h) for x in range(w) if dark(client.getpixel((x, y)))]
    if len(points) < 1000:
        return False
    return max(x for x, _ in points) < w - 4 and max(y for _, y in points) < h - 4


def message_ok():
    colours = {(0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0), (255, 0, 255), (128, 128, 128)}
    lower = client.crop((0, s(56), client.size[0], client.size[1]))
    return sum(1 for p in lower.getdata() if p in colours) > 1500


sys.exit(0 if {"captions": captions_ok, "digits": digits_ok, "message": message_ok}[kind]() else 1)
