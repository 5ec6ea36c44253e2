// Markup captions as tooltips and labels show them, through the flat markup
// interface: plain text, bold and italic runs, wrapped and trimmed text, a
// hyperlink and right-to-left text, once per drawing back end.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupFlat.h"

namespace {

struct Caption {
  const char* label;
  const char* markup;  // the TextBlock's attributes and content, UTF-8
  int nWidth;
  bool bRightToLeft;
};

const Caption kCaptions[] = {
    {"plain", "", 0, false},
    {"runs", ">Build <Bold>all steps</Bold> and <Italic>stop</Italic>", 0, false},
    {"wrapped",
     " TextWrapping='Wrap'>The step list runs from top to bottom and stops at the "
     "first step that fails.",
     170, false},
    {"justified",
     " TextWrapping='Wrap' TextAlignment='Justify'>The step list runs from top "
     "to bottom and stops at the first step that fails.",
     170, false},
    {"character ellipsis",
     " TextTrimming='CharacterEllipsis'>C:\\Projects\\Velmoran\\Builds\\Nightly.velm", 170, false},
    {"word ellipsis", " TextTrimming='WordEllipsis'>Copies the output folder to the share", 170,
     false},
    {"hyperlink", ">Open the <Hyperlink>build log</Hyperlink> for details", 0, false},
    {"decorations",
     "><Underline>underlined</Underline> <Run TextDecorations='Strikethrough'>struck</Run> "
     "<Run FontSize='20' Foreground='#C00000'>Big</Run><Run FontSize='9'>small</Run>",
     0, false},
    {"right-to-left",
     ">\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D, "
     "right to left",
     0, true},
};

const int kRow = 80;
const int kLabelWidth = 120;
const int kColumn = 260;

std::string Markup(const Caption& caption) {
  std::string text =
      "<?xml version='1.0' encoding='utf-8'?><TextBlock xmlns="
      "'http://schemas.microsoft.com/winfx/2006/xaml/presentation'"
      " Padding='4' Background='#F4F4F4'";
  std::string body = caption.markup;
  if (body.empty()) body = ">Run all steps (F5)";
  return text + body + "</TextBlock>";
}

void DrawCaption(CGalleryCanvas& canvas, CTKMarkupContext* pContext, const Caption& caption, int x,
                 int y) {
  CTKMarkupUIElement* pElement = ParseMarkupText(pContext, Markup(caption).c_str());
  if (pElement == nullptr) {
    canvas.Label(x, y, "(did not parse)", RGB(200, 0, 0));
    return;
  }
  const int nWidth = caption.nWidth > 0 ? caption.nWidth : kColumn - 10;
  SIZE size = MeasureMarkupElement(pElement, nWidth, kRow - 8);
  RECT rc = {x, y, x + (caption.nWidth > 0 ? caption.nWidth : size.cx), y + size.cy};
  HDC hDC = canvas.GetDC()->GetSafeHdc();
  if (caption.bRightToLeft) {
    // Mirrored, the column's rectangle is found at the other side.
    SetLayout(hDC, LAYOUT_RTL);
    RECT rcMirror = {canvas.GetWidth() - rc.right, rc.top, canvas.GetWidth() - rc.left, rc.bottom};
    RenderMarkupElement(pElement, hDC, &rcMirror);
    SetLayout(hDC, 0);
  } else {
    RenderMarkupElement(pElement, hDC, &rc);
  }
  ReleaseMarkupElement(pElement);
}

}  // namespace

bool DrawCaptionsPage(const GalleryContext& context) {
  // Markup captions do not follow the look; one sheet is enough.
  if (context.look != "Silver") return true;
  const int nCount = static_cast<int>(sizeof(kCaptions) / sizeof(kCaptions[0]));
  CGalleryCanvas canvas(kLabelWidth + 2 * kColumn + 10, 30 + nCount * kRow);
  canvas.Label(kLabelWidth, 6, "GDI");
  canvas.Label(kLabelWidth + kColumn, 6, "GDI+");
  CTKMarkupContext* pGdi = CreateMarkupContext(NULL, TRUE);
  CTKMarkupContext* pGdiPlus = CreateMarkupContext(NULL, TRUE);
  pGdi->SetGdiPlusEnabled(FALSE);
  LOGFONTA font = {};
  font.lfHeight = -13;
  lstrcpyA(font.lfFaceName, "Tahoma");
  HFONT hFont = ::CreateFontIndirectA(&font);
  SetMarkupContextFont(pGdi, hFont, RGB(30, 30, 30));
  SetMarkupContextFont(pGdiPlus, hFont, RGB(30, 30, 30));
  ::DeleteObject(hFont);
  for (int i = 0; i < nCount; ++i) {
    const int y = 30 + i * kRow;
    canvas.Label(6, y + 4, kCaptions[i].label);
    DrawCaption(canvas, pGdi, kCaptions[i], kLabelWidth, y);
    DrawCaption(canvas, pGdiPlus, kCaptions[i], kLabelWidth + kColumn, y);
  }
  ReleaseMarkupContext(pGdi);
  ReleaseMarkupContext(pGdiPlus);
  return canvas.Save(context.folder + "captions.png");
}
