// Controls that show rather than command: a text label, a label whose
// caption is markup, a bitmap, and a hyperlink that opens its target; and
// the check box and radio button, which take Space while they are the
// selected control.
#pragma once

#include "commandbars/TKControlClasses.h"

class CTKMarkupUIElement;

/// Text only; never selected. A click starts a customise drag, nothing else.
class CTKControlLabel : public CTKControl {
  DECLARE_DYNCREATE(CTKControlLabel)
 public:
  CTKControlLabel();
  BOOL SetSelected(int nSelected) override;
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
};

/// A label whose caption is markup, parsed again when the caption or the
/// theme changes and drawn in the bar's text colour and regular font.
class CTKControlMarkupLabel : public CTKControlLabel {
  DECLARE_DYNCREATE(CTKControlMarkupLabel)
 public:
  CTKControlMarkupLabel();
  ~CTKControlMarkupLabel() override;
  /// The parsed caption, or null when it is no markup.
  CTKMarkupUIElement* GetMarkupElement() const { return m_pMarkupElement; }
  /// Parses the caption again.
  void UpdateMarkup();
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  void OnCaptionChanged() override { UpdateMarkup(); }
  void OnThemeChanged() override { UpdateMarkup(); }

 protected:
  /// The paint manager's regular font, else DEFAULT_GUI_FONT.
  HFONT GetMarkupFont() const;

  CTKMarkupUIElement* m_pMarkupElement;
};

/// The largest icon of its id, at its size scaled from 96 DPI.
class CTKControlBitmap : public CTKControlLabel {
  DECLARE_DYNCREATE(CTKControlBitmap)
 public:
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
};

/// A caption in link colours; running it opens the tooltip text (a URL or a
/// file) with the shell.
class CTKControlHyperlink : public CTKControl {
  DECLARE_DYNCREATE(CTKControlHyperlink)
 public:
  CTKControlHyperlink();
  /// The link colours: red while selected, blue otherwise, colour 17 of the
  /// colour manager when disabled.
  COLORREF GetLinkColor() const;
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
  void OnExecute() override;
  void OnMouseMove(CPoint pt) override;

 protected:
  /// The paint manager's regular font, else DEFAULT_GUI_FONT.
  CFont* GetLinkFont() const;

  HCURSOR m_hCursorHand;
};

/// A check box or radio button: while selected it counts as focused, so the bar passes it
/// keys; Space clicks it.
class CTKControlCheckBox : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlCheckBox)
 public:
  CTKControlCheckBox() { m_controlType = tkControlCheckBox; }
  BOOL IsFocused() const override { return GetSelected() != 0; }
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
};

class CTKControlRadioButton : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlRadioButton)
 public:
  CTKControlRadioButton() { m_controlType = tkControlRadioButton; }
  BOOL IsFocused() const override { return GetSelected() != 0; }
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
};
