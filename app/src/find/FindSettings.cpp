// The find dialogs' settings and edit texts.
#include "FindSettings.h"

#include "app/AppDisplayOwner.h"
#include "uilib/UIUtilities.h"

namespace find_settings {

const char kOptions[] = "Options";
const char kLastFindText[] = "LastFindText";
const char kFindWindowPosition[] = "FindWindowPosition";
const char kFindAndReplace[] = "FindAndReplace";
const char kLastSearchText[] = "LastSearchText";
const char kLastReplaceText[] = "LastReplaceText";

CTesselString Read(IAppDisplayOwner* owner, const char* section, const char* key) {
  CTesselString value;
  if (owner != nullptr) owner->ReadSetting(section, key, &value);
  return value;
}

void Write(IAppDisplayOwner* owner, const char* section, const char* key, CTesselString value) {
  if (owner != nullptr) owner->WriteSetting(section, key, value);
}

CTesselString GetEditText(CWnd& edit) {
  CTesselString text = GetWindowTextString(edit.m_hWnd);
  text.MakeNarrow(false);
  return text;
}

void SetEditText(CWnd& edit, CTesselString text) { SetWindowTextString(edit.m_hWnd, text); }

}  // namespace find_settings
