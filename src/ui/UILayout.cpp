#include "ui/UILayout.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/StringHelpers.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/ImageHelpers.h"

#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/window.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::size_t kLayoutValueSize = 260;
constexpr std::size_t kSettingValueSize = 20;

// Skin values: no skin file is named, so every key gives its default.
const wxString kSkinFile;

wxString ReadSkinText(const wxString& section, const wxString& key) {
  return platform::ReadProfileString(kSkinFile, section, key, "", kSettingValueSize);
}
int ReadSkinInt(const wxString& section, const wxString& key) {
  return platform::ReadProfileInt(kSkinFile, section, key, 0);
}

// Up to four comma-separated entries.
void SplitFour(wxString list, wxString (&out)[4]) {
  for (wxString& item : out) {
    if (list.empty()) break;
    item = GetNextToken(list, ",");
  }
}

int DecimalValue(const wxString& text) { return static_cast<int>(std::strtol(text.utf8_str(), nullptr, 10)); }

int SettingInt(const wxString& section, const wxString& key, int def) {
  const wxString text = platform::ReadProfileString(g_DisplayConfig.iniPath, section, key,
                                                    wxString::Format("%d", def), kSettingValueSize);
  return DecimalValue(text);
}

bool IsHorizontal(LayoutEdge edge) { return edge == kEdgeLeft || edge == kEdgeRight; }

}  // namespace

bool CWindowMeasure::WindowSize(wxSize& size) {
  if (!m_window) return false;
  size = m_window->GetSize();
  return true;
}

bool CWindowMeasure::ClientRect(wxRect& rect) {
  if (!m_window) return false;
  rect = wxRect(m_window->GetClientSize());
  return true;
}

wxSize CWindowMeasure::TextExtent(const wxString& text, const CFontEx& font) {
  if (!m_window) return wxSize();
  wxClientDC dc(m_window);
  dc.SetFont(font.IsOk() ? font.GetFont() : m_window->GetFont());
  return dc.GetMultiLineTextExtent(text);
}

wxSize CWindowMeasure::ImageSize(const wxString& path) {
  wxImage image;
  if (!LoadImageFromFile(image, path)) return wxSize();
  return image.GetSize();
}

void CUILayout::SetSource(const wxString& iniPath, const wxString& imageFolder) {
  m_iniPath = iniPath;
  m_imageFolder = imageFolder;
  m_failureShown = false;
}

void CUILayout::LoadElements(const wxString& prefix, wxWindow* parent) {
  m_parent = parent;
  if (prefix.empty()) return;
  for (int i = 0; LoadElement(wxString::Format("%s%d", prefix, i)); ++i) {
  }
}

bool CUILayout::LoadElement(const wxString& section) {
  auto read = [&](const char* key) {
    return platform::ReadProfileString(m_iniPath, section, key, "", kLayoutValueSize);
  };
  const wxString key = read("key");
  if (key.empty()) return false;
  stUIElement element;
  element.textKey = read("text");
  SplitFour(read("image"), element.images);
  element.leftExpr = read("l");
  element.topExpr = read("t");
  element.rightExpr = read("r");
  element.bottomExpr = read("b");
  element.widthExpr = read("w");
  element.heightExpr = read("h");
  element.hidden = DecimalValue(read("hide")) != 0 ? 1 : 0;
  element.skinSection = read("skin");
  element.tip = read("tips");
  m_elements[key] = element;
  return true;
}

void CUILayout::ApplyFonts(int reset) {
  for (auto& [name, element] : m_elements) {
    const wxString& skin = element.skinSection;
    const bool bold = ReadSkinInt(skin, "Bold") != 0;
    const wxString fontName = ReadSkinText(skin, "FontName");
    const int fontSize = ReadSkinInt(skin, "FontSize");
    if (m_parent) element.font.SetFromFont(m_parent->GetFont());
    element.font.SetBold(bold);

    const wxString type = ReadSkinText(skin, "BgType");
    element.backgroundType = type.CmpNoCase("Linear") == 0    ? kSkinBgLinear
                             : type.CmpNoCase("emImage") == 0 ? kSkinBgImage
                             : type.CmpNoCase("Radial") == 0  ? kSkinBgRadial
                                                              : kSkinBgNone;
    element.backgroundColor = MakeColorRef(ReadSkinInt(skin, "BgR") & 0xFF, ReadSkinInt(skin, "BgG") & 0xFF,
                                           ReadSkinInt(skin, "BgB") & 0xFF);
    if (element.backgroundType != kSkinBgNone) element.backgroundSource = ReadSkinText(skin, "BgSrc");
    if (fontSize != 0) element.font.SetPointSize(fontSize);
    if (!fontName.empty()) element.font.SetFaceName(fontName);
    element.textColor = MakeColorRef(ReadSkinInt(skin, "R") & 0xFF, ReadSkinInt(skin, "G") & 0xFF,
                                     ReadSkinInt(skin, "B") & 0xFF);
    SplitFour(ReadSkinText(skin, "Image"), element.skinImages);
  }
  if (reset) {
    for (auto& [name, element] : m_elements) {
      element.resolved = 0;
      element.unresolved = 1;
    }
  }
  m_ready = 1;
}

