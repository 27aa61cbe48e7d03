#!/usr/bin/python3
"""Draws the editor's artwork: every picture at its normal size and, where the editor loads a
double-resolution variant, exactly twice as large as "<name>2x.png".

Run from anywhere: /usr/bin/python3 resources/images/generate.py
Needs Debian's python3-cairo and fonts-roboto-unhinted. The output is deterministic (the
texture noise is seeded), so regenerating only changes files whose drawing changed.
"""

import math
import os
import random

# The preset manager's pictures live in their own module; importing it first also lets cairo find
# the embedded Overpass typefaces.
import presetui_artwork

import cairo

from artwork_shapes import rgb, rounded_rect, use_text_options  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "Roboto"

PAGE_COLOURS = {
    "haas": 0xDA5B5B,
    "pan": 0x8CB95B,
    "ms": 0xF5A623,
    "gain": 0x4A90E2,
}
TAB_WIDTHS = {"haas": 51, "pan": 45, "ms": 45, "gain": 50}
TAB_TITLES = {"haas": "HAAS", "pan": "PAN", "ms": "MS", "gain": "GAIN"}

BAR_DARK = (0x24 / 255, 0x24 / 255, 0x29 / 255)
BAR_DARKER = (0x1B / 255, 0x1B / 255, 0x1F / 255)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def save(name, width, height, draw, scales=(1, 2)):
    for scale in scales:
        surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width * scale, height * scale)
        ctx = cairo.Context(surface)
        use_text_options(ctx)
        ctx.scale(scale, scale)
        draw(ctx, width, height, scale, surface)
        surface.flush()
        suffix = "2x" if scale == 2 else ""
        surface.write_to_png(os.path.join(HERE, f"{name}{suffix}.png"))


def set_font(ctx, size, bold=False):
    ctx.select_font_face(FONT, cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)


def text_centred(ctx, text, cx, baseline, spacing=0.0):
    """Draws text centred on cx, with extra letter spacing."""
    if spacing == 0.0:
        ext = ctx.text_extents(text)
        ctx.move_to(cx - ext.x_advance / 2, baseline)
        ctx.show_text(text)
        return
    widths = [ctx.text_extents(ch).x_advance for ch in text]
    total = sum(widths) + spacing * (len(text) - 1)
    x = cx - total / 2
    for ch, w in zip(text, widths):
        ctx.move_to(x, baseline)
        ctx.show_text(ch)
        x += w + spacing


def add_noise(surface, amount, seed):
    """Adds fine, seeded monochrome grain to an opaque surface."""
    rng = random.Random(seed)
    data = surface.get_data()
    stride = surface.get_stride()
    w, h = surface.get_width(), surface.get_height()
    buf = bytearray(data)
    for y in range(h):
        row = y * stride
        for x in range(w):
            i = row + x * 4
            n = int(rng.gauss(0.0, amount))
            for c in range(3):
                v = buf[i + c] + n
                buf[i + c] = 0 if v < 0 else 255 if v > 255 else v
    data[:] = bytes(buf)
    surface.mark_dirty()


# ---- window backgrounds -------------------------------------------------------------------

def draw_bg(ctx, w, h, scale, surface):
    # Light, slightly warm paper under the band pages; a soft vertical falloff and vignette.
    grad = cairo.LinearGradient(0, 0, 0, h)
    grad.add_color_stop_rgb(0.0, 0.905, 0.902, 0.890)
    grad.add_color_stop_rgb(0.55, 0.878, 0.875, 0.862)
    grad.add_color_stop_rgb(1.0, 0.835, 0.831, 0.816)
    ctx.set_source(grad)
    ctx.paint()
    vignette = cairo.RadialGradient(w / 2, h * 0.45, h * 0.3, w / 2, h * 0.45, w * 0.62)
    vignette.add_color_stop_rgba(0.0, 0, 0, 0, 0.0)
    vignette.add_color_stop_rgba(1.0, 0, 0, 0, 0.10)
    ctx.set_source(vignette)
    ctx.paint()
    # The band area (editor y 58 to 260, from x 41) as a slightly lighter, recessed panel; the
    # picture starts at editor y 37.
    px, py, pw, ph = 41, 21, w - 41, 202
    panel = cairo.LinearGradient(0, py, 0, py + ph)
    panel.add_color_stop_rgba(0.0, 1, 1, 1, 0.30)
    panel.add_color_stop_rgba(0.5, 1, 1, 1, 0.22)
    panel.add_color_stop_rgba(1.0, 1, 1, 1, 0.12)
    ctx.set_source(panel)
    ctx.rectangle(px, py, pw, ph)
    ctx.fill()
    inner = cairo.LinearGradient(0, py, 0, py + 6)
    inner.add_color_stop_rgba(0.0, 0, 0, 0, 0.07)
    inner.add_color_stop_rgba(1.0, 0, 0, 0, 0.0)
    ctx.set_source(inner)
    ctx.rectangle(px, py, pw, 6)
    ctx.fill()
    ctx.set_source_rgba(0, 0, 0, 0.06)
    ctx.rectangle(px, py, 1, ph)
    ctx.fill()
    # Faint quarter lines: where "L" and "R" point, and the centre.
    for fraction, alpha in ((0.25, 0.035), (0.5, 0.06), (0.75, 0.035)):
        ctx.set_source_rgba(0, 0, 0, alpha)
        ctx.rectangle(px, py + ph * fraction - 0.5, pw, 1)
        ctx.fill()
    # Caption strip along the bottom edge.
    ctx.set_source_rgba(0, 0, 0, 0.035)
    ctx.rectangle(0, h - 20, w, 20)
    ctx.fill()
    surface.flush()
    add_noise(surface, 3.2, 7 * scale)


