// CTKMarkupScriptCheck: the script blocks of a tree that is only validated,
// compiled by an engine of their own that is never started.
#pragma once

#include "afxwin.h"

#include <memory>

/// Used by one build on the context's thread. Raises the builder's errors,
/// as a build that runs its scripts would: the COM error when no engine of
/// the language can be made, the language message for a second language,
/// the script error for a text that does not compile.
class CTKMarkupScriptCheck {
 public:
  CTKMarkupScriptCheck();
  ~CTKMarkupScriptCheck();
  CTKMarkupScriptCheck(const CTKMarkupScriptCheck&) = delete;
  CTKMarkupScriptCheck& operator=(const CTKMarkupScriptCheck&) = delete;

  /// The first text makes the engine of its language; every text is kept.
  void AddScript(LPCWSTR lpszLanguage, LPCWSTR lpszText);
  /// Compiles the kept texts in order, then closes the engine: nothing of
  /// them runs.
  void CompileScripts();

 private:
  // Kept out of the header: the builder that includes it has XML holders of
  // its own.
  struct State;
  std::unique_ptr<State> m_state;
};
