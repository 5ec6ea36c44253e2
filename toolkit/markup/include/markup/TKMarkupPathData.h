// Path geometry: CTKMarkupPathData, an immutable list of points with one
// type byte each, and CTKMarkupPathDataParser, which reads the path-data
// language ("M0 0 L10 0 Z") and doubles as the figure builder of rounded
// rectangles.
#pragma once

#include "markup/TKMarkupObject.h"

class CTKMarkupDependencyProperty;
class CTKMarkupPathGeometry;

#include <vector>

/// A point of a path, in device pixels.
struct MARKUP_POINTF {
  float x;
  float y;
};

// Point types: the low three bits say what the point is, bit 7 closes the
// figure after it.
#define TK_PATH_POINT_START 0
#define TK_PATH_POINT_LINE 1
#define TK_PATH_POINT_BEZIER 3
#define TK_PATH_POINT_TYPE_MASK 0x07
#define TK_PATH_POINT_CLOSE 0x80

/// Points and type bytes (cubic Bezier points come in threes), with integer
/// bounds computed at construction. Every point is finite.
class CTKMarkupPathData : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupPathData();
  /// Copies `nCount` points and types.
  CTKMarkupPathData(const MARKUP_POINTF* pPoints, const BYTE* pTypes, int nCount);
  ~CTKMarkupPathData() override;

  int GetCount() const { return static_cast<int>(m_points.size()); }
  const MARKUP_POINTF* GetPoints() const { return m_points.empty() ? nullptr : m_points.data(); }
  const BYTE* GetTypes() const { return m_types.empty() ? nullptr : m_types.data(); }
  /// The smallest integer rectangle holding every point; empty for none.
  const RECT& GetBounds() const { return m_rcBounds; }
  DWORD GetFlags() const { return m_dwFlags; }
  /// The pixel-offset mode for strokes (0: the device context's own).
  int GetStrokePixelOffsetMode() const { return m_nStrokePixelOffsetMode; }
  void SetStrokePixelOffsetMode(int nMode) { m_nStrokePixelOffsetMode = nMode; }

  /// A new path (caller owns it) mapped from the bounds onto width x
  /// height. An axis whose bounds have no extent keeps its coordinates.
  CTKMarkupPathData* Stretch(int nWidth, int nHeight) const;

  /// A markup string in the path-data language; raises the builder's error
  /// for bad text; null for other values.
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;
  /// A PathGeometry child becomes the "PathGeometry" value (one reference);
  /// other content raises the base error.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  /// The nested geometry a document wrote inside the data, or null.
  CTKMarkupPathGeometry* GetPathGeometry();

  static CTKMarkupDependencyProperty* PathGeometryProperty;
  static void RegisterMarkupProperties();

 private:
  std::vector<MARKUP_POINTF> m_points;
  std::vector<BYTE> m_types;
  RECT m_rcBounds;
  DWORD m_dwFlags;
  int m_nStrokePixelOffsetMode;

  void ComputeBounds();
};

/// Reads path text into figures, or builds figures directly. Lives on the
/// stack for one conversion.
class CTKMarkupPathDataParser {
 public:
  CTKMarkupPathDataParser();
  CTKMarkupPathDataParser(const CTKMarkupPathDataParser&) = delete;
  CTKMarkupPathDataParser& operator=(const CTKMarkupPathDataParser&) = delete;

  /// Fills the figures from the text; a builder's context scales by DPI.
  /// Raises CTKMarkupBuilderException "Unexpected token encountered at
  /// position '%i'" on bad text, and never lets an infinite or NaN
  /// coordinate through.
  void Parse(CTKMarkupBuilder* pBuilder, LPCWSTR lpszText, int nLength);

  void MoveTo(float x, float y) { Append(x, y, TK_PATH_POINT_START); }
  void LineTo(float x, float y) { Append(x, y, TK_PATH_POINT_LINE); }
  void BezierTo(float x1, float y1, float x2, float y2, float x3, float y3);
  /// A quadratic segment kept as a cubic whose second control point is the
  /// end point.
  void QuadTo(float cx, float cy, float x, float y) { BezierTo(cx, cy, x, y, x, y); }
  void CloseFigure();
  /// A new path data of the figures (caller owns it).
  CTKMarkupPathData* GetPathData() const;
  int GetFillRule() const { return m_nFillRule; }

 private:
  LPCWSTR m_pszText;
  int m_nLength;
  int m_nPosition;
  bool m_bFigureOpen;
  int m_nFillRule;
  std::vector<MARKUP_POINTF> m_points;
  std::vector<BYTE> m_types;
  WCHAR m_chCommand;
  CTKMarkupContext* m_pContext;
  MARKUP_POINTF m_lastControl;
  MARKUP_POINTF m_current;
  MARKUP_POINTF m_figureStart;

  void Append(float x, float y, BYTE nType);
  [[noreturn]] void ThrowUnexpected() const;
  bool AtEnd() const { return m_nPosition >= m_nLength; }
  WCHAR Peek() const { return AtEnd() ? 0 : m_pszText[m_nPosition]; }
  bool SkipSeparators(bool bCommaAllowed);
  bool ReadCommand();
  bool IsNumberAhead(bool bCommaAllowed);
  float ReadNumber(bool bCommaAllowed);
  MARKUP_POINTF ReadPoint(WCHAR chCommand, bool bCommaAllowed);
  MARKUP_POINTF ReadSize(bool bCommaAllowed);
  float ScaleX(float x) const;
  float ScaleY(float y) const;
  void OpenFigure();
  void ParseCommand(WCHAR& chPrevious);
  void ParseLines(WCHAR chCommand);
  void ParseCubics(WCHAR chCommand, WCHAR chPrevious);
  void ParseQuadratic(WCHAR chCommand);
  void ParseSmoothQuadratics(WCHAR chCommand, WCHAR chPrevious);
  void ParseArc(WCHAR chCommand);
  void ArcToBeziers(double x0, double y0, double rx, double ry, double dAngle, bool bLargeArc,
                    bool bSweep, double x1, double y1);
};
