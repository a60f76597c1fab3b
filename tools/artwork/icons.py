"""The 48 Control Panel icons of the start menu's search catalogue.

Written as ONE strip, menu/control_icons.png, 768x16: icon i (the catalogue
row number, 0 to 47) is the 16x16 square at x = 16 * i. The program loads the
strip as an image list of 16x16 images (e.g. ImageList_Add of the whole
bitmap, or ImageList_LoadImage with cx = 16), so image index = row number.

Each icon is drawn in a 32-unit box (scaled down by half) with bold shapes so
it stays readable at 16 pixels.
"""

import math

from svg import Picture, linear, defs, rect, path, circle, group

ICON, UNITS = 16, 32
INK = "#2a3f56"
GRAD = {
    "blue": ("#6db3f2", "#1a5aa6"), "green": ("#86d46f", "#2c8a29"), "red": ("#ff8a7a", "#c23028"),
    "gold": ("#ffe27a", "#e99a06"), "grey": ("#f6f8fa", "#aab5c0"), "folder": ("#ffd978", "#dc9a1a"),
    "dark": ("#5a6674", "#262d35"), "purple": ("#b99af0", "#6a3fc0"),
}


def _defs():
    return defs(*(linear(name, [(0, a), (1, b)]) for name, (a, b) in GRAD.items()))


def u(name):
    return f"url(#{name})"


def stroke(d, colour=INK, width=3):
    return path(d, stroke=colour, width=width)


def monitor(extra="", screen="blue"):
    return rect(3, 5, 26, 18, u("dark"), rx=2) + rect(5, 7, 22, 14, u(screen)) + extra \
        + rect(12, 23, 8, 3, "#59636e") + rect(8, 26, 16, 3, u("dark"), rx=1)


def person(x, y, s, fill):
    return group(circle(8, 5, 4.5, fill, stroke="#ffffff", width=1)
                 + path("M0 20 C0 12 3 10 8 10 C13 10 16 12 16 20 Z", fill=fill, stroke="#ffffff", width=1),
                 f"translate({x} {y}) scale({s})")


def globe(fill="blue"):
    return circle(16, 16, 13, u(fill), stroke="#134a8c", width=1.5) \
        + f'<ellipse cx="16" cy="16" rx="5.5" ry="13" fill="none" stroke="#ffffff" stroke-width="2"/>' \
        + stroke("M3 16 H29", "#ffffff", 2)


def folder(extra=""):
    return path("M2 7 H12 L15 10 H30 V27 H2 Z", fill="#d09420") + rect(2, 12, 28, 16, u("folder"), rx=1.5,
                                                                        stroke="#a8700f", width=1) + extra


def clock(cx=16, cy=16, r=13):
    return circle(cx, cy, r, "#ffffff", stroke=u("blue"), width=3.5) \
        + stroke(f"M{cx} {cy - r * 0.6} V{cy} L{cx + r * 0.5} {cy + r * 0.35}", INK, 2.8)


def arrows_circle(fill):
    return (path("M7 14 A10 10 0 0 1 25 10", stroke=fill, width=4.5, cap="butt")
            + path("M21 4 L28 11 L19 14 Z", fill=fill)
            + path("M25 18 A10 10 0 0 1 7 22", stroke=fill, width=4.5, cap="butt")
            + path("M11 28 L4 21 L13 18 Z", fill=fill))


def gear(cx, cy, r, teeth=8, fill="grey"):
    pts = []
    for i in range(teeth * 2):
        a = math.pi * i / teeth
        rr = r if i % 2 == 0 else r * 0.75
        for da in (-0.2, 0.2):
            pts.append(f"{cx + rr * math.cos(a + da):.2f} {cy + rr * math.sin(a + da):.2f}")
    return path("M" + " L".join(pts) + " Z", fill=u(fill), stroke=INK, width=1.5) + circle(cx, cy, r * 0.32, "#ffffff",
                                                                                         stroke=INK, width=1.2)


def wrench():
    return path("M5 27 L17 15", stroke="#59636e", width=5) \
        + path("M16 16 C13 9 18 3 25 4 L21 9 L23 12 L27 12 L29 8 C31 15 24 20 18 18", fill=u("grey"),
               stroke=INK, width=1.5)


def shield(fill):
    return path("M16 2 L28 6 V15 C28 23 22 28 16 30 C10 28 4 23 4 15 V6 Z", fill=u(fill), stroke=INK, width=1.5)


