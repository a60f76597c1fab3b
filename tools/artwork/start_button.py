"""The start button: a lit blue orb with a four-tile glyph (built in) and the
amber "Classic" file skin."""

from svg import Picture

BUTTON = 54
# The taskbar is 40 px thick and the button window 54 px: the picture is
# drawn 7 px into the window's overhang, so the orb sits in the upper 40 px.
ORB_CX, ORB_CY, ORB_R = 27, 20, 17


def orb(top, bottom, rim, glyph, glow=None, inset=False):
    """A round start button: a lit sphere with a four-tile glyph."""
    return Picture(BUTTON, BUTTON, _orb_body(top, bottom, rim, glyph, glow, inset))


def _orb_body(top, bottom, rim, glyph, glow, inset):
    shade = 0.35 if inset else 0.0
    glow_part = ""
    if glow:
        glow_part = f"""
  <circle cx="{ORB_CX}" cy="{ORB_CY}" r="{ORB_R + 4}" fill="url(#glow)"/>"""
    tiles = []
    size, gap = 6.5, 2.0
    left = ORB_CX - size - gap / 2
    upper = ORB_CY - size - gap / 2 + (0.8 if inset else 0)
    for row in range(2):
        for col in range(2):
            x = left + col * (size + gap)
            y = upper + row * (size + gap)
            tiles.append(f'<rect x="{x:.1f}" y="{y:.1f}" width="{size}" height="{size}" rx="1.6" fill="{glyph}"/>')
    return f"""  <defs>
    <radialGradient id="body" cx="50%" cy="30%" r="75%">
      <stop offset="0" stop-color="{top}"/>
      <stop offset="1" stop-color="{bottom}"/>
    </radialGradient>
    <linearGradient id="shine" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffffff" stop-opacity="{0.55 - shade:.2f}"/>
      <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
    </linearGradient>
    <radialGradient id="glow" cx="50%" cy="50%" r="50%">
      <stop offset="0.6" stop-color="{glow or '#000000'}" stop-opacity="0.9"/>
      <stop offset="1" stop-color="{glow or '#000000'}" stop-opacity="0"/>
    </radialGradient>
  </defs>{glow_part}
  <circle cx="{ORB_CX}" cy="{ORB_CY + 1}" r="{ORB_R}" fill="#000000" fill-opacity="0.35"/>
  <circle cx="{ORB_CX}" cy="{ORB_CY}" r="{ORB_R}" fill="url(#body)" stroke="{rim}" stroke-width="1.2"/>
  <ellipse cx="{ORB_CX}" cy="{ORB_CY - 7}" rx="{ORB_R - 5}" ry="{ORB_R / 2 - 1:.1f}" fill="url(#shine)"/>
  {' '.join(tiles)}"""


PICTURES = {
    # The built-in look: deep blue, lit cyan on hover, pressed darker.
    "button/normal.png": orb("#3f8fd8", "#0b3466", "#0a2344", "#ffffff"),
    "button/hover.png": orb("#62b4ff", "#135099", "#0d2d57", "#ffffff", glow="#7fd4ff"),
    "button/pressed.png": orb("#1f5fa3", "#06203f", "#041629", "#e3f1ff", inset=True),
    # "Classic": a warm amber orb, shipped as files beside the program.
    "StartButtonSkin/Classic_normal.png": orb("#f2b441", "#8a4a05", "#5a3003", "#fffaf0"),
    "StartButtonSkin/Classic_hover.png": orb("#ffd170", "#a95d0b", "#6b3a05", "#ffffff", glow="#ffd98a"),
    "StartButtonSkin/Classic_click.png": orb("#c98a22", "#5e3103", "#3f2102", "#fff3dc", inset=True),
}
