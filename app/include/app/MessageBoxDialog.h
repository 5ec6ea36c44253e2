// CMessageBoxDialog: the application's one message box. It takes the flags and
// answers of the Win32 message box, but draws its own icon and text, wraps
// the text itself, sizes itself to it and takes its button captions from the
// string table. UI thread only.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include "foundation/TesselList.h"
#include "foundation/TesselString.h"
#include "uilib/NonResizableDialog.h"

class CMessageBoxDialog : public CNonResizableDialog {
 public:
  explicit CMessageBoxDialog(CWnd* pParent);
  ~CMessageBoxDialog() override;

  void SetText(CTesselString text) { m_text = text; }
  void SetCaption(CTesselString caption) { m_caption = caption; }
  CTesselString GetText() const { return m_text; }
  CTesselString GetCaption() const { return m_caption; }

  /// The wrapped lines, after OnInitDialog.
  int GetLineCount() { return m_lines.GetCount(); }
  CTesselString GetLine(int index);

  /// Win32 message-box flags: buttons, icon, default button.
  UINT m_nFlags;
  /// The answer: a Win32 button code (IDOK, IDCANCEL, IDYES, IDNO).
  int m_nResult;
  /// The widest box in pixels; the text may use this less 104.
  int m_nMaxWidth;
  BYTE m_bTopmost;

  /// The bitmap of the icon the flags choose.
  static UINT IconBitmapFor(UINT flags);
  /// The id of the button the flags make the default.
  static int DefaultButtonFor(UINT flags);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCancel() override;

  afx_msg void OnPaint();
  /// Printing draws what a paint draws, so a picture of the box can be taken.
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg void OnButton1() { OnButton(0); }
  afx_msg void OnButton2() { OnButton(1); }
  afx_msg void OnButton3() { OnButton(2); }

  /// The extent of wide text in the selected font; tests measure their own.
  virtual SIZE MeasureText(HDC hDC, const wchar_t* text, int length);

  void WrapText();
  /// The index at which a line too wide for `width` breaks: at the last blank
  /// before the overflowing character, else at that character; 0 when it fits.
  int FindWrapPosition(HDC hDC, CTesselString& line, int width);
  void SizeToText();
  void ArrangeButtons();

  CButton m_buttons[3];
  CImageList m_icon;
  CFont m_textFont;
  CTesselString m_text;
  CTesselString m_caption;
  CTesselList m_lines;
  CWnd* m_pParent;

 private:
  void OnButton(int index);
  /// The icon and the lines, over what the dialog painted.
  void DrawContent(HDC hDC);
  void SetUpButtons();
  void CreateTextFont();
  void ClearLines();
  int LineHeight(HDC hDC, CTesselString& line);

  DECLARE_MESSAGE_MAP()
};
