// The application's variable page with its tool bar, the variable and find
// dialogs, and the UI library's static field with its tooltip.
#include <afxwin.h>

#include <string>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "app/AddVariableDefDialog.h"
#include "app/AppResources.h"
#include "app/FindAndReplaceDialog.h"
#include "app/FindDialog.h"
#include "app/MainFrame.h"
#include "uilib/StaticField.h"

namespace {

const char* const kVariables[][2] = {
    {"OUTPUT_FOLDER", "C:\\Builds\\Release\\Output"},
    {"VERSION", "4.2.1"},
    {"SIGN_TOOL", "C:\\Program Files\\Signing\\signtool.exe"},
    {"CONFIGURATION", "Release"},
};

void LoadVariables(CMainFrame* pFrame) {
  CBuildStepFileManager* pFiles = pFrame->GetVariableDisplay().GetFileManager();
  for (const auto& entry : kVariables) {
    CVariableDefDataDefinition* pVariable = new CVariableDefDataDefinition;
    pVariable->SetName(entry[0]);
    pVariable->SetValue(entry[1]);
    pFiles->GetVariableList().AddTail(pVariable);
  }
  pFrame->GetVariableDisplay().ReloadVariables();
}

bool DrawVariablePage(const GalleryContext& context, CMainFrame* pFrame) {
  pFrame->GetDisplayManager().SelectTab(1);
  CVariableDefinitionDisplayControl& list = pFrame->GetVariableDisplay().GetList();
  list.SelectAt(1);
  pFrame->GetVariableDisplay().SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
  pFrame->RecalcLayout();
  CGalleryCanvas canvas(800, 580);
  ScreenshotWindow(pFrame->m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, 20));
  canvas.Label(20, 548, "the Variable Definition page: its tool bar, the variables sorted by name, one selected");
  return canvas.Save(context.folder + "app-variables.png");
}

bool DrawDialogs(const GalleryContext& context, CMainFrame* pFrame) {
  CGalleryCanvas canvas(1300, 360);
  CVariableDefinitionDisplayControl& list = pFrame->GetVariableDisplay().GetList();
  bool ok = true;

  CAddVariableDefDialog add(pFrame);
  add.m_pFrame = pFrame;
  add.m_pList = &list;
  ok = add.Create(IDD_VARIABLE_DEFINITION, pFrame) && ok;
  ::SetDlgItemTextA(add.m_hWnd, IDC_VARIABLE_NAME, "version");
  ::SetDlgItemTextA(add.m_hWnd, IDC_VARIABLE_VALUE, "5.0");
  int x = 20;
  x += ScreenshotDialog(canvas, add, x, 20, "add: a name taken in another case keeps OK disabled") + 40;

  CEditVariableDefDialog edit(pFrame);
  edit.m_pFrame = pFrame;
  edit.m_pList = &list;
  edit.m_pVariable = list.GetRow(0)->m_pVariable;
  ok = edit.Create(IDD_VARIABLE_DEFINITION, pFrame) && ok;
  ScreenshotDialog(canvas, edit, x, 20, "edit: the first selected variable");

  CFindDialog find;
  ok = find.Create(IDD_FIND_TEXT, pFrame) && ok;
  ::SetDlgItemTextA(find.m_hWnd, IDC_FIND_TEXT, "signtool");
  x = 20;
  x += ScreenshotDialog(canvas, find, x, 190, "Find Text: Next and Previous need a text") + 40;

  CFindAndReplaceDialog replace;
  ok = replace.Create(IDD_FIND_AND_REPLACE, pFrame) && ok;
  ::SetDlgItemTextA(replace.m_hWnd, IDC_REPLACE_SEARCH_FOR, "Release");
  ::SetDlgItemTextA(replace.m_hWnd, IDC_REPLACE_WITH, "Debug");
  ScreenshotDialog(canvas, replace, x, 190, "Find and Replace in the selected or all steps");
  return canvas.Save(context.folder + "app-variabledialogs.png") && ok;
}

bool DrawStaticField(const GalleryContext& context) {
  CWnd host;
  if (!host.CreateEx(0, AfxRegisterWndClass(0, NULL, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                     "", WS_POPUP, CRect(0, 0, 420, 110), NULL, 0))
    return false;
  CFont font;
  font.CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  const struct {
    const char* text;
    COLORREF color;
    int y;
  } cases[] = {
      {"The new Velmoran update 4.3.0 is available for download", RGB(53, 106, 0), 10},
      {"C:\\Builds\\Release\\Installer\\Output\\Velmoran-Setup-with-a-rather-long-name.exe",
       RGB(0, 0, 0), 40},
  };
  CStaticField fields[2];
  for (int i = 0; i < 2; ++i) {
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10,
                                   cases[i].y, 300, 20, host.m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
    fields[i].SubclassWindow(hEdit);
    fields[i].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), FALSE);
    fields[i].m_textColor = cases[i].color;
    fields[i].GetTooltip().m_bFade = 0;
    fields[i].SetText(cases[i].text);
  }
  host.ShowWindow(SW_SHOWNOACTIVATE);
  host.UpdateWindow();
  fields[1].SetFocus();
  // The tooltip as the resting mouse would show it.
  CRect field;
  fields[1].GetWindowRect(&field);
  fields[1].RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
  fields[1].GetTooltip().ShowAt(CPoint(field.left + 40, field.bottom), false);
  CGalleryCanvas canvas(560, 200, RGB(255, 255, 255));
  ScreenshotWindow(host.m_hWnd, canvas.GetDC()->m_hDC, CPoint(20, 20));
  CRect tip;
  fields[1].GetTooltip().GetWindowRect(&tip);
  CRect hostRect;
  host.GetWindowRect(&hostRect);
  ScreenshotWindow(fields[1].GetTooltip().m_hWnd, canvas.GetDC()->m_hDC,
                   CPoint(20 + tip.left - hostRect.left, 20 + tip.top - hostRect.top));
  canvas.Label(20, 170, "static fields: a cut text in the about box's green; another with the focus and its tooltip");
  fields[1].GetTooltip().Show(false);
  host.DestroyWindow();
  return canvas.Save(context.folder + "uilib-staticfield.png");
}

}  // namespace

bool DrawAppVariablesPage(const GalleryContext& context) {
  if (context.look != "Silver") return true;
  CMainFrame* pFrame = new CMainFrame;
  if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, NULL))
    return false;
  pFrame->MoveWindow(0, 0, 760, 520);
  pFrame->ShowWindow(SW_SHOWNOACTIVATE);
  LoadVariables(pFrame);
  bool ok = DrawVariablePage(context, pFrame);
  ok = DrawDialogs(context, pFrame) && ok;
  pFrame->GetVariableDisplay().GetList().ClearVariables();
  pFrame->GetVariableDisplay().GetFileManager()->Clear();
  pFrame->DestroyWindow();
  return DrawStaticField(context) && ok;
}
