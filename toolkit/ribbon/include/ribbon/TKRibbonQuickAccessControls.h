// The commands of the quick-access bar. Each is mirrored into the ribbon
// bar's own collection (right after the system button), so that the bar lays
// it out, draws it and hit-tests it like its other controls; its original
// controls are the default commands the customise menu offers.
#pragma once

#include "commandbars/TKControls.h"

class CTKRibbonBar;

class CTKRibbonQuickAccessControls : public CTKControls {
  DECLARE_DYNCREATE(CTKRibbonQuickAccessControls)

 public:
  CTKRibbonQuickAccessControls();

  /// The first command of the same id, type and class that is visible when
  /// lack of room is ignored; null when none.
  CTKControl* FindDuplicate(CTKControl* pControl) const;
  /// The position of the control in this collection, -1 when not held.
  int IndexOf(const CTKControl* pControl) const;

  /// Every command, out of this collection and of the ribbon's.
  void RemoveAllCommands();
  /// Loading replaces the commands.
  void DoPropExchange(CTKPropExchange* pPX) override;
  void Copy(CTKControls* pSource, BOOL bRecursive = FALSE) override;

  /// Takes the control out of this collection and of the ribbon's.
  void Remove(CTKControl* pControl) override;
  void OnControlAdded(CTKControl* pControl) override;
  void OnControlRemoved(CTKControl* pControl) override;
  /// The commands belong to the ribbon's collection: only their bar is set here.
  void RefreshIndexes() override;

 protected:
  CTKRibbonBar* GetRibbonBar() const;
};
