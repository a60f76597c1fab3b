"""The start menu window's parts, built into Dravix.exe (menu/<name>.png).

White rounded left pane over a translucent coloured window; controls in the
right column are white-on-colour. Parts that the window stretches are drawn
as one larger picture and cut into pieces, so the joints always match.
"""

from svg import Picture, slices, linear, defs, rect, path, circle

ACCENT = "#2b7bd3"      # the orb's blue
INK = "#2f3b48"         # dark glyph colour on white

PICTURES = {}


def add(name, picture):
    PICTURES[f"menu/{name}.png"] = picture


# --- The nine-part white background: corners 6x6, edges and centre stretched.
def _background():
    panel = Picture(18, 18, rect(0.5, 0.5, 17, 17, "#ffffff", rx=4.5, stroke="#000000", width=1, extra=' stroke-opacity="0.28"')
                    + rect(1.5, 1.5, 15, 15, "none", rx=3.5, stroke="#ffffff", width=1, extra=' stroke-opacity="0.9"'))
    names = [["bg_topleft", "bg_topcenter", "bg_topright"],
             ["bg_centerleft", "bg_center", "bg_centerright"],
             ["bg_bottomleft", "bg_bottomcenter", "bg_bottomright"]]
    for row_names, row_parts in zip(names, slices(panel, [6, 6, 6], [6, 6, 6])):
        for name, part in zip(row_names, row_parts):
            add(name, part)


# --- Separators: 5x5 on the white pane (stretched across), 2x2 in the right column.
def _separators():
    add("step", Picture(5, 5, rect(0, 2, 5, 1, "#d3dbe4") + rect(0, 3, 5, 1, "#ffffff")))
    add("right_step", Picture(2, 2, rect(0, 0, 2, 1, "#000000", opacity=0.22) + rect(0, 1, 2, 1, "#ffffff", opacity=0.35)))


# --- All Programs button: three-part hover face and the two arrows.
def _all_programs():
    face = Picture(9, 23, defs(linear("face", [(0, "#eaf4ff"), (1, "#cfe5fb")]))
                   + rect(0.5, 0.5, 8, 22, "url(#face)", rx=2.5, stroke="#7fb2e5", width=1)
                   + rect(1.5, 1.5, 6, 10, "#ffffff", rx=1.5, opacity=0.55))
    for name, part in zip(["program_left", "program_center", "program_right"], slices(face, [3, 3, 3])[0]):
        add(name, part)
    for name, d in [("program_forward", "M4.3 2.8 L8.2 5.5 L4.3 8.2 Z"), ("program_back", "M6.7 2.8 L2.8 5.5 L6.7 8.2 Z")]:
        add(name, Picture(11, 11, defs(linear("dot", [(0, "#5aa6ee"), (1, "#1a5aa6")]))
                          + circle(5.5, 5.5, 5.2, "url(#dot)") + path(d, fill="#ffffff")))


# --- Search: band behind the box, the box frame, magnifier and clear button.
def _search():
    add("search_band", Picture(5, 44, defs(linear("band", [(0, "#e9eff5"), (1, "#dde5ee")]))
                       + rect(0, 0, 5, 44, "url(#band)") + rect(0, 0, 5, 1, "#c8d3df")
                       + rect(0, 1, 5, 1, "#ffffff", opacity=0.8)))
    add("search_frame", Picture(224, 24, rect(0.5, 0.5, 223, 23, "#ffffff", rx=2, stroke="#a9b8c8", width=1)
                        + rect(1.5, 1.5, 221, 1, "#000000", opacity=0.05)))
    glass = (circle(8.5, 8.5, 4.8, "#ffffff", stroke=INK, width=1.8)
             + path("M12 12 L16.5 16.5", stroke=INK, width=2.6))
    add("search_button", Picture(20, 20, glass))
    cross = path("M7 7 L13 13 M13 7 L7 13", stroke="#5d6b79", width=1.8)
    add("search_clear", Picture(20, 20, cross))
    add("search_clear_hover", Picture(20, 20, defs(linear("hot", [(0, "#e8524a"), (1, "#b92c25")]))
                              + rect(2.5, 2.5, 15, 15, "url(#hot)", rx=3, stroke="#8f1f19", width=1)
                              + path("M7 7 L13 13 M13 7 L7 13", stroke="#ffffff", width=1.8)))


