// CTKActiveScriptStdRuntime: timeouts through thread timers, and the debug
// log.
#include "TKActiveScriptStdRuntime.h"

#include "common/TKSingletonPointer.h"
#include "TKMarkupTimers.h"

#include <map>

namespace {

struct TimeoutTask {
  IDispatch* pFunction;  // one reference
  UINT nDelay;
  CTKActiveScriptStdRuntime* pOwner;
};

// A timer's callback gets only the timer id, so pending timeouts are kept by
// id for the whole process; each remembers the runtime that armed it.
class CTimeoutTable {
 public:
  CTimeoutTable() { InitializeCriticalSection(&m_lock); }
  ~CTimeoutTable() { DeleteCriticalSection(&m_lock); }

  void Add(UINT_PTR nId, TimeoutTask* pTask) {
    TimeoutTask* pOld = nullptr;
    EnterCriticalSection(&m_lock);
    auto it = m_tasks.find(nId);
    if (it != m_tasks.end()) pOld = it->second;
    m_tasks[nId] = pTask;
    LeaveCriticalSection(&m_lock);
    Delete(pOld);
  }
  /// Takes the task out when it belongs to `pOwner` (any owner for null).
  TimeoutTask* Take(UINT_PTR nId, const CTKActiveScriptStdRuntime* pOwner) {
    TimeoutTask* pTask = nullptr;
    EnterCriticalSection(&m_lock);
    auto it = m_tasks.find(nId);
    if (it != m_tasks.end() && (pOwner == nullptr || it->second->pOwner == pOwner)) {
      pTask = it->second;
      m_tasks.erase(it);
    }
    LeaveCriticalSection(&m_lock);
    return pTask;
  }
  /// Takes out any one task of `pOwner`; its id through pnId.
  TimeoutTask* TakeAnyOf(const CTKActiveScriptStdRuntime* pOwner, UINT_PTR* pnId) {
    TimeoutTask* pTask = nullptr;
    EnterCriticalSection(&m_lock);
    for (auto it = m_tasks.begin(); it != m_tasks.end(); ++it) {
      if (it->second->pOwner == pOwner) {
        *pnId = it->first;
        pTask = it->second;
        m_tasks.erase(it);
        break;
      }
    }
    LeaveCriticalSection(&m_lock);
    return pTask;
  }
  int CountOf(const CTKActiveScriptStdRuntime* pOwner) {
    int nCount = 0;
    EnterCriticalSection(&m_lock);
    for (const auto& entry : m_tasks) nCount += entry.second->pOwner == pOwner ? 1 : 0;
    LeaveCriticalSection(&m_lock);
    return nCount;
  }
  static void Delete(TimeoutTask* pTask) {
    if (pTask == nullptr) return;
    if (pTask->pFunction != nullptr) pTask->pFunction->Release();
    delete pTask;
  }

 private:
  CRITICAL_SECTION m_lock;
  std::map<UINT_PTR, TimeoutTask*> m_tasks;
};

TK_IMPLEMENT_SINGLETON(CTimeoutTable, TimeoutTable)

}  // namespace

BEGIN_DISPATCH_MAP(CTKActiveScriptStdRuntime, CCmdTarget)
DISP_FUNCTION(CTKActiveScriptStdRuntime, "setTimeout", SetTimeout, VT_I4, VTS_DISPATCH VTS_I4)
DISP_FUNCTION(CTKActiveScriptStdRuntime, "clearTimeout", ClearTimeout, VT_EMPTY, VTS_I4)
DISP_FUNCTION(CTKActiveScriptStdRuntime, "debugLog", DebugLog, VT_EMPTY, VTS_BSTR)
END_DISPATCH_MAP()

CTKActiveScriptStdRuntime::CTKActiveScriptStdRuntime() { EnableAutomation(); }

CTKActiveScriptStdRuntime::~CTKActiveScriptStdRuntime() { CancelTimeouts(); }

long CTKActiveScriptStdRuntime::SetTimeout(LPDISPATCH pFunction, long nDelay) {
  if (pFunction == nullptr) return 0;
  const UINT nElapse = nDelay > 0 ? static_cast<UINT>(nDelay) : 0;
  UINT_PTR nId = TKMarkupTimerSource()->SetTimer(nElapse, &TimeoutProc);
  if (nId == 0) return 0;
  pFunction->AddRef();
  TimeoutTable()->Add(nId, new TimeoutTask{pFunction, nElapse, this});
  return static_cast<long>(nId);
}

void CTKActiveScriptStdRuntime::ClearTimeout(long nId) {
  const UINT_PTR nTimer = static_cast<UINT_PTR>(static_cast<ULONG>(nId));
  TimeoutTask* pTask = TimeoutTable()->Take(nTimer, this);
  if (pTask == nullptr) return;
  TKMarkupTimerSource()->KillTimer(nTimer);
  CTimeoutTable::Delete(pTask);
}

void CTKActiveScriptStdRuntime::DebugLog(LPCSTR lpszText) {
  if (lpszText != nullptr) OutputDebugStringA(lpszText);
}

void CTKActiveScriptStdRuntime::CancelTimeouts() {
  UINT_PTR nId = 0;
  while (TimeoutTask* pTask = TimeoutTable()->TakeAnyOf(this, &nId)) {
    TKMarkupTimerSource()->KillTimer(nId);
    CTimeoutTable::Delete(pTask);
  }
}

int CTKActiveScriptStdRuntime::GetPendingTimeoutCount() const {
  return TimeoutTable()->CountOf(this);
}

void CALLBACK CTKActiveScriptStdRuntime::TimeoutProc(HWND, UINT, UINT_PTR nId, DWORD) {
  TimeoutTask* pTask = TimeoutTable()->Take(nId, nullptr);
  if (pTask == nullptr) return;
  // A timeout runs once; the task is out of the table before the call, so the
  // function may arm or clear timeouts, or close the scripts, safely.
  TKMarkupTimerSource()->KillTimer(nId);
  DISPPARAMS noArgs = {nullptr, nullptr, 0, 0};
  pTask->pFunction->Invoke(DISPID_VALUE, IID_NULL, 0x400, DISPATCH_METHOD, &noArgs, nullptr,
                           nullptr, nullptr);
  CTimeoutTable::Delete(pTask);
}