def draw_topbar(ctx, w, h, scale, surface):
    bar = 37
    grad = cairo.LinearGradient(0, 0, 0, bar)
    grad.add_color_stop_rgb(0.0, 0.180, 0.180, 0.200)
    grad.add_color_stop_rgb(1.0, 0.118, 0.118, 0.133)
    ctx.set_source(grad)
    ctx.rectangle(0, 0, w, bar)
    ctx.fill()
    # Hairline highlight along the top and a darker edge at the bottom of the bar.
    ctx.set_source_rgba(1, 1, 1, 0.07)
    ctx.rectangle(0, 0, w, 1)
    ctx.fill()
    ctx.set_source_rgba(0, 0, 0, 0.55)
    ctx.rectangle(0, bar - 1, w, 1)
    ctx.fill()
    # Soft shadow cast onto the band area below.
    shadow = cairo.LinearGradient(0, bar, 0, h)
    shadow.add_color_stop_rgba(0.0, 0, 0, 0, 0.22)
    shadow.add_color_stop_rgba(1.0, 0, 0, 0, 0.0)
    ctx.set_source(shadow)
    ctx.rectangle(0, bar, w, h - bar)
    ctx.fill()
    surface.flush()
    # Grain on the bar only.
    rng = random.Random(11 * scale)
    data = surface.get_data()
    stride = surface.get_stride()
    buf = bytearray(data)
    for y in range(bar * scale):
        for x in range(w * scale):
            i = y * stride + x * 4
            n = int(rng.gauss(0.0, 1.6))
            for c in range(3):
                v = buf[i + c] + n
                buf[i + c] = 0 if v < 0 else 255 if v > 255 else v
    data[:] = bytes(buf)
    surface.mark_dirty()


def draw_preset_bg(ctx, w, h, scale, surface):
    rounded_rect(ctx, 0.5, 0.5, w - 1, h - 1, 4)
    grad = cairo.LinearGradient(0, 0, 0, h)
    grad.add_color_stop_rgb(0.0, 0.075, 0.075, 0.086)
    grad.add_color_stop_rgb(1.0, 0.105, 0.105, 0.118)
    ctx.set_source(grad)
    ctx.fill_preserve()
    ctx.set_line_width(1)
    ctx.set_source_rgba(1, 1, 1, 0.10)
    ctx.stroke()
    # Inner top shadow: the field looks recessed into the bar.
    rounded_rect(ctx, 1.5, 1.5, w - 3, h - 3, 3)
    ctx.set_source_rgba(0, 0, 0, 0.35)
    ctx.set_line_width(1)
    ctx.stroke()


# ---- logos and captions --------------------------------------------------------------------

def draw_brume_logo(ctx, w, h, scale, surface):
    set_font(ctx, 15, bold=True)
    word = "BRUME"
    spacing = 2.2
    widths = [ctx.text_extents(ch).x_advance for ch in word]
    total = sum(widths) + spacing * (len(word) - 1)
    set_font(ctx, 15)
    two = ctx.text_extents("2").x_advance
    x = (w - (total + 6 + two)) / 2
    baseline = 14.5
    set_font(ctx, 15, bold=True)
    ctx.set_source_rgb(0.93, 0.93, 0.94)
    for ch, cw in zip(word, widths):
        ctx.move_to(x, baseline)
        ctx.show_text(ch)
        x += cw + spacing
    x += 6 - spacing
    set_font(ctx, 15)
    grad = cairo.LinearGradient(x, 0, x + two, 0)
    grad.add_color_stop_rgba(0.0, *rgb(PAGE_COLOURS["ms"]))
    grad.add_color_stop_rgba(1.0, *rgb(PAGE_COLOURS["haas"]))
    ctx.set_source(grad)
    ctx.move_to(x, baseline)
    ctx.show_text("2")


