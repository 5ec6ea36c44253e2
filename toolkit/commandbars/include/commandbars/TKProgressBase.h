// The range and position of a progress bar, kept apart from the control that
// shows it, so that the progress paint managers draw any bar that carries it.
#pragma once

#include <afxwin.h>

class CTKProgressPaintManager;

class CTKProgressBase {
 public:
  CTKProgressBase() = default;
  virtual ~CTKProgressBase() = default;

  /// Where the bar is drawn.
  virtual CRect GetProgressRect() = 0;
  /// Shows a changed range or position.
  virtual void RedrawProgress() = 0;
  /// The paint manager that draws and measures the bar; may be null.
  virtual CTKProgressPaintManager* GetProgressPaintManager() = 0;

  void GetRange(int& nLower, int& nUpper) const {
    nLower = m_nMin;
    nUpper = m_nMax;
  }
  /// The position is left as it is: the next SetPos clamps it.
  void SetRange(int nLower, int nUpper);
  int GetPos() const { return m_nPos; }
  /// Clamps to the lower bound, then to the upper one (with the bounds the
  /// wrong way round the upper one wins); redraws only on a change.
  void SetPos(int nPos);

 protected:
  int m_nMin = 0;
  int m_nMax = 100;
  int m_nPos = 0;
};
