// The markup Image element: one picture in each Stretch mode, drawn by the
// GDI and the GDI+ back ends.
#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupImage.h"

namespace {

const int kBoxWidth = 90;
const int kBoxHeight = 60;
const int kLeft = 110;
const char* const kStretches[] = {"None", "Fill", "Uniform", "UniformToFill"};

void Put(std::string& s, unsigned v, int nBytes) {
  for (int i = 0; i < nBytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A 32 x 16 bitmap: blue on the left, orange on the right, a dark frame.
bool WritePicture(const std::string& path) {
  const int cx = 32, cy = 16;
  std::string file("BM");
  Put(file, 54 + cx * cy * 3, 4);
  Put(file, 0, 4);
  Put(file, 54, 4);
  Put(file, 40, 4);
  Put(file, cx, 4);
  Put(file, cy, 4);
  Put(file, 1, 2);
  Put(file, 24, 2);
  for (int i = 0; i < 6; ++i) Put(file, 0, 4);
  for (int y = 0; y < cy; ++y) {
    for (int x = 0; x < cx; ++x) {
      const bool bFrame = x == 0 || y == 0 || x == cx - 1 || y == cy - 1;
      const COLORREF clr = bFrame       ? RGB(40, 40, 40)
                           : x < cx / 2 ? RGB(40, 90, 200)
                                        : RGB(240, 150, 30);
      file += static_cast<char>(GetBValue(clr));
      file += static_cast<char>(GetGValue(clr));
      file += static_cast<char>(GetRValue(clr));
    }
  }
  HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  if (hFile == INVALID_HANDLE_VALUE) return false;
  DWORD nWritten = 0;
  const BOOL bWritten =
      ::WriteFile(hFile, file.data(), static_cast<DWORD>(file.size()), &nWritten, NULL);
  ::CloseHandle(hFile);
  return bWritten && nWritten == file.size();
}

}  // namespace

bool DrawMarkupImagesPage(const GalleryContext& context) {
  char szTemp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, szTemp);
  const std::string picture = std::string(szTemp) + "gallery-markup-image.bmp";
  if (!WritePicture(picture)) return false;

  CGalleryCanvas canvas(kLeft + 4 * (kBoxWidth + 20), 40 + 2 * (kBoxHeight + 40));
  canvas.Label(10, 10, "Image element, a 32 x 16 picture in 90 x 60 by Stretch", RGB(0, 0, 0));
  CTKMarkupContext* pContext = new CTKMarkupContext;
  bool ok = true;
  for (int nBackEnd = 0; nBackEnd < 2; ++nBackEnd) {
    const int y = 40 + nBackEnd * (kBoxHeight + 40);
    canvas.Label(10, y + 30, nBackEnd == 0 ? "GDI" : "GDI+", RGB(0, 0, 0));
    pContext->SetGdiPlusEnabled(nBackEnd == 1);
    for (int i = 0; i < 4; ++i) {
      const int x = kLeft + i * (kBoxWidth + 20);
      canvas.Label(x, y, kStretches[i]);
      const CRect rcBox(x, y + 16, x + kBoxWidth, y + 16 + kBoxHeight);
      CBrush frame(RGB(200, 200, 200));
      canvas.GetDC()->FrameRect(
          CRect(rcBox.left - 1, rcBox.top - 1, rcBox.right + 1, rcBox.bottom + 1), &frame);
      const std::string text =
          "<Image Source='file://" + picture + "' Stretch='" + kStretches[i] + "'/>";
      CTKMarkupObject* pRoot = pContext->Parse(CStringW(text.c_str()));
      CTKMarkupImage* pImage = MarkupCast<CTKMarkupImage>(pRoot);
      if (pImage == nullptr) {
        ok = false;
      } else {
        CTKMarkupDrawingContext dc(pContext, canvas.GetDC()->GetSafeHdc());
        pImage->Measure(&dc, kBoxWidth, kBoxHeight);
        pImage->Arrange(rcBox);
        pImage->Render(&dc);
      }
      if (pRoot != nullptr) pRoot->Release();
    }
  }
  pContext->Release();
  ::DeleteFileA(picture.c_str());
  return canvas.Save(context.folder + "markup-images-" + context.look + ".png") && ok;
}
