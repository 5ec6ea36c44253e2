// A program whose end the application tests watch: it uses three singletons
// and an observer, then either returns (exit-time destruction), shuts the
// application down itself first ("shutdown"), or returns with an observer
// that throws at shutdown ("throw"). Every event is one line on
// standard output, written at once so that nothing is lost at exit.
#include "common/TKSingletonPointer.h"

#include <afxdisp.h>

#include <string.h>

namespace {

void Say(const char* text) {
  DWORD written = 0;
  HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  ::WriteFile(out, text, static_cast<DWORD>(strlen(text)), &written, NULL);
  ::WriteFile(out, "\n", 1, &written, NULL);
}

template <char Name>
class CService {
 public:
  CService() {
    char text[] = "make ?";
    text[5] = Name;
    Say(text);
  }
  ~CService() {
    char text[] = "destroy ?";
    text[8] = Name;
    Say(text);
  }
};
typedef CService<'A'> CTKServiceA;
typedef CService<'B'> CTKServiceB;
typedef CService<'C'> CTKServiceC;

class CWatcher : public ITKApplicationEvents {
 public:
  void OnBeforeApplicationShutdown(CTKApplication* pApplication) override {
    m_pApplication = pApplication;
    Say("before shutdown");
    if (m_bThrow) AfxThrowNotSupportedException();
  }
  void OnApplicationShutdown(CTKApplication* pApplication) override {
    char text[64];
    // The singletons called before us in this pass are only marked removed.
    wsprintfA(text, "shutdown: %d observers, depth %d",
              static_cast<int>(pApplication->GetObserverCount()), pApplication->GetNotifyDepth());
    Say(text);
  }
  CTKApplication* m_pApplication = nullptr;
  bool m_bThrow = false;
};

}  // namespace

TK_IMPLEMENT_SINGLETON(CTKServiceA, TKServiceA)
TK_IMPLEMENT_SINGLETON(CTKServiceB, TKServiceB)
TK_IMPLEMENT_SINGLETON(CTKServiceC, TKServiceC)

namespace {

template <class F>
void Try(const char* what, F f) {
  char text[96];
  try {
    f();
    wsprintfA(text, "%s: ok", what);
  } catch (COleException* e) {
    wsprintfA(text, "%s: ole %08lx", what, static_cast<unsigned long>(e->m_sc));
    e->Delete();
  } catch (CMemoryException* e) {
    wsprintfA(text, "%s: memory", what);
    e->Delete();
  }
  Say(text);
}

}  // namespace

int main(int argc, char** argv) {
  bool shutdownFirst = argc > 1 && strcmp(argv[1], "shutdown") == 0;
  // The watcher must outlive the application object, which tells it last.
  CWatcher* pWatcher = new CWatcher;
  pWatcher->m_bThrow = argc > 1 && strcmp(argv[1], "throw") == 0;
  TKServiceB();
  TKServiceA();
  TKApplication()->RegisterObserver(pWatcher);
  if (shutdownFirst) {
    ShutdownApplication();
    char text[64];
    wsprintfA(text, "after: %d observers",
              static_cast<int>(pWatcher->m_pApplication->GetObserverCount()));
    Say(text);
    Try("application", [] { TKApplication(); });
    Try("used service", [] { TKServiceA(); });
    Try("new service", [] { TKServiceC(); });
    ShutdownApplication();
  } else {
    TKServiceC();
    TKServiceA();
  }
  Say("main returns");
  return 0;
}
