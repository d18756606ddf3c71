#!/usr/bin/env python3
"""Renders Garvo's compiled-in pictures and writes resource/resources.qrc.

Glyphs come from the Material Design Icons SVG package (Apache-2.0); bars,
strips, balls and the busy animation are drawn here as SVG. Every SVG is
rendered with rsvg-convert; the GIF frames are assembled with Pillow.

Usage: generate.py <mdi svg folder> <resource folder>
"""

import os
import re
import subprocess
import sys
import tempfile

from PIL import Image

MDI_DIR = sys.argv[1]
OUT = sys.argv[2]
TMP = tempfile.mkdtemp(prefix="garvo-resources-")

# One colour per family; badges shade it, small glyphs use it as is.
GREEN = "#2E7D32"
RED = "#C62828"
BLUE = "#1565C0"
SKY = "#0277BD"
SLATE = "#546E7A"
PURPLE = "#6A1B9A"
ORANGE = "#EF6C00"
TEAL = "#00897B"
PINK = "#AD1457"
INDIGO = "#3949AB"
CYAN = "#00838F"
BROWN = "#6D4C41"
AMBER = "#F29900"
BRAND = "#006E43"
VEHICLE = "#1F6FB2"
MONO = "#555555"

# name: (glyph, colour, sizes). Sizes of 24 and below are plain glyphs,
# larger ones are rounded badges with a white glyph.
ICONS = {
    "add": ("plus-circle", GREEN, [16]),
    "delete": ("delete", RED, [16]),
    "edit": ("pencil", BLUE, [16]),
    "settings": ("cog", SLATE, [16]),
    "cost-report": ("chart-bar", PURPLE, [16]),
    "fuel-report": ("chart-line", ORANGE, [16]),
    "check": ("check-circle", GREEN, [16, 32, 64, 128]),
    "currency": ("cash-multiple", TEAL, [16, 32, 64, 128]),
    "expense": ("receipt-text", PINK, [16, 32, 64]),
    "expenses": ("receipt-text", PINK, [16, 64]),
    "fuel-log": ("gas-station", ORANGE, [16, 24, 32, 64]),
    "odometer-log": ("gauge", SKY, [16, 24, 32, 64]),
    "service": ("wrench", INDIGO, [16, 24, 32, 64]),
    "service-schedule": ("calendar-clock", CYAN, [16, 24, 32, 64]),
    "vehicle-info": ("car-info", VEHICLE, [16, 24, 32, 64]),
    "garage": ("garage-variant", BROWN, [16, 24, 32, 64]),
    "notes": ("note-text", AMBER, [16, 32, 64]),
    "logo": ("car-wrench", BRAND, [32, 64, 128, 256]),
    "money": ("cash", GREEN, [32]),
    "road": ("road-variant", SLATE, [16, 32, 64, 128]),
    "speedometer": ("speedometer", SKY, [32, 64, 128]),
    "steering-wheel": ("steering", "#37474F", [32, 64, 128]),
    "vendor": ("store", TEAL, [32, 48, 64, 128, 256]),
    "lightbulb": ("lightbulb-on", AMBER, [48]),
    "notification": ("bell-ring", "#E64A19", [48]),
    "vehicle-car": ("car-side", VEHICLE, [32, 256]),
    "vehicle-jeep": ("car-lifted-pickup", VEHICLE, [32, 256]),
    "vehicle-van": ("van-utility", VEHICLE, [32, 256]),
    "vehicle-rv": ("rv-truck", VEHICLE, [32, 256]),
    "vehicle-truck": ("truck", VEHICLE, [32, 256]),
    "vehicle-bus": ("bus", VEHICLE, [32, 256]),
    "vehicle-motorcycle": ("motorbike", VEHICLE, [32, 256]),
    "vehicle-bicycle": ("bicycle", VEHICLE, [32, 256]),
    "vehicle-trailer": ("truck-trailer", VEHICLE, [32, 256]),
    "vehicle-agricultural": ("tractor", VEHICLE, [32, 256]),
    "vehicle-machine": ("excavator", VEHICLE, [32, 256]),
    "vehicle-boat": ("sail-boat", VEHICLE, [32, 256]),
    "vehicle-other": ("car-multiple", VEHICLE, [32, 256]),
}

# Icons without a size in their name: file name -> (glyph, colour, size).
PLAIN_ICONS = {
    "logo.png": ("car-wrench", BRAND, 64),
    "dashboard.png": ("view-dashboard", BLUE, 48),
    "report.png": ("chart-box", PURPLE, 48),
    "vehicle.png": ("car-side", VEHICLE, 48),
    "vendor.png": ("store", TEAL, 48),
    "expense.png": ("receipt-text", PINK, 64),
    "notes.png": ("note-text", AMBER, 64),
    "note-stared.png": ("star", "#F9A825", 16),
    "note-unstared.png": ("star-outline", "#9E9E9E", 16),
    "litreButtonImage.png": ("beaker", SKY, 32),
    "gallonButtonImage.png": ("bottle-tonic", SKY, 32),
    "perDistanceButtonImage.png": ("map-marker-distance", GREEN, 32),
    "perQuantityButtonImage.png": ("fuel", ORANGE, 32),
}

