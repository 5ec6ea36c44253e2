// The edit window inside command-bar fields. Sites let a key typed into it
// through untranslated, so they know it by its run-time class.
#pragma once

#include <afxwin.h>

class CTKCommandBarEditCtrl : public CEdit {
  DECLARE_DYNAMIC(CTKCommandBarEditCtrl)
};
