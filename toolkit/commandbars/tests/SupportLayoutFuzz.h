// Damaged layouts loaded into a frame's command bars: sound layouts of a few
// arrangements, damaged by a seeded mutator, each loaded into bars set up
// afresh. Shared by the fuzz test and the longer fuzzer.
#pragma once

#include <stdint.h>

#include <vector>

#include "SupportLayoutFrame.h"
#include "testsupport/ByteMutator.h"

class CLayoutFuzzer {
 public:
  explicit CLayoutFuzzer(uint32_t seed);

  /// A sound layout of arrangement `nVariant` (0 to kVariants - 1).
  CByteMutator::Bytes SoundLayout(int nVariant);
  /// Loads one damaged layout; true when it was merged, false when dropped.
  bool RunCase();
  /// Loads `bytes` into bars set up afresh; true when it was merged.
  bool Load(const CByteMutator::Bytes& bytes);
  /// The controls of every bar after the last load.
  int CountControls() const;
  int CountBars() const { return m_frame.m_pBars->GetCount(); }

  static const int kVariants = 3;

 private:
  void SetUpBars(int nVariant);

  CLayoutFrame m_frame;
  CByteMutator m_mutator;
  std::vector<CByteMutator::Bytes> m_corpus;
};
