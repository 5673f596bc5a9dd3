#!/usr/bin/env python3
"""Writes the pictures of zepmain into data/: the tool-bar bitmaps (data/icons/*.svg, each
named after its bitmap in lower case; the ...1 form is the enabled one, the ...0 form the
disabled one), the program icon (velt_icon.svg), the logo of the About dialog (logo.svg) and
the splash picture (data/splash.svg, 640 x 480, with room at the right edge for the version
text the program draws on it).

Every picture is drawn here from a few shapes; run the script after changing one and commit
what it writes. A disabled form is its enabled form in greys, so that a disabled button reads
as the same command.
"""
from pathlib import Path

INK = "#26323f"      # outlines
BLUE = "#2f6fd0"
LIGHTBLUE = "#8fb8f0"
GREEN = "#2e9a45"
RED = "#d7352b"
ORANGE = "#e9a23b"
YELLOW = "#f4cf4a"
PAPER = "#ffffff"
STEEL = "#7d8a98"
DARK = "#1d2733"

GREYS = {  # the disabled form: every colour to a grey of about its lightness
    INK: "#9aa3ad", BLUE: "#b3bac2", LIGHTBLUE: "#d3d8dd", GREEN: "#b0b7be", RED: "#b7bdc4",
    ORANGE: "#c4c9ce", YELLOW: "#d8dcdf", PAPER: "#f2f3f4", STEEL: "#bfc5cb", DARK: "#a4acb5",
}


def svg(size, body, view=24):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
            f'viewBox="0 0 {view} {view}">\n{body}</svg>\n')


def stroke(colour=INK, width=1.2):
    return (f'stroke="{colour}" stroke-width="{width}" stroke-linejoin="round" '
            f'stroke-linecap="round"')


def page(x=5, y=2.5, w=13, h=19, corner=4):
    """A sheet of paper with a folded corner."""
    return (f'<path d="M{x} {y} h{w - corner} l{corner} {corner} v{h - corner} h{-w} z" '
            f'fill="{PAPER}" {stroke()}/>\n'
            f'<path d="M{x + w - corner} {y} v{corner} h{corner}" fill="none" {stroke()}/>\n')


def scanner(x, y):
    """A small fixed-mount scanner: a box with its red reading window."""
    return (f'<rect x="{x}" y="{y}" width="14" height="7" rx="1.5" fill="{STEEL}" {stroke()}/>\n'
            f'<rect x="{x + 3}" y="{y + 2.2}" width="8" height="2.6" rx="0.6" fill="{RED}"/>\n')


def arrow_up(cx, top, bottom, colour):
    return (f'<path d="M{cx} {top} l5 5.5 h-3 v{bottom - top - 5.5} h-4 v{-(bottom - top - 5.5)} '
            f'h-3 z" fill="{colour}" {stroke()}/>\n')


def arrow_down(cx, top, bottom, colour):
    return (f'<path d="M{cx} {bottom} l5 -5.5 h-3 v{-(bottom - top - 5.5)} h-4 v{bottom - top - 5.5} '
            f'h-3 z" fill="{colour}" {stroke()}/>\n')


def bars(x, y, h, pattern, unit=1.0, colour=INK):
    """Barcode bars: pattern is a string of widths, bars and gaps alternating."""
    out, pos = [], x
    for i, c in enumerate(pattern):
        w = int(c) * unit
        if i % 2 == 0:
            out.append(f'<rect x="{pos:.2f}" y="{y}" width="{w:.2f}" height="{h}" fill="{colour}"/>')
        pos += w
    return "\n".join(out) + "\n"


