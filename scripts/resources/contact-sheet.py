#!/usr/bin/env python3
"""Draws every picture under resource/ at its own size on one sheet for review.

Usage: contact-sheet.py <resource folder> <output.png>
"""

import os
import sys

from PIL import Image, ImageDraw

root, output = sys.argv[1], sys.argv[2]
paths = sorted(os.path.relpath(os.path.join(d, f), root)
               for d, _, files in os.walk(root) for f in files if f.endswith((".png", ".gif")))

column_width, label_height, columns = 150, 24, 8
rows, row_heights, current = [], [], []
for path in paths:
    current.append(path)
    if len(current) == columns:
        rows.append(current)
        current = []
if current:
    rows.append(current)

def shown_size(path):
    w, h = Image.open(os.path.join(root, path)).size
    # Wide bands are shown cut to the column width; everything else as is.
    return min(w, column_width - 10), min(h, 260)

for row in rows:
    row_heights.append(max(shown_size(p)[1] for p in row) + label_height + 12)

sheet = Image.new("RGB", (column_width * columns, sum(row_heights)), "#FCFCFC")
draw = ImageDraw.Draw(sheet)
y = 0
for row, height in zip(rows, row_heights):
    for i, path in enumerate(row):
        image = Image.open(os.path.join(root, path)).convert("RGBA")
        w, h = shown_size(path)
        x = i * column_width + 5
        sheet.paste(image.crop((0, 0, w, h)), (x, y + 6), image.crop((0, 0, w, h)))
        label = path.replace("icons/", "").replace("images/", "img/")
        draw.text((x, y + height - label_height), label[:24], fill="#333333")
    draw.line((0, y + height - 1, sheet.width, y + height - 1), fill="#DDDDDD")
    y += height
sheet.save(output)