def draw_maker_logo(ctx, w, h, scale, surface):
    set_font(ctx, 7.4, bold=True)
    ctx.set_source_rgba(0.29, 0.29, 0.29, 0.85)
    text_centred(ctx, "ZUVOTONE", w / 2, 7.2)


def caption(text):
    def draw(ctx, w, h, scale, surface):
        set_font(ctx, 8.6)
        ctx.set_source_rgb(0.33, 0.33, 0.34)
        text_centred(ctx, text, w / 2, 8.4)
    return draw


def letter(text):
    def draw(ctx, w, h, scale, surface):
        set_font(ctx, 10.5, bold=True)
        ctx.set_source_rgb(0.36, 0.36, 0.37)
        ext = ctx.text_extents(text)
        ctx.move_to((w - ext.x_advance) / 2, 8.6)
        ctx.show_text(text)
    return draw


# ---- tabs, pencil, bypass ------------------------------------------------------------------

def tab(page, state):
    colour = PAGE_COLOURS[page]
    title = TAB_TITLES[page]

    def draw(ctx, w, h, scale, surface):
        if state == "active":
            grad = cairo.LinearGradient(0, 0, 0, h)
            grad.add_color_stop_rgba(0.0, *mix(BAR_DARK + (1.0,), rgb(colour), 0.10))
            grad.add_color_stop_rgba(1.0, *mix(BAR_DARK + (1.0,), rgb(colour), 0.30))
            ctx.set_source(grad)
            ctx.rectangle(0, 0, w, h)
            ctx.fill()
            glow = cairo.RadialGradient(w / 2, h, 1, w / 2, h, w * 0.7)
            glow.add_color_stop_rgba(0.0, *rgb(colour, 0.35))
            glow.add_color_stop_rgba(1.0, *rgb(colour, 0.0))
            ctx.set_source(glow)
            ctx.rectangle(0, 0, w, h)
            ctx.fill()
            ctx.set_source_rgba(*rgb(colour))
            ctx.rectangle(0, h - 3, w, 3)
            ctx.fill()
            text_colour = (1, 1, 1, 1)
        elif state == "hover":
            ctx.set_source_rgba(1, 1, 1, 0.06)
            ctx.rectangle(0, 0, w, h)
            ctx.fill()
            ctx.set_source_rgba(*rgb(colour, 0.75))
            ctx.rectangle(6, h - 2, w - 12, 2)
            ctx.fill()
            text_colour = (0.90, 0.90, 0.92, 1)
        else:
            ctx.set_source_rgba(*rgb(colour, 0.55))
            ctx.arc(w / 2, h - 7, 1.6, 0, 2 * math.pi)
            ctx.fill()
            text_colour = (0.56, 0.56, 0.60, 1)
        # Separators between the tabs.
        ctx.set_source_rgba(0, 0, 0, 0.45)
        ctx.rectangle(w - 1, 7, 1, h - 14)
        ctx.fill()
        ctx.set_source_rgba(1, 1, 1, 0.05)
        ctx.rectangle(w - 2, 7, 1, h - 14)
        ctx.fill()
        set_font(ctx, 10.5, bold=(state == "active"))
        ctx.set_source_rgba(*text_colour)
        text_centred(ctx, title, (w - 1) / 2, 22, spacing=0.9)
    return draw


def pencil_path(ctx, cx, cy, length, width):
    """A pencil lying at 45 degrees, tip towards the lower left."""
    ctx.save()
    ctx.translate(cx, cy)
    ctx.rotate(-math.pi / 4)
    half = width / 2
    body = length * 0.62
    tip = length * 0.24
    cap = length * 0.14
    x0 = -length / 2
    # tip
    ctx.move_to(x0, 0)
    ctx.line_to(x0 + tip, -half)
    ctx.line_to(x0 + tip, half)
    ctx.close_path()
    # body
    ctx.rectangle(x0 + tip + 0.8, -half, body - 0.8, width)
    # cap
    ctx.rectangle(x0 + tip + body + 0.9, -half, cap - 0.9, width)
    ctx.restore()


def pencil(colour):
    def draw(ctx, w, h, scale, surface):
        cx, cy = w / 2, h / 2 - 1
        if colour is None:
            ctx.set_source_rgba(0.55, 0.55, 0.59, 1)
        else:
            rounded_rect(ctx, cx - 13, cy - 12, 26, 24, 5)
            ctx.set_source_rgba(*rgb(colour, 0.22))
            ctx.fill_preserve()
            ctx.set_source_rgba(*rgb(colour, 0.85))
            ctx.set_line_width(1)
            ctx.stroke()
            ctx.set_source_rgba(*rgb(colour))
        pencil_path(ctx, cx, cy, 18, 5)
        ctx.fill()
        # separator on the right like the tabs
        ctx.set_source_rgba(0, 0, 0, 0.45)
        ctx.rectangle(w - 1, 7, 1, h - 14)
        ctx.fill()
    return draw


