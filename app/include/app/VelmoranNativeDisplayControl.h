// The application's own base of its custom-drawn pages (the main display and
// the variable display); it adds nothing to the UI library's display.
#pragma once

#include "uilib/NativeDisplayControl.h"

class CVelmoranNativeDisplayControl : public CNativeDisplayControl {
 public:
  CVelmoranNativeDisplayControl();
  ~CVelmoranNativeDisplayControl() override;

 protected:
  DECLARE_MESSAGE_MAP()
};
