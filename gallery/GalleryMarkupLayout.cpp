// Markup borders, canvases and styled elements, each drawn through the GDI
// and the GDI+ back end side by side; the styled rows show a trigger with the
// mouse over the element and without.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupUIElement.h"

namespace {

struct Sample {
  const char* label;
  const wchar_t* markup;
  const wchar_t* hovered;  // the name of an element shown with the mouse over it, or null
};

const wchar_t kStyles[] =
    L"<Canvas.Resources>"
    L" <Style x:Key='Base' TargetType='Border'>"
    L"  <Setter Property='Background' Value='#DDE6F4'/>"
    L"  <Setter Property='BorderBrush' Value='#4A6FA5'/>"
    L"  <Setter Property='BorderThickness' Value='1'/>"
    L"  <Setter Property='Width' Value='30'/>"
    L"  <Setter Property='Height' Value='30'/>"
    L"  <Style.Triggers>"
    L"   <Trigger Property='IsMouseOver' Value='True'>"
    L"    <Trigger.Setters><Setter Property='Background' Value='#FFD966'/></Trigger.Setters>"
    L"   </Trigger>"
    L"  </Style.Triggers>"
    L" </Style>"
    L" <Style TargetType='Border' BasedOn='{StaticResource Base}'>"
    L"  <Setter Property='CornerRadius' Value='6'/>"
    L" </Style>"
    L" <SolidColorBrush x:Key='Accent' Color='#C0504D'/>"
    L"</Canvas.Resources>";

const Sample kSamples[] = {
    {"border 1 + padding 2 around a 10x10 child",
     L"<Border BorderThickness='1' Padding='2' BorderBrush='Blue' Background='#FFC0C0'"
     L" HorizontalAlignment='Left' VerticalAlignment='Top'>"
     L"<Border Width='10' Height='10' Background='Green'/></Border>",
     nullptr},
    {"thickness 1,2,3,4",
     L"<Border BorderThickness='1,2,3,4' BorderBrush='#404040' Background='#A0D0FF' Margin='4'/>",
     nullptr},
    {"rounded corners 8, thickness 2",
     L"<Border CornerRadius='8' BorderThickness='2' BorderBrush='#305080' Background='#C0E0C0'"
     L" Margin='4'/>",
     nullptr},
    {"canvas: Left/Top, Right/Bottom, Left+Right",
     L"<Canvas Background='#F0F0F0'>"
     L" <Border Canvas.Left='6' Canvas.Top='6' Width='24' Height='16' Background='Red'/>"
     L" <Border Canvas.Right='6' Canvas.Bottom='6' Width='24' Height='16' Background='Blue'/>"
     L" <Border Canvas.Left='60' Canvas.Right='6' Canvas.Top='20' Width='24' Height='16'"
     L"  Background='Lime'/>"
     L"</Canvas>",
     nullptr},
    {"styles: by type, BasedOn, key; right one hot", nullptr, L"hot"},
};

const int kCell = 120;
const int kLabelWidth = 340;
const int kRowHeight = 70;

std::wstring SampleMarkup(const Sample& sample) {
  if (sample.markup != nullptr) return sample.markup;
  return std::wstring(L"<Canvas>") + kStyles +
         L" <Border Canvas.Left='4' Canvas.Top='10'/>"
         L" <Border Canvas.Left='40' Canvas.Top='10' BorderBrush='{StaticResource Accent}'/>"
         L" <Border x:Name='hot' Canvas.Left='76' Canvas.Top='10'/>"
         L"</Canvas>";
}

/// Draws one sample into a cell of the canvas through one back end.
void DrawSample(CGalleryCanvas& canvas, const Sample& sample, int x, int y, bool bGdiPlus) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  pContext->SetGdiPlusEnabled(bGdiPlus);
  CTKMarkupUIElement* pRoot =
      MarkupCast<CTKMarkupUIElement>(pContext->Parse(SampleMarkup(sample).c_str()));
  if (pRoot == nullptr) {
    canvas.Label(x, y, "(does not parse)", RGB(200, 0, 0));
    pContext->Release();
    return;
  }
  if (sample.hovered != nullptr) {
    if (CTKMarkupInputElement* pHot =
            MarkupCast<CTKMarkupInputElement>(pRoot->FindName(sample.hovered)))
      pHot->OnMouseEnter(nullptr);
  }
  const CRect rcCell(0, 0, kCell - 10, kRowHeight - 10);
  CDC dc;
  dc.CreateCompatibleDC(canvas.GetDC());
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(canvas.GetDC(), rcCell.Width(), rcCell.Height());
  CBitmap* pOld = dc.SelectObject(&bitmap);
  dc.FillSolidRect(rcCell, RGB(255, 255, 255));
  {
    CTKMarkupDrawingContext drawing(pContext, dc.GetSafeHdc());
    pRoot->Measure(&drawing, rcCell.Width(), rcCell.Height());
    pRoot->Arrange(rcCell);
    pRoot->Render(&drawing);
  }
  canvas.GetDC()->BitBlt(x, y, rcCell.Width(), rcCell.Height(), &dc, 0, 0, SRCCOPY);
  canvas.GetDC()->FrameRect(CRect(x - 1, y - 1, x + rcCell.Width() + 1, y + rcCell.Height() + 1),
                            CBrush::FromHandle((HBRUSH)::GetStockObject(LTGRAY_BRUSH)));
  dc.SelectObject(pOld);
  pRoot->Release();
  pContext->Release();
}

}  // namespace

bool DrawMarkupLayoutPage(const GalleryContext& context) {
  // The markup draws the same in every look: one page is enough.
  if (context.look != "Silver") return true;
  const int nSamples = sizeof(kSamples) / sizeof(kSamples[0]);
  CGalleryCanvas canvas(kLabelWidth + 2 * kCell + 20, 60 + nSamples * kRowHeight);
  canvas.Label(10, 10, "Markup borders, canvases and styles", RGB(0, 0, 0));
  canvas.Label(kLabelWidth, 36, "GDI");
  canvas.Label(kLabelWidth + kCell, 36, "GDI+");
  int y = 60;
  for (const Sample& sample : kSamples) {
    canvas.Label(10, y, sample.label);
    DrawSample(canvas, sample, kLabelWidth, y, false);
    DrawSample(canvas, sample, kLabelWidth + kCell, y, true);
    y += kRowHeight;
  }
  return canvas.Save(context.folder + "markup-layout.png");
}
