// Texts of the application's string table.
#include <afxwin.h>

#include "app/AppText.h"

CTesselString LoadAppText(int id) {
  CTesselString text;
  text.LoadString(id, AfxFindResourceHandle(MAKEINTRESOURCE(id / 16 + 1), RT_STRING));
  return text;
}

CTesselString FormatAppText(int id, const CTesselString& argument) {
  CTesselString format = LoadAppText(id);
  const int at = format.FindString(CTesselString("%s"), 0);
  if (at < 0) return format;
  CTesselString result = at > 0 ? format.Mid(0, at - 1) : CTesselString();
  result.AddString(argument);
  result.AddString(format.Mid(at + 2, -1));
  return result;
}
