// Where an execution processor hands what its child writes. The step executor
// implements it; tests implement it with recorders.
#pragma once

#include "foundation/TesselString.h"

/// Receives the output of one child process, on the processor's worker thread,
/// in the order the child wrote it.
class IProcessOutput {
 public:
  virtual ~IProcessOutput() {}
  /// One chunk as read from the pipe, narrow text that may end inside a line,
  /// with the log kind it is meant for (LogOutput). True when a line was logged.
  virtual bool AddProcessOutput(int kind, CTesselString* text) = 0;
  /// The child has ended and its output is read: the unfinished last line, if
  /// any, is complete now. True when a line was logged.
  virtual bool FlushProcessOutput(int kind) = 0;
};