bool CUILayout::ResolveAll(wxWindow* window) {
  CWindowMeasure measure(window);
  return ResolveAll(measure);
}

bool CUILayout::ResolveAll(ILayoutMeasure& measure) {
  for (auto& [name, element] : m_elements) {
    element.resolved = 0;
    element.unresolved = 1;
  }
  m_resolving.clear();
  for (auto& [name, element] : m_elements) {
    int ignored = 0;
    const bool all =
        ResolveEdge(name, kEdgeLeft, measure, ignored) & ResolveEdge(name, kEdgeRight, measure, ignored) &
        ResolveEdge(name, kEdgeTop, measure, ignored) & ResolveEdge(name, kEdgeBottom, measure, ignored);
    if (!all) {
      if (!m_failureShown) {
        m_failureShown = true;
        PlainMessageBox(wxString::Format("Load '%s' element failed!(%s)", name, m_iniPath));
      }
      return false;
    }
    element.unresolved = 0;
  }
  return true;
}

bool CUILayout::WindowEdge(const wxString& name, LayoutEdge edge, ILayoutMeasure& measure, int& value,
                           bool& isWindowName) {
  // The right edge compares the two names without regard to case, the others exactly.
  auto same = [&](const wxString& fixed) {
    return edge == kEdgeRight ? name.CmpNoCase(fixed) == 0 : name == fixed;
  };
  const bool isWindow = same(m_windowName);
  const bool isClient = same(m_clientName);
  isWindowName = isWindow || isClient;
  if (!isWindowName) return false;
  wxRect rect;
  if (isClient) {
    if (!measure.ClientRect(rect)) return false;
  } else {
    wxSize size;
    if (!measure.WindowSize(size)) return false;
    rect = wxRect(size);
  }
  switch (edge) {
    case kEdgeLeft: value = rect.GetLeft(); break;
    case kEdgeTop: value = rect.GetTop(); break;
    case kEdgeRight: value = rect.GetLeft() + rect.GetWidth(); break;
    default: value = rect.GetTop() + rect.GetHeight(); break;
  }
  return true;
}

bool CUILayout::ResolveEdge(const wxString& name, LayoutEdge edge, ILayoutMeasure& measure, int& value) {
  bool isWindowName = false;
  const bool windowEdge = WindowEdge(name, edge, measure, value, isWindowName);
  if (isWindowName) return windowEdge;
  auto found = m_elements.find(name);
  if (found == m_elements.end()) return false;
  stUIElement& element = found->second;
  if (element.resolved & edge) {
    value = edge == kEdgeLeft    ? element.left
            : edge == kEdgeTop   ? element.top
            : edge == kEdgeRight ? element.right
                                 : element.bottom;
    return true;
  }
  // An edge asked for while it is being resolved belongs to a cycle: unresolved.
  int& resolving = m_resolving[name];
  if (resolving & edge) return false;
  resolving |= edge;
  const bool ok = ResolveOwnEdge(element, edge, measure, value);
  resolving &= ~edge;
  if (!ok) return false;
  switch (edge) {
    case kEdgeLeft: element.left = value; break;
    case kEdgeTop: element.top = value; break;
    case kEdgeRight: element.right = value; break;
    default: element.bottom = value; break;
  }
  element.resolved |= edge;
  return true;
}

