// The find dialogs' settings and edit texts.
#include "FindSettings.h"

#include <string>

#include "app/AppDisplayOwner.h"

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
  CTesselString text;
  if (!::IsWindow(edit.m_hWnd)) return text;
  const int length = ::GetWindowTextLengthW(edit.m_hWnd);
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  ::GetWindowTextW(edit.m_hWnd, &wide[0], length + 1);
  text.SetWideText(wide.c_str());
  text.MakeNarrow(false);
  return text;
}

void SetEditText(CWnd& edit, CTesselString text) {
  if (::IsWindow(edit.m_hWnd)) ::SetWindowTextW(edit.m_hWnd, text.GetWideText());
}

}  // namespace find_settings
