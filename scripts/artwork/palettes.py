"""The three looks: light grey (silver), light blue (blue) and dark (black).

Every colour of the theme texts and images comes from these tables. The
window-frame colours, the status-bar text colours and the gallery colours
are the values the themes are specified with; the rest is ours.
"""

from raster import mix, shade

# Hot, pressed and checked faces are the same warm, soft highlight in every
# look, so a control reads the same whatever the frame around it.
_HIGHLIGHTS = dict(
    hot_top=(255, 249, 227), hot_bottom=(255, 231, 163), hot_border=(236, 196, 110),
    pressed_top=(253, 224, 155), pressed_bottom=(247, 198, 104), pressed_border=(196, 146, 68),
    checked_top=(254, 236, 188), checked_bottom=(251, 214, 132), checked_border=(214, 166, 82),
)

SILVER = dict(
    name="Silver",
    text=(59, 59, 59), text_gray=(138, 138, 138), group_text=(59, 59, 59),
    tab_text=(59, 59, 59), tab_selected_text=(38, 38, 38),
    ribbon_face=(232, 235, 238), ribbon_inactive=(240, 241, 243),
    groups_top=(253, 253, 254), groups_bottom=(232, 235, 239), group_border=(193, 199, 207),
    group_hot_top=(255, 255, 255), group_hot_bottom=(240, 243, 246),
    tab_top=(255, 255, 255), tab_bottom=(253, 253, 254), tab_border=(193, 199, 207),
    frame_top=(246, 247, 249), frame_bottom=(235, 237, 240),
    frame_inactive_top=(250, 250, 250), frame_inactive_bottom=(248, 247, 247),
    border=((101, 109, 117), (255, 255, 255), (235, 237, 240), (235, 237, 240)),
    border_inactive=((134, 139, 145), (248, 247, 247), (248, 247, 247), (248, 247, 247)),
    caption_text=(59, 59, 59), caption_text_inactive=(138, 138, 138),
    caption_title=(59, 59, 59),
    status_top=(243, 245, 247), status_bottom=(223, 227, 232), status_line=(190, 196, 203),
    status_dark_top=(219, 224, 230), status_dark_bottom=(202, 208, 215),
    status_text=(59, 59, 59), status_text_gray=(181, 190, 198),
    popup_face=(250, 250, 250), popup_border=(167, 171, 176), popup_band=(240, 242, 244),
    separator=(197, 197, 197), workspace=(204, 209, 215),
    edit_back=(255, 255, 255), edit_border=(171, 177, 185),
    glyph=(86, 92, 99), glyph_disabled=(176, 180, 186), glyph_hot=(40, 44, 49),
    scroll_track=(240, 242, 244), scroll_track_pressed=(214, 219, 225),
    scroll_button_top=(250, 251, 252), scroll_button_bottom=(228, 232, 236),
    scroll_border=(190, 196, 203), thumb_top=(248, 249, 250), thumb_bottom=(221, 226, 231),
    thumb_border=(171, 177, 185),
    tooltip_light=(255, 255, 255), tooltip_dark=(228, 231, 235), tooltip_border=(118, 118, 118),
    accent=(62, 109, 165), accent_dark=(44, 84, 134), accent_text=(255, 255, 255),
    gallery_selected=(255, 255, 255), gallery_normal=(255, 255, 255),
    gallery_border=(198, 202, 205),
    tab_frame=(171, 177, 185), tab_dark_shadow=(130, 137, 145), tab_light_shadow=(246, 247, 248),
    menu_bar_text=(59, 59, 59), dark=False,
)

BLUE = dict(
    name="Blue",
    text=(30, 57, 91), text_gray=(132, 158, 189), group_text=(30, 57, 91),
    tab_text=(30, 57, 91), tab_selected_text=(21, 66, 139),
    ribbon_face=(213, 228, 242), ribbon_inactive=(227, 237, 248),
    groups_top=(247, 251, 255), groups_bottom=(219, 232, 246), group_border=(160, 184, 214),
    group_hot_top=(255, 255, 255), group_hot_bottom=(232, 241, 251),
    tab_top=(251, 253, 255), tab_bottom=(247, 251, 255), tab_border=(160, 184, 214),
    frame_top=(223, 235, 247), frame_bottom=(199, 217, 238),
    frame_inactive_top=(233, 241, 250), frame_inactive_bottom=(223, 235, 247),
    border=((144, 154, 166), (209, 227, 242), (187, 206, 230), (187, 206, 230)),
    border_inactive=((162, 173, 185), (223, 235, 247), (223, 235, 247), (233, 235, 247)),
    caption_text=(30, 57, 91), caption_text_inactive=(106, 128, 168),
    caption_title=(30, 57, 91),
    status_top=(223, 235, 248), status_bottom=(199, 218, 239), status_line=(160, 184, 214),
    status_dark_top=(193, 213, 237), status_dark_bottom=(173, 199, 229),
    status_text=(30, 57, 91), status_text_gray=(132, 158, 189),
    popup_face=(250, 252, 255), popup_border=(134, 155, 184), popup_band=(233, 240, 249),
    separator=(197, 210, 227), workspace=(171, 196, 226),
    edit_back=(255, 255, 255), edit_border=(141, 170, 205),
    glyph=(48, 76, 112), glyph_disabled=(160, 180, 205), glyph_hot=(21, 45, 77),
    scroll_track=(232, 240, 250), scroll_track_pressed=(199, 218, 239),
    scroll_button_top=(246, 250, 255), scroll_button_bottom=(212, 227, 244),
    scroll_border=(160, 184, 214), thumb_top=(242, 248, 255), thumb_bottom=(204, 222, 243),
    thumb_border=(141, 170, 205),
    tooltip_light=(255, 255, 255), tooltip_dark=(221, 233, 247), tooltip_border=(118, 118, 118),
    accent=(42, 92, 170), accent_dark=(27, 68, 134), accent_text=(255, 255, 255),
    gallery_selected=(242, 247, 252), gallery_normal=(237, 245, 253),
    gallery_border=(177, 192, 214),
    tab_frame=(59, 97, 156), tab_dark_shadow=(0, 53, 154), tab_light_shadow=(117, 166, 241),
    menu_bar_text=(30, 57, 91), dark=False,
)

