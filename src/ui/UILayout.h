// The layout engine: pages take their controls' positions from layout ini
// files in the UIConfig folder. One section per named element ("A0", "A1",
// ...) gives four edges as expressions over the window, its client area and
// other elements' edges; CUILayout resolves them to pixels at every layout.
#pragma once

#include "ui/FontEx.h"
#include "ui/Colors.h"

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <map>
#include <memory>

class wxWindow;

// Edge bits of stUIElement::resolved.
enum LayoutEdge { kEdgeLeft = 1, kEdgeTop = 2, kEdgeRight = 4, kEdgeBottom = 8, kAllEdges = 15 };

// Background types of a skin.
enum SkinBackground { kSkinBgNone = 0, kSkinBgImage = 1, kSkinBgLinear = 2, kSkinBgRadial = 3 };

struct stUIElement {
  wxString textKey;
  wxString images[4];
  wxString skinImages[4];
  wxString leftExpr, rightExpr, topExpr, bottomExpr, widthExpr, heightExpr;
  int hidden = 0;
  wxString skinSection;
  wxString tip;
  int left = 0, top = 0, right = 0, bottom = 0;
  int resolved = 0;    // LayoutEdge bits
  int unresolved = 1;  // 1 until the element has been laid out
  CFontEx font;
  ColorRef backgroundColor = 0;
  ColorRef textColor = 0;
  wxString backgroundSource;
  int backgroundType = kSkinBgNone;
  // The least width an element sized by its width or its content gets.
  int minWidth = 0;

  wxRect Rect() const { return wxRect(left, top, right - left, bottom - top); }
};

// What resolution needs to know of the window and of texts and pictures.
class ILayoutMeasure {
 public:
  virtual ~ILayoutMeasure() = default;
  // The window's outer size and its client rectangle; false without a window.
  virtual bool WindowSize(wxSize& size) = 0;
  virtual bool ClientRect(wxRect& rect) = 0;
  virtual wxSize TextExtent(const wxString& text, const CFontEx& font) = 0;
  virtual wxSize ImageSize(const wxString& path) = 0;
};

// Measures on a real window (nullptr: no window).
class CWindowMeasure : public ILayoutMeasure {
 public:
  explicit CWindowMeasure(wxWindow* window) : m_window(window) {}
  bool WindowSize(wxSize& size) override;
  bool ClientRect(wxRect& rect) override;
  wxSize TextExtent(const wxString& text, const CFontEx& font) override;
  wxSize ImageSize(const wxString& path) override;

 private:
  wxWindow* m_window;
};

class CUILayout {
 public:
  CUILayout() = default;

  void SetSource(const wxString& iniPath, const wxString& imageFolder);
  void RemoveAll() { m_elements.clear(); }
  // Reads the sections prefix0, prefix1, ... until one has no "key".
  void LoadElements(const wxString& prefix, wxWindow* parent);
  // Builds every element's font and skin values; reset clears all resolutions.
  void ApplyFonts(int reset);
  // Resolves every element's edges; false (after one message per layout
  // file) when an element cannot be resolved.
  bool ResolveAll(wxWindow* window);
  bool ResolveAll(ILayoutMeasure& measure);

  // An element sized by its width or its content is at least width wide
  // (what its control's texts need); it applies from the next resolution.
  void SetMinimumWidth(const wxString& name, int width);

  bool GetElement(const wxString& name, stUIElement& out) const;
  bool GetElementRect(const wxString& name, wxRect& out) const;
  bool IsReady() const { return m_ready != 0; }
  const wxString& GetIniPath() const { return m_iniPath; }
  const std::map<wxString, stUIElement>& Elements() const { return m_elements; }

 private:
  enum class EdgeState { Unresolved, Resolving, Resolved };

  bool LoadElement(const wxString& section);
  bool ResolveEdge(const wxString& name, LayoutEdge edge, ILayoutMeasure& measure, int& value);
  bool ResolveOwnEdge(stUIElement& element, LayoutEdge edge, ILayoutMeasure& measure, int& value);
  bool WindowEdge(const wxString& name, LayoutEdge edge, ILayoutMeasure& measure, int& value,
                  bool& isWindowName);
  int Evaluate(const wxString& expr, ILayoutMeasure& measure);
  wxSize MeasureContent(const stUIElement& element, ILayoutMeasure& measure);

  int m_ready = 0;
  wxWindow* m_parent = nullptr;
  wxString m_iniPath;
  const wxString m_windowName = "Window";
  const wxString m_clientName = "Client";
  std::map<wxString, stUIElement> m_elements;
  std::map<wxString, int> m_resolving;  // LayoutEdge bits being resolved, per element
  wxString m_imageFolder;
  bool m_failureShown = false;
};

// Display settings ("DisplayConfig.ini" of the UIConfig folder).
void ReadIniColorKeys(const wxString& section, int& red, int& green, int& blue, int& onTransparent,
                      int& downTransparent);
void ReadIniFontKeys(const wxString& section, wxString& name, int& size);
