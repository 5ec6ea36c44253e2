// Routed events: the event descriptors that markup event attributes name,
// the argument objects handed to handlers, and the per-element map from an
// event to its handlers.
#pragma once

#include "markup/TKMarkupDependencyProperty.h"

#include <map>
#include <vector>

class CTKMarkupDelegate;

/// Routing flag of an event's metadata: the event bubbles up the logical
/// parents; without it only the element's own handlers run.
#define TK_MARKUP_ROUTE_BUBBLE 0x01

/// An event is a property without a value slot; its value type is the string
/// (the handler's name in markup) and its routing flags are the metadata flags.
class CTKMarkupRoutedEvent : public CTKMarkupDependencyProperty {
 public:
  /// Creates and registers an event for `pOwnerType` (held by the property
  /// map for the life of the process; the result is borrowed).
  static CTKMarkupRoutedEvent* RegisterRoutedEvent(LPCWSTR lpszName, DWORD dwRoutingFlags,
                                                   CTKMarkupType* pOwnerType);

  BOOL IsEvent() const override { return TRUE; }
  BOOL IsBubbling() const { return (GetFlags() & TK_MARKUP_ROUTE_BUBBLE) != 0; }

 protected:
  CTKMarkupRoutedEvent() = default;

  // Automation for scripts (TKMarkupInputElementDispatch.cpp)
  BSTR DispGetName();
  DECLARE_DISPATCH_MAP()
};

/// What an event carries: the event, the element it started at and the
/// Handled flag a handler sets to end the route.
class CTKMarkupRoutedEventArgs : public CTKMarkupObject {
 public:
  explicit CTKMarkupRoutedEventArgs(CTKMarkupRoutedEvent* pEvent = nullptr)
      : m_pEvent(pEvent), m_pSource(nullptr), m_bHandled(FALSE) {}

  CTKMarkupRoutedEvent* GetRoutedEvent() const { return m_pEvent; }
  void SetRoutedEvent(CTKMarkupRoutedEvent* pEvent) { m_pEvent = pEvent; }
  /// Not counted: the source outlives the dispatch.
  CTKMarkupObject* GetSource() const { return m_pSource; }
  void SetSource(CTKMarkupObject* pSource) { m_pSource = pSource; }
  BOOL GetHandled() const { return m_bHandled; }
  void SetHandled(BOOL bHandled) { m_bHandled = bHandled; }

 protected:
  /// Scripts see "Handled", "Event" and "Source"; a script can mark the
  /// event handled but never clear the mark.
  BOOL DispGetHandled();
  void DispSetHandled(BOOL bHandled);
  LPDISPATCH DispGetEvent();
  LPDISPATCH DispGetSource();
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupRoutedEvent* m_pEvent;
  CTKMarkupObject* m_pSource;
  BOOL m_bHandled;
};

/// Mouse events: the window and the point (window coordinates).
class CTKMarkupMouseEventArgs : public CTKMarkupRoutedEventArgs {
 public:
  explicit CTKMarkupMouseEventArgs(CTKMarkupRoutedEvent* pEvent = nullptr)
      : CTKMarkupRoutedEventArgs(pEvent), m_hWnd(nullptr), m_x(0), m_y(0) {}

  HWND GetWindow() const { return m_hWnd; }
  void SetWindow(HWND hWnd) { m_hWnd = hWnd; }
  int GetX() const { return m_x; }
  int GetY() const { return m_y; }
  void SetPosition(int x, int y) {
    m_x = x;
    m_y = y;
  }
  /// The point relative to an element: the client point less the visual
  /// offsets of the element and of its visual ancestors; the client point
  /// for null.
  CPoint GetPosition(CTKMarkupObject* pElement) const;

 private:
  HWND m_hWnd;
  int m_x;
  int m_y;
};

class CTKMarkupMouseButtonEventArgs : public CTKMarkupMouseEventArgs {
 public:
  explicit CTKMarkupMouseButtonEventArgs(CTKMarkupRoutedEvent* pEvent = nullptr)
      : CTKMarkupMouseEventArgs(pEvent) {}
};

/// The wheel is not a routed event: only the elements' OnMouseWheel run.
class CTKMarkupMouseWheelEventArgs : public CTKMarkupMouseEventArgs {
 public:
  explicit CTKMarkupMouseWheelEventArgs(int nDelta = 0) : m_nDelta(nDelta) {}
  int GetDelta() const { return m_nDelta; }

 private:
  int m_nDelta;
};

/// The cursor query: the element that handles it may supply a cursor (null:
/// handled without a cursor, the host window decides).
class CTKMarkupQueryCursorEventArgs : public CTKMarkupMouseEventArgs {
 public:
  CTKMarkupQueryCursorEventArgs() : m_hCursor(nullptr) {}
  HCURSOR GetCursor() const { return m_hCursor; }
  void SetCursor(HCURSOR hCursor) { m_hCursor = hCursor; }

 private:
  HCURSOR m_hCursor;
};

/// The handlers of one element, per event, in registration order. Holds one
/// reference per delegate entry; the destructor releases them.
class CTKMarkupEventHandlerMap {
 public:
  CTKMarkupEventHandlerMap() = default;
  ~CTKMarkupEventHandlerMap() { Cleanup(); }
  CTKMarkupEventHandlerMap(const CTKMarkupEventHandlerMap&) = delete;
  CTKMarkupEventHandlerMap& operator=(const CTKMarkupEventHandlerMap&) = delete;

  /// Appends the delegate to the event's list, adding a reference.
  void Add(CTKMarkupRoutedEvent* pEvent, CTKMarkupDelegate* pDelegate);
  /// Calls every delegate of the args' event in order with (sender, args);
  /// nothing for an event without handlers.
  void Raise(CTKMarkupObject* pSender, CTKMarkupRoutedEventArgs* pArgs);
  /// The number of handlers of the event.
  int GetCount(CTKMarkupRoutedEvent* pEvent) const;
  /// Releases every delegate and empties the map.
  void Cleanup();

 private:
  std::map<CTKMarkupRoutedEvent*, std::vector<CTKMarkupDelegate*>> m_handlers;
};
