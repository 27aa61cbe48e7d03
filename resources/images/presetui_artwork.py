"""The preset manager's pictures: the browser's nine-slice frame, the column captions, the
button pictures and the trash can. All are double-resolution only (the preset manager draws
them at half their pixel size), written as "<name>.png" beside this file.

Imported by generate.py, which calls draw_all(); importing this module points fontconfig at
resources/fonts so that cairo finds the embedded Overpass typefaces (it must happen before any
text is drawn).
"""

import math
import os
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
FONTS = os.path.normpath(os.path.join(HERE, "..", "fonts"))
FONT = "Overpass"


def _use_repository_fonts():
    folder = tempfile.mkdtemp(prefix="brume2-fontconfig-")
    conf = os.path.join(folder, "fonts.conf")
    with open(conf, "w") as f:
        f.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n<fontconfig>\n'
                '  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>\n'
                f'  <dir>{FONTS}</dir>\n  <cachedir>{folder}</cachedir>\n</fontconfig>\n')
    os.environ["FONTCONFIG_FILE"] = conf


_use_repository_fonts()

import cairo  # noqa: E402  (after the fontconfig set-up above)

from artwork_shapes import rgb, rounded_rect, use_text_options  # noqa: E402


def new_surface(drawn_width, drawn_height):
    """A surface of twice the drawn size, with a context that draws in drawn units."""
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, drawn_width * 2, drawn_height * 2)
    ctx = cairo.Context(surface)
    use_text_options(ctx)
    ctx.scale(2, 2)
    return surface, ctx


def write(surface, name):
    surface.flush()
    surface.write_to_png(os.path.join(HERE, f"{name}.png"))


def set_font(ctx, size, semibold=True):
    ctx.select_font_face(FONT, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if semibold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)


def spaced_text(ctx, text, x, baseline, spacing):
    for ch in text:
        ctx.move_to(x, baseline)
        ctx.show_text(ch)
        x += ctx.text_extents(ch).x_advance + spacing


def spaced_width(ctx, text, spacing):
    """Width of the inked text: the advances up to the last letter, then that letter's ink."""
    advances = sum(ctx.text_extents(ch).x_advance for ch in text[:-1]) + spacing * (len(text) - 1)
    last = ctx.text_extents(text[-1])
    return advances + last.x_bearing + last.width


# ---- captions ------------------------------------------------------------------------------

def caption(name, text, drawn_width):
    """Light grey capitals on transparency, 7 drawn pixels tall, left-aligned."""
    surface, ctx = new_surface(drawn_width, 7)
    set_font(ctx, 8.2)
    ctx.set_source_rgba(*rgb(0xBBBBBB))
    spacing = 0.9
    # Tighten the tracking, then the size, until the word fits the picture.
    size = 8.2
    while spaced_width(ctx, text, spacing) > drawn_width - 0.75:
        if spacing > 0.3:
            spacing -= 0.1
        else:
            size -= 0.2
            set_font(ctx, size)
    spaced_text(ctx, text, 0.25, 6.4, spacing)
    write(surface, name)


# ---- the browser's frame -------------------------------------------------------------------

FRAME_PIECES = {
    "top_left": (0, 0), "top": (1, 0), "top_right": (2, 0),
    "left": (0, 1), "centre": (1, 1), "right": (2, 1),
    "bottom_left": (0, 2), "bottom": (1, 2), "bottom_right": (2, 2),
}


def frame():
    """A 48 x 48 box with its shadow, cut into nine 16 x 16 pieces. The box edge lies 11 pixels
    in from the outer sides; the middle pieces are uniform along their edge so they stretch."""
    size, inset, radius = 48, 11, 2.5
    whole, ctx = new_surface(size, size)
    # Soft shadow: stacked rounded rectangles growing outward, faint at the outside.
    layers = 11
    for i in range(layers, 0, -1):
        grow = i
        ctx.set_source_rgba(0, 0, 0, 0.05 * (1 - (i - 1) / layers) ** 1.6 + 0.004)
        rounded_rect(ctx, inset - grow, inset - grow + 1, size - 2 * (inset - grow), size - 2 * (inset - grow),
                     radius + grow)
        ctx.fill()
    # The box: a one-pixel #343434 edge around the #202020 fill.
    rounded_rect(ctx, inset, inset, size - 2 * inset, size - 2 * inset, radius)
    ctx.set_source_rgba(*rgb(0x343434))
    ctx.fill()
    rounded_rect(ctx, inset + 1, inset + 1, size - 2 * inset - 2, size - 2 * inset - 2, radius - 1)
    ctx.set_source_rgba(*rgb(0x202020))
    ctx.fill()
    whole.flush()

    for name, (col, row) in FRAME_PIECES.items():
        piece = cairo.ImageSurface(cairo.FORMAT_ARGB32, 32, 32)
        pctx = cairo.Context(piece)
        pctx.set_source_surface(whole, -col * 32, -row * 32)
        pctx.set_operator(cairo.OPERATOR_SOURCE)
        pctx.paint()
        write(piece, f"pm_frame_{name}")


