// CTKMarkupDedicatedDC: a real HDC for one rectangle of a markup device
// context, on which controls draw parts with the system's theme and frame
// functions.
#pragma once

#include "afxwin.h"

class CTKMarkupDeviceContext;

/// Made by CTKMarkupDeviceContext::CreateDedicatedDC and deleted by the
/// caller: move the rectangle by GetOriginOffset, draw on GetDC, Commit once,
/// delete. This one is the GDI back end's: its HDC is the owner's own, so the
/// offset is (0, 0) and Commit has nothing to do. Used on the rendering
/// thread only.
class CTKMarkupDedicatedDC {
 public:
  /// `rc` is in the owner's current coordinates.
  CTKMarkupDedicatedDC(CTKMarkupDeviceContext* pOwner, const RECT& rc);
  /// Gives a fetched HDC back through the owner.
  virtual ~CTKMarkupDedicatedDC();
  CTKMarkupDedicatedDC(const CTKMarkupDedicatedDC&) = delete;
  CTKMarkupDedicatedDC& operator=(const CTKMarkupDedicatedDC&) = delete;

  /// The owner's HDC, fetched on the first call and kept; may be null.
  virtual HDC GetDC();
  /// Puts what was drawn in place; a second call does nothing.
  virtual void Commit() {}

  /// How far the caller moves the rectangle before drawing on GetDC.
  POINT GetOriginOffset() const { return m_ptOffset; }
  const RECT& GetRect() const { return m_rc; }

 protected:
  CTKMarkupDeviceContext* m_pOwner;
  HDC m_hOwnerDC;
  RECT m_rc;
  POINT m_ptOffset;
};
