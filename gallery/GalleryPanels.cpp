// Panel and grid layouts of markup: stack, wrap, uniform grid, dock panel
// and grids of auto, pixel and star sizes, each drawn from its markup text
// with coloured panels as the children.
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
};

#define BOX(color, size) L"<Panel Background='" color L"' " size L" Margin='2'/>"

const Sample kSamples[] = {
    {"StackPanel (vertical)",
     L"<StackPanel Background='#F0F0F0'>" BOX(L"#4F81BD", L"Height='20'")
         BOX(L"#C0504D", L"Width='120' Height='30'") BOX(L"#9BBB59", L"Width='60' Height='15'")
             BOX(L"#8064A2", L"Height='25'") L"</StackPanel>"},
    {"StackPanel Orientation=Horizontal",
     L"<StackPanel Orientation='Horizontal' Background='#F0F0F0'>" BOX(L"#4F81BD", L"Width='30'")
         BOX(L"#C0504D", L"Width='50' Height='60'") BOX(L"#9BBB59", L"Width='40' Height='30'")
             BOX(L"#8064A2", L"Width='20'") L"</StackPanel>"},
    {"WrapPanel",
     L"<WrapPanel Background='#F0F0F0'>" BOX(L"#4F81BD", L"Width='60' Height='20'")
         BOX(L"#C0504D", L"Width='40' Height='30'") BOX(L"#9BBB59", L"Width='80' Height='20'")
             BOX(L"#8064A2", L"Width='50' Height='40'") BOX(L"#4BACC6", L"Width='70' Height='20'")
                 BOX(L"#F79646", L"Width='30' Height='25'") L"</WrapPanel>"},
    {"WrapPanel ItemWidth=50 ItemHeight=30",
     L"<WrapPanel ItemWidth='50' ItemHeight='30' Background='#F0F0F0'>" BOX(L"#4F81BD", L"")
         BOX(L"#C0504D", L"") BOX(L"#9BBB59", L"") BOX(L"#8064A2", L"") BOX(L"#4BACC6", L"")
             BOX(L"#F79646", L"") BOX(L"#4F81BD", L"") L"</WrapPanel>"},
    {"UniformGrid Columns=3 FirstColumn=1",
     L"<UniformGrid Columns='3' FirstColumn='1' Background='#F0F0F0'>" BOX(L"#4F81BD", L"")
         BOX(L"#C0504D", L"") BOX(L"#9BBB59", L"") BOX(L"#8064A2", L"") BOX(L"#4BACC6", L"")
             BOX(L"#F79646", L"") BOX(L"#4F81BD", L"") L"</UniformGrid>"},
    {"DockPanel: Top, Left, Bottom, Right, fill",
     L"<DockPanel Background='#F0F0F0'>" BOX(L"#4F81BD", L"DockPanel.Dock='Top' Height='25'")
         BOX(L"#C0504D", L"DockPanel.Dock='Left' Width='40'")
             BOX(L"#9BBB59", L"DockPanel.Dock='Bottom' Height='20'")
                 BOX(L"#8064A2", L"DockPanel.Dock='Right' Width='30'")
                     BOX(L"#FFFFFF", L"") L"</DockPanel>"},
    {"Grid: Auto, 40, * columns; a span",
     L"<Grid Background='#F0F0F0'><Grid.ColumnDefinitions><ColumnDefinition Width='Auto'/>"
     L"<ColumnDefinition Width='40'/><ColumnDefinition Width='*'/></Grid.ColumnDefinitions>"
     L"<Grid.RowDefinitions><RowDefinition Height='Auto'/><RowDefinition/>"
     L"</Grid.RowDefinitions>" BOX(L"#4F81BD", L"Width='60' Height='30'")
         BOX(L"#C0504D", L"Grid.Column='1'") BOX(L"#9BBB59", L"Grid.Column='2'")
             BOX(L"#8064A2", L"Grid.Row='1' Grid.ColumnSpan='2'")
                 BOX(L"#4BACC6", L"Grid.Row='1' Grid.Column='2'") L"</Grid>"},
    {"Grid: *, 2*, 3* columns; MinWidth 60",
     L"<Grid Background='#F0F0F0'><Grid.ColumnDefinitions>"
     L"<ColumnDefinition MinWidth='60'/><ColumnDefinition Width='2*'/>"
     L"<ColumnDefinition Width='3*'/></Grid.ColumnDefinitions>" BOX(L"#4F81BD", L"")
         BOX(L"#C0504D", L"Grid.Column='1'") BOX(L"#9BBB59", L"Grid.Column='2'") L"</Grid>"},
};

#undef BOX

const int kSampleWidth = 220;
const int kSampleHeight = 140;
const int kColumns = 2;

// Lays the text out in the sample's rectangle and draws it there.
bool DrawSample(CTKMarkupContext* pContext, CDC* pDC, const Sample& sample, const CRect& rc) {
  CTKMarkupObject* pObject = pContext->Parse(sample.markup);
  CTKMarkupUIElement* pRoot = MarkupCast<CTKMarkupUIElement>(pObject);
  if (pRoot == nullptr) {
    if (pObject != nullptr) pObject->Release();
    return false;
  }
  CPoint ptOld = pDC->SetViewportOrg(rc.left, rc.top);
  {
    CTKMarkupDrawingContext dc(pContext, pDC->GetSafeHdc());
    pRoot->Measure(&dc, rc.Width(), rc.Height());
    pRoot->Arrange(CRect(0, 0, rc.Width(), rc.Height()));
    pRoot->Render(&dc);
  }
  pDC->SetViewportOrg(ptOld);
  pRoot->Release();
  return true;
}

}  // namespace

bool DrawPanelsPage(const GalleryContext& context) {
  // Layouts do not change with the look: one sheet.
  static bool s_bDrawn = false;
  if (s_bDrawn) return true;
  s_bDrawn = true;
  const int nSamples = sizeof(kSamples) / sizeof(kSamples[0]);
  const int nRows = (nSamples + kColumns - 1) / kColumns;
  CGalleryCanvas canvas(20 + kColumns * (kSampleWidth + 20), 40 + nRows * (kSampleHeight + 40));
  canvas.Label(10, 10, "Markup panel and grid layouts", RGB(0, 0, 0));
  CTKMarkupContext* pContext = new CTKMarkupContext;
  bool ok = true;
  for (int i = 0; i < nSamples; ++i) {
    const int x = 10 + (i % kColumns) * (kSampleWidth + 20);
    const int y = 40 + (i / kColumns) * (kSampleHeight + 40);
    canvas.Label(x, y, kSamples[i].label);
    CRect rc(x, y + 18, x + kSampleWidth, y + 18 + kSampleHeight);
    ok = DrawSample(pContext, canvas.GetDC(), kSamples[i], rc) && ok;
    CBrush frame(RGB(160, 160, 160));
    CRect rcFrame(rc);
    rcFrame.InflateRect(1, 1);
    canvas.GetDC()->FrameRect(&rcFrame, &frame);
  }
  pContext->Release();
  return canvas.Save(context.folder + "markup-panels.png") && ok;
}
