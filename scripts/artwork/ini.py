"""The theme INI texts: sections, keys and their values for each look.

A key marked ":i" holds an integer, ":r" a rectangle (four integers); every
other key holds a colour written as red, green and blue.
"""

from raster import mix, shade

SECTIONS = [
    ("Theme", "Compatibility:s"),
    ("Global", "PremultiplyImages:i"),
    ("Window", "FlatFrame:i BorderActive0 BorderActive1 BorderActive2 BorderActive3 "
     "BorderInactive0 BorderInactive1 BorderInactive2 BorderInactive3 CaptionTextActive "
     "CaptionTextInActive CaptionTextActiveTitle WindowFrame EdgeHighLightColor ButtonFace "
     "HighlightSelected HighlightSelectedBorder HighlightChecked HighlightCheckedBorder "
     "HighlightPressed HighlightPressedBorder HighlightSelectedLight HighlightSelectedDark "
     "HighlightCheckedLight HighlightCheckedDark HighlightPressedLight HighlightPressedDark "
     "TooltipLight TooltipDark TooltipBorder SplitterFace SplitterFrame SplitterFaceTab "
     "SplitterFrameTab"),
    ("Workspace", "AppWorkspace WorkspaceClientTop WorkspaceClientMiddle WorkspaceClientBottom"),
    ("StatusBar", "StatusBarText StatusBarTextGray StatusBarFaceTopLight StatusBarFaceTopDark "
     "StatusBarFaceBottomLight StatusBarFaceBottomDark StatusBarShadow"),
    ("MessageBar", "MessageBar MessageBarText MessageBarFrame MessageBarLight MessageBarDark"),
    ("Toolbar", "ControlDisabledIcon ControlDisabledIconLight ControlDisabledIconDark "
     "ControlGallerySelected ControlGalleryNormal ControlGalleryBorder ControlLabel "
     "ControlEditBorder ControlEditDisabledBorder DockBarFace ToolbarFace ToolbarFaceLight "
     "ToolbarFaceDark ToolbarFaceShadow ToolbarSeparator ControlToolbarExpandLight "
     "ControlToolbarExpandDark ControlHighlightPopupedLight ControlHighlightPopupedDark "
     "MenuPopupBorder ToolbarGripper FloatingBarGripper FloatingBarGripperText "
     "FloatingBarBorder MenuBarText MenuPopupGripperLight MenuPopupGripperDark "
     "MenuPopupExpandedGripperLight MenuPopupExpandedGripperDark MenuPopupTearOffGripper"),
    ("Ribbon", "RibbonFace RibbonInactiveFace RibbonText RibbonGrayText GroupSpacing:i "
     "TabSelectedText TabNormalText TabHighlightText? GroupCaptionText GroupClientText "
     "ControlEditNormal ControlEditSelected MenuPopupText MenuPopupSeparator "
     "MenuPopupGripperShadow ControlHighlightText RecentFileListBackground "
     "RecentFileListEdgeHighLight RecentFileListEdgeShadow MinimizedFrameEdgeHighLight "
     "MinimizedFrameEdgeShadow MenuPopupGripper MenuPopupExpandedGripperLight "
     "MenuPopupExpandedGripperDark FileButtonText FileButtonMargin:r FileButtonImageCount:i "
     "BackstageMenuTextColor?"),
    ("DockingPane", "Splitter SplitterLight SplitterDark NormalCaptionLight NormalCaptionDark "
     "NormalCaptionText ActiveCaptionLight ActiveCaptionDark ActiveCaptionText WordSplitter "
     "WordNormalCaption WordActiveCaption WordPaneBackground WordCaptionText WordPaneBorder "
     "Office2010Style:i"),
    ("TabManager", "FrameBorder DarkShadow LightShadow HeaderFaceLight HeaderFaceDark "
     "AutoHideFaceLight AutoHideFaceDark AccessHeader AccessBorder"),
    ("ShortcutBar", "NormalText SelectedText FrameBorder FlatStyle:i FlatBackground CaptionLight "
     "CaptionDark CaptionText GripperLight GripperDark ItemNormalCaptionLight "
     "ItemNormalCaptionDark ItemHotCaptionLight ItemHotCaptionDark ItemCaptionText "
     "ItemCaptionTop ItemCaptionShadow"),
    ("Controls", "GroupBoxFrame"),
    ("PopupControl", "FrameBorder BackgroundLight BackgroundDark CaptionLight CaptionDark "
     "NormalText ButtonSelected ButtonPressed ButtonBorder"),
    ("PropertyGrid", "Background Shadow HelpBack HelpFore GridLine CategoryText HighlightText "
     "Highlight"),
    ("ListBox", "NormalText"),
    ("ReportControl", "HeaderText NormalColumnLight NormalColumnDark PressedColumnLight "
     "PressedColumnDark ColumnShadow ColumnSeparator GroupBoxBackground GroupBoxTextColor "
     "GroupShadeBackground GroupShadeBorder GroupShadeBorderLineStyle:i SelectionBackground "
     "GroupShadeIndent"),
    ("CalendarControl", "BaseColor TimeScaleBk TimeScaleLine TimeScaleTextColor TodayBorder "
     "SelectedBk HeaderBorder HeaderTextColor DayBorder DayViewCellNonWorkBk "
     "DayViewCellWorkBorderBottomInHour DayViewCellWorkBorderBottomHour "
     "DayViewCellNonWorkBorderBottomInHour DayViewCellNonWorkBorderBottomHour "
     "DayViewAllDayEventsBk DayViewAllDayEventsBorderBottom MultiDayEventBorder "
     "MultiDayEventBkGRfrom MultiDayEventBkGRto MultiDayEventFromToDates "
     "DayViewSingleDayEventBorder DayViewSingleDayEventBkGRfrom? DayViewSingleDayEventBkGRto "
     "MonthViewWeekHeaderFreeSpaceBk MonthViewWeekDayHeaderBk MonthViewWeekDayHeaderText "
     "MonthViewDayBkDark MonthViewDayBkSelected MonthViewEventTime "
     "MonthViewSingleDayEventBorder MonthViewSingleDayEventBkGRfrom "
     "MonthViewSingleDayEventBkGRto WeekViewDayBkDark WeekViewDayBkSelected WeekViewEventTime "
     "WeekViewSingleDayEventBorder WeekViewSingleDayEventBkGRfrom WeekViewSingleDayEventBkGRto "
     "CaptionBarSwitchViewBarBk CaptionBarDateBarBk CaptionBarBorders CaptionBarTextColor "
     "FlatStyle:i"),
    ("DatePicker", "MonthBorder MonthHeaderBack MonthHeaderText MonthHeaderButton ControlBack "
     "HighlightToday SelectedDayBack SelectedText? DayText NonMonthDayText"),
    ("RibbonComboBox", "Background BackgroundHilite BackgroundDisabled Border BorderHilite "
     "BorderPressed BorderDisabled"),
]

