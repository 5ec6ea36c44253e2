// One build step of a build: its type, seven texts, timing and paused flag.
#pragma once

#include <stdint.h>

#include "foundation/TesselString.h"

/// Step types. 6 to 13 are file and folder steps, the others start a process.
enum BuildStepType {
  StepExecuteProgram = 0,
  StepDosCommand = 1,
  StepAdvancedInstallerBuild = 2,
  StepAdvancedInstallerEdit = 3,
  StepMSDevCompile = 4,
  StepBuildScript = 5,
  StepCopyFiles = 6,
  StepMoveFiles = 7,
  StepDeleteFiles = 8,
  StepRenameFile = 9,
  StepCreateFolder = 10,
  StepDeleteFolder = 11,
  StepRenameFolder = 12,
  StepCopyTree = 13,
  StepVantrell = 14,
  StepLumeth = 15,
  StepBrisant = 16,
  StepQuorrel = 17,
  StepTypeCount = 18
};

/// A plain value record for one build step. Owned by the list that holds it.
/// Type, times, paused flag and texts are read directly; texts are written
/// through their setters.
class CBuildStepDataDefinition {
 public:
  /// The number of texts; GetTextField visits them in this fixed order:
  /// step name, description, executable path, parameters, source path,
  /// target path, file specification.
  static const int TextFieldCount = 7;

  /// A fresh step (see Reset).
  CBuildStepDataDefinition();
  virtual ~CBuildStepDataDefinition();

  /// Type 0, empty texts, started now, elapsed 0, not paused.
  void Reset();

  /// Text setters; each assigns the text as it is (width included).
  void SetStepName(CTesselString text);
  void SetDescription(CTesselString text);
  void SetExecutablePath(CTesselString text);
  void SetParameters(CTesselString text);
  void SetSourcePath(CTesselString text);
  void SetTargetPath(CTesselString text);
  void SetFileSpec(CTesselString text);

  /// Text number `index` in the fixed order above; null outside 0..6.
  CTesselString* GetTextField(int index);
  const CTesselString* GetTextField(int index) const;

  /// Copies type, texts and times; the receiver keeps its own paused flag.
  void CopyFrom(const CBuildStepDataDefinition& other);

  /// Starts the clock at `time` and clears the elapsed time.
  void SetStartTime(int64_t time);
  /// Elapsed time = now - start time. Always true.
  bool UpdateElapsedTime();
  /// "[N day(s)  ]hh:mm:ss:mmm" for a positive elapsed time; otherwise
  /// "0:0:0:0" when `showZero`, else empty.
  CTesselString GetElapsedTimeText(bool showZero) const;

  /// Replaces every occurrence of `pattern` in all seven texts; returns how
  /// many were replaced. An empty pattern replaces nothing.
  int ReplaceText(CTesselString& pattern, CTesselString& replacement, bool ignoreCase);

  int32_t m_stepType;
  CTesselString m_stepName;
  CTesselString m_description;
  CTesselString m_executablePath;
  CTesselString m_parameters;
  CTesselString m_sourcePath;
  CTesselString m_targetPath;
  CTesselString m_fileSpec;
  int64_t m_startTime;    ///< UTC, 100 ns units since 1601, when last started
  int64_t m_elapsedTime;  ///< duration of the last run, 100 ns units
  bool m_paused;          ///< skipped by a run, counts as successful
};