def padlock(x, y, s=1.0):
    return group(path("M5 9 V6 A5 5 0 0 1 15 6 V9", stroke=INK, width=2.5) + rect(2, 9, 16, 12, u("gold"), rx=2,
                                                                                    stroke="#8a5a00", width=1.2),
                 f"translate({x} {y}) scale({s})")


def drive(extra=""):
    return rect(3, 11, 26, 14, u("grey"), rx=3, stroke=INK, width=1.5) + circle(24, 18, 2, "#2c8a29") \
        + stroke("M7 18 H16", "#8c99a6", 2) + extra


def window(extra=""):
    return rect(3, 5, 26, 22, "#ffffff", rx=2, stroke=INK, width=1.5) + rect(3, 5, 26, 6, u("blue"), rx=2) + extra


# One entry per catalogue row, in row order.
ROWS = [
    # 0 Power Options: a battery with a bolt
    rect(4, 9, 22, 14, u("green"), rx=2, stroke=INK, width=1.5) + rect(26, 13, 3, 6, INK)
    + path("M17 10 L11 17 H15 L13 22 L20 14 H16 Z", fill="#ffffff"),
    # 1 Notification Area Icons: a tray with three small icons
    rect(2, 18, 28, 10, u("dark"), rx=2) + rect(6, 21, 5, 4, "#7fd36b") + rect(13, 21, 5, 4, "#ffd35c")
    + rect(20, 21, 5, 4, "#6fb5f5") + path("M16 5 V14 M11 10 L16 15 L21 10", stroke=INK, width=3),
    # 2 Taskbar: a screen with its bar
    rect(2, 4, 28, 24, u("blue"), rx=2, stroke=INK, width=1.5) + rect(3, 21, 26, 6, u("dark")) + circle(7, 24, 2, "#ffffff"),
    # 3 Credential Manager: a key
    circle(10, 16, 7, u("gold"), stroke="#8a5a00", width=1.5) + circle(8, 16, 2, "#ffffff")
    + path("M16 14 H29 V19 H26 V22 H22 V18 H16 Z", fill=u("gold"), stroke="#8a5a00", width=1.2),
    # 4 Default Programs: a window with a check mark
    window(stroke("M9 19 L14 23 L23 14", "#2c8a29", 3.5)),
    # 5 RemoteApp and Desktop Connections: a screen with an arrow into it
    monitor(stroke("M9 17 L20 11 M15 10.5 L20.5 10.5 L20 15", "#ffffff", 2.5)),
    # 6 Update: two turning arrows
    arrows_circle("#1a5aa6"),
    # 7 Desktop Gadgets: a screen with tiles on its right
    monitor(rect(18, 9, 7, 4, "#ffffff") + rect(18, 15, 7, 4, "#ffd35c")),
    # 8 Firewall: a brick wall
    rect(3, 6, 26, 21, u("red"), stroke="#7a1a14", width=1.5)
    + stroke("M3 13 H29 M3 20 H29 M12 6 V13 M22 6 V13 M8 13 V20 M18 13 V20 M26 13 V20 M12 20 V27 M22 20 V27",
             "#fbe0dc", 1.5),
    # 9 Phone and Modem: a handset
    path("M8 4 L13 4 L15 10 L12 13 C13 17 15 19 19 20 L22 17 L28 19 L28 24 C28 27 26 28 23 28 C13 27 5 19 4 9 "
         "C4 6 5 4 8 4 Z", fill=u("dark"), stroke=INK, width=1),
    # 10 Speech Recognition: a microphone
    rect(11, 3, 10, 17, u("grey"), rx=5, stroke=INK, width=1.5) + stroke("M7 14 C7 26 25 26 25 14 M16 23 V29 M11 29 H21",
                                                                        INK, 2.5),
    # 11 User Accounts: a person
    person(4, 3, 1.5, u("blue")),
    # 12 Region: a globe
    globe(),
    # 13 HomeGroup: a house
    path("M4 16 L16 5 L28 16", stroke="#1a5aa6", width=3.5) + path("M8 15 V28 H24 V15 L16 8 Z", fill=u("grey"),
                                                                     stroke=INK, width=1.5)
    + rect(13, 19, 6, 9, u("blue")),
    # 14 Mouse
    rect(8, 3, 16, 26, u("grey"), rx=8, stroke=INK, width=1.5) + stroke("M8 13 H24 M16 3 V13", INK, 1.5)
    + rect(14.5, 6, 3, 5, INK, rx=1.5),
    # 15 Folder Options: a folder with a check mark
    folder(stroke("M10 20 L14 24 L22 16", "#ffffff", 3)),
    # 16 Keyboard
    rect(2, 9, 28, 15, u("grey"), rx=2, stroke=INK, width=1.5)
    + "".join(rect(5 + 4 * i, 12, 3, 3, INK) for i in range(6)) + "".join(rect(6 + 4 * i, 16.5, 3, 3, INK) for i in range(5))
    + rect(9, 20.5, 14, 2, INK),
    # 17 Device Manager: a chip
    rect(8, 8, 16, 16, u("dark"), rx=1.5) + "".join(stroke(f"M{9.5 + 4.3 * i} 3 V8 M{9.5 + 4.3 * i} 24 V29 "
                                                          f"M3 {9.5 + 4.3 * i} H8 M24 {9.5 + 4.3 * i} H29", "#8c99a6", 2)
                                                   for i in range(4)) + circle(16, 16, 3, "#7fd36b"),
    # 18 Performance Information and Tools: a bar chart
    rect(5, 18, 5, 10, u("green")) + rect(13, 12, 5, 16, u("gold")) + rect(21, 5, 5, 23, u("blue"))
    + stroke("M3 28.5 H29", INK, 2),
    # 19 Programs and Features: a box
    path("M4 11 L16 5 L28 11 V24 L16 30 L4 24 Z", fill=u("gold"), stroke="#8a5a00", width=1.5)
    + path("M4 11 L16 17 L28 11 M16 17 V30", stroke="#8a5a00", width=1.5),
    # 20 Tablet PC Settings: a tablet and a pen
    rect(4, 3, 20, 26, u("dark"), rx=3) + rect(6.5, 6, 15, 19, u("blue")) + path("M28 6 L20 24 L19 28 L22 25 L30 8 Z",
                                                                                 fill=u("gold"), stroke=INK, width=1),
    # 21 Indexing Options: a magnifier over a page
    rect(4, 3, 17, 22, "#ffffff", rx=1, stroke="#8c99a6", width=1.5) + stroke("M8 9 H17 M8 13 H17", "#8fa6bd", 2)
    + circle(18, 18, 6.5, "#dceeff", stroke=INK, width=2.5) + stroke("M23 23 L29 29", INK, 4),
    # 22 Network and Sharing Center: three linked places
    stroke("M16 9 L7 23 M16 9 L25 23 M7 23 H25", "#59636e", 2.5) + circle(16, 8, 5, u("blue"), stroke=INK, width=1)
    + circle(7, 24, 5, u("green"), stroke=INK, width=1) + circle(25, 24, 5, u("gold"), stroke=INK, width=1),
    # 23 Parental Controls: a grown-up and a child
    person(2, 4, 1.2, u("blue")) + person(17, 12, 0.8, u("green")),
    # 24 AutoPlay: a disc with a play sign
    circle(16, 16, 13, u("grey"), stroke=INK, width=1.5) + circle(16, 16, 3, "#ffffff", stroke=INK, width=1)
    + path("M20 19 L29 24 L20 29 Z", fill="#2c8a29", stroke="#ffffff", width=1),
    # 25 Sync Center: two green turning arrows
    arrows_circle("#2c8a29"),
    # 26 Recovery: an arrow turning back
    path("M9 11 H20 A7 7 0 0 1 20 25 H11", stroke="#1a5aa6", width=4.5) + path("M11 4 L3 11 L11 18 Z", fill="#1a5aa6"),
    # 27 Internet Options: a globe with a gear
    globe() + gear(24, 24, 7),
    # 28 Devices and Printers: a printer
    rect(9, 3, 14, 9, "#ffffff", stroke="#8c99a6", width=1.5) + rect(3, 11, 26, 12, u("grey"), rx=2, stroke=INK, width=1.5)
    + rect(9, 19, 14, 10, "#ffffff", stroke="#8c99a6", width=1.5) + circle(25, 15, 1.5, "#2c8a29"),
    # 29 Color Management: three overlapping colours
    circle(16, 11, 8, "#ff4d4d", opacity=0.85) + circle(11, 20, 8, "#3fbf4a", opacity=0.85)
    + circle(21, 20, 8, "#3d7fff", opacity=0.85),
    # 30 Restore Backups: a drive with a green arrow
    drive(path("M16 2 V10 M11 6 L16 11 L21 6", stroke="#2c8a29", width=3.5)),
    # 31 System: a computer
    monitor(),
    # 32 Action Center: a flag
    stroke("M7 3 V30", INK, 3) + path("M8 4 C14 1 18 8 27 5 V17 C18 20 14 13 8 16 Z", fill=u("blue"), stroke=INK, width=1),
    # 33 Fonts: a letter A
    rect(3, 3, 26, 26, "#ffffff", rx=3, stroke="#8c99a6", width=1.5)
    + path("M9 25 L16 7 L23 25 M11.5 19 H20.5", stroke="#1a5aa6", width=3.5),
    # 34 Language: a speech bubble with writing
    path("M4 5 H28 V21 H14 L8 27 V21 H4 Z", fill=u("blue"), stroke="#134a8c", width=1.5)
    + stroke("M9 11 H23 M9 16 H19", "#ffffff", 2.5),
    # 35 Display: a screen with a sun
    monitor(circle(16, 14, 3.5, "#ffe066") + stroke("M16 8 V9 M16 19 V20 M10 14 H11 M21 14 H22", "#ffe066", 1.5)),
    # 36 Troubleshooting: a wrench
    wrench(),
    # 37 Administrative Tools: a gear and a wrench
    gear(13, 13, 11) + group(wrench(), "translate(8 8) scale(0.75)"),
    # 38 Ease of Access Center: a figure in a circle
    circle(16, 16, 14, u("blue"), stroke="#134a8c", width=1.5) + circle(16, 8.5, 2.6, "#ffffff")
    + stroke("M8 13 H24 M16 13 V20 L11 27 M16 20 L21 27", "#ffffff", 2.8),
    # 39 Defender: a shield
    shield("green") + stroke("M10 16 L14.5 20.5 L22 12", "#ffffff", 3),
    # 40 BitLocker Drive Encryption: a drive with a padlock
    drive() + padlock(14, 9, 0.9),
    # 41 Date and Time: a clock
    clock(),
    # 42 Location Settings: a map pin
    path("M16 30 C10 21 6 17 6 12 A10 10 0 0 1 26 12 C26 17 22 21 16 30 Z", fill=u("red"), stroke="#7a1a14", width=1.5)
    + circle(16, 12, 4, "#ffffff"),
    # 43 Personalization: a palette
    path("M16 3 C7 3 2 9 2 16 C2 24 8 29 15 29 C18 29 18 26 17 24 C16 21 18 20 21 20 C26 20 30 19 30 14 C30 8 24 3 16 3 Z",
         fill=u("gold"), stroke="#8a5a00", width=1.5)
    + circle(9, 13, 2.6, "#e53935") + circle(15, 8.5, 2.6, "#1e88e5") + circle(22, 10, 2.6, "#43a047")
    + circle(9, 21, 2.6, "#8e24aa"),
    # 44 Sound: a speaker
    path("M4 12 H10 L18 5 V27 L10 20 H4 Z", fill=u("grey"), stroke=INK, width=1.5)
    + stroke("M22 11 C25 14 25 18 22 21 M25 7 C30 12 30 20 25 25", "#1a5aa6", 2.5),
    # 45 File History: a folder with a clock
    folder() + clock(22, 21, 8),
    # 46 Pen and Touch: a pen
    path("M24 3 L29 8 L11 26 L4 28 L6 21 Z", fill=u("blue"), stroke=INK, width=1.5) + stroke("M21 6 L26 11", "#ffffff", 1.5)
    + path("M6 21 L11 26 L4 28 Z", fill=INK),
    # 47 16-Bit Application Support: a floppy disk
    rect(4, 4, 24, 24, u("dark"), rx=2) + rect(9, 4, 14, 9, u("grey")) + rect(18, 6, 3, 5, INK)
    + rect(8, 17, 16, 11, "#ffffff", rx=1),
]

assert len(ROWS) == 48


def strip():
    body = _defs() + "".join(group(icon, f"translate({UNITS * i} 0)") for i, icon in enumerate(ROWS))
    return Picture(ICON * len(ROWS), ICON, body, (0, 0, UNITS * len(ROWS), UNITS))


PICTURES = {"menu/control_icons.png": strip()}
