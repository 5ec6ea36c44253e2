// CTKMarkupDedicatedDC: the GDI back end's HDC for one rectangle.
#include "TKMarkupDedicatedDC.h"

#include "markup/TKMarkupDeviceContext.h"

CTKMarkupDedicatedDC::CTKMarkupDedicatedDC(CTKMarkupDeviceContext* pOwner, const RECT& rc)
    : m_pOwner(pOwner), m_hOwnerDC(nullptr), m_rc(rc), m_ptOffset{0, 0} {}

CTKMarkupDedicatedDC::~CTKMarkupDedicatedDC() {
  if (m_hOwnerDC != nullptr && m_pOwner != nullptr) m_pOwner->ReleaseDC(m_hOwnerDC);
}

HDC CTKMarkupDedicatedDC::GetDC() {
  if (m_hOwnerDC == nullptr && m_pOwner != nullptr) m_hOwnerDC = m_pOwner->GetDC();
  return m_hOwnerDC;
}

CTKMarkupDedicatedDC* CTKMarkupDeviceContext::CreateDedicatedDC(const RECT& rc) {
  return new CTKMarkupDedicatedDC(this, rc);
}