# Keys marked "?" above appear only in the looks named here.
OPTIONAL_KEYS = {
    "TabHighlightText": ("Black",),
    "BackstageMenuTextColor": ("Black",),
    "SelectedText": ("Black",),
    "DayViewSingleDayEventBkGRfrom": ("Blue",),
}


def _colors(p):
    """The explicit colour of each (section, key) for the look p."""
    hot = mix(p["hot_top"], p["hot_bottom"], 0.5)
    pressed = mix(p["pressed_top"], p["pressed_bottom"], 0.5)
    checked = mix(p["checked_top"], p["checked_bottom"], 0.5)
    face = p["groups_bottom"]
    light = p["groups_top"]
    b = p["border"]
    bi = p["border_inactive"]
    text = p["group_text"]
    c = {
        ("Window", "BorderActive0"): b[0], ("Window", "BorderActive1"): b[1],
        ("Window", "BorderActive2"): b[2], ("Window", "BorderActive3"): b[3],
        ("Window", "BorderInactive0"): bi[0], ("Window", "BorderInactive1"): bi[1],
        ("Window", "BorderInactive2"): bi[2], ("Window", "BorderInactive3"): bi[3],
        ("Window", "CaptionTextActive"): p["caption_text"],
        ("Window", "CaptionTextInActive"): p["caption_text_inactive"],
        ("Window", "CaptionTextActiveTitle"): p["caption_title"],
        ("Window", "WindowFrame"): p["group_border"],
        ("Window", "EdgeHighLightColor"): (255, 255, 255),
        ("Window", "ButtonFace"): face,
        ("Window", "HighlightSelected"): hot, ("Window", "HighlightSelectedBorder"): p["hot_border"],
        ("Window", "HighlightChecked"): checked,
        ("Window", "HighlightCheckedBorder"): p["checked_border"],
        ("Window", "HighlightPressed"): pressed,
        ("Window", "HighlightPressedBorder"): p["pressed_border"],
        ("Window", "HighlightSelectedLight"): p["hot_top"],
        ("Window", "HighlightSelectedDark"): p["hot_bottom"],
        ("Window", "HighlightCheckedLight"): p["checked_top"],
        ("Window", "HighlightCheckedDark"): p["checked_bottom"],
        ("Window", "HighlightPressedLight"): p["pressed_top"],
        ("Window", "HighlightPressedDark"): p["pressed_bottom"],
        ("Window", "TooltipLight"): p["tooltip_light"],
        ("Window", "TooltipDark"): p["tooltip_dark"],
        ("Window", "TooltipBorder"): p["tooltip_border"],
        ("Window", "SplitterFace"): p["ribbon_face"],
        ("Window", "SplitterFrame"): p["group_border"],
        ("Window", "SplitterFaceTab"): light, ("Window", "SplitterFrameTab"): p["group_border"],
        ("Workspace", "AppWorkspace"): p["workspace"],
        ("Workspace", "WorkspaceClientTop"): shade(p["workspace"], 0.25),
        ("Workspace", "WorkspaceClientMiddle"): p["workspace"],
        ("Workspace", "WorkspaceClientBottom"): shade(p["workspace"], -0.08),
        ("StatusBar", "StatusBarText"): p["status_text"],
        ("StatusBar", "StatusBarTextGray"): p["status_text_gray"],
        ("StatusBar", "StatusBarFaceTopLight"): p["status_top"],
        ("StatusBar", "StatusBarFaceTopDark"): mix(p["status_top"], p["status_bottom"], 0.4),
        ("StatusBar", "StatusBarFaceBottomLight"): mix(p["status_top"], p["status_bottom"], 0.6),
        ("StatusBar", "StatusBarFaceBottomDark"): p["status_bottom"],
        ("StatusBar", "StatusBarShadow"): p["status_line"],
        ("MessageBar", "MessageBar"): p["ribbon_face"],
        ("MessageBar", "MessageBarText"): (0, 0, 0),
        ("MessageBar", "MessageBarFrame"): p["group_border"],
        ("MessageBar", "MessageBarLight"): (255, 250, 225),
        ("MessageBar", "MessageBarDark"): (255, 240, 190),
        ("Toolbar", "ControlDisabledIcon"): p["glyph_disabled"],
        ("Toolbar", "ControlDisabledIconLight"): (250, 250, 250),
        ("Toolbar", "ControlDisabledIconDark"): p["glyph_disabled"],
        ("Toolbar", "ControlGallerySelected"): p["gallery_selected"],
        ("Toolbar", "ControlGalleryNormal"): p["gallery_normal"],
        ("Toolbar", "ControlGalleryBorder"): p["gallery_border"],
        ("Toolbar", "ControlLabel"): p["popup_band"],
        ("Toolbar", "ControlEditBorder"): p["edit_border"],
        ("Toolbar", "ControlEditDisabledBorder"): p["glyph_disabled"],
        ("Toolbar", "DockBarFace"): p["ribbon_face"],
        ("Toolbar", "ToolbarFace"): face, ("Toolbar", "ToolbarFaceLight"): light,
        ("Toolbar", "ToolbarFaceDark"): face, ("Toolbar", "ToolbarFaceShadow"): p["group_border"],
        ("Toolbar", "ToolbarSeparator"): p["separator"],
        ("Toolbar", "ControlToolbarExpandLight"): light,
        ("Toolbar", "ControlToolbarExpandDark"): shade(face, -0.1),
        ("Toolbar", "ControlHighlightPopupedLight"): p["checked_top"],
        ("Toolbar", "ControlHighlightPopupedDark"): p["checked_bottom"],
        ("Toolbar", "MenuPopupBorder"): p["popup_border"],
        ("Toolbar", "ToolbarGripper"): p["separator"],
        ("Toolbar", "FloatingBarGripper"): p["ribbon_face"],
        ("Toolbar", "FloatingBarGripperText"): p["text"],
        ("Toolbar", "FloatingBarBorder"): p["popup_border"],
        ("Toolbar", "MenuBarText"): p["menu_bar_text"],
        ("Toolbar", "MenuPopupGripperLight"): p["popup_band"],
        ("Toolbar", "MenuPopupGripperDark"): p["popup_band"],
        ("Toolbar", "MenuPopupExpandedGripperLight"): p["popup_band"],
        ("Toolbar", "MenuPopupExpandedGripperDark"): shade(p["popup_band"], -0.05),
        ("Toolbar", "MenuPopupTearOffGripper"): p["separator"],
        ("Ribbon", "RibbonFace"): p["ribbon_face"],
        ("Ribbon", "RibbonInactiveFace"): p["ribbon_inactive"],
        ("Ribbon", "RibbonText"): text, ("Ribbon", "RibbonGrayText"): (141, 141, 141),
        ("Ribbon", "TabSelectedText"): p["tab_selected_text"],
        ("Ribbon", "TabNormalText"): p["tab_text"],
        ("Ribbon", "TabHighlightText"): (255, 255, 255),
        ("Ribbon", "GroupCaptionText"): mix(text, face, 0.25),
        ("Ribbon", "GroupClientText"): text,
        ("Ribbon", "ControlEditNormal"): p["edit_back"],
        ("Ribbon", "ControlEditSelected"): (255, 255, 255),
        ("Ribbon", "MenuPopupText"): (0, 0, 0) if p["dark"] else p["text"],
        ("Ribbon", "MenuPopupSeparator"): p["separator"],
        ("Ribbon", "MenuPopupGripperShadow"): p["separator"],
        ("Ribbon", "ControlHighlightText"): (0, 0, 0),
        ("Ribbon", "RecentFileListBackground"): p["popup_band"],
        ("Ribbon", "RecentFileListEdgeHighLight"): (255, 255, 255),
        ("Ribbon", "RecentFileListEdgeShadow"): p["separator"],
        ("Ribbon", "MinimizedFrameEdgeHighLight"): (255, 255, 255),
        ("Ribbon", "MinimizedFrameEdgeShadow"): p["group_border"],
        ("Ribbon", "MenuPopupGripper"): p["popup_band"],
        ("Ribbon", "MenuPopupExpandedGripperLight"): p["popup_band"],
        ("Ribbon", "MenuPopupExpandedGripperDark"): shade(p["popup_band"], -0.05),
        ("Ribbon", "FileButtonText"): p["accent_text"],
        ("Ribbon", "BackstageMenuTextColor"): (255, 255, 255),
        ("TabManager", "FrameBorder"): p["tab_frame"],
        ("TabManager", "DarkShadow"): p["tab_dark_shadow"],
        ("TabManager", "LightShadow"): p["tab_light_shadow"],
        ("TabManager", "HeaderFaceLight"): light, ("TabManager", "HeaderFaceDark"): face,
        ("TabManager", "AutoHideFaceLight"): light, ("TabManager", "AutoHideFaceDark"): face,
        ("TabManager", "AccessHeader"): p["ribbon_face"],
        ("TabManager", "AccessBorder"): p["group_border"],
        ("ReportControl", "HeaderText"): (0, 0, 0) if p["dark"] else p["text"],
        ("ReportControl", "NormalColumnLight"): (255, 255, 255),
        ("ReportControl", "NormalColumnDark"): shade(face, 0.3),
        ("ReportControl", "PressedColumnLight"): p["checked_top"],
        ("ReportControl", "PressedColumnDark"): p["checked_bottom"],
        ("ReportControl", "ColumnShadow"): p["group_border"],
        ("ReportControl", "ColumnSeparator"): p["separator"],
        ("RibbonComboBox", "Background"): p["edit_back"],
        ("RibbonComboBox", "BackgroundHilite"): (255, 255, 255),
        ("RibbonComboBox", "BackgroundDisabled"): face,
        ("RibbonComboBox", "Border"): p["edit_border"],
        ("RibbonComboBox", "BorderHilite"): p["hot_border"],
        ("RibbonComboBox", "BorderPressed"): p["pressed_border"],
        ("RibbonComboBox", "BorderDisabled"): p["glyph_disabled"],
    }
    return c


