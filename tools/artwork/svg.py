"""Small SVG helpers shared by the artwork modules.

A picture is a `Picture`: its pixel size and the SVG body drawn in a view box
(by default the same size). `render` turns it into PNG with rsvg-convert.
"""

import os
import subprocess
from dataclasses import dataclass


@dataclass
class Picture:
    width: int
    height: int
    body: str
    view: tuple = None  # (x, y, w, h) of the drawing shown; default the pixel box

    def svg(self):
        x, y, w, h = self.view or (0, 0, self.width, self.height)
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" height="{self.height}" '
                f'viewBox="{x} {y} {w} {h}">\n{self.body}\n</svg>\n')


def render(picture, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["rsvg-convert", "--format=png", "--output", path],
                   input=picture.svg().encode(), check=True)


def crop(picture, x, y, w, h):
    """The part (x, y, w, h) of a picture, as a picture of its own."""
    return Picture(w, h, picture.body, (x, y, w, h))


def slices(picture, columns, rows=None):
    """Cuts a picture into a grid: columns and rows are lists of part sizes.
    Returns the parts row by row as a list of lists."""
    rows = rows or [picture.height]
    parts, top = [], 0
    for h in rows:
        line, left = [], 0
        for w in columns:
            line.append(crop(picture, left, top, w, h))
            left += w
        parts.append(line)
        top += h
    return parts


def linear(ident, stops, x2=0, y2=1):
    """A linear gradient (top to bottom by default); stops: (offset, colour[, opacity])."""
    return (f'<linearGradient id="{ident}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
            + "".join(_stop(s) for s in stops) + "</linearGradient>")


def radial(ident, stops, cx="50%", cy="50%", r="50%"):
    return (f'<radialGradient id="{ident}" cx="{cx}" cy="{cy}" r="{r}">'
            + "".join(_stop(s) for s in stops) + "</radialGradient>")


def _stop(stop):
    offset, colour, *opacity = stop
    alpha = f' stop-opacity="{opacity[0]}"' if opacity else ""
    return f'<stop offset="{offset}" stop-color="{colour}"{alpha}/>'


def defs(*items):
    return "<defs>" + "".join(items) + "</defs>"


def rect(x, y, w, h, fill, rx=0, stroke=None, width=1, opacity=None, extra=""):
    s = f' stroke="{stroke}" stroke-width="{width}"' if stroke else ""
    o = f' opacity="{opacity}"' if opacity is not None else ""
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}"{s}{o}{extra}/>'


def path(d, fill="none", stroke=None, width=1, cap="round", join="round", opacity=None, extra=""):
    s = (f' stroke="{stroke}" stroke-width="{width}" stroke-linecap="{cap}" stroke-linejoin="{join}"'
         if stroke else "")
    o = f' opacity="{opacity}"' if opacity is not None else ""
    return f'<path d="{d}" fill="{fill}"{s}{o}{extra}/>'


def circle(cx, cy, r, fill, stroke=None, width=1, opacity=None):
    s = f' stroke="{stroke}" stroke-width="{width}"' if stroke else ""
    o = f' opacity="{opacity}"' if opacity is not None else ""
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"{s}{o}/>'


def group(body, transform="", opacity=None):
    o = f' opacity="{opacity}"' if opacity is not None else ""
    return f'<g transform="{transform}"{o}>{body}</g>'
