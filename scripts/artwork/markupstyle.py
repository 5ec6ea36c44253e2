#!/usr/bin/env python3
"""Writes the zipped style archive of the markup-drawn frame and ribbon:
toolkit/themes/res/Office2007System.zip, resource TK_IDR_OFFICE2007SYSTEM_STYLE
of type STYLE (toolkit/themes/res/TKThemes.rc).

    python3 scripts/artwork/markupstyle.py [OUTFILE]

Every drawing takes its colours from the system colours (x:Static
SystemColors...), so the frame and the ribbon follow the Windows colour
scheme. The archive is committed; run the script again after changing it and
commit what changes. Its items carry a fixed date, so the same drawings give
the same bytes.
"""

import os
import sys
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_OUT = os.path.join(ROOT, "toolkit", "themes", "res", "Office2007System.zip")
XMLNS = ("xmlns='http://schemas.microsoft.com/winfx/2006/xaml/presentation' "
         "xmlns:x='http://schemas.microsoft.com/winfx/2006/xaml'")


def static(name):
    return "{x:Static SystemColors.%s}" % name


def root(tag, attributes, content=""):
    """A drawing's root element with the namespaces declared."""
    if content:
        return "<%s %s %s>%s</%s>" % (tag, XMLNS, attributes, content, tag)
    return "<%s %s %s/>" % (tag, XMLNS, attributes)


def gradient(stops, start="0,0", end="0,1"):
    body = "".join("<GradientStop Color='%s' Offset='%s'/>" % (c, o) for c, o in stops)
    return "<LinearGradientBrush StartPoint='%s' EndPoint='%s'>%s</LinearGradientBrush>" % (
        start, end, body)


# The frame -----------------------------------------------------------------------

def caption_gradient(state, start, end):
    return gradient([(static("%sCaptionColor" % state), "0.2"),
                     (static("Gradient%sCaptionColor" % state), "1.5")], start, end)


def frame_drawings():
    items = {}
    for state in ("Active", "Inactive"):
        brush = static("%sCaptionBrush" % state)
        down, up = caption_gradient(state, "0,0", "0,1"), caption_gradient(state, "0,1", "0,0")
        caption = root("Border", "BorderThickness='0,0,0,1' BorderBrush='%s'" % brush,
                       "<Border.Background>%s</Border.Background>" % down)
        items["RibbonFrameCaption%s.xaml" % state] = caption
        side = root("Rectangle", "Stretch='Fill'", "<Rectangle.Fill>%s</Rectangle.Fill>" % up)
        beside = root("Rectangle", "Stretch='Fill'", "<Rectangle.Fill>%s</Rectangle.Fill>" % down)
        for edge in ("Left", "Right"):
            items["Frame/Border%s%s.xaml" % (edge, state)] = side
            items["Frame/Border%sCaption%s.xaml" % (edge, state)] = beside
        items["Frame/BorderTop%s.xaml" % state] = root(
            "Grid", "",
            "<Border BorderThickness='0,0,0,1'><Border.Background>%s</Border.Background></Border>"
            "<Border BorderThickness='1' CornerRadius='5,5,0,0' BorderBrush='%s'/>" % (up, brush))
        plain = gradient([(static("%sCaptionColor" % state), "1.5")] * 2)
        items["Frame/BorderBottom%s.xaml" % state] = root(
            "Rectangle", "Stretch='Fill'", "<Rectangle.Fill>%s</Rectangle.Fill>" % plain)

    def button(fill):
        return root("Border", "Margin='1' BorderThickness='1' CornerRadius='2' BorderBrush='%s'"
                    % static("ActiveCaptionTextBrush"),
                    "<Border.Background>%s</Border.Background>" % fill)
    items["Frame/CaptionButtonSelected.xaml"] = button(gradient(
        [(static("ControlLightLightColor"), "-0.5"), ("Transparent", "0.8"), ("Transparent", "1")],
        "0,0", "1,1"))
    items["Frame/CaptionButtonPressed.xaml"] = button(gradient(
        [(static("ActiveCaptionColor"), "-0.5"), ("Black", "2.0")], "0,0", "1,1"))

    text = static("ActiveCaptionTextBrush")

    def line(x1, y1, x2, y2, thickness):
        return ("<Line X1='%s' Y1='%s' X2='%s' Y2='%s' Stroke='%s' StrokeThickness='%s'/>"
                % (x1, y1, x2, y2, text, thickness))

    def rect(left, top, width, height, filled=False):
        paint = "Fill='%s'" % text if filled else "Stroke='%s' StrokeThickness='1'" % text
        return ("<Rectangle Canvas.Left='%s' Canvas.Top='%s' Width='%s' Height='%s' %s/>"
                % (left, top, width, height, paint))

    for n in (9, 11):
        items["Frame/GlyphClose%d.xaml" % n] = root(
            "Canvas", "Width='%d' Height='%d'" % (n, n), line(0, 0, n, n, 2) + line(0, n, n, 0, 2))
        items["Frame/GlyphMaximize%d.xaml" % n] = root(
            "Canvas", "Width='%d' Height='%d' Margin='0,1,0,0'" % (n, n - 1),
            line(0, 1 if n == 9 else 1.5, n, 1 if n == 9 else 1.5, 2 if n == 9 else 3)
            + rect(0, 0, n, n - 1))
        big = n == 11
        items["Frame/GlyphMinimize%d.xaml" % n] = root(
            "Canvas", "Width='%d' Height='%d'" % (n - 2, n),
            line(0, 9 if big else 8, 8 if big else 7, 9 if big else 8, 3 if big else 2))
        items["Frame/GlyphRestore%d.xaml" % n] = root(
            "Canvas", "Width='10' Height='10' Margin='0,1,0,0'",
            line(3, 1, 9, 1, 1)
            + "<Path Data='M 3,3 L 3,0 L 9,0 L 9,6 L 6,6' Stroke='%s' StrokeThickness='1'/>" % text
            + rect(0, 3, 7, 2, True) + rect(0, 4, 7, 6))
    return items


