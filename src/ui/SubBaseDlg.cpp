#include "ui/SubBaseDlg.h"

#include "core/AppContext.h"
#include "core/MessageBoxes.h"
#include "platform/Paths.h"
#include "ui/ImageHelpers.h"
#include "ui/LUEdit.h"
#include "ui/ResourceIds.h"

#include <wx/dcmemory.h>

#include <algorithm>

wxDEFINE_EVENT(WM_PAGE_NEXT, CPageRequestEvent);
wxDEFINE_EVENT(WM_PAGE_BACK, CPageRequestEvent);

namespace {
// The watermark's constant opacity: 12 of 255.
constexpr unsigned char kWatermarkAlpha = 12;

// The picture stretched over size and laid faintly over white, with the
// picture's own transparency over white first. Plain pixel work on images,
// so that it may run beside the UI thread; each step rounds as the toolkit's
// drawing of it does, so the pixels are those a drawing gives.
wxImage MakeWatermark(const wxImage& picture, const wxSize& size) {
  wxImage watermark(size, false);
  unsigned char* out = watermark.GetData();
  const std::size_t pixels = static_cast<std::size_t>(size.x) * static_cast<std::size_t>(size.y);
  if (!picture.IsOk()) {
    std::fill(out, out + pixels * 3, 255);
    return watermark;
  }
  const wxImage stretched =
      picture.GetSize() == size ? picture : picture.Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH);
  const unsigned char* in = stretched.GetData();
  const unsigned char* alpha = stretched.HasAlpha() ? stretched.GetAlpha() : nullptr;
  for (std::size_t i = 0; i < pixels; ++i) {
    const unsigned opacity = alpha ? alpha[i] : 255u;
    for (std::size_t c = 0; c < 3; ++c) {
      const unsigned overWhite = (in[i * 3 + c] * opacity + 255u * (255u - opacity) + 127u) / 255u;
      out[i * 3 + c] = static_cast<unsigned char>(
          (overWhite * kWatermarkAlpha + 255u * (255u - kWatermarkAlpha) + 127u) / 255u);
    }
  }
  return watermark;
}

// An element rectangle as a window takes it: a layout resolved for a window
// still too small gives negative sizes.
wxRect NonNegative(wxRect rect) {
  rect.width = std::max(rect.width, 0);
  rect.height = std::max(rect.height, 0);
  return rect;
}
}  // namespace

CSubBaseDlg::CSubBaseDlg(int templateId, wxWindow* parent)
    : wxPanel(parent, templateId), m_templateId(templateId) {
  SetBackgroundColour(*wxWHITE);
  Bind(wxEVT_SIZE, &CSubBaseDlg::OnSize, this);
  Bind(wxEVT_SHOW, &CSubBaseDlg::OnShow, this);
  Bind(wxEVT_CHAR_HOOK, &CSubBaseDlg::OnCharHook, this);
}

int CSubBaseDlg::PassValue(const char*, int value, int) { return value; }

stNavNode* CSubBaseDlg::SetPageIndex(stNavNode* node) {
  m_navNode = node;
  return node;
}

int CSubBaseDlg::SetNavValues(int a, int b) {
  m_navValues[0] = a;
  m_navValues[1] = b;
  return a;
}

wxString CSubBaseDlg::GetPageTitle() const { return m_pageTitle; }
void CSubBaseDlg::ApplyLanguage() {}
bool CSubBaseDlg::LoadFromProject() { return true; }
bool CSubBaseDlg::ReloadSettings(int) { return true; }
bool CSubBaseDlg::LoadFormatParameters(int, int) { return true; }
bool CSubBaseDlg::ShowStoredValues() { return true; }
bool CSubBaseDlg::SaveToProject() { return true; }
bool CSubBaseDlg::StorePageData() { return true; }
bool CSubBaseDlg::CheckAndApply() { return true; }
void CSubBaseDlg::LayoutControls() {}
void CSubBaseDlg::RefreshControls() {}
void CSubBaseDlg::RefreshView(int) {}
void CSubBaseDlg::OnPageShown() {}

void CSubBaseDlg::InitLayout(const LayoutFile& file, const LayoutPrefix& prefix) {
  m_layout.RemoveAll();
  m_layout.SetSource(platform::JoinPath(g_App.uiConfigFolder, file.name), g_App.imageFolder);
  m_layout.LoadElements(prefix.text, GetParent());
  m_layout.ApplyFonts(0);
  stUIElement client;
  if (!m_layout.GetElement("SW_CLIENT", client)) {
    LangMessageBox("", kNoticeOk, "IDS_ERR8_LACK_OF_KEY", wxString("SW_CLIENT"), m_layout.GetIniPath());
  }
  LayoutControls();
}

void CSubBaseDlg::PlaceControls(const std::vector<std::pair<wxString, int>>& table) {
  if (!m_layout.IsReady() || !m_layout.ResolveAll(this)) return;
  for (const auto& [name, id] : table) {
    wxWindow* control = FindWindow(id);
    stUIElement element;
    if (!control || !m_layout.GetElement(name, element)) continue;
    control->SetSize(NonNegative(element.Rect()));
    if (element.hidden) control->Hide();
  }
}

bool CSubBaseDlg::LayoutElements(const std::pair<const char*, int>* table, std::size_t count,
                                 const std::function<CLUEdit*(int)>& inputOf, const PlaceElementFn& place) {
  if (!m_layout.IsReady() || !m_layout.ResolveAll(this)) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const auto& [name, id] = table[i];
    stUIElement element;
    if (!m_layout.GetElement(name, element)) continue;
    wxRect rect = NonNegative(element.Rect());
    if (CLUEdit* input = inputOf ? inputOf(id) : nullptr) {
      input->SetEditSize(EditHeight(rect.height), EditWidth(rect.width));
      input->SetPos(rect.x, rect.y, true);
      continue;
    }
    wxWindow* control = FindWindow(id);
    if (!control) continue;
    place(*control, id, rect, element);
    if (element.hidden) control->Hide();
  }
  return true;
}