# ---- buttons -------------------------------------------------------------------------------

def button(name, drawn_width, colour, label, state):
    """A rounded button in a translucent colour with a white label. Pressed: a markedly more
    transparent fill. Inactive: grey with a dim label."""
    surface, ctx = new_surface(drawn_width, 24)
    fill_alpha = {"normal": 0.88, "pressed": 0.45, "inactive": 0.55}[state]
    fill = 0x6C6C6C if state == "inactive" else colour
    rounded_rect(ctx, 0.5, 0.5, drawn_width - 1, 23, 3)
    ctx.set_source_rgba(*rgb(fill, fill_alpha))
    ctx.fill_preserve()
    ctx.set_line_width(1)
    ctx.set_source_rgba(1, 1, 1, 0.10 if state != "pressed" else 0.05)
    ctx.stroke()
    set_font(ctx, 11.5)
    ext = ctx.text_extents(label)
    ctx.move_to(drawn_width / 2 - ext.x_advance / 2, 16.2)
    ctx.set_source_rgba(1, 1, 1, 0.45 if state == "inactive" else 1.0)
    ctx.show_text(label)
    write(surface, name)


BUTTONS = (
    # resource name, drawn width, colour, label, has an inactive picture
    ("pm_btn_save", 53, 0x69A63E, "Save", True),
    ("pm_btn_saveas", 72, 0x69A63E, "Save as...", False),
    ("pm_btn_load", 60, 0x63A5D8, "Load...", False),
    ("pm_btn_export", 68, 0xC95D5D, "Export...", False),
    ("pm_btn_saveas_save", 56, 0x6AA740, "Save", True),
    ("pm_btn_overwrite", 56, 0xC4B248, "Overwrite", False),
    ("pm_btn_cancel", 48, 0xCA5F5F, "Cancel", False),
    ("pm_btn_delete", 48, 0x6CA842, "Delete", False),
)


# ---- trash can -----------------------------------------------------------------------------

def trash(name, colour):
    surface, ctx = new_surface(18, 18)
    ctx.set_source_rgba(*rgb(colour))
    ctx.set_line_width(1.3)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    # lid and handle
    ctx.move_to(4, 5)
    ctx.line_to(14, 5)
    ctx.stroke()
    ctx.move_to(7.3, 4.8)
    ctx.line_to(7.6, 3.3)
    ctx.line_to(10.4, 3.3)
    ctx.line_to(10.7, 4.8)
    ctx.stroke()
    # can
    ctx.move_to(5.2, 6.6)
    ctx.line_to(6, 15)
    ctx.line_to(12, 15)
    ctx.line_to(12.8, 6.6)
    ctx.close_path()
    ctx.stroke()
    # ribs
    for x0, x1 in ((7.6, 7.8), (9, 9), (10.4, 10.2)):
        ctx.move_to(x0, 8.2)
        ctx.line_to(x1, 13.2)
        ctx.stroke()
    write(surface, name)


def draw_all():
    caption("pm_header_category", "CATEGORY", 41)
    caption("pm_header_preset", "PRESET", 30)
    caption("pm_lbl_preset_name", "PRESET NAME", 53)
    frame()
    for name, width, colour, label, has_inactive in BUTTONS:
        button(name, width, colour, label, "normal")
        button(f"{name}_pressed", width, colour, label, "pressed")
        if has_inactive:
            button(f"{name}_inactive", width, colour, label, "inactive")
    trash("pm_trash", 0xC44343)
    trash("pm_trash_pressed", 0xE70C0C)
