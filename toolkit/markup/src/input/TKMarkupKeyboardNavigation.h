// CTKMarkupKeyboardNavigation: the attached properties with which markup marks
// elements for keyboard focus, and the receiver of a context's focus requests
// and keyboard messages. Focus does not move between markup elements: the
// host window keeps its own keyboard behaviour.
#pragma once

#include "markup/TKMarkupObject.h"

class CTKMarkupInputElement;

/// Every context owns one; it does not count its context.
class CTKMarkupKeyboardNavigation : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupKeyboardNavigation(CTKMarkupContext* pOwner = nullptr);
  ~CTKMarkupKeyboardNavigation() override;

  /// A focus request of an element; changes nothing.
  void Focus(CTKMarkupInputElement* pElement);
  /// WM_SETFOCUS, WM_KILLFOCUS and WM_KEYDOWN are offered here; never
  /// handled (0), and the result is left untouched.
  BOOL OnWndMsg(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  CTKMarkupContext* GetOwnerContext() const { return m_pOwner; }

  /// "True" unless set.
  static BOOL GetIsTabStop(CTKMarkupObject* pElement);
  /// 2147483647 unless set.
  static int GetTabIndex(CTKMarkupObject* pElement);
  /// -1 unless set.
  static int GetTabNavigation(CTKMarkupObject* pElement);

  static CTKMarkupDependencyProperty* IsTabStopProperty;
  static CTKMarkupDependencyProperty* TabNavigationProperty;
  static CTKMarkupDependencyProperty* TabIndexProperty;
  static void RegisterMarkupProperties();

 private:
  CTKMarkupObject* m_pFocused;
  CTKMarkupObject* m_pScope;
  CTKMarkupContext* m_pOwner;
};
