// CAboutDialog: the banner, the version and the update state.
#include "app/AboutDialog.h"

#include <algorithm>

#include "common/TKScopedHandle.h"

#include "app/AppResources.h"
#include "app/AppSystem.h"
#include "app/MainFrame.h"
#include "app/UpdateRelease.h"
#include "foundation/FileUtilities.h"

namespace {

const DWORD kAboutTopic = 1000;
const int kBannerWidth = 550;
const int kBannerHeight = 60;

CTesselString FormatResource(UINT id, CTesselString value) {
  CTesselString format, text;
  format.LoadString(static_cast<int>(id), AfxGetResourceHandle());
  text.Format(format.GetText(), value.GetText());
  return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CAboutDialog, CVelmoranNonResizableDialog)
  ON_WM_PAINT()
  ON_WM_CTLCOLOR()
  ON_BN_CLICKED(IDC_ABOUT_APPLY_UPDATE, DownloadUpdate)
  ON_COMMAND(ID_DIALOG_HELP, OnHelp)
END_MESSAGE_MAP()

CAboutDialog::CAboutDialog(CWnd* pParent)
    : CVelmoranNonResizableDialog(IDD_ABOUT, pParent),
      m_statusColor(CLR_DEFAULT),
      m_bUpdateStarted(false) {}

void CAboutDialog::DoDataExchange(CDataExchange* pDX) {
  CVelmoranNonResizableDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ABOUT_VERSION, m_versionField);
  DDX_Control(pDX, IDC_ABOUT_APPLY_UPDATE, m_applyUpdate);
  DDX_Control(pDX, IDC_ABOUT_STATUS, m_statusField);
}

BOOL CAboutDialog::OnInitDialog() {
  const BOOL result = CVelmoranNonResizableDialog::OnInitDialog();
  if (m_pFrame == nullptr) return result;
  m_banner.LoadBitmap(IDB_ABOUT_BANNER);
  m_bannerWindow.Create(AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE,
                        CRect(0, 0, kBannerWidth, kBannerHeight), this, 1);
  UpdateVersionText();
  m_statusField.SetWindowText("");
  m_applyUpdate.EnableWindow(CheckForUpdate());
  return result;
}

void CAboutDialog::UpdateVersionText() {
  if (::IsWindow(m_versionField.m_hWnd))
    m_versionField.SetWindowText(GetProductVersionText().GetText());
}

bool CAboutDialog::CheckForUpdate() {
  if (m_pFrame == nullptr) return false;
  CWaitCursor wait;
  m_latestVersion = "";
  m_installerName = "";
  CTesselString installed = GetProductVersionText();
  CTesselString status = FormatResource(IDS_UPDATE_LATEST, installed);
  CUpdateRelease release;
  // The name decides where the file goes: a release whose name is not a
  // plain file name is not offered at all.
  const bool available = AppSystem()->QueryUpdate(installed, &release) && release.available &&
                         IsPlainFileName(release.installerName.GetText());
  if (available) {
    m_latestVersion = release.latestVersion;
    m_installerName = release.installerName;
    status = FormatResource(IDS_UPDATE_AVAILABLE, m_latestVersion);
    m_statusColor = kUpdateColor;
  }
  if (::IsWindow(m_statusField.m_hWnd)) m_statusField.SetWindowText(status.GetText());
  return available;
}

HBRUSH CAboutDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH hBrush = CVelmoranNonResizableDialog::OnCtlColor(pDC, pWnd, nCtlColor);
  if (pWnd != NULL && pWnd->m_hWnd == m_statusField.m_hWnd && m_statusColor != CLR_DEFAULT)
    pDC->SetTextColor(m_statusColor);
  return hBrush;
}

void CAboutDialog::OnPaint() {
  Default();
  if (m_banner.GetSafeHandle() == NULL) return;
  CRect client;
  GetClientRect(&client);
  CTKScopedWindowDC dc(m_hWnd);
  CTKScopedCreatedDC memory(::CreateCompatibleDC(dc.Get()));
  CTKSelectGuard select(memory.Get(), m_banner.GetSafeHandle());
  // Only the banner's own pixels: beyond it a memory DC has nothing to give.
  ::BitBlt(dc.Get(), 0, 0, std::min<int>(client.Width(), kBannerWidth),
           std::min<int>(client.Height(), kBannerHeight), memory.Get(), 0, 0, SRCCOPY);
  // The dialog's painting covered its controls (it does not clip them): they
  // paint again over it.
  for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    if (hChild == m_bannerWindow.m_hWnd || !::IsWindowVisible(hChild)) continue;
    ::InvalidateRect(hChild, NULL, TRUE);
    ::UpdateWindow(hChild);
  }
  ValidateRect(NULL);
}

void CAboutDialog::OnHelp() {
  if (m_pFrame != nullptr) m_pFrame->ShowHelp(kAboutTopic);
}
