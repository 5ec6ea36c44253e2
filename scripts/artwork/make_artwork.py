#!/usr/bin/env python3
"""Writes the theme artwork: the three theme INI texts, their PNG images and
the resource script that carries them into a program.

    python3 scripts/artwork/make_artwork.py [OUTDIR]

OUTDIR defaults to toolkit/common/themes; the icons of the toolkit's own
resources go to the res folder beside it. The output is committed; run the
script again after changing it and commit what changes.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from palettes import THEMES  # noqa: E402
from images import ABSENT, BUILDERS, COMMON, TO_COME  # noqa: E402
from ini import ini_text  # noqa: E402
from toolkit_icons import header_menu_icons, ribbon_pins  # noqa: E402

# The image names of the [Images] section, in the order of the texts.
IMAGE_KEYS = """
    FileButton PushButton WorkspaceTopLeft FrameSystemButton FrameSystemButton52 
    ToolbarFaceHorizontal ToolbarFaceVertical ToolbarExpandButtonHorizontal 
    ToolbarExpandButtonVertical ToolbarButtons50 ToolbarButtonsSplit50 ContextTabGreenGroupButton 
    ContextTabOrangeGroupButton ContextTabBlueGroupButton ContextTabCyanGroupButton 
    ContextTabPurpleGroupButton ContextTabRedGroupButton ContextTabYellowGroupButton 
    ToolbarButtonsSplitDropDown50 RibbonTab RibbonTabBackgroundDwm ContextTabPurple 
    ContextTabOrange ContextTabGreen RibbonGroupButton ContextTabCyan ContextTabYellow 
    ContextTabBlue ContextTabRed ContextTabBlueBackground ContextTabBlueGroupClient 
    ContextTabBlueGroupPopupBackground ContextTabCyanBackground ContextTabCyanGroupClient 
    ContextTabCyanGroupPopupBackground ContextTabGreenBackground ContextTabGreenGroupClient 
    ContextTabGreenGroupPopupBackground ContextTabOrangeBackground ContextTabOrangeGroupClient 
    ContextTabOrangeGroupPopupBackground ContextTabPurpleBackground ContextTabPurpleGroupClient 
    ContextTabPurpleGroupPopupBackground ContextTabRedBackground ContextTabRedGroupClient 
    ContextTabRedGroupPopupBackground ContextTabYellowBackground ContextTabYellowGroupClient 
    ContextTabYellowGroupPopupBackground RibbonGroupPopupBackground ToolbarButtonsSplit22 
    ToolbarButtons22 ToolbarButtonCheckBox ToolbarButtonSpinArrowsVertical 
    ToolbarButtonSpinArrowsHorizontal ToolbarButtonSpinArrowGlyphs ToolbarButtonRadioButton 
    MenuSelectedItem54 ControlGalleryPopup ControlGalleryUp ControlGalleryDown RibbonGroups 
    TabControlPage RibbonQuickAccessButton ToolbarButtonsSplitDropDown22 
    ToolbarButtonsSpecialSplitLeft RibbonQuickAccessMore MenuSelectedDisabledItem54 
    ToolbarButtonsSpecialSplitDropDownRight ToolbarButtonsSpecialSingle 
    ToolbarButtonsSpecialSplitCenter FrameCaptionButton FrameCaptionCloseButton 
    ToolbarButtonsSpecialSplitRight ControlGalleryScrollThumbVertical ContextTabGroupClient 
    ToolbarButtonsSpecialLeft ToolbarButtonsSpecialSplitDropDownCenter ContextTabOrangeClient 
    ToolbarButtonsSpecialSplitDropDownLeft ToolbarButtonsSpecialRight ContextTabCyanClient 
    ContextTabGreenClient ContextTabYellowClient ContextTabPurpleClient ContextTabRedClient 
    ContextTabPurpleHeader ContextTabBlueClient MenuSelectedItem22 ContextTabGreenHeader 
    ContextTabBlueHeader RibbonGroupClient ToolbarButtonsSpecialCenter ContextTabOrangeHeader 
    RibbonOptionButton ContextTabRedHeader ContextTabCyanHeader ContextTabYellowHeader 
    MenuSelectedDisabledItem22 ToolbarButtonsComboDropDown FrameCaptionClose23 MenuCheckedItemMark 
    FrameCaptionRestore23 ContextTabGroupCaption ControlGalleryScrollArrowGlyphs 
    ControlGalleryScrollArrowsVerticalLight ControlGalleryScrollArrowsHorizontalDark 
    ControlGalleryScrollArrowsHorizontalLight ControlGalleryScrollHorizontalDark 
    ControlGalleryScrollHorizontalLight ControlGalleryScrollThumbGripperHorizontal 
    ControlGalleryScrollThumbHorizontal ControlGalleryScrollSizeBoxLight 
    ControlGalleryScrollSizeBoxDark FrameCaptionClose17 RibbonGroupCaption FrameTopLeft 
    RibbonGroupButtonIcon FrameCaptionMaximize23 FrameCaptionClose13 FrameCaptionRestore17 
    FrameCaptionRestore13 FrameCaptionMaximize17 MenuCheckedItem FrameTopRight 
    RibbonGroupQuickAccess RibbonQuickAccessFrame RibbonQuickAccessArea FrameCaptionMaximize13 
    StatusBarDevider FrameCaptionMinimize23 ToolbarButtonDropDownGlyph StatusBarSeparator 
    PopupBarFrame MorePopupBarFrame FrameCaptionMinimize17 FrameCaptionMinimize13 StatusBarGripper 
    StatusBarLight StatusBarDark FrameBottomRight FrameBottomLeft RibbonTabSeparator 
    ContextTabSeparator ControlGalleryScrollThumbGripperVertical ControlGalleryScrollVerticalLight 
    ControlGalleryScrollArrowsVerticalDark ControlGalleryScrollVerticalDark FrameTopCenter 
    RibbonGroupsScrollLeft RibbonGroupsScrollLeftGlyph RibbonGroupsScrollRight 
    RibbonGroupsScrollRightGlyph RibbonSystemMenu RibbonSystemMenuButton MenuSplitDropDown 
    MenuSplitItem MenuPopupGlyph PopupBarResizeGripperFace PopupBarResizeGripperWidth 
    PopupBarResizeGripperHeight ListBox SliderDown SliderThumb SliderTick SliderTrack SliderUp 
    ShortcutBarItems ShortcutBarSmallItems ShortcutBarNavigateItem ShortcutBarGlyphs 
    ShortcutBarGripper ProgressTrack ProgressChunk CalendarHeader CalendarTodayHeader 
    CalendarTodayHeaderMVDay CalendarHeaderDVGroup CalendarHeaderMVDay CalendarHeaderMVWeek 
    CalendarHeaderWVDay CalendarCaptionBarSwitchViewButton CalendarCaptionBarPrevDateButton 
    CalendarCaptionBarNextDateButton CalendarCaptionBarExpandButton CalendarPrevNextEventButton 
    CalendarPrevNextEventButtonArr AccessTab SystemIconSeparator BackstageMenuBackground 
    BackstageMenuCommand BackstageMenuPage BackstageMenuPageGlyph BackstageTopBorder 
    BackstageButton BackstageButtonShadow BackstageButtonGlyph BackstagePaneSeparator 
    ReportExpandButton RibbonQuickAccessAreaDwm TooltipFrame StatusBarSwitches """.split()

# The dark arrow glyphs come only with the dark look.
EXTRA_KEYS = {"Black": ["ControlGalleryScrollArrowGlyphsDark"]}


def image_keys(p):
    """(key, folder) of every [Images] entry of the look p."""
    out = []
    for key in IMAGE_KEYS + EXTRA_KEYS.get(p["name"], []):
        out.append((key, "Office2010Common" if key in COMMON else "Office2010" + p["name"]))
    return out


def resource_name(folder, key):
    return ("%s_%s_BMP" % (folder, key)).upper()


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    mode = "wb" if isinstance(data, bytes) else "w"
    with open(path, mode, **({} if mode == "wb" else {"newline": ""})) as f:
        f.write(data)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "toolkit", "common", "themes")
    rc = ["// Theme texts and images of the ribbon look, written by",
          "// scripts/artwork/make_artwork.py. Include it from a resource script whose",
          "// include path names this folder.", ""]
    made = set()
    for p in THEMES:
        folder = "Office2010" + p["name"]
        ini = "Office2010%s.ini" % p["name"]
        write(os.path.join(out, ini), ini_text(p, image_keys(p)))
        rc.append('%s TEXTFILE "%s"' % (("Office2010%s_INI" % p["name"]).upper(), ini))
        for key, fold in image_keys(p):
            if key in ABSENT or key in TO_COME:
                continue
            if key not in BUILDERS:
                raise SystemExit("no builder for the image " + key)
            raster = BUILDERS[key](p)
            write(os.path.join(out, fold, key + ".png"), raster.png())
            rc.append('%s PNG "%s/%s.png"' % (resource_name(fold, key), fold, key))
            made.add(key)
        sys.stdout.write("%s: %d images\n" % (folder, sum(1 for k, _ in image_keys(p)
                                                          if k in made)))
    write(os.path.join(out, "Themes.rc"), "\n".join(rc) + "\n")
    res = os.path.join(os.path.dirname(out), "res")
    write(os.path.join(res, "HeaderMenu.png"), header_menu_icons().png())
    ribbon_res = os.path.join(root, "toolkit", "ribbon", "res")
    write(os.path.join(ribbon_res, "RibbonPins.png"), ribbon_pins().png())


if __name__ == "__main__":
    main()