BLACK = dict(
    name="Black",
    text=(226, 226, 226), text_gray=(107, 107, 107), group_text=(0, 0, 0),
    tab_text=(226, 226, 226), tab_selected_text=(0, 0, 0),
    ribbon_face=(68, 68, 68), ribbon_inactive=(86, 86, 86),
    groups_top=(214, 214, 214), groups_bottom=(183, 183, 183), group_border=(122, 122, 122),
    group_hot_top=(228, 228, 228), group_hot_bottom=(198, 198, 198),
    tab_top=(226, 226, 226), tab_bottom=(214, 214, 214), tab_border=(122, 122, 122),
    frame_top=(98, 98, 98), frame_bottom=(78, 78, 78),
    frame_inactive_top=(120, 120, 120), frame_inactive_bottom=(104, 104, 104),
    border=((99, 99, 99), (131, 131, 131), (113, 113, 113), (113, 113, 113)),
    border_inactive=((119, 119, 119), (158, 158, 158), (158, 158, 158), (158, 158, 158)),
    caption_text=(226, 226, 226), caption_text_inactive=(212, 212, 212),
    caption_title=(212, 212, 212),
    status_top=(88, 88, 88), status_bottom=(64, 64, 64), status_line=(40, 40, 40),
    status_dark_top=(72, 72, 72), status_dark_bottom=(50, 50, 50),
    status_text=(226, 226, 226), status_text_gray=(107, 107, 107),
    popup_face=(238, 238, 238), popup_border=(96, 96, 96), popup_band=(214, 214, 214),
    separator=(160, 160, 160), workspace=(92, 92, 92),
    edit_back=(255, 255, 255), edit_border=(112, 112, 112),
    glyph=(40, 40, 40), glyph_disabled=(140, 140, 140), glyph_hot=(0, 0, 0),
    scroll_track=(200, 200, 200), scroll_track_pressed=(160, 160, 160),
    scroll_button_top=(226, 226, 226), scroll_button_bottom=(190, 190, 190),
    scroll_border=(122, 122, 122), thumb_top=(232, 232, 232), thumb_bottom=(196, 196, 196),
    thumb_border=(112, 112, 112),
    tooltip_light=(255, 255, 255), tooltip_dark=(226, 226, 226), tooltip_border=(76, 76, 76),
    accent=(56, 56, 56), accent_dark=(30, 30, 30), accent_text=(255, 255, 255),
    gallery_selected=(193, 193, 193), gallery_normal=(187, 187, 187),
    gallery_border=(132, 132, 132),
    tab_frame=(96, 96, 96), tab_dark_shadow=(64, 64, 64), tab_light_shadow=(150, 150, 150),
    menu_bar_text=(226, 226, 226), dark=True,
)

for _p in (SILVER, BLUE, BLACK):
    _p.update(_HIGHLIGHTS)

THEMES = (SILVER, BLUE, BLACK)

# The colours of the contextual tabs, as number 1 to 7 name them.
CONTEXT_COLORS = dict(
    Blue=(92, 143, 214), Yellow=(232, 190, 48), Green=(112, 176, 74), Red=(214, 84, 72),
    Purple=(150, 104, 190), Cyan=(64, 178, 196), Orange=(236, 140, 52),
)


def dark_variant(p):
    """The scroll-bar colours of the dark images (scroll-base style 6)."""
    q = dict(p)
    q.update(scroll_track=(78, 78, 78), scroll_track_pressed=(56, 56, 56),
             scroll_button_top=(104, 104, 104), scroll_button_bottom=(84, 84, 84),
             scroll_border=(48, 48, 48), thumb_top=(120, 120, 120), thumb_bottom=(96, 96, 96),
             thumb_border=(44, 44, 44), glyph=(220, 220, 220), glyph_hot=(255, 255, 255),
             glyph_disabled=(120, 120, 120))
    return q


def soften(c, p, f=0.35):
    """A colour pulled towards the look's face, for the less used sections."""
    return mix(c, p["groups_bottom"], f)


__all__ = ["THEMES", "SILVER", "BLUE", "BLACK", "CONTEXT_COLORS", "dark_variant", "soften",
           "shade", "mix"]
