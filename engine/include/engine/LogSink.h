// Where a run reports what it does. The engine knows no windows: the
// application's log display implements this, tests implement it with fakes.
#pragma once

#include "foundation/TesselString.h"

/// Kinds of log entry, as the log display colours them.
enum LogEntryKind {
  LogStepStart = 0,  ///< a step begins
  LogFailure = 1,    ///< a step failed or the run was cancelled
  LogSuccess = 2,    ///< a step succeeded
  LogOutput = 3      ///< a line of process output, or a summary
};

/// Receives the log entries of a run. AddEntry may be called from any thread
/// (process output arrives on a worker thread), so implementations lock.
class ILogSink {
 public:
  virtual ~ILogSink() {}
  /// Appends one entry of the given kind (LogEntryKind); false when refused.
  virtual bool AddEntry(int kind, const CTesselString& text) = 0;
};
