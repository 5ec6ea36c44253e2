// CTKMarkupPathDataParser: the path-data language (move, line, horizontal,
// vertical, cubic, smooth cubic, quadratic, smooth quadratic, arc, close),
// and the figure operations it shares with rounded rectangles.
#include "markup/TKMarkupPathData.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"

#include <math.h>

namespace {

const double kPi = 3.14159265358979323846;

bool IsWhiteSpace(WCHAR ch) { return ch == 9 || ch == 10 || ch == 13 || ch == 32; }
bool IsDigit(WCHAR ch) { return ch >= L'0' && ch <= L'9'; }
bool IsFinitePoint(const MARKUP_POINTF& pt) { return isfinite(pt.x) && isfinite(pt.y); }

MARKUP_POINTF Reflect(const MARKUP_POINTF& pt, const MARKUP_POINTF& center) {
  return MARKUP_POINTF{2 * center.x - pt.x, 2 * center.y - pt.y};
}

}  // namespace

CTKMarkupPathDataParser::CTKMarkupPathDataParser()
    : m_pszText(nullptr),
      m_nLength(0),
      m_nPosition(0),
      m_bFigureOpen(false),
      m_nFillRule(0),
      m_chCommand(0),
      m_pContext(nullptr),
      m_lastControl{0, 0},
      m_current{0, 0},
      m_figureStart{0, 0} {}

void CTKMarkupPathDataParser::Append(float x, float y, BYTE nType) {
  m_points.push_back(MARKUP_POINTF{x, y});
  m_types.push_back(nType);
}

void CTKMarkupPathDataParser::BezierTo(float x1, float y1, float x2, float y2, float x3, float y3) {
  Append(x1, y1, TK_PATH_POINT_BEZIER);
  Append(x2, y2, TK_PATH_POINT_BEZIER);
  Append(x3, y3, TK_PATH_POINT_BEZIER);
}

void CTKMarkupPathDataParser::CloseFigure() {
  if (!m_types.empty()) m_types.back() |= TK_PATH_POINT_CLOSE;
}

CTKMarkupPathData* CTKMarkupPathDataParser::GetPathData() const {
  // Not bound to the context: only objects made through the context hold
  // the reference that binding releases.
  return new CTKMarkupPathData(m_points.data(), m_types.data(), static_cast<int>(m_points.size()));
}

void CTKMarkupPathDataParser::ThrowUnexpected() const {
  CStringA strMessage;
  strMessage.Format("Unexpected token encountered at position '%i'", m_nPosition);
  CTKMarkupBuilder::ThrowBuilderError(strMessage);
}

// Lexical layer

bool CTKMarkupPathDataParser::SkipSeparators(bool bCommaAllowed) {
  while (IsWhiteSpace(Peek())) ++m_nPosition;
  if (Peek() != L',') return false;
  if (!bCommaAllowed) ThrowUnexpected();
  ++m_nPosition;
  while (IsWhiteSpace(Peek())) ++m_nPosition;
  if (Peek() == L',') ThrowUnexpected();
  return true;
}

bool CTKMarkupPathDataParser::ReadCommand() {
  SkipSeparators(false);
  if (AtEnd()) return false;
  m_chCommand = m_pszText[m_nPosition++];
  return true;
}

bool CTKMarkupPathDataParser::IsNumberAhead(bool bCommaAllowed) {
  const bool bComma = SkipSeparators(bCommaAllowed);
  const WCHAR ch = Peek();
  if (ch == L'+' || ch == L'-' || ch == L'.' || IsDigit(ch)) return true;
  if (bComma) ThrowUnexpected();
  return false;
}

