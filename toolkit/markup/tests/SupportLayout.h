// Shared by the layout tests: parse a markup text, lay it out, and read the
// rectangles its named elements were given.
#pragma once

#include <ostream>
#include <string>

#include "SupportMarkup.h"
#include "markup/TKMarkupUIElement.h"

/// Parses into its own context; the tree goes before the context does.
class CLayoutRun {
 public:
  explicit CLayoutRun(HWND hWnd = nullptr) : m_context(hWnd) {}
  ~CLayoutRun() { m_root.Assign(nullptr); }

  /// Parses the text (null root and the error in `Error()` on failure).
  CTKMarkupUIElement* Parse(const std::wstring& text);
  /// Parses, measures with the available size and arranges at (0, 0) with
  /// the final size (the available size when none is given).
  CTKMarkupUIElement* Layout(const std::wstring& text, int nWidth, int nHeight,
                             int nFinalWidth = -1, int nFinalHeight = -1);
  /// Measures and arranges the parsed root again.
  void Relayout(int nWidth, int nHeight, int nFinalWidth = -1, int nFinalHeight = -1);

  CTKMarkupUIElement* Root() const { return static_cast<CTKMarkupUIElement*>(m_root.Get()); }
  /// The named element (asserts in the caller's test when missing).
  CTKMarkupUIElement* Element(LPCWSTR lpszName) const;
  /// The rectangle the named element was arranged in, in its parent's
  /// coordinates; (-1, -1, -1, -1) when there is no such element.
  CRect RectOf(LPCWSTR lpszName) const;
  CTKMarkupContext* Context() const { return m_context; }
  const std::string& Error() const { return m_error; }

 private:
  CTestContext m_context;
  CTKMarkupAutoPtr<> m_root;
  std::string m_error;
};

/// Calls a script member of an object through its IDispatch (property get
/// for DISPATCH_PROPERTYGET). The result's variant is cleared by the caller.
HRESULT InvokeMember(CTKMarkupObject* pObject, LPCWSTR lpszName, WORD wFlags, VARIANT* pArgs,
                     int nArgs, VARIANT* pResult);

/// Rectangles and sizes in test failures.
inline void PrintTo(const CRect& rect, std::ostream* pStream) {
  *pStream << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
           << ")";
}
inline void PrintTo(const CSize& size, std::ostream* pStream) {
  *pStream << "(" << size.cx << ", " << size.cy << ")";
}
