// CTKMarkupInputElement: the layer of markup elements that takes mouse
// input, raises routed events, shows a cursor and a tooltip and carries a
// style with its triggers.
#pragma once

#include "markup/TKMarkupRoutedEvent.h"

class CTKMarkupActiveTriggerCollection;
class CTKMarkupProperties;
class CTKMarkupStyle;

/// Abstract in practice: the visual and content elements derive from it.
/// Handlers, the active triggers and the trigger values are made on first
/// need and go with the element.
class CTKMarkupInputElement : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupInputElement();
  ~CTKMarkupInputElement() override;

  /// Own value, then the value an active trigger imposes, then the style's,
  /// then the default style of the element's type.
  CTKMarkupObject* GetLocalValue(CTKMarkupDependencyProperty* pProperty) override;
  /// A routed event takes the name of a delegate the context knows; the
  /// builder's error when there is no context or no such delegate.
  void SetPropertyObject(CTKMarkupBuilder* pBuilder, CTKMarkupDependencyProperty* pProperty,
                         CTKMarkupObject* pValue) override;

  // Mouse input from the context, element by element along the hover chain.
  // The base does nothing unless said otherwise.

  /// Clears IsMouseOver.
  virtual void OnMouseLeave(CTKMarkupMouseEventArgs* pArgs);
  /// Sets IsMouseOver.
  virtual void OnMouseEnter(CTKMarkupMouseEventArgs* pArgs);
  virtual void OnMouseMove(CTKMarkupMouseEventArgs* pArgs);
  /// With a Cursor value: handled, with that system cursor (none for id 0).
  virtual void OnQueryCursor(CTKMarkupQueryCursorEventArgs* pArgs);
  virtual void OnMouseLeftButtonUp(CTKMarkupMouseButtonEventArgs* pArgs);
  virtual void OnMouseRightButtonUp(CTKMarkupMouseButtonEventArgs* pArgs);
  virtual void OnMouseLeftButtonDown(CTKMarkupMouseButtonEventArgs* pArgs);
  virtual void OnMouseRightButtonDown(CTKMarkupMouseButtonEventArgs* pArgs);
  virtual void OnLostMouseCapture(CTKMarkupMouseEventArgs* pArgs);
  virtual void OnMouseWheel(CTKMarkupMouseWheelEventArgs* pArgs);
  /// The element under the point (parent coordinates), or null (here always).
  virtual CTKMarkupInputElement* InputHitTest(int x, int y);
  /// Takes the style from the resources when none is set, then applies the
  /// style's triggers.
  virtual void UpdateStyle();

  // Routed events

  /// Direct events run this element's handlers; bubbling ones run the
  /// handlers of every input element up the logical parents until one sets
  /// Handled.
  void RaiseEvent(CTKMarkupRoutedEventArgs* pArgs);
  /// Appends a handler (a reference is added).
  void AddHandler(CTKMarkupRoutedEvent* pEvent, CTKMarkupDelegate* pDelegate);
  /// Null until the first handler.
  CTKMarkupEventHandlerMap* GetHandlerMap() const { return m_pHandlers; }

  void CaptureMouse();
  void ReleaseMouseCapture();
  /// Hands the element to keyboard navigation (which does not move focus).
  void Focus();
  /// The resource under `pKey`, searched from this element upwards; null.
  CTKMarkupObject* FindResource(CTKMarkupObject* pKey);

  // Style and triggers

  /// The style in effect (sealed; not counted), or null.
  CTKMarkupStyle* GetStyle() const { return m_pStyle; }
  /// Re-evaluates the active triggers after `pProperty` took `pValue` (both
  /// null: every trigger of the style).
  void ApplyTriggers(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pValue);
  /// UpdateStyle of every input element of the tree, children first.
  static void UpdateStylesOfTree(CTKMarkupObject* pRoot);
  /// The values active triggers impose, or null before the first.
  CTKMarkupProperties* GetTriggerValues() const { return m_pTriggerValues; }
  /// The triggers whose condition holds, or null before the first.
  CTKMarkupActiveTriggerCollection* GetActiveTriggers() const { return m_pActiveTriggers; }

  // Typed accessors

  BOOL IsMouseOver();
  BOOL IsKeyboardFocused();
  /// The tooltip object (a string in practice), or null.
  CTKMarkupObject* GetToolTip();
  /// The system cursor id; FALSE when no Cursor is set.
  BOOL GetCursor(int* pnCursorId);
  /// The "Name" text, or null.
  LPCWSTR GetName();

  static CTKMarkupDependencyProperty* CursorProperty;
  static CTKMarkupDependencyProperty* IsMouseOverProperty;
  static CTKMarkupDependencyProperty* ResourcesProperty;
  static CTKMarkupDependencyProperty* StyleProperty;
  static CTKMarkupDependencyProperty* IsKeyboardFocusedProperty;
  static CTKMarkupDependencyProperty* IsFocusableProperty;
  static CTKMarkupDependencyProperty* ToolTipProperty;

  static CTKMarkupRoutedEvent* MouseLeaveEvent;
  static CTKMarkupRoutedEvent* MouseEnterEvent;
  static CTKMarkupRoutedEvent* MouseLeftButtonUpEvent;
  static CTKMarkupRoutedEvent* MouseLeftButtonDownEvent;
  static CTKMarkupRoutedEvent* MouseRightButtonUpEvent;
  static CTKMarkupRoutedEvent* MouseRightButtonDownEvent;
  static CTKMarkupRoutedEvent* MouseMoveEvent;
  static CTKMarkupRoutedEvent* LostMouseCaptureEvent;

  static void RegisterMarkupProperties();

 protected:
  /// The value the style (or the type's default style) gives the property.
  CTKMarkupObject* GetStyleValue(CTKMarkupDependencyProperty* pProperty);
  /// A route that no element handled ends at the context's global handlers.
  void RaiseGlobalHandlers(CTKMarkupRoutedEventArgs* pArgs);

  static void OnStyleChanged(CTKMarkupObject* pObject, const TK_MARKUP_PROPERTY_CHANGE& change);
  static void OnCursorChanged(CTKMarkupObject* pObject, const TK_MARKUP_PROPERTY_CHANGE& change);

  CTKMarkupEventHandlerMap* m_pHandlers;
  /// Counted, or null.
  CTKMarkupActiveTriggerCollection* m_pActiveTriggers;
  CTKMarkupProperties* m_pTriggerValues;
  CTKMarkupStyle* m_pStyle;

 private:
  /// Appends the triggers of the style (its base styles' first) whose
  /// condition holds for the property's value; TRUE when any was added.
  BOOL AddActiveTriggers(CTKMarkupStyle* pStyle, CTKMarkupDependencyProperty* pProperty,
                         CTKMarkupObject* pValue, int nDepth);

  // Automation for scripts (TKMarkupInputElementDispatch.cpp)
 protected:
  long DispGetCursor();
  void DispSetCursor(long nCursor);
  VARIANT DispGetToolTip();
  void DispSetToolTip(const VARIANT& value);
  BOOL DispGetIsMouseOver();
  LPDISPATCH DispGetMouseLeaveEvent();
  LPDISPATCH DispGetMouseEnterEvent();
  LPDISPATCH DispGetMouseLeftButtonUpEvent();
  LPDISPATCH DispGetMouseLeftButtonDownEvent();
  LPDISPATCH DispGetMouseRightButtonUpEvent();
  LPDISPATCH DispGetMouseRightButtonDownEvent();
  LPDISPATCH DispGetMouseMoveEvent();
  LPDISPATCH DispGetLostMouseCaptureEvent();
  LPDISPATCH DispFindName(LPCWSTR lpszName);
  BSTR DispGetName();
  void DispSetName(LPCWSTR lpszName);
  void DispCaptureMouse();
  void DispReleaseMouseCapture();
  DECLARE_DISPATCH_MAP()
};
