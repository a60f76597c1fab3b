"""Pictures of the program folder's Resources\\ (copied beside Dravix.exe).

    userframe.png  72x72 frame of the floating user picture; the program draws
                   the user's picture over it at (13, 12), 46x46
    user.png       46x46 default user picture: a neutral person silhouette
    <link>.png     72x72 large picture of each right-hand link, shown in place
                   of the frame while the link is hovered

Every link picture is one symbol on the same soft shadow, drawn in a 72-unit
box with a common palette.
"""

from svg import Picture, linear, radial, defs, rect, path, circle, group

SIZE = 72
BLUE = ("#6fb5f5", "#1c5fae")
FOLDER = ("#ffd978", "#e3a321")
GREY = ("#f4f6f8", "#b9c3cd")
INK = "#24415f"

PICTURES = {}


def _gradients():
    return defs(
        linear("blue", [(0, BLUE[0]), (1, BLUE[1])]),
        linear("folder", [(0, FOLDER[0]), (1, FOLDER[1])]),
        linear("folderback", [(0, "#e8b544"), (1, "#c98a18")]),
        linear("grey", [(0, GREY[0]), (1, GREY[1])]),
        linear("screen", [(0, "#4aa3f0"), (1, "#0d3f7e")]),
        linear("green", [(0, "#7fd36b"), (1, "#2e8a2a")]),
        linear("red", [(0, "#ff8a7a"), (1, "#c8322a")]),
        linear("gold", [(0, "#ffe27a"), (1, "#f0a30a")]),
        radial("shadow", [(0, "#000000", 0.35), (1, "#000000", 0)]),
    )


def link_picture(body):
    """A 72x72 link picture: a soft ground shadow and the symbol."""
    return Picture(SIZE, SIZE, _gradients() + f'<ellipse cx="36" cy="64" rx="28" ry="5" fill="url(#shadow)"/>' + body)


def folder(emblem=""):
    """A folder seen from the front, with an emblem on its face."""
    return (path("M8 16 h20 l5 5 h31 v39 h-56 Z", fill="url(#folderback)", stroke="#a8700f")
            + rect(12, 22, 48, 30, "#ffffff", rx=1, stroke="#d0d6dc")
            + path("M6 28 h60 l-3 32 h-54 Z", fill="url(#folder)", stroke="#b57b12")
            + path("M7.5 29.5 h57", stroke="#ffffff", width=1, opacity=0.7)
            + emblem)


def person(cx, cy, scale, fill, stroke=None):
    """Head and shoulders, centred on (cx, cy) in a 40-unit box."""
    body = (circle(20, 13, 8, fill, stroke=stroke) +
            path("M4 38 C4 26 11 23 20 23 C29 23 36 26 36 38 Z", fill=fill, stroke=stroke))
    return group(body, f"translate({cx - 20 * scale} {cy - 20 * scale}) scale({scale})")


def monitor(x, y, w, h):
    return (rect(x, y, w, h, "#39424d", rx=3, stroke="#1d232a")
            + rect(x + 3, y + 3, w - 6, h - 7, "url(#screen)", rx=1)
            + path(f"M{x + 3} {y + 3} h{w - 6} l-{w * 0.45} {h * 0.55} h-{w * 0.55 - 6} Z", fill="#ffffff", opacity=0.15))


