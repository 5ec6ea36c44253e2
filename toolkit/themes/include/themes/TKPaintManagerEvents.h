// What objects that cache a paint manager are told by it.
#pragma once

class CTKPaintManager;

class ITKPaintManagerEvents {
 public:
  virtual ~ITKPaintManagerEvents() = default;
  /// The paint manager is going away; drop every pointer to it.
  virtual void OnPaintManagerDestroyed(CTKPaintManager* pPaintManager) = 0;
};
