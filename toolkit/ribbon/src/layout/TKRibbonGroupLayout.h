// The record of one layout pass of a ribbon group: what each visible control
// measured, where it goes and which reduction it was given, kept from
// BeginLayout to EndLayout so that reduction steps re-measure only what changed.
#pragma once

#include <vector>

#include "ribbon/TKRibbonGroup.h"

struct CTKRibbonGroupLayoutItem {
  CTKControl* pControl = nullptr;
  /// Relative to the group until ArrangeControls, then in bar coordinates.
  CRect rc = CRect(0, 0, 0, 0);
  /// The group's content band, the control's row rectangle.
  CRect rcRow = CRect(0, 0, 0, 0);
  int cx = 0;
  int cy = 0;
  BOOL bHidden = FALSE;
  BOOL bStartsColumn = FALSE;
  BOOL bBeginGroup = FALSE;
  /// Begins a group or carries the forced-break flag.
  BOOL bBreakBefore = FALSE;
  /// The effective style `cx` and `cy` were measured in.
  int nStyle = 0;
  /// Grouping mode: the width from this control to the end of its run.
  int nRunWidth = 0;
};

struct CTKRibbonGroup::CLayout {
  std::vector<CTKRibbonGroupLayoutItem> items;
  int nCaptionWidth = 0;
  int nContentWidth = 0;
  BOOL bWasReduced = FALSE;
};

/// A control flag that forces a break before the control in grouping mode.
#define TKRIBBON_CONTROLFLAG_FORCEBREAK 0x80
