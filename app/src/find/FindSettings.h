// What the two find dialogs share: their settings keys and the reading of
// an edit's text.
#pragma once

#include <afxwin.h>

#include "foundation/TesselString.h"

class IAppDisplayOwner;

namespace find_settings {

extern const char kOptions[];
extern const char kLastFindText[];
extern const char kFindWindowPosition[];
extern const char kFindAndReplace[];
extern const char kLastSearchText[];
extern const char kLastReplaceText[];

/// The value, empty when the key is absent or there is no owner.
CTesselString Read(IAppDisplayOwner* owner, const char* section, const char* key);
void Write(IAppDisplayOwner* owner, const char* section, const char* key, CTesselString value);

/// The control's whole text, narrow.
CTesselString GetEditText(CWnd& edit);
void SetEditText(CWnd& edit, CTesselString text);

}  // namespace find_settings