def bypass(active):
    def draw(ctx, w, h, scale, surface):
        cx, cy = w / 2, h / 2
        ctx.arc(cx, cy, 10.5, 0, 2 * math.pi)
        if active:
            grad = cairo.RadialGradient(cx, cy - 3, 1, cx, cy, 11)
            grad.add_color_stop_rgba(0.0, *rgb(0xF0B14A))
            grad.add_color_stop_rgba(1.0, *rgb(0xC77A14))
            ctx.set_source(grad)
        else:
            ctx.set_source_rgba(0.10, 0.10, 0.115, 1)
        ctx.fill_preserve()
        ctx.set_line_width(1)
        ctx.set_source_rgba(1, 1, 1, 0.16 if not active else 0.35)
        ctx.stroke()
        glyph = (0.16, 0.10, 0.02, 1) if active else (0.62, 0.62, 0.66, 1)
        ctx.set_source_rgba(*glyph)
        ctx.set_line_width(1.8)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.arc(cx, cy + 0.5, 5.2, -math.pi / 2 + 0.75, 3 * math.pi / 2 - 0.75)
        ctx.stroke()
        ctx.move_to(cx, cy - 6.2)
        ctx.line_to(cx, cy - 0.5)
        ctx.stroke()
    return draw


# ---- small icons ---------------------------------------------------------------------------

def arrow(direction, white):
    def draw(ctx, w, h, scale, surface):
        ctx.set_source_rgba(1, 1, 1, 1) if white else ctx.set_source_rgba(0.5, 0.5, 0.52, 1)
        ctx.set_line_width(2.4)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        if direction == "left":
            ctx.move_to(10.5, 3)
            ctx.line_to(5, 8)
            ctx.line_to(10.5, 13)
        else:
            ctx.move_to(5.5, 3)
            ctx.line_to(11, 8)
            ctx.line_to(5.5, 13)
        ctx.stroke()
    return draw


def zoom_icon(with_disc):
    def draw(ctx, w, h, scale, surface):
        c = w / 2
        if with_disc:
            ctx.arc(c, c, 15.5, 0, 2 * math.pi)
            disc = cairo.LinearGradient(0, 0, 0, h)
            disc.add_color_stop_rgb(0.0, 0.90, 0.90, 0.91)
            disc.add_color_stop_rgb(1.0, 0.74, 0.74, 0.76)
            ctx.set_source(disc)
            ctx.fill()
        # dark square cut by a light diagonal
        rounded_rect(ctx, c - 7.5, c - 7.5, 15, 15, 2.5)
        ctx.set_source_rgb(0.14, 0.14, 0.16)
        ctx.fill()
        ctx.set_source_rgb(0.80, 0.80, 0.82)
        ctx.set_line_width(2.6)
        ctx.move_to(c - 7.5, c + 7.5)
        ctx.line_to(c + 7.5, c - 7.5)
        ctx.stroke()
    return draw


def main():
    save("bg", 700, 280, draw_bg)
    save("topbar_bg", 700, 45, draw_topbar)
    save("preset_bg", 246, 22, draw_preset_bg)
    save("brume_logo", 90, 18, draw_brume_logo)
    save("zuvotone_logo", 40, 8, draw_maker_logo)
    save("lbl_l", 6, 9, letter("L"))
    save("lbl_r", 8, 9, letter("R"))
    for name, text in (("lbl_80hz", "80 Hz"), ("lbl_600hz", "600 Hz"), ("lbl_2_8khz", "2.8 kHz"),
                       ("lbl_6_4khz", "6.4 kHz"), ("lbl_11khz", "11 kHz")):
        save(name, 41, 10, caption(text))
    for page in PAGE_COLOURS:
        for state in ("default", "hover", "active"):
            save(f"btn_{page}_{state}", TAB_WIDTHS[page], 37, tab(page, state))
        save(f"btn_drawmode_active_{page}", 45, 37, pencil(PAGE_COLOURS[page]))
    save("btn_drawmode_default", 45, 37, pencil(None))
    save("btn_bypass_default", 24, 24, bypass(False))
    save("btn_bypass_active", 24, 24, bypass(True))
    # Loaded at their own size only.
    for direction in ("left", "right"):
        save(f"arrow_{direction}_white", 16, 16, arrow(direction, True), scales=(1,))
        save(f"arrow_{direction}_grey", 16, 16, arrow(direction, False), scales=(1,))
    save("zoom_normal", 32, 32, zoom_icon(True), scales=(1,))
    save("zoom_pressed", 32, 32, zoom_icon(False), scales=(1,))
    # ---- the preset manager's pictures (presetui_artwork.py)
    presetui_artwork.draw_all()


if __name__ == "__main__":
    main()
