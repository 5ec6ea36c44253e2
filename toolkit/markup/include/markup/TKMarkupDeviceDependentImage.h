// Pictures of the markup "Image" element as the drawing back end that shows
// them makes them: the site they report to, their common base and the GDI
// image (toolkit icons and bitmaps).
#pragma once

#include "afxwin.h"

class CTKImageManager;
class CTKImageManagerIcon;
class CTKMarkupContext;

/// What an image needs of the element that shows it.
class ITKMarkupDeviceDependentImageSite {
 public:
  virtual ~ITKMarkupDeviceDependentImageSite() = default;
  virtual CTKMarkupContext* GetMarkupContext() = 0;
  /// The picture changed (an animation frame): repaint.
  virtual void OnImageChanged() = 0;
};

/// One loaded picture; 0 x 0 until a load succeeds. Owned by its element,
/// used on the thread that loaded it.
class CTKMarkupDeviceDependentImage : public CObject {
 public:
  explicit CTKMarkupDeviceDependentImage(ITKMarkupDeviceDependentImageSite* pSite)
      : m_pSite(pSite), m_nWidth(0), m_nHeight(0), m_bIcon(FALSE) {}
  CTKMarkupDeviceDependentImage(const CTKMarkupDeviceDependentImage&) = delete;
  CTKMarkupDeviceDependentImage& operator=(const CTKMarkupDeviceDependentImage&) = delete;

  /// Loads the picture a Source text names, picking icons of width `nWidth`
  /// (the available width); FALSE when nothing could be loaded.
  virtual BOOL Load(LPCWSTR lpszSource, int nWidth) = 0;
  /// The toolkit icon the picture is, or null.
  virtual CTKImageManagerIcon* GetIcon() const { return nullptr; }

  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  /// Whether the picture is a toolkit icon from an image manager.
  BOOL IsIcon() const { return m_bIcon; }
  ITKMarkupDeviceDependentImageSite* GetSite() const { return m_pSite; }

 protected:
  ITKMarkupDeviceDependentImageSite* m_pSite;
  int m_nWidth;
  int m_nHeight;
  BOOL m_bIcon;

  /// The icon of `nCommand` at `nWidth` in `pManager`; on success keeps
  /// manager and icon (one reference each) in the slots and takes the icon's size.
  BOOL TakeIcon(CTKImageManager* pManager, UINT nCommand, int nWidth, CTKImageManager** ppManager,
                CTKImageManagerIcon** ppIcon);
  /// A private image manager with the icon 0 of a resource (a bitmap or PNG
  /// of the resource module, else of the resource chain, else an icon group).
  CTKImageManager* LoadResourceIcons(LPCSTR lpszName);
  /// The context's mask colour for a private image manager.
  COLORREF GetMaskColor() const;
  CTKImageManager* GetContextImageManager() const;
  static void ReleaseIcon(CTKImageManager** ppManager, CTKImageManagerIcon** ppIcon);
};

/// The GDI back end's picture: always a toolkit icon, from a file
/// ("file://" and a path relative to the current folder; ".ico" files as
/// icons, other files as bitmaps or PNG), a resource ("res://" and a name,
/// "#n" for a number) or an icon id of the context's image manager (any
/// other text, read as a number).
class CTKMarkupGdiImage : public CTKMarkupDeviceDependentImage {
 public:
  explicit CTKMarkupGdiImage(ITKMarkupDeviceDependentImageSite* pSite);
  ~CTKMarkupGdiImage() override;

  BOOL Load(LPCWSTR lpszSource, int nWidth) override;
  CTKImageManagerIcon* GetIcon() const override { return m_pIcon; }
  CTKImageManager* GetImageManager() const { return m_pImageManager; }

 private:
  CTKImageManager* m_pImageManager;
  CTKImageManagerIcon* m_pIcon;
};

/// The resource name of a "res://" text for the resource functions: a
/// MAKEINTRESOURCE for "#" and digits, else the text in `strName`.
LPCSTR MarkupResourceName(LPCWSTR lpszResource, CString& strName);
