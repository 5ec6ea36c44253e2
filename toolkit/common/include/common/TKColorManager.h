// The toolkit's indexed colours, derived from the Windows system colours so
// that bars, menus and tabs follow the user's colour scheme, and the two-colour
// gradients of the Windows visual style in use.
#pragma once

#include "afxwin.h"
#include "common/TKPaintManagerColor.h"

/// What the colour manager reads of the system. The real one asks Windows;
/// tests give the manager one of their own.
class CTKColorManagerSystem {
 public:
  virtual ~CTKColorManagerSystem() = default;
  virtual COLORREF GetSysColor(int nIndex);
  /// Whether the desktop has 8 bits per pixel or fewer.
  virtual BOOL IsLowResolution();
  /// Whether a visual style is active.
  virtual BOOL IsThemeActive();
  /// The current visual style's file and colour names; FALSE when unknown.
  virtual BOOL GetCurrentThemeName(CString& strFile, CString& strColor);
  /// The border colour of the application's themed tree views; FALSE when
  /// visual styles are not in use for the application.
  virtual BOOL GetThemedBorderColor(COLORREF& clr);
};

/// The Windows colour schemes the manager tells apart.
enum TKWindowsColorScheme {
  tkSchemeNone = 0,        // no visual style, 8 bits per pixel or fewer, or an unknown style
  tkSchemeLunaBlue = 1,    // "normalcolor"
  tkSchemeLunaOlive = 2,   // "homestead"
  tkSchemeLunaSilver = 3,  // "metallic"
  tkSchemeRoyale = 4,
  tkSchemeAero = 5
};

/// 63 colours: 0 to 29 are the system colours (GetSysColor numbering), 30 to
/// 62 the toolkit's own. An index above 62 is a COLORREF and passes GetColor
/// unchanged, so callers pass either. The application may override any of
/// them; overrides survive refreshes unless a refresh resets them.
class CTKColorManager : public CCmdTarget {
 public:
  enum { ColorCount = 63, GradientCount = 10 };

  /// Computes everything from the system.
  CTKColorManager();
  ~CTKColorManager() override;

  /// The override of `nIndex` when set, else its computed colour; above 62
  /// the index itself.
  COLORREF GetColor(int nIndex) const;
  /// Overrides one colour (-1 removes the override); ignored outside 0..62.
  void SetColor(int nIndex, COLORREF clr);
  /// Removes every override.
  void ResetCustomColors();
  /// Recomputes the colours and gradients; `bResetOverrides` removes overrides first.
  void RefreshColors(BOOL bResetOverrides = FALSE);

  /// Gradients G0 to G9.
  CTKPaintManagerColorGradient& GetGradient(int nIndex) { return m_arrGradients[nIndex]; }

  /// The setting 6 or 7 means automatic: the scheme found at the last refresh.
  int GetCurrentSystemTheme() const;
  void SetThemeSetting(int nSetting) { m_nThemeSetting = nSetting; }
  int GetDetectedScheme() const { return m_nDetectedScheme; }
  /// When set, gradients are those of no colour scheme.
  BOOL IsSchemeColorsDisabled() const { return m_bSchemeColorsDisabled; }
  void DisableSchemeColors(BOOL bDisable) { m_bSchemeColorsDisabled = bDisable; }
  void SetRoyaleDetection(BOOL bDetect) { m_bRoyaleDetection = bDetect; }
  void SetAeroDetection(BOOL bDetect) { m_bAeroDetection = bDetect; }
  /// The Windows colour scheme as the system reports it now.
  int DetectWindowsColorScheme();

  /// Test seam: reads the system through `pSystem` (not owned; null: Windows).
  void SetSystem(CTKColorManagerSystem* pSystem);

  /// Whether a DC (null: the desktop's) has 1 to 8 bits per pixel.
  static BOOL PASCAL IsLowResolution(HDC hDC = NULL);

  // Colour arithmetic. Distances are measured on channels weighted 195, 390
  // and 65 (of 255) for red, green and blue.

  /// Per channel (w * a + (d - w) * b + d / 2) / d, d being 100 for w below
  /// 100 (a percentage of a) and 1000 otherwise (per mille).
  static COLORREF PASCAL MixColors(COLORREF clrA, COLORREF clrB, int nWeight);
  static double PASCAL ColorDistanceSquared(COLORREF clrA, COLORREF clrB);
  static double PASCAL ColorDistance(COLORREF clrA, COLORREF clrB);
  /// The distance of a colour from black.
  static double PASCAL ColorBrightness(COLORREF clr);
  /// Dark colours need up to twice the distance: (2 - min(b, 220) / 220) * t.
  static double PASCAL ScaleThresholdForBrightness(int nBrightness, int nThreshold);
  /// Whether a and b are farther apart than t (raised for a dark `clrA` with bAdjust).
  static BOOL PASCAL IsColorDistanceAbove(COLORREF clrA, COLORREF clrB, BOOL bAdjust,
                                          double dThreshold);
  /// The colour on the line from black or white through b that lies at the
  /// (brightness-raised) distance t from a.
  static COLORREF PASCAL EnsureContrast(COLORREF clrA, COLORREF clrB, double dThreshold);
  /// The point between b and a at the (brightness-raised) distance t from a.
  static COLORREF PASCAL LimitColorDistance(COLORREF clrA, COLORREF clrB, double dThreshold);

 protected:
  void DeriveBaseColors();
  void ApplyHighContrastColors();
  void ApplyMixedColors();
  void ApplyContrastRules();
  void DeriveShadedColors(BOOL bHighContrast);
  void RefreshGradientColors(BOOL bLowResolution);
  /// Writes a computed colour.
  void Set(int nIndex, COLORREF clr) { m_arrColors[nIndex] = clr; }
  CTKColorManagerSystem* System() const;

  CTKPaintManagerColorGradient m_arrGradients[GradientCount];
  BOOL m_bRoyaleDetection = TRUE;
  BOOL m_bAeroDetection = TRUE;
  BOOL m_bSchemeColorsDisabled = FALSE;
  COLORREF m_arrColors[ColorCount];
  COLORREF m_arrCustomColors[ColorCount];
  int m_nThemeSetting = 6;
  int m_nDetectedScheme = tkSchemeNone;
  CTKColorManagerSystem* m_pSystem = nullptr;
};

/// The process-wide manager, made on first use.
CTKColorManager* TKColorManager();
/// Refreshes the process-wide manager.
void AFXAPI RefreshToolkitColors(BOOL bResetOverrides);
