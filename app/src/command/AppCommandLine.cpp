// The program's command line.
#include "app/AppCommandLine.h"

#include "app/AppDisplayOwner.h"
#include "app/AppRunResources.h"
#include "app/AppText.h"
#include "app/BuildFileCommands.h"
#include "app/MainDisplay.h"
#include "foundation/FileUtilities.h"

namespace {

CTesselString KeyText(int id, const char* fallback) {
  CTesselString key = LoadAppText(id);
  return key.IsEmpty() ? CTesselString(fallback) : key;
}

bool IsTrimmed(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The text after the key: quotes removed, blanks and line ends trimmed.
CTesselString ArgumentAfter(const CTesselString& commandLine, int keyEnd) {
  CTesselString rest = commandLine.Mid(keyEnd, -1);
  std::string text;
  for (const char* c = rest.GetText(); *c != '\0'; ++c)
    if (*c != '"') text += *c;
  size_t first = 0;
  while (first < text.size() && IsTrimmed(text[first])) ++first;
  size_t last = text.size();
  while (last > first && IsTrimmed(text[last - 1])) --last;
  return CTesselString(text.substr(first, last - first).c_str());
}

}  // namespace

AppCommandLine ParseAppCommandLine(const CTesselString& commandLine) {
  AppCommandLine result;
  if (commandLine.IsEmpty()) return result;
  const struct {
    AppCommandLine::Form form;
    CTesselString key;
  } keys[] = {{AppCommandLine::execute, KeyText(IDS_RUN_EXECUTE_SWITCH, "-execute")},
              {AppCommandLine::load, KeyText(IDS_LOAD_SWITCH, "-load")},
              {AppCommandLine::bare, KeyText(IDS_PROGRAM_FILE_NAME, "velmoran.exe")}};
  CTesselString text(commandLine);
  for (const auto& key : keys) {
    const int at = text.FindStringNoCase(key.key, 0);
    if (at <= 0) continue;
    result.form = key.form;
    result.argument = ArgumentAfter(text, at + key.key.GetLength());
    result.fileExists = !result.argument.IsEmpty() && FileExists(result.argument);
    break;
  }
  return result;
}

bool ProcessAppCommandLine(const CTesselString& commandLine, CBuildFileCommands* files,
                           CMainDisplay* display, IAppDisplayOwner* owner) {
  const AppCommandLine request = ParseAppCommandLine(commandLine);
  if (request.form == AppCommandLine::none) return false;
  const bool opened = request.fileExists && files->OpenBuildFile(request.argument);
  if (request.form != AppCommandLine::execute) return opened;
  if (!opened) {
    // An unattended build that cannot start has failed: whoever started it
    // must not read success.
    owner->SetExitCode(1);
    display->GetLogDisplay().AddEntry(LogFailure, FormatAppText(IDS_RUN_STEP_FAILED, request.argument));
    return false;
  }
  display->RunCommand(CMainDisplay::runAll);
  CWnd* frame = owner->GetFrameWindow();
  if (owner->GetExitCode() != 1 && frame != nullptr && ::IsWindow(frame->m_hWnd))
    frame->PostMessage(WM_CLOSE, 0, 0);
  return true;
}
