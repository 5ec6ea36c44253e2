// The application's own base of its custom-drawn pages (the main display and
// the variable display): the UI library's display, placed by its tab control.
#pragma once

#include "uilib/NativeDisplayControl.h"

class CVelmoranNativeDisplayControl : public CNativeDisplayControl {
 public:
  CVelmoranNativeDisplayControl();
  ~CVelmoranNativeDisplayControl() override;

  /// Nothing: the application's displays are pages of the display manager,
  /// which places them below its tab strip; filling the parent would cover it.
  bool RefitToParent() override { return false; }

 protected:
  DECLARE_MESSAGE_MAP()
};
