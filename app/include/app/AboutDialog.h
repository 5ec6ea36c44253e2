// CAboutDialog: the about box (template 3000): the banner, the version, the
// update state and "Apply &Update", which fetches the new installer, asks,
// starts it and closes the program. UI thread only.
#pragma once

#include <afxwin.h>

#include "app/VelmoranNonResizableDialog.h"
#include "foundation/TesselString.h"

/// Asks the update service once, as it opens. The status line names the
/// installed version as the latest, or the newer one in dark green with
/// "Apply &Update" enabled. Only an installer name that is a plain file name
/// is ever fetched, and only a download that arrived whole is offered.
class CAboutDialog : public CVelmoranNonResizableDialog {
 public:
  /// The status line's colour when an update is available.
  static constexpr COLORREF kUpdateColor = RGB(53, 106, 0);

  explicit CAboutDialog(CWnd* pParent);

  /// Asks the update service; true when a newer release can be fetched.
  bool CheckForUpdate();
  void UpdateVersionText();
  /// "Apply &Update": fetch, confirm, start the installer and close the program.
  afx_msg void DownloadUpdate();

  /// The status line's colour; CLR_DEFAULT for the dialog's own.
  COLORREF GetStatusColor() const { return m_statusColor; }
  CTesselString GetLatestVersion() const { return m_latestVersion; }
  CTesselString GetInstallerName() const { return m_installerName; }
  /// Where the last download was saved; empty before one.
  CTesselString GetLocalInstallerPath() const { return m_localInstallerPath; }
  /// The installer was started: the program is to close once the dialog has.
  bool IsUpdateStarted() const { return m_bUpdateStarted; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

  afx_msg void OnPaint();
  afx_msg void OnHelp();
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  CStatic m_versionField;
  CButton m_applyUpdate;
  CBitmap m_banner;
  CWnd m_bannerWindow;
  CStatic m_statusField;
  COLORREF m_statusColor;
  CTesselString m_latestVersion;
  CTesselString m_installerName;
  CTesselString m_localInstallerPath;
  bool m_bUpdateStarted;

  DECLARE_MESSAGE_MAP()
};