def _fallback(p, section, key):
    """A colour for the keys of the sections the main window does not show:
    texts in the text colour, borders and lines in the border colour, the
    light and dark halves of gradients in the face colours."""
    k = key.lower()
    text = (0, 0, 0) if p["dark"] and section not in ("DockingPane",) else p["text"]
    if "text" in k or k.endswith("fore") or "time" == k[-4:]:
        return text
    if "border" in k or "frame" in k or "line" in k or "shadow" in k or k.endswith("splitter"):
        return p["group_border"]
    if "selected" in k or "hilite" in k or "highlight" in k or "today" in k or "hot" in k:
        return mix(p["hot_top"], p["hot_bottom"], 0.5)
    if "pressed" in k:
        return mix(p["pressed_top"], p["pressed_bottom"], 0.5)
    if "dark" in k or k.endswith("to"):
        return p["groups_bottom"]
    return p["groups_top"]


def _value(p, section, key, kind):
    if kind == "s":
        return "Office2010"
    if kind == "i":
        return {"PremultiplyImages": "1", "FlatFrame": "1", "GroupSpacing": "0",
                "FileButtonImageCount": "7", "Office2010Style": "1", "FlatStyle": "1",
                "GroupShadeBorderLineStyle": "0"}[key]
    if kind == "r":
        return "0 0 0 0"
    c = _colors(p).get((section, key)) or _fallback(p, section, key)
    return "%d %d %d" % tuple(int(round(v)) for v in c)


def keys_of(p):
    """The (section, key, kind) triples of the look p, in the order of the text."""
    out = []
    for section, names in SECTIONS:
        for item in names.split():
            optional = item.endswith("?")
            item = item.rstrip("?")
            key, _, kind = item.partition(":")
            if optional and p["name"] not in OPTIONAL_KEYS[key]:
                continue
            out.append((section, key, kind))
    return out


def ini_text(p, image_keys):
    """The whole theme text of the look p, lines ending in CR LF."""
    lines = ["; Theme text of the Office2010%s look, written by scripts/artwork/make_artwork.py."
             % p["name"],
             "; Colours are red green blue; edit the script and run it again, not this file."]
    section = None
    for sec, key, kind in keys_of(p):
        if sec != section:
            lines += ["", "[%s]" % sec]
            section = sec
        lines.append("%s = %s" % (key, _value(p, sec, key, kind)))
    lines += ["", "[Images]"]
    for key, folder in image_keys:
        lines.append("%s = %s\\%s.bmp" % (key, folder, key))
    return "\r\n".join(lines) + "\r\n"