# --- Right column: link highlight, pop-out arrow, separators.
def _links():
    add("link_highlight", Picture(125, 36, defs(linear("lit", [(0, "#ffffff", 0.42), (1, "#ffffff", 0.18)]))
                          + rect(0.5, 0.5, 124, 35, "url(#lit)", rx=3, stroke="#ffffff", width=1, extra=' stroke-opacity="0.6"')
                          + rect(1.5, 1.5, 122, 33, "none", rx=2.5, stroke="#000000", width=1, extra=' stroke-opacity="0.12"')))
    add("popup_arrow", Picture(9, 10, path("M2.5 1.5 L7 5 L2.5 8.5 Z", fill="#ffffff", stroke="#ffffff", width=1)))


def _button(width, height, state, rx=3):
    """A glassy white-on-colour button face in one of three states."""
    fill, edge, shine = {
        "normal": ("#ffffff", 0.16, 0.35),
        "hover": ("#ffffff", 0.30, 0.55),
        "pressed": ("#000000", 0.22, 0.10),
    }[state]
    return (defs(linear(f"b{state}", [(0, fill, edge + 0.08), (1, fill, edge - 0.06)]))
            + rect(0.5, 0.5, width - 1, height - 1, f"url(#b{state})", rx=rx, stroke="#ffffff", width=1,
                   extra=f' stroke-opacity="{shine + 0.15}"')
            + rect(1.5, 1.5, width - 3, height / 2 - 1.5, "#ffffff", rx=max(rx - 1, 0), opacity=shine * 0.35)
            + rect(1, height - 1.5, width - 2, 1, "#000000", opacity=0.15))


STATES = ["normal", "hover", "pressed"]


# --- Shut-down button: left 4x21, middle 1x21, right 4x21 (three states each),
#     and the 23x21 options arrow (normal, hover, open).
def _shut_down():
    for state in STATES:
        face = Picture(9, 21, _button(9, 21, state))
        left, middle, right = slices(face, [4, 1, 4])[0]
        add(f"shutdown_left_{state}", left)
        add(f"shutdown_middle_{state}", middle)
        add(f"shutdown_right_{state}", right)
    for state, face_state in [("normal", "normal"), ("hover", "hover"), ("open", "pressed")]:
        add(f"shutdown_arrow_{state}", Picture(23, 21, _button(23, 21, face_state)
                                                 + path("M9.5 6.5 L14 10.5 L9.5 14.5 Z", fill="#ffffff",
                                                        stroke="#ffffff", width=1)))


# --- Send Feedback button 116x24: normal, hover, pressed (the caption is a label over it).
def _feedback():
    for state in STATES:
        add(f"feedback_{state}", Picture(116, 24, _button(116, 24, state, rx=4)))


# --- Win7 glass border: top/bottom 1x2, left/right 2x1, top corners 5x5.
def _border():
    dark, light = "#000000", "#ffffff"
    edge = lambda w, h, outer, inner: Picture(w, h, rect(*outer, dark, opacity=0.55) + rect(*inner, light, opacity=0.45))
    add("border_top", edge(1, 2, (0, 0, 1, 1), (0, 1, 1, 1)))
    add("border_bottom", edge(1, 2, (0, 1, 1, 1), (0, 0, 1, 1)))
    add("border_left", edge(2, 1, (0, 0, 1, 1), (1, 0, 1, 1)))
    add("border_right", edge(2, 1, (1, 0, 1, 1), (0, 0, 1, 1)))
    corner = (path("M0.5 5 L0.5 4.5 A4 4 0 0 1 4.5 0.5 L5 0.5", stroke=dark, width=1, cap="butt", opacity=0.55)
              + path("M1.5 5 L1.5 4.5 A3 3 0 0 1 4.5 1.5 L5 1.5", stroke=light, width=1, cap="butt", opacity=0.45))
    add("border_topleft", Picture(5, 5, corner))
    add("border_topright", Picture(5, 5, f'<g transform="translate(5 0) scale(-1 1)">{corner}</g>'))


for draw in (_background, _separators, _all_programs, _search, _links, _shut_down, _feedback, _border):
    draw()