# The ribbon ----------------------------------------------------------------------

CONTEXTS = {  # our own tints of the context colours
    "Blue": "#4F81BD", "Cyan": "#4BACC6", "Green": "#9BBB59", "Orange": "#F79646",
    "Purple": "#8064A2", "Red": "#C0504D", "Yellow": "#E6C84B",
}
FACE = static("ControlBrush")
EDGE = static("ControlDarkBrush")
LIGHT = static("ControlLightLightColor")


def face_gradient(top, bottom):
    return gradient([(top, "0"), (bottom, "1")])


def rounded(corners, thickness="1", edge=EDGE, fill=None, extra=""):
    fill = fill or face_gradient(LIGHT, static("ControlColor"))
    return root("Border", "CornerRadius='%s' BorderThickness='%s' BorderBrush='%s' %s"
                % (corners, thickness, edge, extra),
                "<Border.Background>%s</Border.Background>" % fill)


def tab(top_band=None, hot=False, focused=False):
    edge = static("HighlightBrush") if focused else EDGE
    fill = face_gradient(LIGHT, static("ControlLightColor" if hot else "ControlColor"))
    body = "<Border CornerRadius='3,3,0,0' BorderThickness='1,1,1,0' BorderBrush='%s'>" % edge
    body += "<Border.Background>%s</Border.Background>" % fill
    if top_band:
        body += "<Rectangle VerticalAlignment='Top' Height='3' Fill='%s'/>" % top_band
    body += "</Border>"
    return root("Grid", "", body)


def group(caption_band, face=None):
    """A group: a rounded frame with its caption band at the bottom."""
    face = face or face_gradient(LIGHT, static("ControlColor"))
    return root(
        "Border", "CornerRadius='3' BorderThickness='1' BorderBrush='%s' Margin='0,0,0,1'" % EDGE,
        "<Border.Background>%s</Border.Background><DockPanel>"
        "<Border DockPanel.Dock='Bottom' Height='15' CornerRadius='0,0,2,2' Background='%s'>"
        "<TextBlock x:Name='CaptionText' HorizontalAlignment='Center' VerticalAlignment='Center'"
        " Foreground='%s'/></Border><Border/></DockPanel>"
        % (face, caption_band, static("ControlTextBrush")))


def system_menu(fill):
    return root("Border", "CornerRadius='2,2,0,0' Background='%s'" % fill,
                "<TextBlock x:Name='Caption' HorizontalAlignment='Center' VerticalAlignment='Center'"
                " Foreground='#FFFFFF'/>")


