// The classes a control type makes. Most of them still behave as plain
// controls here; each grows its own behaviour in its own time.
#pragma once

#include "commandbars/TKControl.h"

class CTKControlButton : public CTKControl {
  DECLARE_DYNCREATE(CTKControlButton)
};

/// Pop-up, button pop-up and split-button pop-up: a control with a bar.
class CTKControlPopup : public CTKControlButton {
  DECLARE_DYNCREATE(CTKControlPopup)
 public:
  CTKControlPopup();
  ~CTKControlPopup() override;
  CTKCommandBar* GetCommandBar() const override { return m_pCommandBar; }
  /// Takes over the caller's reference to the bar.
  void SetCommandBar(CTKCommandBar* pBar);
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;

 protected:
  CTKCommandBar* m_pCommandBar;
};

#define TK_DECLARE_CONTROL_CLASS(theClass, baseClass) \
  class theClass : public baseClass {                 \
    DECLARE_DYNCREATE(theClass)                       \
  };

TK_DECLARE_CONTROL_CLASS(CTKControlComboBox, CTKControl)
TK_DECLARE_CONTROL_CLASS(CTKControlLabel, CTKControl)
TK_DECLARE_CONTROL_CLASS(CTKControlCheckBox, CTKControlButton)
TK_DECLARE_CONTROL_CLASS(CTKControlRadioButton, CTKControlButton)
TK_DECLARE_CONTROL_CLASS(CTKControlWindowList, CTKControlButton)
TK_DECLARE_CONTROL_CLASS(CTKControlWorkspaceActions, CTKControlButton)
TK_DECLARE_CONTROL_CLASS(CTKControlToolbars, CTKControlButton)
TK_DECLARE_CONTROL_CLASS(CTKControlRecentFileList, CTKControlButton)
TK_DECLARE_CONTROL_CLASS(CTKControlOleItems, CTKControlButton)

// The edit field and the gallery have pairs of their own.
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKControlGallery.h"