bool CUILayout::ResolveOwnEdge(stUIElement& element, LayoutEdge edge, ILayoutMeasure& measure, int& value) {
  const bool horizontal = IsHorizontal(edge);
  const wxString& startExpr = horizontal ? element.leftExpr : element.topExpr;
  const wxString& endExpr = horizontal ? element.rightExpr : element.bottomExpr;
  const wxString& sizeExpr = horizontal ? element.widthExpr : element.heightExpr;
  if (startExpr.empty() && endExpr.empty()) return false;

  const bool isStart = edge == kEdgeLeft || edge == kEdgeTop;
  const wxString& ownExpr = isStart ? startExpr : endExpr;
  if (!ownExpr.empty()) {
    value = Evaluate(ownExpr, measure);
    return true;
  }
  const int other = Evaluate(isStart ? endExpr : startExpr, measure);
  int extent = 0;
  if (!sizeExpr.empty()) {
    extent = Evaluate(sizeExpr, measure);
  } else {
    const wxSize content = MeasureContent(element, measure);
    extent = horizontal ? content.x : content.y;
  }
  if (horizontal) extent = std::max(extent, element.minWidth);
  value = isStart ? other - extent : other + extent;
  return true;
}

void CUILayout::SetMinimumWidth(const wxString& name, int width) {
  auto found = m_elements.find(name);
  if (found != m_elements.end()) found->second.minWidth = width;
}

wxSize CUILayout::MeasureContent(const stUIElement& element, ILayoutMeasure& measure) {
  if (!element.textKey.empty()) {
    const wxSize text = measure.TextExtent(GetLangText(element.textKey), element.font);
    if (text.x > 0 || text.y > 0) return text;
  }
  if (!element.images[0].empty())
    return measure.ImageSize(platform::JoinPath(m_imageFolder, element.images[0]));
  return wxSize();
}

int CUILayout::Evaluate(const wxString& expr, ILayoutMeasure& measure) {
  const int open = expr.Find('(');
  if (open == wxNOT_FOUND) return DecimalValue(expr);
  const wxString function = expr.Left(static_cast<std::size_t>(open));
  const int close = expr.Find(')');
  if (close == wxNOT_FOUND || close < open) return 0;
  const wxString name =
      expr.Mid(static_cast<std::size_t>(open) + 1, static_cast<std::size_t>(close - open - 1));
  const wxString tail = expr.Mid(static_cast<std::size_t>(close) + 1);

  int value = 0;
  int a = 0, b = 0;
  bool ok = false;
  if (function == "GetLeft")
    ok = ResolveEdge(name, kEdgeLeft, measure, value);
  else if (function == "GetTop")
    ok = ResolveEdge(name, kEdgeTop, measure, value);
  else if (function == "GetRight")
    ok = ResolveEdge(name, kEdgeRight, measure, value);
  else if (function == "GetBottom")
    ok = ResolveEdge(name, kEdgeBottom, measure, value);
  else if (function == "GetCenterX") {
    ok = ResolveEdge(name, kEdgeRight, measure, a) && ResolveEdge(name, kEdgeLeft, measure, b);
    value = (a - b) / 2 + b;
  } else if (function == "GetCenterY") {
    ok = ResolveEdge(name, kEdgeBottom, measure, a) && ResolveEdge(name, kEdgeTop, measure, b);
    value = (a - b) / 2 + b;
  }
  if (!ok) value = 0;
  if (tail.StartsWith("+"))
    value += DecimalValue(tail.Mid(1));
  else if (tail.StartsWith("-"))
    value -= DecimalValue(tail.Mid(1));
  return value;
}

bool CUILayout::GetElement(const wxString& name, stUIElement& out) const {
  auto found = m_elements.find(name);
  if (found == m_elements.end()) return false;
  out = found->second;
  return true;
}

bool CUILayout::GetElementRect(const wxString& name, wxRect& out) const {
  auto found = m_elements.find(name);
  if (found == m_elements.end()) return false;
  out = found->second.Rect();
  return true;
}

void ReadIniColorKeys(const wxString& section, int& red, int& green, int& blue, int& onTransparent,
                      int& downTransparent) {
  red = SettingInt(section, "R", 1);
  green = SettingInt(section, "G", 1);
  blue = SettingInt(section, "B", 1);
  onTransparent = SettingInt(section, "OnTransparent", 1);
  downTransparent = SettingInt(section, "DownTransparent", 1);
}

void ReadIniFontKeys(const wxString& section, wxString& name, int& size) {
  name = platform::ReadProfileString(g_DisplayConfig.iniPath, section, "FontName", "1", kSettingValueSize);
  size = SettingInt(section, "FontSize", 1);
}