ICONS = {
    "newfile": page() + (
        f'<path d="M17.5 13.5 l1.1 2.4 2.6 0.3 -1.9 1.8 0.5 2.6 -2.3 -1.3 -2.3 1.3 0.5 -2.6 '
        f'-1.9 -1.8 2.6 -0.3 z" fill="{YELLOW}" {stroke(width=0.9)}/>\n'),
    "open": (
        f'<path d="M2.5 6 h6 l2 2 h9 v11.5 h-17 z" fill="{ORANGE}" {stroke()}/>\n'
        f'<path d="M2.5 19.5 l3 -8 h17 l-3 8 z" fill="{YELLOW}" {stroke()}/>\n'),
    "save": (
        f'<path d="M3 3 h15 l3 3 v15 h-18 z" fill="{BLUE}" {stroke()}/>\n'
        f'<rect x="6.5" y="3" width="9" height="6" fill="{LIGHTBLUE}" {stroke(width=1)}/>\n'
        f'<rect x="12" y="4.2" width="2" height="3.6" fill="{INK}"/>\n'
        f'<rect x="5.5" y="12" width="12" height="9" fill="{PAPER}" {stroke(width=1)}/>\n'
        f'<path d="M7.5 15 h8 M7.5 17.5 h8" {stroke(width=0.8)}/>\n'),
    "print": (
        f'<rect x="6.5" y="2.5" width="11" height="7" fill="{PAPER}" {stroke()}/>\n'
        f'<rect x="2.5" y="8.5" width="19" height="9" rx="1.5" fill="{STEEL}" {stroke()}/>\n'
        f'<circle cx="18" cy="11.5" r="1" fill="{GREEN}"/>\n'
        f'<rect x="6.5" y="14.5" width="11" height="7" fill="{PAPER}" {stroke()}/>\n'
        f'<path d="M8.5 17 h7 M8.5 19 h5" {stroke(width=0.8)}/>\n'),
    # Upload: the scanner's parameters come up out of it into the program.
    "upload": scanner(5, 15.5) + arrow_up(12, 2, 14.5, GREEN),
    # Download: the program's parameters go down into the scanner.
    "dnload": scanner(5, 15.5) + arrow_down(12, 2, 14.5, BLUE),
    "factory": (
        f'<path d="M2.5 21.5 v-9 l5 -3.5 v3.5 l5 -3.5 v3.5 l5 -3.5 v-6 h3 v18.5 z" '
        f'fill="{STEEL}" {stroke()}/>\n'
        f'<rect x="5" y="15" width="3" height="3" fill="{YELLOW}" {stroke(width=0.8)}/>\n'
        f'<rect x="10" y="15" width="3" height="3" fill="{YELLOW}" {stroke(width=0.8)}/>\n'
        f'<rect x="15" y="15" width="3" height="3" fill="{YELLOW}" {stroke(width=0.8)}/>\n'),
    "term": (
        f'<rect x="2" y="3.5" width="20" height="15" rx="1.5" fill="{DARK}" {stroke()}/>\n'
        f'<path d="M5.5 8 l3 3 -3 3" fill="none" {stroke(GREEN, 1.6)}/>\n'
        f'<path d="M10.5 14 h5" {stroke(GREEN, 1.6)}/>\n'
        f'<path d="M8 21 h8" {stroke(width=1.6)}/>\n'),
    # The scanner type: a hand-held scanner over a barcode, its red beam on the bars.
    "scantyp": (
        bars(2, 15, 6.5, "1212113121", 0.9) +
        f'<path d="M3 13.5 L13 6.5 L15 9 Z" fill="{RED}" opacity="0.55"/>\n'
        f'<path d="M11 3 h9 a2 2 0 0 1 2 2 v2.5 a2 2 0 0 1 -2 2 h-3.5 l-1 4 h-3 l1 -4 h-2.5 z" '
        f'fill="{BLUE}" {stroke()}/>\n'),
    # Port settings: a 9-pin serial connector.
    "handshak": (
        f'<path d="M2 7 h20 l-2.5 10 h-15 z" fill="{STEEL}" {stroke()}/>\n' +
        "".join(f'<circle cx="{6 + 3 * i}" cy="10.3" r="1" fill="{INK}"/>\n' for i in range(5)) +
        "".join(f'<circle cx="{7.5 + 3 * i}" cy="13.7" r="1" fill="{INK}"/>\n' for i in range(4))),
    "green": (
        f'<circle cx="12" cy="12" r="8" fill="{GREEN}" {stroke()}/>\n'
        f'<circle cx="9.5" cy="9" r="2.5" fill="{PAPER}" opacity="0.6"/>\n'),
    "red": (
        f'<circle cx="12" cy="12" r="8" fill="{RED}" {stroke()}/>\n'
        f'<circle cx="9.5" cy="9" r="2.5" fill="{PAPER}" opacity="0.6"/>\n'),
    # From the scanner (upload) and to the scanner (download), as arrows beside a scanner.
    "from": (
        f'<rect x="14" y="6" width="8" height="12" rx="1.5" fill="{STEEL}" {stroke()}/>\n'
        f'<rect x="16" y="9" width="4" height="6" rx="0.6" fill="{RED}"/>\n'
        f'<path d="M2 12 l5.5 -5 v3 h5 v4 h-5 v3 z" fill="{GREEN}" {stroke()}/>\n'),
    "to": (
        f'<rect x="14" y="6" width="8" height="12" rx="1.5" fill="{STEEL}" {stroke()}/>\n'
        f'<rect x="16" y="9" width="4" height="6" rx="0.6" fill="{RED}"/>\n'
        f'<path d="M12.5 12 l-5.5 -5 v3 h-5 v4 h5 v3 z" fill="{BLUE}" {stroke()}/>\n'),
}