def symbols():
    note = path("M28 20 L52 14 V46", stroke=INK, width=4) + path("M28 20 V52", stroke=INK, width=4) \
        + f'<ellipse cx="23" cy="53" rx="7" ry="5.5" fill="{INK}"/><ellipse cx="47" cy="47" rx="7" ry="5.5" fill="{INK}"/>'
    star = "M36 8 L43.5 25 L62 26.5 L48 38.5 L52.5 57 L36 47 L19.5 57 L24 38.5 L10 26.5 L28.5 25 Z"
    gear = _gear(48, 44, 12, 8)
    return {
        "PersonalFolder.png": folder(person(36, 44, 0.55, "url(#blue)", "#184f8f")),
        "documents.png": folder(rect(18, 12, 30, 38, "#ffffff", rx=1.5, stroke="#8c99a6")
                                + path("M23 20 h20 M23 25 h20 M23 30 h20 M23 35 h14", stroke="#8fa6bd", width=2)),
        "pictures.png": group(rect(8, 12, 56, 44, "#ffffff", rx=2, stroke="#8c99a6")
                              + rect(12, 16, 48, 36, "url(#screen)")
                              + circle(48, 26, 5, "#ffe066")
                              + path("M12 52 L28 32 L40 46 L46 40 L60 52 Z", fill="url(#green)")),
        "music.png": circle(36, 34, 26, "url(#grey)", stroke="#8c99a6") + group(note, "translate(36 34) scale(0.8) translate(-37 -34)"),
        "Homegroup.png": path("M10 34 L36 12 L62 34", stroke="#1c5fae", width=5)
                         + path("M17 31 V58 H55 V31 L36 16 Z", fill="url(#grey)", stroke="#8c99a6")
                         + person(29, 46, 0.42, "#2e8a2a") + person(43, 46, 0.42, "url(#blue)"),
        "Videos.png": rect(8, 14, 56, 42, "#2b2f35", rx=3)
                      + "".join(rect(11, 17 + 7 * i, 5, 4, "#ffffff", rx=1) + rect(56, 17 + 7 * i, 5, 4, "#ffffff", rx=1)
                                for i in range(6))
                      + rect(19, 17, 34, 36, "url(#screen)", rx=1)
                      + path("M31 27 L43 35 L31 43 Z", fill="#ffffff"),
        "Downloads.png": circle(36, 34, 26, "url(#green)", stroke="#22661f")
                         + path("M36 18 V46 M25 36 L36 47 L47 36", stroke="#ffffff", width=6),
        "RecordedTV.png": monitor(8, 12, 56, 40) + path("M28 58 h16", stroke="#39424d", width=4)
                          + circle(53, 22, 5, "url(#red)", stroke="#ffffff", width=1.5),
        "games.png": path("M14 26 C6 26 4 52 12 54 C18 56 22 46 28 46 H44 C50 46 54 56 60 54 C68 52 66 26 58 26 Z",
                          fill="url(#grey)", stroke="#59636e", width=1.5)
                     + path("M21 33 V43 M16 38 H26", stroke=INK, width=3.5)
                     + circle(50, 34, 3, "#2e8a2a") + circle(56, 40, 3, "#c8322a")
                     + circle(44, 40, 3, "#1c5fae") + circle(50, 46, 3, "#f0a30a"),
        "RecentItems.png": circle(36, 34, 26, "#ffffff", stroke="url(#blue)", width=5)
                           + path("M36 18 V34 L47 41", stroke=INK, width=4),
        "Favorites.png": path(star, fill="url(#gold)", stroke="#b87700", width=1.5),
        "Computer.png": monitor(8, 10, 56, 40) + path("M30 50 L28 58 H44 L42 50 Z", fill="#59636e")
                        + rect(20, 58, 32, 4, "#39424d", rx=1.5),
        "Network.png": circle(36, 34, 26, "url(#blue)", stroke="#184f8f")
                       + f'<ellipse cx="36" cy="34" rx="11" ry="26" fill="none" stroke="#ffffff" stroke-width="2" opacity="0.8"/>'
                       + path("M10 34 H62 M14 21 H58 M14 47 H58", stroke="#ffffff", width=2, opacity=0.8),
        "ConnectTo.png": monitor(4, 10, 34, 26) + monitor(34, 32, 34, 26)
                         + path("M22 40 V48 H30 M50 28 V20 H42", stroke="#2e8a2a", width=4),
        "ControlPanel.png": rect(10, 10, 52, 48, "url(#grey)", rx=4, stroke="#8c99a6")
                            + "".join(path(f"M{x} 18 V50", stroke="#59636e", width=3)
                                      + rect(x - 5, y, 10, 7, "url(#blue)", rx=2, stroke="#184f8f")
                                      for x, y in [(22, 38), (36, 22), (50, 32)]),
        "DevicesandPrinters.png": rect(18, 10, 36, 18, "#ffffff", stroke="#8c99a6")
                                  + rect(8, 26, 56, 24, "url(#grey)", rx=4, stroke="#59636e")
                                  + rect(18, 44, 36, 16, "#ffffff", stroke="#8c99a6")
                                  + path("M23 50 h26 M23 55 h18", stroke="#8fa6bd", width=2) + circle(55, 33, 2.5, "#2e8a2a"),
        "DefaultPrograms.png": rect(8, 12, 56, 44, "#ffffff", rx=3, stroke="#59636e")
                               + rect(8, 12, 56, 9, "url(#blue)", rx=3)
                               + path("M22 38 L32 47 L51 27", stroke="#2e8a2a", width=6),
        "AdministrativeTools.png": gear
                                   + path("M14 58 L38 34", stroke="#59636e", width=7)
                                   + path("M38 34 C34 24 42 14 52 17 L45 24 L47 30 L53 32 L60 25 C62 35 52 42 42 38",
                                          fill="url(#grey)", stroke="#59636e", width=2),
        "HelpandSupport.png": circle(36, 34, 26, "url(#blue)", stroke="#184f8f")
                              + path("M27 27 C27 19 45 19 45 27 C45 34 36 33 36 41", stroke="#ffffff", width=6)
                              + circle(36, 50, 3.8, "#ffffff"),
        "run.png": rect(8, 14, 56, 40, "#ffffff", rx=3, stroke="#59636e")
                   + rect(8, 14, 56, 9, "url(#blue)", rx=3)
                   + path("M18 32 L26 38 L18 44", stroke=INK, width=3.5) + path("M30 45 H42", stroke=INK, width=3.5),
    }


