// The list that pasted steps go into. The engine knows no windows: the
// application's build-step display implements this, tests implement it with fakes.
#pragma once

class CBuildStepDataDefinition;

/// Receives the steps parsed from pasted XML, one at a time, in document order.
class IStepPasteTarget {
 public:
  virtual ~IStepPasteTarget() {}
  /// Clears the selection, so that the pasted steps are what ends up selected.
  /// False when there is nothing to deselect.
  virtual bool DeselectAll() = 0;
  /// Appends a heap step. True: the target has taken it and owns it from now on.
  /// False: the target has kept no reference to it and the caller still owns it
  /// (and deletes it). With `redraw` the target also refreshes its view.
  virtual bool AddStep(CBuildStepDataDefinition* step, bool redraw) = 0;
};