BW_ICONS = {
    "fuel-log-16.png": "gas-station",
    "service-16.png": "wrench",
    "odometer-16.png": "gauge",
    "arrow-left-16.png": "arrow-left",
    "images-16.png": "image-multiple",
}

written = []

# The desktop id: .desktop file, metainfo and icon names.
APP_ID = "example.kestrelrow.garvo"
DESKTOP_ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]


def mix(colour, other, amount):
    a = [int(colour[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(other[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join("%02X" % round(x + (y - x) * amount) for x, y in zip(a, b))


def glyph(name):
    with open(os.path.join(MDI_DIR, name + ".svg"), encoding="utf-8") as f:
        return re.search(r'\sd="([^"]+)"', f.read()).group(1)


def render(svg, path, width=None, height=None):
    source = os.path.join(TMP, "picture.svg")
    with open(source, "w", encoding="utf-8") as f:
        f.write(svg)
    target = os.path.join(OUT, path)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    command = ["rsvg-convert", source, "-o", target]
    if width:
        command += ["-w", str(width)]
    if height:
        command += ["-h", str(height)]
    subprocess.run(command, check=True)
    written.append(path)


def small_icon(glyph_name, colour, size, path):
    render('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="1 1 22 22">'
           '<path fill="%s" d="%s"/></svg>' % (size, size, colour, glyph(glyph_name)), path)


def badge_svg(glyph_name, colour, size):
    top = mix(colour, "#FFFFFF", 0.22)
    bottom = mix(colour, "#000000", 0.12)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="{s}" height="{s}" viewBox="0 0 100 100">'
            '<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            '</linearGradient></defs>'
            '<rect x="4" y="5.5" width="92" height="92" rx="21" fill="#000" fill-opacity="0.16"/>'
            '<rect x="4" y="3" width="92" height="92" rx="21" fill="url(#g)"/>'
            '<rect x="4.75" y="3.75" width="90.5" height="90.5" rx="20.25" fill="none" '
            'stroke="#FFF" stroke-opacity="0.25" stroke-width="1.5"/>'
            '<g transform="translate(19.4 17.4) scale(2.55)"><path fill="#FFF" d="{d}"/></g>'
            '</svg>'.format(s=size, top=top, bottom=bottom, d=glyph(glyph_name)))


def badge_icon(glyph_name, colour, size, path):
    render(badge_svg(glyph_name, colour, size), path)


def icon(glyph_name, colour, size, path):
    (small_icon if size <= 24 else badge_icon)(glyph_name, colour, size, path)


def vertical_band(path, width, height, stops, top_line=None, bottom_line=None):
    """A horizontally uniform band: a vertical gradient with optional edge lines."""
    stop_svg = "".join('<stop offset="%s" stop-color="%s"/>' % s for s in stops)
    lines = ""
    if top_line:
        lines += '<rect x="0" y="0" width="%d" height="1" fill="%s"/>' % (width, top_line)
    if bottom_line:
        lines += '<rect x="0" y="%d" width="%d" height="1" fill="%s"/>' % (height - 1, width, bottom_line)
    render('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">'
           '<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">%s</linearGradient></defs>'
           '<rect width="%d" height="%d" fill="url(#g)"/>%s</svg>'
           % (width, height, stop_svg, width, height, lines), path)


def separator_end(path, fade_to_right):
    # Covers the separator line at the ends so that it fades in and out.
    first, last = ("1", "0") if fade_to_right else ("0", "1")
    render('<svg xmlns="http://www.w3.org/2000/svg" width="48" height="1">'
           '<defs><linearGradient id="g" x1="0" y1="0" x2="1" y2="0">'
           '<stop offset="0" stop-color="#FCFCFC" stop-opacity="%s"/>'
           '<stop offset="1" stop-color="#FCFCFC" stop-opacity="%s"/>'
           '</linearGradient></defs><rect width="48" height="1" fill="url(#g)"/></svg>' % (first, last), path)


def ball(path, light, dark, rim):
    render('<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">'
           '<defs><radialGradient id="g" cx="0.38" cy="0.32" r="0.75">'
           '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient></defs>'
           '<circle cx="8" cy="8" r="6.5" fill="url(#g)" stroke="%s" stroke-width="1"/>'
           '<ellipse cx="6.6" cy="5.4" rx="2.6" ry="1.6" fill="#FFF" fill-opacity="0.55"/></svg>'
           % (light, dark, rim), path)


def spinner(path, size=20, frames=12, colour=BRAND):
    """A ring of dots whose bright spot turns; 1-bit transparency on a light matte."""
    images = []
    for frame in range(frames):
        dots = []
        for i in range(frames):
            age = (frame - i) % frames
            opacity = max(0.18, 1.0 - age * 0.12)
            dots.append('<circle cx="10" cy="2.6" r="1.9" fill="%s" fill-opacity="%.2f" '
                        'transform="rotate(%d 10 10)"/>' % (colour, opacity, i * 360 // frames))
        source = os.path.join(TMP, "frame.svg")
        target = os.path.join(TMP, "frame.png")
        with open(source, "w", encoding="utf-8") as f:
            f.write('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 20 20">%s</svg>'
                    % (size, size, "".join(dots)))
        subprocess.run(["rsvg-convert", source, "-o", target], check=True)
        rgba = Image.open(target).convert("RGBA")
        matte = Image.new("RGBA", rgba.size, (246, 246, 246, 255))
        flat = Image.alpha_composite(matte, rgba).convert("RGB")
        frame_image = flat.quantize(colors=63)
        palette = frame_image.getpalette()[:63 * 3] + [255, 0, 255]
        frame_image.putpalette(palette)
        alpha = rgba.getchannel("A")
        frame_image.paste(63, mask=alpha.point(lambda a: 255 if a < 24 else 0))
        images.append(frame_image)
    target = os.path.join(OUT, path)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    images[0].save(target, save_all=True, append_images=images[1:], duration=80, loop=0,
                   transparency=63, disposal=2, optimize=False)
    written.append(path)


def main():
    for name, (glyph_name, colour, sizes) in ICONS.items():
        for size in sizes:
            icon(glyph_name, colour, size, "icons/%s-%d.png" % (name, size))
    for file_name, (glyph_name, colour, size) in PLAIN_ICONS.items():
        icon(glyph_name, colour, size, "icons/" + file_name)
    for file_name, glyph_name in BW_ICONS.items():
        small_icon(glyph_name, MONO, 16, "bwicons/" + file_name)

    # Main window bars: the tool bar shows the lower 80 rows of its picture,
    # page headers the lower rows of the same picture.
    vertical_band("images/windows/main-window-toolbar-background.png", 16, 180,
                  [("0", "#FFFFFF"), ("0.55", "#F6F9FC"), ("1", "#E3ECF6")], bottom_line="#C9D8E8")
    vertical_band("images/windows/main-window-info-bar-background.png", 16, 53,
                  [("0", "#F3F7FB"), ("1", "#E2EAF3")], top_line="#C9D8E8")
    vertical_band("images/toolbar-background.png", 16, 40,
                  [("0", "#FFFFFF"), ("1", "#E8EFF7")], bottom_line="#C9D8E8")
    vertical_band("images/footer-background.png", 16, 33,
                  [("0", "#F3F7FB"), ("1", "#E2EAF3")], top_line="#C9D8E8")
    vertical_band("windows/dialog-background-footer.png", 16, 48,
                  [("0", "#F7F9FC"), ("1", "#EAF0F6")], top_line="#DCE6F0")
    separator_end("images/windows/horizontal-separator-background-left.png", True)
    separator_end("images/windows/horizontal-separator-background-right.png", False)

    ball("images/wizard-ball-clean.png", "#FFFFFF", "#DADFE4", "#AEB6BF")
    ball("images/wizard-ball-green.png", "#8FDB6A", "#2E9B3A", "#23782C")
    spinner("images/working.gif")
    spinner("images/wizard-working-icon.gif")

    # The application icon for desktops, installed into the hicolor theme:
    # the logo badge at every usual size, and as SVG. Not compiled in.
    theme = "desktop/icons/hicolor/"
    for size in DESKTOP_ICON_SIZES:
        badge_icon("car-wrench", BRAND, size, theme + "%dx%d/apps/%s.png" % (size, size, APP_ID))
    scalable = os.path.join(OUT, theme + "scalable/apps/%s.svg" % APP_ID)
    os.makedirs(os.path.dirname(scalable), exist_ok=True)
    with open(scalable, "w", encoding="utf-8") as f:
        f.write(badge_svg("car-wrench", BRAND, 256) + "\n")

    compiled_in = [path for path in written if not path.startswith("desktop/")]
    files = sorted(compiled_in + ["stylesheet/application-stylesheet.css", "doc/license-agreement.txt"])
    with open(os.path.join(OUT, "resources.qrc"), "w", encoding="utf-8") as f:
        f.write("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/resource\">\n")
        for path in files:
            f.write("        <file>%s</file>\n" % path)
        f.write("    </qresource>\n</RCC>\n")


main()
