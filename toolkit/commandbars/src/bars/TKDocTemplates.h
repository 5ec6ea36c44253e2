// The application's document templates, found by the resource id they were
// made with.
#pragma once

#include <afxdocview.h>

/// The application's template of that resource id, null when it has none.
CDocTemplate* TKFindDocTemplate(UINT nIDResource);