bool CSubBaseDlg::PostRequest(const wxEventType& type, bool next, int wParam, int lParam) {
  wxWindow* parent = GetParent();
  if (!parent) return false;
  stPageRequest request;
  request.next = next ? 1 : 0;
  request.back = next ? 0 : 1;
  request.wParam = wParam;
  request.lParam = lParam;
  request.node = m_navNode;
  wxQueueEvent(parent, new CPageRequestEvent(type, request));
  return true;
}

bool CSubBaseDlg::RequestNextPage(int wParam, int lParam) {
  if (!CheckAndApply()) return false;
  if (!StorePageData()) return false;
  return PostRequest(WM_PAGE_NEXT, true, wParam, lParam);
}

bool CSubBaseDlg::RequestPreviousPage(int wParam, int lParam) {
  if (!StorePageData()) return false;
  return PostRequest(WM_PAGE_BACK, false, wParam, lParam);
}

bool CSubBaseDlg::LoadBackgroundImage() {
  if (m_preparedBackground.valid()) m_preparedBackground.wait();
  m_preparedBackground = std::future<wxImage>();
  m_faintBackground = wxBitmap();
  m_faintBackgroundSize = wxSize();
  return LoadImageFromResource(m_backgroundImage, IDB_PAGE_BACKGROUND, "png");
}

void CSubBaseDlg::PrepareBackground(const wxSize& size) {
  if (size.x <= 0 || size.y <= 0 || !m_backgroundImage.IsOk()) return;
  if (m_faintBackground.IsOk() && size == m_faintBackgroundSize) return;
  if (m_preparedBackground.valid()) {
    if (size == m_preparedBackgroundSize) return;
    m_preparedBackground.wait();
  }
  // The worker has a picture of its own: wx images share their data unguarded.
  m_preparedBackgroundSize = size;
  m_preparedBackground = std::async(std::launch::async, [picture = m_backgroundImage.Copy(), size] {
    return MakeWatermark(picture, size);
  });
}

wxBitmap& CSubBaseDlg::FaintBackground(const wxSize& size) {
  if (m_faintBackground.IsOk() && size == m_faintBackgroundSize) return m_faintBackground;
  wxImage watermark;
  if (m_preparedBackground.valid()) {
    wxImage prepared = m_preparedBackground.get();
    if (size == m_preparedBackgroundSize) watermark = prepared;
  }
  if (!watermark.IsOk()) watermark = MakeWatermark(m_backgroundImage, size);
  m_faintBackground = wxBitmap(watermark, 24);
  m_faintBackgroundSize = size;
  return m_faintBackground;
}

void CSubBaseDlg::DrawBackground(wxDC& dc, const wxRect& area, int yDest) {
  const wxRegion& update = GetUpdateRegion();
  DrawBackgroundPart(
      dc, area, yDest,
      update.IsEmpty() ? wxRect(wxPoint(area.GetLeft(), yDest), area.GetSize()) : update.GetBox());
}

void CSubBaseDlg::DrawBackgroundPart(wxDC& dc, const wxRect& area, int yDest, const wxRect& part) {
  if (area.IsEmpty()) return;
  wxBitmap& faint = FaintBackground(area.GetSize());
  const wxRect whole(wxPoint(area.GetLeft(), yDest), area.GetSize());
  const wxRect drawn = whole.Intersect(part);
  if (drawn.IsEmpty()) return;
  if (drawn == whole) {
    dc.DrawBitmap(faint, whole.GetPosition(), false);
    return;
  }
  // Only the asked part goes to the DC: a DC that draws through a graphics
  // context converts the whole bitmap it is given at every paint.
  const wxRect source(drawn.GetPosition() - whole.GetPosition(), drawn.GetSize());
  dc.DrawBitmap(faint.GetSubBitmap(source), drawn.GetPosition(), false);
}

void CSubBaseDlg::OnSize(wxSizeEvent& event) {
  event.Skip();
  const wxSize size = GetClientSize();
  if (size.x != 0 && size.y != 0 && size != m_lastClientSize) {
    m_lastClientSize = size;
    LayoutControls();
  }
  // No edit of the page keeps a caret after a resize. GTK also sends size
  // events that change nothing (a relayout, a configure the display sends
  // late); those leave the focus where the user put it.
  if (size == m_sizeAtLastEvent) return;
  m_sizeAtLastEvent = size;
  wxWindow* focus = FindFocus();
  if (focus && focus != this && IsDescendant(focus)) SetFocusIgnoringChildren();
}

void CSubBaseDlg::OnShow(wxShowEvent& event) {
  if (event.IsShown() && refreshPending) {
    refreshPending = 0;
    OnPageShown();
  }
}

void CSubBaseDlg::BindCloseButton(int buttonId) {
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        wxWindow* top = wxGetTopLevelParent(this);
        if (top) top->GetEventHandler()->CallAfter([top] { top->Close(); });
      },
      buttonId);
}

void CSubBaseDlg::OnCharHook(wxKeyEvent& event) {
  // Neither Enter nor Escape closes a page.
  if (event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_ESCAPE ||
      event.GetKeyCode() == WXK_NUMPAD_ENTER) {
    return;
  }
  event.Skip();
}
