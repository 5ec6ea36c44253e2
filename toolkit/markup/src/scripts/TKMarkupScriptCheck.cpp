// CTKMarkupScriptCheck: compiling a validated tree's scripts without
// running them.
#include "TKMarkupScriptCheck.h"

#include "TKMarkupContextScripts.h"
#include "common/TKRefPtr.h"
#include "TKActiveScriptEngine.h"
#include "markup/TKMarkupBuilder.h"

#include <string>
#include <vector>

struct CTKMarkupScriptCheck::State {
  CTKRefPtr<CTKActiveScriptEngine, CTKInternalRefTraits> engine;
  std::wstring strLanguage;
  std::vector<std::wstring> texts;

  void CloseEngine() {
    if (engine != nullptr) engine->Close();
    engine = nullptr;
  }
  ~State() { CloseEngine(); }
};

CTKMarkupScriptCheck::CTKMarkupScriptCheck() : m_state(new State) {}

CTKMarkupScriptCheck::~CTKMarkupScriptCheck() = default;

void CTKMarkupScriptCheck::AddScript(LPCWSTR lpszLanguage, LPCWSTR lpszText) {
  State& state = *m_state;
  if (state.engine == nullptr) {
    // No outer site and no named items: compiling resolves no name, and
    // nothing of the page may reach a script that never runs.
    state.engine = CTKRefPtr<CTKActiveScriptEngine, CTKInternalRefTraits>::Adopt(
        new CTKActiveScriptEngine);
    HRESULT hr = state.engine->Create(lpszLanguage, nullptr);
    if (FAILED(hr)) {
      state.CloseEngine();
      CTKMarkupBuilder::ThrowComError(hr);
    }
    state.strLanguage = lpszLanguage;
  } else if (state.strLanguage != lpszLanguage) {
    ThrowMarkupLanguageConflict(lpszLanguage, state.strLanguage.c_str());
  }
  state.texts.push_back(lpszText);
}

void CTKMarkupScriptCheck::CompileScripts() {
  State& state = *m_state;
  if (state.engine == nullptr) return;
  for (const std::wstring& text : state.texts) {
    state.engine->ClearErrorInfo();
    HRESULT hr = state.engine->ParseScriptText(text.c_str());
    if (FAILED(hr) || state.engine->GetLastExceptionInfo() != nullptr)
      ThrowMarkupScriptError(state.engine.Get(), FAILED(hr) ? hr : E_FAIL);
  }
  state.CloseEngine();
}