def round_button(top, bottom):
    return root("Ellipse", "Stroke='%s' StrokeThickness='1'" % EDGE,
                "<Ellipse.Fill>%s</Ellipse.Fill>" % face_gradient(top, bottom))


def ribbon_drawings(frame):
    items = {}
    items["RibbonFrameCaptionBar.xaml"] = frame["RibbonFrameCaptionActive.xaml"]
    items["RibbonFrameSystemButtonNormal.xaml"] = round_button(
        static("GradientActiveCaptionColor"), static("ActiveCaptionColor"))
    items["RibbonFrameSystemButtonSelected.xaml"] = round_button(
        LIGHT, static("GradientActiveCaptionColor"))
    items["RibbonFrameSystemButtonPopuped.xaml"] = round_button(
        static("ActiveCaptionColor"), static("ControlDarkColor"))
    items["RibbonGroupControlEntry.xaml"] = rounded("0", "0,1,1,1")
    items["RibbonGroupControlEntryLeft.xaml"] = rounded("2,0,0,2")
    items["RibbonGroupControlEntryLeftRight.xaml"] = rounded("2")
    items["RibbonGroupControlEntryRight.xaml"] = rounded("0,2,2,0", "0,1,1,1")
    items["RibbonGroupRect.xaml"] = rounded("0,0,3,3", "1,0,1,1", fill=face_gradient(
        LIGHT, static("ControlColor")))
    items["RibbonScrollButtonLeft.xaml"] = rounded("3,0,0,3")
    items["RibbonScrollButtonRight.xaml"] = rounded("0,3,3,0")
    items["RibbonTabHighlighted.xaml"] = tab(hot=True)
    items["RibbonTabSelected.xaml"] = tab()
    items["RibbonTabSelectedFocused.xaml"] = tab(focused=True)
    items["RibbonTabSelectedHighlighted.xaml"] = tab(hot=True)
    for name, colour in CONTEXTS.items():
        items["RibbonContextTab%s.xaml" % name] = root(
            "Border", "BorderThickness='0,4,0,0' BorderBrush='%s' Background='#40%s'"
            % (colour, colour[1:]))
        items["RibbonTabSelected%s.xaml" % name] = tab(colour)
        items["RibbonTabSelectedFocused%s.xaml" % name] = tab(colour, focused=True)
        items["RibbonTabSelectedHighlighted%s.xaml" % name] = tab(colour, hot=True)
    items["SystemPopupBarEntry.xaml"] = root(
        "Border", "BorderThickness='1' BorderBrush='%s' Background='%s'"
        % (EDGE, static("WindowBrush")))
    items["SystemPopupBarButtonNormal.xaml"] = root("Border", "Background='Transparent'")
    items["SystemPopupBarButtonSelected.xaml"] = rounded(
        "2", edge=static("HighlightBrush"),
        fill=face_gradient(LIGHT, static("GradientActiveCaptionColor")))
    items["RibbonFrameSystemMenuNormal.xaml"] = system_menu(CONTEXTS["Blue"])
    items["RibbonFrameSystemMenuSelected.xaml"] = system_menu("#6A98D0")
    items["RibbonFrameSystemMenuPopuped.xaml"] = system_menu("#3A6398")
    items["RibbonGroupNormal.xaml"] = group(static("ControlLightBrush"))
    items["RibbonGroupHighlighted.xaml"] = group(
        static("GradientActiveCaptionBrush"), face_gradient(LIGHT, static("ControlLightColor")))
    items["RibbonGroupPopupNormal.xaml"] = rounded("3")
    items["RibbonGroupPopupSelected.xaml"] = rounded(
        "3", fill=face_gradient(LIGHT, static("GradientActiveCaptionColor")))
    items["RibbonGroupPopupPopuped.xaml"] = rounded(
        "3", fill=face_gradient(static("GradientActiveCaptionColor"), static("ActiveCaptionColor")))
    items["RibbonGroupPopupToolBar.xaml"] = group(static("ControlLightBrush"))
    return items


def drawings():
    frame = frame_drawings()
    items = dict(frame)
    items.update(ribbon_drawings(frame))
    return items


def write_zip(path, items):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name in sorted(items):
            info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 12, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, items[name])


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    write_zip(out, drawings())
    print("wrote %s" % out)


if __name__ == "__main__":
    main()
