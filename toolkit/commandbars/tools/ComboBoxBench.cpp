// The combo box's share of commandbars_bench: completing typed text in a
// combo of 10,000 items, against LB_FINDSTRING on the same list box (the
// baseline, measured first in the same run).
#include <stdio.h>

#include <string>

#include "BenchClock.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlComboBoxList.h"
#include "commandbars/TKControls.h"

namespace {

const int kItems = 10000;
/// Typed text whose completion lies near the end of the list.
const char kTyped[] = "item 0900";

/// A combo that types a text as the edit window's change would report it.
class CBenchComboBox : public CTKControlComboBox {
 public:
  void Type(LPCSTR lpszText) {
    m_bDeleting = FALSE;
    m_pEdit->SetTextQuietly(lpszText);
    const int nLength = static_cast<int>(strlen(lpszText));
    m_pEdit->SetSel(nLength, nLength);
    OnEditChanged();
  }
};

}  // namespace

void RunComboBoxBench(int nRounds) {
  CWnd host;
  host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP, 0, 0, 400, 100, NULL, NULL);
  CTKCommandBar* pBar = new CTKCommandBar;
  pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD, 0, 0, 300, 40, host.GetSafeHwnd(),
                 NULL);
  CBenchComboBox* pCombo = new CBenchComboBox;
  pBar->GetControls()->AppendControl(pCombo);
  pCombo->SetDropDown(TRUE);
  pCombo->SetAutoComplete(TRUE);
  CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, pCombo->GetListBox());
  pList->SendMessage(WM_SETREDRAW, FALSE);
  char szItem[32];
  for (int i = 0; i < kItems; ++i) {
    sprintf(szItem, "item %05d", i);
    pList->AddString(szItem);
  }
  pCombo->SetRect(CRect(0, 0, 150, 24));

  volatile LRESULT nFound = 0;
  const double dBaseline = BestSecondsPerRound(nRounds, [&](int) {
    nFound = pList->SendMessage(LB_FINDSTRING, 0, reinterpret_cast<LPARAM>(kTyped));
  });
  const double dTyped = BestSecondsPerRound(nRounds, [&](int) { pCombo->Type(kTyped); });
  printf("  combo box of %d items, typing \"%s\":\n", kItems, kTyped);
  printf("    baseline: LB_FINDSTRING             %9.1f us\n", dBaseline * 1e6);
  printf("    typed completion and list sync     %9.1f us  %6.2f x baseline\n", dTyped * 1e6,
         dTyped / dBaseline);

  pBar->DestroyWindow();
  pBar->InternalRelease();
  host.DestroyWindow();
}