# Which forms each bitmap has: (name, enabled form "1", disabled form "0").
FORMS = {
    "newfile": ["1"], "open": ["1"], "save": ["1"], "print": ["1", "0"], "upload": ["1", "0"],
    "dnload": ["1", "0"], "factory": ["1", "0"], "term": ["1"], "scantyp": [""],
    "handshak": [""], "green": [""], "red": [""], "from": [""], "to": [""],
}


def greyed(text):
    for colour, grey in GREYS.items():
        text = text.replace(colour, grey)
    return text


LOGO = (
    f'<rect x="1" y="1" width="62" height="62" rx="10" fill="{DARK}"/>\n' +
    bars(10, 12, 30, "21131121312112", 1.55, PAPER) +
    f'<rect x="6" y="26" width="52" height="2.2" fill="{RED}"/>\n'
    f'<text x="32" y="56" font-family="DejaVu Sans, sans-serif" font-size="12" '
    f'font-weight="bold" fill="{PAPER}" text-anchor="middle">ZEP</text>\n')

PROGRAM_ICON = (
    f'<rect x="1" y="1" width="46" height="46" rx="8" fill="{DARK}"/>\n' +
    bars(6, 27, 15, "2113112131", 1.5, PAPER) +
    f'<path d="M7 25 L27 14 L30 18 Z" fill="{RED}" opacity="0.7"/>\n'
    f'<path d="M24 6 h15 a3 3 0 0 1 3 3 v4 a3 3 0 0 1 -3 3 h-6 l-2 7 h-5 l2 -7 h-4 z" '
    f'fill="{BLUE}" stroke="{PAPER}" stroke-width="1.5" stroke-linejoin="round"/>\n')


def splash():
    """640 x 480. The program draws the version text turned by 90 degrees upwards from
    (600, 220), so the band x 570..615, y 20..230 stays free."""
    barcode = bars(64, 150, 170, "3121141213112131211241", 9.2, PAPER)
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">
<defs>
 <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#1f3d66"/><stop offset="1" stop-color="#0c1624"/>
 </linearGradient>
 <linearGradient id="beam" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="{RED}" stop-opacity="0"/>
  <stop offset="0.15" stop-color="#ff4a3d" stop-opacity="1"/>
  <stop offset="0.85" stop-color="#ff4a3d" stop-opacity="1"/>
  <stop offset="1" stop-color="{RED}" stop-opacity="0"/>
 </linearGradient>
</defs>
<rect width="640" height="480" fill="url(#sky)"/>
<rect x="40" y="130" width="400" height="210" rx="10" fill="#ffffff" opacity="0.07"/>
{barcode}<rect x="30" y="232" width="440" height="5" fill="url(#beam)"/>
<rect x="30" y="228" width="440" height="13" fill="url(#beam)" opacity="0.25"/>
<text x="64" y="96" font-family="DejaVu Sans, sans-serif" font-size="54" font-weight="bold"
 fill="#ffffff">ZEP Setup</text>
<text x="66" y="392" font-family="DejaVu Sans, sans-serif" font-size="20" fill="#c9d6e6">Configuration of ZEP barcode scanners</text>
<text x="66" y="420" font-family="DejaVu Sans, sans-serif" font-size="15" fill="#8ea3bd">RS-232 · upload · download · scripts · reports</text>
<rect x="560" y="0" width="80" height="480" fill="#000000" opacity="0.25"/>
</svg>
"""


def main():
    data = Path(__file__).resolve().parent.parent / "data"
    icons = data / "icons"
    icons.mkdir(exist_ok=True)
    for name, body in ICONS.items():
        for form in FORMS[name]:
            text = svg(24, body)
            (icons / f"{name}{form}.svg").write_text(greyed(text) if form == "0" else text)
    (icons / "logo.svg").write_text(svg(64, LOGO, 64))
    (icons / "velt_icon.svg").write_text(svg(48, PROGRAM_ICON, 48))
    (data / "splash.svg").write_text(splash())


if __name__ == "__main__":
    main()
