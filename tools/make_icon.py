#!/usr/bin/env python3
"""Draws the program icon resources/varnotel.ico (16 and 32 pixels).

A sheet of paper whose lines are rows of symbol marks, with a round arrow
that turns them into each other. Run with Debian's python3-pil:
    /usr/bin/python3 tools/make_icon.py
"""
from pathlib import Path

from PIL import Image, ImageDraw

OUT = Path(__file__).resolve().parent.parent / "resources" / "varnotel.ico"

PAPER = (255, 255, 255, 255)
EDGE = (70, 90, 120, 255)
FOLD = (200, 210, 225, 255)
MARK = (40, 80, 170, 255)
ARROW = (220, 110, 20, 255)


def draw(size: int) -> Image.Image:
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    s = size / 32.0

    def p(x, y):
        return (round(x * s), round(y * s))

    # Paper with a folded corner.
    fold = 7
    d.polygon([p(5, 2), p(27 - fold, 2), p(27, 2 + fold), p(27, 29), p(5, 29)], fill=PAPER, outline=EDGE)
    d.polygon([p(27 - fold, 2), p(27 - fold, 2 + fold), p(27, 2 + fold)], fill=FOLD, outline=EDGE)

    # Rows of symbol marks: short dashes of alternating length.
    rows = [8, 13, 18] if size >= 32 else [9, 15]
    for row, y in enumerate(rows):
        x = 8
        for i in range(4):
            w = 3 if (i + row) % 2 else 2
            d.rectangle([p(x, y), p(x + w, y + 1.5)], fill=MARK)
            x += w + 2

    # The round arrow in the lower right corner.
    box = [p(15, 17), p(29, 31)]
    d.arc(box, start=200, end=110, fill=ARROW, width=max(2, round(2.5 * s)))
    tip = [p(20.5, 27), p(24, 32), p(25.5, 25)]
    d.polygon(tip, fill=ARROW)
    return img


def main() -> None:
    images = [draw(32), draw(16)]
    images[0].save(OUT, format="ICO", sizes=[(32, 32), (16, 16)], append_images=images[1:])
    print(f"wrote {OUT}")


if __name__ == "__main__":
    main()
