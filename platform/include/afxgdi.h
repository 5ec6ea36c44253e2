// Device contexts and GDI objects: the part that window code needs to hand a
// DC or a font to a message handler. The drawing members come with the rest
// of the GDI wrappers.
#pragma once

#include "afx.h"

/// A device context. Objects from FromHandle are temporary: owned by the
/// calling thread's map and deleted at idle time; do not keep them.
class CDC : public CObject {
  DECLARE_DYNCREATE(CDC)

 public:
  CDC();
  ~CDC() override;

  HDC m_hDC;        // the output DC
  HDC m_hAttribDC;  // the DC queried for attributes; the same as m_hDC here

  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }

  /// The permanent object of hDC, or a temporary one (null for a null handle).
  static CDC* PASCAL FromHandle(HDC hDC);
  /// Deletes the calling thread's temporary DC objects (not the DCs).
  static void PASCAL DeleteTempMap();
  /// Makes this object the permanent one of hDC; FALSE for a null handle.
  BOOL Attach(HDC hDC);
  HDC Detach();
  /// Deletes the DC this object owns (DeleteDC), after detaching it.
  BOOL DeleteDC();
};

/// Any GDI object (pen, brush, font, bitmap, region, palette). FromHandle
/// objects are temporary, as with CDC.
class CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)

 public:
  CGdiObject();
  /// Deletes the owned object.
  ~CGdiObject() override;

  HGDIOBJ m_hObject;

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }

  static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
};

class CFont : public CGdiObject {
  DECLARE_DYNCREATE(CFont)

 public:
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
  static CFont* PASCAL FromHandle(HFONT hFont) {
    return static_cast<CFont*>(CGdiObject::FromHandle(hFont));
  }
};

class CRgn : public CGdiObject {
  DECLARE_DYNCREATE(CRgn)

 public:
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }
  static CRgn* PASCAL FromHandle(HRGN hRgn) {
    return static_cast<CRgn*>(CGdiObject::FromHandle(hRgn));
  }
};