float CTKMarkupPathDataParser::ReadNumber(bool bCommaAllowed) {
  if (!IsNumberAhead(bCommaAllowed)) ThrowUnexpected();
  const int nStart = m_nPosition;
  float fSign = 1.0f;
  if (Peek() == L'+' || Peek() == L'-') fSign = m_pszText[m_nPosition++] == L'-' ? -1.0f : 1.0f;
  float fValue = 0.0f;
  for (; IsDigit(Peek()); ++m_nPosition) fValue = fValue * 10 + (Peek() - L'0');
  if (Peek() == L'.') {
    ++m_nPosition;
    float fFactor = 0.1f;
    for (; IsDigit(Peek()); ++m_nPosition, fFactor /= 10) fValue += fFactor * (Peek() - L'0');
    if (Peek() == L'e' || Peek() == L'E') {
      ++m_nPosition;
      const bool bNegative = Peek() == L'-';
      if (bNegative) ++m_nPosition;
      int nExponent = 0;
      for (; IsDigit(Peek()); ++m_nPosition) {
        if (nExponent < 10000) nExponent = nExponent * 10 + (Peek() - L'0');
      }
      fValue = bNegative ? static_cast<float>(fValue * pow(static_cast<double>(0.1f), nExponent))
                         : static_cast<float>(fValue * pow(10.0, nExponent));
    }
  }
  // A number too large for a float (1.0e99, or a long row of digits) would
  // put an infinite coordinate into the path: it is a bad token.
  if (!isfinite(fValue)) {
    m_nPosition = nStart;
    ThrowUnexpected();
  }
  return fSign * fValue;
}

float CTKMarkupPathDataParser::ScaleX(float x) const {
  return m_pContext != nullptr ? m_pContext->ScaleXFloat(x) : x;
}

float CTKMarkupPathDataParser::ScaleY(float y) const {
  return m_pContext != nullptr ? m_pContext->ScaleYFloat(y) : y;
}

MARKUP_POINTF CTKMarkupPathDataParser::ReadSize(bool bCommaAllowed) {
  const int nStart = m_nPosition;
  float x = ReadNumber(bCommaAllowed);
  float y = ReadNumber(true);
  MARKUP_POINTF size{ScaleX(x), ScaleY(y)};
  if (!IsFinitePoint(size)) {
    m_nPosition = nStart;
    ThrowUnexpected();
  }
  return size;
}

MARKUP_POINTF CTKMarkupPathDataParser::ReadPoint(WCHAR chCommand, bool bCommaAllowed) {
  const int nStart = m_nPosition;
  MARKUP_POINTF pt = ReadSize(bCommaAllowed);
  if (iswlower(chCommand)) {
    pt.x += m_current.x;
    pt.y += m_current.y;
  }
  if (!IsFinitePoint(pt)) {
    m_nPosition = nStart;
    ThrowUnexpected();
  }
  return pt;
}

// Grammar

void CTKMarkupPathDataParser::Parse(CTKMarkupBuilder* pBuilder, LPCWSTR lpszText, int nLength) {
  m_pszText = lpszText;
  m_nLength = lpszText != nullptr ? nLength : 0;
  m_nPosition = 0;
  m_pContext = pBuilder != nullptr ? pBuilder->GetContext() : nullptr;
  m_points.clear();
  m_types.clear();
  m_current = m_lastControl = m_figureStart = MARKUP_POINTF{0, 0};
  m_bFigureOpen = false;
  m_nFillRule = 0;
  WCHAR chPrevious = L' ';
  bool bMoved = false;
  while (ReadCommand()) {
    const WCHAR ch = m_chCommand;
    if (!bMoved) {
      if (ch == L'F') {
        if (!IsNumberAhead(false) || (Peek() != L'0' && Peek() != L'1')) ThrowUnexpected();
        m_nFillRule = m_pszText[m_nPosition++] - L'0';
        continue;
      }
      if (ch != L'M' && ch != L'm') ThrowUnexpected();
      bMoved = true;
    }
    ParseCommand(chPrevious);
  }
}

void CTKMarkupPathDataParser::OpenFigure() {
  if (m_bFigureOpen) return;
  MoveTo(m_figureStart.x, m_figureStart.y);
  m_bFigureOpen = true;
}

