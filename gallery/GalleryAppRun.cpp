// The application's main window after a run: the step list with its results
// (green, dark red, a paused row, a row the failure left untouched), the log
// with the commands' output, and the step and elapsed-time status panes.
#include <afxwin.h>

#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "app/AppResources.h"
#include "app/MainFrame.h"
#include "engine/BuildStepFileManager.h"

namespace {

struct RunStep {
  const char* name;
  const char* command;
  bool paused;
};

const RunStep kSteps[] = {
    {"Compile the sources", "echo Compiling 12 sources && echo 12 sources compiled, 0 warnings", false},
    {"Copy the help file", "echo 1 file copied", false},
    {"Sign the installer", "echo signed", true},
    {"Pack the installer", "echo Packing Setup.exe && echo The disk is full && exit 3", false},
    {"Upload the installer", "echo never run", false},
};

bool WriteRunFile(const std::string& path) {
  CBuildStepFileManager manager;
  for (const RunStep& s : kSteps) {
    CBuildStepDataDefinition* step = new CBuildStepDataDefinition;
    step->m_stepType = StepDosCommand;
    step->SetStepName(s.name);
    step->SetParameters(s.command);
    step->m_paused = s.paused;
    manager.GetStepList().AddTail(step);
  }
  const bool saved = manager.SaveBuildFile(path.c_str());
  manager.Clear();
  return saved;
}

}  // namespace

bool DrawAppRunPage(const GalleryContext& context) {
  // The application has one look of its own.
  if (context.look != "Silver") return true;
  char temp[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "Nightly installer.velm";
  if (!WriteRunFile(path)) return false;
  CMainFrame* frame = new CMainFrame;
  if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL)) return false;
  frame->MoveWindow(0, 0, 760, 560);
  frame->ShowWindow(SW_SHOWNOACTIVATE);
  // Loaded by the display, not opened by the frame: the gallery leaves the
  // settings' last file alone.
  const bool loaded = frame->GetMainDisplay().LoadBuildFile(path.c_str());
  frame->UpdateTitle();
  frame->SendMessage(WM_COMMAND, ID_RUN_ALL_STEPS);
  frame->UpdateElapsedTime();
  frame->RecalcLayout();
  frame->UpdateWindow();
  CGalleryCanvas canvas(800, 620);
  ScreenshotWindow(frame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, 20));
  canvas.Label(20, 588,
               "after Run All Steps: two steps done, one paused, the fourth failed and ended the run");
  frame->DestroyWindow();  // not closed: the gallery keeps no window position
  ::DeleteFileA(path.c_str());
  return canvas.Save(context.folder + "app-afterrun.png") && loaded;
}
