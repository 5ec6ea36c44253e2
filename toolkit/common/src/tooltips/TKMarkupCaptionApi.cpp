// The installed markup captions.
#include "common/TKMarkupCaptionApi.h"

namespace {
ITKMarkupCaptionApi* g_pMarkupCaptionApi = nullptr;
}  // namespace

void TKSetMarkupCaptionApi(ITKMarkupCaptionApi* pApi) { g_pMarkupCaptionApi = pApi; }

ITKMarkupCaptionApi* TKMarkupCaptionApi() { return g_pMarkupCaptionApi; }