void CTKMarkupPathDataParser::ParseCommand(WCHAR& chPrevious) {
  const WCHAR ch = m_chCommand;
  switch (ch) {
    case L'M':
    case L'm': {
      m_current = ReadPoint(ch, false);
      MoveTo(m_current.x, m_current.y);
      m_figureStart = m_current;
      m_bFigureOpen = true;
      chPrevious = L'M';
      while (IsNumberAhead(true)) {
        m_current = ReadPoint(ch, true);
        LineTo(m_current.x, m_current.y);
        chPrevious = L'L';
      }
      return;
    }
    case L'L':
    case L'l':
    case L'H':
    case L'h':
    case L'V':
    case L'v':
      ParseLines(ch);
      chPrevious = L'L';
      return;
    case L'C':
    case L'c':
    case L'S':
    case L's':
      ParseCubics(ch, chPrevious);
      chPrevious = L'C';
      return;
    case L'Q':
    case L'q':
      ParseQuadratic(ch);
      chPrevious = L'T';
      return;
    case L'T':
    case L't':
      ParseSmoothQuadratics(ch, chPrevious);
      chPrevious = L'T';
      return;
    case L'A':
    case L'a':
      ParseArc(ch);
      chPrevious = L'A';
      return;
    case L'Z':
    case L'z':
      OpenFigure();
      CloseFigure();
      m_bFigureOpen = false;
      m_current = m_figureStart;
      chPrevious = L'Z';
      return;
    default:
      ThrowUnexpected();
  }
}

void CTKMarkupPathDataParser::ParseLines(WCHAR ch) {
  OpenFigure();
  do {
    const int nStart = m_nPosition;
    switch (towupper(ch)) {
      case L'L':
        m_current = ReadPoint(ch, false);
        break;
      case L'H': {
        const float x = ScaleX(ReadNumber(false));
        m_current.x = ch == L'h' ? m_current.x + x : x;
        break;
      }
      default: {
        const float y = ScaleY(ReadNumber(false));
        m_current.y = ch == L'v' ? m_current.y + y : y;
        break;
      }
    }
    if (!IsFinitePoint(m_current)) {
      m_nPosition = nStart;
      ThrowUnexpected();
    }
    LineTo(m_current.x, m_current.y);
  } while (IsNumberAhead(true));
}

void CTKMarkupPathDataParser::ParseCubics(WCHAR ch, WCHAR chPrevious) {
  OpenFigure();
  const bool bSmooth = towupper(ch) == L'S';
  do {
    MARKUP_POINTF control1;
    if (!bSmooth)
      control1 = ReadPoint(ch, false);
    else
      control1 = chPrevious == L'C' ? Reflect(m_lastControl, m_current) : m_current;
    const MARKUP_POINTF control2 = ReadPoint(ch, !bSmooth);
    m_lastControl = control2;
    const MARKUP_POINTF end = ReadPoint(ch, true);
    BezierTo(control1.x, control1.y, control2.x, control2.y, end.x, end.y);
    m_current = end;
    chPrevious = L'C';
  } while (IsNumberAhead(true));
}

void CTKMarkupPathDataParser::ParseQuadratic(WCHAR ch) {
  OpenFigure();
  const MARKUP_POINTF control = ReadPoint(ch, false);
  const MARKUP_POINTF end = ReadPoint(ch, true);
  QuadTo(control.x, control.y, end.x, end.y);
  m_current = end;
  m_lastControl = control;
}

void CTKMarkupPathDataParser::ParseSmoothQuadratics(WCHAR ch, WCHAR chPrevious) {
  OpenFigure();
  do {
    const MARKUP_POINTF end = ReadPoint(ch, false);
    const MARKUP_POINTF control =
        chPrevious == L'T' ? Reflect(m_lastControl, m_current) : m_current;
    QuadTo(control.x, control.y, end.x, end.y);
    m_current = end;
    m_lastControl = control;
    chPrevious = L'T';
  } while (IsNumberAhead(true));
}