def _gear(cx, cy, r, teeth):
    import math
    points = []
    for i in range(teeth * 2):
        a = math.pi * i / teeth
        rr = r if i % 2 == 0 else r * 0.78
        for da in (-0.18, 0.18):
            points.append(f"{cx + rr * math.cos(a + da):.2f} {cy + rr * math.sin(a + da):.2f}")
    return path("M" + " L".join(points) + " Z", fill="url(#blue)", stroke="#184f8f") + circle(cx, cy, r * 0.35, "#ffffff")


def user_frame():
    """The frame: a rounded glassy square with a white mat; the user picture
    covers the mat's inside (13, 12, 46, 46)."""
    return Picture(SIZE, SIZE, defs(linear("rim", [(0, "#ffffff", 0.95), (0.5, "#dbe8f5", 0.9), (1, "#9fb9d4", 0.9)]),
                                    radial("drop", [(0.7, "#000000", 0.35), (1, "#000000", 0)]))
                   + rect(3, 4, 66, 66, "#000000", rx=9, opacity=0.25)
                   + rect(4.5, 3.5, 63, 63, "url(#rim)", rx=8, stroke="#5d7fa3", width=1)
                   + rect(11.5, 10.5, 49, 49, "#ffffff", rx=2, stroke="#7d95ad", width=1))


def user_picture():
    return Picture(46, 46, defs(linear("sky", [(0, "#d9ecfc"), (1, "#8bbbe6")]),
                                linear("figure", [(0, "#ffffff"), (1, "#e4eef7")]))
                   + rect(0, 0, 46, 46, "url(#sky)")
                   + person(23, 26, 1.05, "url(#figure)", "#6f95bb"))


PICTURES["Resources/userframe.png"] = user_frame()
PICTURES["Resources/user.png"] = user_picture()
for _name, _body in symbols().items():
    PICTURES[f"Resources/{_name}"] = link_picture(_body)
