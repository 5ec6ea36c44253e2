// CTooltipWindow: a layered pop-up that shows lines of text on a vertical
// gradient inside a frame with rounded corners, placed below or above an
// anchor point, fading in when shown and out when hidden. UI thread only;
// its owner calls it from its message handlers.
#pragma once

#include <afxwin.h>

#include "foundation/TesselList.h"
#include "foundation/TesselString.h"
#include "uilib/OffScreenDeviceContext.h"

class CTooltipWindow : public CWnd {
 public:
  /// Characters of a line; a longer text is cut into lines of one more.
  static constexpr int kMaxLineLength = 60;
  /// Height of an empty line, in pixels.
  static constexpr int kEmptyLineHeight = 11;
  /// Border and text colours of the frame and the gradient's bottom.
  static constexpr COLORREF kFrameColor = RGB(118, 118, 118);
  static constexpr COLORREF kGradientBottom = RGB(229, 229, 240);

  CTooltipWindow();
  /// Destroys the lines, then the window.
  ~CTooltipWindow() override;

  /// The hidden window at 99 % opacity, child of the owner; needs the owner.
  virtual bool Create();
  /// The window width for the widest line: the line plus 10 pixels.
  virtual int GetWindowWidth(int widestLine) { return widestLine + 10; }

  /// Appends the text: one line up to 60 characters, else lines of 61
  /// characters with the rest on the last. True when a line was added.
  bool AddText(const CTesselString& text);
  void RemoveAllLines();
  int GetLineCount() const { return m_lines.GetCount(); }
  CTesselString GetLine(int index);

  /// Lays the window out at the anchor (below it, or ending at its y when
  /// `above`) and shows it; at the anchor it already stands, a visible
  /// window is only repainted.
  bool ShowAt(POINT anchor, bool above);
  /// Shows (fading in when it was hidden) or hides (fading out) the window;
  /// a hide forgets the position, so the next ShowAt lays out again.
  bool Show(bool show);
  bool IsShown() const { return m_bVisible != 0; }
  /// How many times ShowAt laid the window out.
  int GetLayoutCount() const { return m_nLayouts; }

  /// "MS Mincho" when a line holds a character outside ASCII, else "Tahoma".
  const char* GetFaceName();

  /// Set by the owner before Create; not owned.
  CWnd* m_pOwnerWindow;
  COLORREF m_textColor;
  COLORREF m_backgroundColor;
  /// Fade on showing and hiding; 300 ms each, blocking the UI thread.
  BYTE m_bFade;
  int m_nFadeTime;

 protected:
  afx_msg void OnPaint();
  /// Opacity 10 to 99 %, else nothing.
  void SetOpacity(int percent);
  void Fade(bool in);
  /// The tooltip font, made for the current lines.
  HFONT CreateTooltipFont();
  /// The extent of a line in `dc`; an empty line is kEmptyLineHeight high and 0 wide.
  SIZE MeasureLine(HDC dc, CTesselString& line);
  void PaintContent(HDC dc, const RECT& client);

  CTesselList m_lines;
  int m_nLastX;
  int m_nLastY;
  BYTE m_bVisible;
  int m_nLayouts;
  COffScreenDeviceContext m_offScreen;

  DECLARE_MESSAGE_MAP()
};