void CTKMarkupPathDataParser::ParseArc(WCHAR ch) {
  OpenFigure();
  const MARKUP_POINTF radii = ReadSize(true);
  const float fAngle = ReadNumber(true);
  const bool bLargeArc = ReadNumber(true) != 0;
  const bool bSweep = ReadNumber(true) != 0;
  const MARKUP_POINTF end = ReadPoint(ch, true);
  const MARKUP_POINTF start = m_current;
  m_current = end;
  if (radii.x == 0 || radii.y == 0) {
    LineTo(end.x, end.y);
    return;
  }
  // An arc that ends where it starts has no centre (the computation would
  // divide by zero); it draws nothing.
  if (start.x == end.x && start.y == end.y) return;
  ArcToBeziers(start.x, start.y, radii.x, radii.y, fAngle, bLargeArc, bSweep, end.x, end.y);
}

void CTKMarkupPathDataParser::ArcToBeziers(double x0, double y0, double rx, double ry,
                                           double dAngle, bool bLargeArc, bool bSweep, double x1,
                                           double y1) {
  rx = fabs(rx);
  ry = fabs(ry);
  const double s = sin(dAngle * 0.017453292519943295);
  const double c = cos(dAngle * 0.017453292519943295);
  const double dx = (x0 - x1) / 2, dy = (y0 - y1) / 2;
  const double xp = c * dx + s * dy, yp = -s * dx + c * dy;
  const double dLambda = xp * xp / (rx * rx) + yp * yp / (ry * ry);
  if (dLambda > 1) {
    rx *= sqrt(dLambda);
    ry *= sqrt(dLambda);
  }
  const double a0 = (c / rx) * x0 + (s / rx) * y0, b0 = (-s / ry) * x0 + (c / ry) * y0;
  const double a1 = (c / rx) * x1 + (s / rx) * y1, b1 = (-s / ry) * x1 + (c / ry) * y1;
  const double d = (a1 - a0) * (a1 - a0) + (b1 - b0) * (b1 - b0);
  double f2 = 1 / d - 0.25;
  if (f2 < 0) f2 = 0;
  double f = sqrt(f2);
  if (bLargeArc == bSweep) f = -f;
  const double ac = (a0 + a1) / 2 - f * (b1 - b0), bc = (b0 + b1) / 2 + f * (a1 - a0);
  const double theta0 = atan2(b0 - bc, a0 - ac), theta1 = atan2(b1 - bc, a1 - ac);
  double dDelta = theta1 - theta0;
  if (dDelta < 0 && bSweep) dDelta += 2 * kPi;
  if (dDelta > 0 && !bSweep) dDelta -= 2 * kPi;
  const int nSegments = static_cast<int>(ceil(fabs(dDelta / 1.5717963267948964)));

  std::vector<MARKUP_POINTF> curve;
  for (int i = 0; i < nSegments; ++i) {
    const double alpha = theta0 + i * dDelta / nSegments;
    const double beta = theta0 + (i + 1) * dDelta / nSegments;
    const double h = (beta - alpha) / 2;
    const double t = (8.0 / 3.0) * sin(h / 2) * sin(h / 2) / sin(h);
    const double k1a = ac + cos(alpha) - t * sin(alpha), k1b = bc + sin(alpha) + t * cos(alpha);
    const double k3a = ac + cos(beta), k3b = bc + sin(beta);
    const double k2a = k3a + t * sin(beta), k2b = k3b - t * cos(beta);
    for (const auto& k :
         {std::make_pair(k1a, k1b), std::make_pair(k2a, k2b), std::make_pair(k3a, k3b)}) {
      curve.push_back(MARKUP_POINTF{static_cast<float>(c * rx * k.first - s * ry * k.second),
                                    static_cast<float>(s * rx * k.first + c * ry * k.second)});
    }
  }
  // Degenerate input can still make a coordinate that is not a number; such
  // an arc is left out rather than handed to the device context.
  for (const MARKUP_POINTF& pt : curve) {
    if (!IsFinitePoint(pt)) return;
  }
  for (size_t i = 0; i + 2 < curve.size(); i += 3)
    BezierTo(curve[i].x, curve[i].y, curve[i + 1].x, curve[i + 1].y, curve[i + 2].x,
             curve[i + 2].y);
}
