// The base of every step page: the page protocol through which the main
// dialog and the navigation bar load, check, store, save, lay out and
// re-label a page without knowing its class, and the next/back requests.
#pragma once

#include "ui/PageRequest.h"
#include "ui/UILayout.h"

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/panel.h>

#include <cstddef>
#include <functional>
#include <future>
#include <utility>
#include <vector>

class CLUEdit;

// The layout file (in the UI configuration folder) and the element prefix
// of a page, each its own type so that InitLayout's arguments cannot be
// swapped unnoticed.
struct LayoutFile {
  explicit LayoutFile(const wxString& value) : name(value) {}
  wxString name;
};
struct LayoutPrefix {
  explicit LayoutPrefix(const wxString& value) : text(value) {}
  wxString text;
};

class CSubBaseDlg : public wxPanel {
 public:
  // templateId names the page (its resource id).
  CSubBaseDlg(int templateId, wxWindow* parent);
  ~CSubBaseDlg() override = default;

  // The page protocol, in its fixed order.
  virtual int PassValue(const char* className, int value, int flag);
  virtual stNavNode* SetPageIndex(stNavNode* node);
  virtual int SetNavValues(int a, int b);
  virtual wxString GetPageTitle() const;
  virtual void ApplyLanguage();
  virtual bool LoadFromProject();
  virtual bool ReloadSettings(int flag);
  virtual bool LoadFormatParameters(int a, int b);
  virtual bool ShowStoredValues();
  virtual bool SaveToProject();
  virtual bool StorePageData();
  virtual bool CheckAndApply();
  virtual void InitLayout(const LayoutFile& file, const LayoutPrefix& prefix);
  virtual void LayoutControls();
  virtual void RefreshControls();
  virtual void RefreshView(int flag);
  virtual bool RequestNextPage(int wParam, int lParam);
  virtual bool RequestPreviousPage(int wParam, int lParam);
  virtual void OnPageShown();

  // Loads the faint background picture (PNG resource 142); false when missing.
  bool LoadBackgroundImage();
  // Starts making the watermark for an area of that size beside the UI
  // thread, so that the paint that needs it finds it made or nearly so.
  void PrepareBackground(const wxSize& size);
  // Paints the background picture as a faint watermark over area at yDest,
  // which must be white; during a paint, only where the paint asked for. The
  // watermark is made once for each size of area.
  void DrawBackground(wxDC& dc, const wxRect& area, int yDest);
  // The same for the part of the area's destination given (in DC coordinates).
  void DrawBackgroundPart(wxDC& dc, const wxRect& area, int yDest, const wxRect& part);

  int GetTemplateId() const { return m_templateId; }
  stNavNode* GetNavNode() const { return m_navNode; }
  CUILayout& GetLayout() { return m_layout; }

  int refreshPending = 0;
  int lastPropagatedValue = 0;

 protected:
  // Moves each control of the table (layout element name, control id) to its
  // element's rectangle and hides it when the element is hidden. Resolves the
  // layout first; does nothing until the layout is ready.
  void PlaceControls(const std::vector<std::pair<wxString, int>>& table);

  // Lays out a table of (layout element name, control id) in its order after
  // resolving the layout (nothing until the layout is ready): a labelled
  // input (inputOf gives it by id, null for any other id) takes its element's
  // size and position; every other control is handed to place with its
  // element (and its rectangle, sizes never negative) and hidden when the
  // element is.
  using PlaceElementFn =
      std::function<void(wxWindow& control, int id, wxRect& rect, const stUIElement& element)>;
  bool LayoutElements(const std::pair<const char*, int>* table, std::size_t count,
                      const std::function<CLUEdit*(int)>& inputOf, const PlaceElementFn& place);
  template <std::size_t N>
  bool LayoutElements(const std::pair<const char*, int> (&table)[N],
                      const std::function<CLUEdit*(int)>& inputOf, const PlaceElementFn& place) {
    return LayoutElements(table, N, inputOf, place);
  }

  // The button closes the main window once the click has been handled, as
  // the page's Cancel does.
  void BindCloseButton(int buttonId);

  wxString m_pageTitle;
  CUILayout m_layout;

 private:
  void OnSize(wxSizeEvent& event);
  void OnShow(wxShowEvent& event);
  void OnCharHook(wxKeyEvent& event);
  bool PostRequest(const wxEventType& type, bool next, int wParam, int lParam);

  int m_templateId;
  int m_navValues[2] = {0, 0};
  stNavNode* m_navNode = nullptr;
  wxBitmap& FaintBackground(const wxSize& size);

  wxImage m_backgroundImage;
  wxBitmap m_faintBackground;  // the watermark for the size below
  wxSize m_faintBackgroundSize;
  std::future<wxImage> m_preparedBackground;  // the watermark being made for the size below
  wxSize m_preparedBackgroundSize;
  wxSize m_lastClientSize;   // the last nonzero client size laid out
  wxSize m_sizeAtLastEvent;  // the client size at the last size event
};
