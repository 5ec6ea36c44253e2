// Building, laying out and drawing one markup text into a memory DC.
#include "SupportExercise.h"

#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupParser.h"
#include "markup/TKMarkupUIElement.h"

TK_MARKUP_EXERCISE ExerciseMarkup(CTKMarkupContext* pContext, const std::wstring& text, int cx,
                                  int cy) {
  TK_MARKUP_EXERCISE result;
  CTKMarkupParser parser;
  parser.LoadString(text.c_str(), text.c_str() + text.size());
  CTKMarkupBuilder builder(pContext);
  builder.SetRunScripts(FALSE);
  CTKMarkupAutoPtr<> root(builder.Parse(&parser));
  CTKMarkupUIElement* pElement = MarkupCast<CTKMarkupUIElement>(root);
  if (pElement == nullptr) {
    result.error =
        builder.GetErrorText().IsEmpty() ? "No Text To Parse." : builder.GetErrorText().GetString();
    return result;
  }
  result.bBuilt = true;
  // A 32-bit top-down DIB section selected into a memory DC.
  CTKScopedCreatedDC hDC(CreateCompatibleDC(nullptr));
  CTKScopedBitmap hBitmap(Create32BitDIBSection(hDC.Get(), cx, -cy, nullptr));
  CTKSelectGuard select(hDC.Get(), hBitmap.Get());
  CTKMarkupDrawingContext dc(pContext, hDC.Get());
  pElement->Measure(&dc, cx, cy);
  const CSize desired = pElement->GetDesiredSize();
  result.desired = SIZE{desired.cx, desired.cy};
  pElement->Arrange(RECT{0, 0, cx, cy});
  result.arranged = pElement->GetFinalRect();
  pElement->Render(&dc);
  return result;
}
