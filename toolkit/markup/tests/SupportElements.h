// Shared by the element tests: a stacking panel of their own, handlers that
// write down what they see, and a hidden window that shows a markup tree and
// passes its mouse messages to the tree's context.
#pragma once

#include <string>

#include "markup/TKMarkupContext.h"
#include "TKMarkupDelegate.h"
#include "TKMarkupPanel.h"
#include "markup/TKMarkupRoutedEvent.h"
#include "testsupport/HostWindow.h"

/// Lays its children out one below the other, each as wide as the panel and
/// as high as it desires. Made under the tag "TestStack".
class CTestStack : public CTKMarkupPanel {
 public:
  static CTKMarkupType* s_pType;
  static CTKMarkupObject* CreateInstance(CTKMarkupContext* pContext);
  /// Makes the type once (the tag then names it).
  static CTKMarkupType* Register();
  CTKMarkupType* GetType() const override { return s_pType; }

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
};

/// Appends "name:Event" (with the sender's Name when it has one, as
/// "name:Event@Sender") to a log; marks the event handled when asked.
class CRecordingDelegate : public CTKMarkupDelegate {
 public:
  CRecordingDelegate(std::string* pLog, const std::string& name, BOOL bHandle = FALSE)
      : m_pLog(pLog), m_name(name), m_bHandle(bHandle) {}
  void Execute(CTKMarkupObject* pSender, CTKMarkupObject* pArgs) override;

 private:
  std::string* m_pLog;
  std::string m_name;
  BOOL m_bHandle;
};

/// Adds a recording handler for the event to the element (the element keeps
/// the only reference).
void Record(CTKMarkupObject* pElement, CTKMarkupRoutedEvent* pEvent, std::string* pLog,
            const std::string& name, BOOL bHandle = FALSE);

/// A hidden window with a context of its own; it lays out and paints the root
/// it is given and hands every message to the context first.
class CMarkupHostWindow : public CTestHostWindow {
 public:
  CMarkupHostWindow();
  ~CMarkupHostWindow() override;

  /// Creates the window; FALSE on failure.
  BOOL Create(int nWidth = 300, int nHeight = 300);
  CTKMarkupContext* GetContext() const { return m_pContext; }
  /// Parses markup into the root (FALSE with the error in *pError).
  BOOL Load(const std::wstring& text, std::string* pError = nullptr);
  /// Takes over one reference to the root and lays it out over the client area.
  void SetRoot(CTKMarkupObject* pRoot);
  CTKMarkupObject* GetRoot() const { return m_pRoot; }
  /// Measures and arranges the root in the client area again.
  void Layout();
  /// The named element of the tree, or null.
  CTKMarkupObject* Find(LPCWSTR lpszName) const;

  /// Sends a mouse message with a client point; the key flags go to wParam.
  LRESULT Mouse(UINT message, int x, int y, WPARAM wParam = 0);
  /// Sends WM_MOUSEMOVE to the middle of the element.
  LRESULT MoveTo(CTKMarkupObject* pElement);
  /// Move, press and release in the middle of the element.
  void Click(CTKMarkupObject* pElement);
  /// The element's rectangle in the window.
  CRect RectOf(CTKMarkupObject* pElement) const;
  /// Whether the context handled the last message, and its result.
  BOOL m_bHandled = FALSE;
  LRESULT m_lResult = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CTKMarkupContext* m_pContext;
  CTKMarkupObject* m_pRoot;
};
