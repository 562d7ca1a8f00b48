// The main dialog: set-up, layout, painting and navigation.
#include "ui/shell/OlvantaDlg.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/ExprEngine.h"
#include "core/FileHelpers.h"
#include "core/LangText.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "ui/PageRequest.h"
#include "ui/PngButton.h"
#include "ui/ResourceIds.h"
#include "ui/Resources.h"
#include "ui/SubBaseDlg.h"
#include "ui/shell/DeviceWatcher.h"
#include "ui/shell/FlowTable.h"
#include "ui/shell/ShellMessages.h"

#include <wx/app.h>
#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/display.h>

#include <algorithm>

namespace {

// The page table.
constexpr int kPageTable[] = {kHomePageId,   kExamplePageId,   kStandardModePageId, kModulationParamId,
                              kDataFormatId, kAirModulationId, kAirDataFormatId,    kOtherPageId,
                              kLcdConfigId,  kKeyConfigId};
// The pages made at start; the others when first asked for.
constexpr int kStartPages[] = {kHomePageId, kExamplePageId};

constexpr int kGlobalSelSizeControl = 1374;
// The window's size on a display with room for it, and the least size at
// which the pages keep their controls apart.
const wxSize kPreferredSize(1200, 800);
const wxSize kMinimumSize(1000, 640);
// Room kept right of the strip's last control.
constexpr int kStripRightMargin = 24;
constexpr int kConnectDelayMs = 50;
constexpr int kDevicePollMs = 1000;

// The frameworks whose versions the About box shows: name, kind, mode folder.
struct stFrameworkSource {
  const char* name;
  int kind;
  const char* mode;
};
constexpr stFrameworkSource kFrameworks[4] = {
    {"IR_FrameWork_STD", kFrameworkGeneral, kProtocolKindNames[kProtocolStandard]},
    {"IR_FrameWork_USER_DEF", kFrameworkGeneral, kProtocolKindNames[kProtocolCustom]},
    {"IR_FrameWork_LCD_LITE", kFrameworkLcdSimple, kProtocolKindNames[kProtocolCustom]},
    {"IR_FrameWork_LCD_STD", kFrameworkLcdStandard, kProtocolKindNames[kProtocolCustom]},
};

COlvantaDlg* g_mainDialog = nullptr;

}  // namespace

COlvantaDlg* COlvantaDlg::GetMainDialog() { return g_mainDialog; }

COlvantaDlg::COlvantaDlg(wxWindow* parent)
    : CBaseDlg(kTemplateId, GetLangText("IDS_SW_TITLE"), g_App.imageFolder, parent), m_connectTimer(this) {
  SetName(g_BrandFlag != 0 ? "COlvantaDlg" : "CLMOlvantaDlg");
  m_icon = LoadIconResource(g_BrandFlag != 0 ? IDI_OLVANTA_MAKER : IDR_MAINFRAME);
  SetTitle(GetLangText("IDS_SW_TITLE"));
  FitToWorkArea();
  g_mainDialog = this;
  SetShellWindow(this);
}

COlvantaDlg::~COlvantaDlg() {
  if (g_mainDialog == this) g_mainDialog = nullptr;
  if (GetShellWindow() == this) SetShellWindow(nullptr);
  m_connectTimer.Stop();
  m_deviceWatcher.reset();
  for (IDecodePage*& page : m_decodePages) {
    if (page && page->GetWindow()) page->GetWindow()->Destroy();
    delete page;
    page = nullptr;
  }
  m_nav.list.Clear();
  m_receiver.reset();
}

int COlvantaDlg::ShowModal() {
  if (!Setup()) return wxID_CANCEL;
  return CBaseDlg::ShowModal();
}

int COlvantaDlg::RunAsMainWindow(const wxString& openFile, const std::function<void(COlvantaDlg&)>& inLoop) {
  COlvantaDlg dialog;
  wxTheApp->SetTopWindow(&dialog);
  int result = 1;
  if (dialog.Setup()) {
    if (!openFile.empty()) dialog.OpenProjectCommand(openFile);
    if (inLoop) dialog.CallAfter([&dialog, &inLoop] { inLoop(dialog); });
    dialog.ShowModal();
    result = 0;
  }
  wxTheApp->SetTopWindow(nullptr);
  return result;
}

bool COlvantaDlg::Setup() {
  if (m_setupDone) return m_initialised;
  m_setupDone = true;
  if (m_icon.IsOk()) SetIcon(m_icon);
  if (!CreateMenuBar()) return false;
  m_globalSel = CreateShellPage(kGlobalSelPageId, GetClientWindow());
  if (m_globalSel) m_globalSel->Hide();
  m_nav.SetOwner(GetClientWindow());
  m_nav.SetHost(this);
  if (!CreateStartPages() || !BuildFlowAndCaptions()) return false;
  FindReceiverFirmware(m_firmwareFileVersion);
  FillFrameworkVersions();
  ApplyNavigationFont();
  if (!StartReceiver()) return false;
  LoadExpressionLibrary();
  BindEvents();
  RefreshLanguage();
  m_initialised = true;
  ShowExampleOrHome();
  return true;
}

wxRect COlvantaDlg::WorkArea() const {
  const int index = wxDisplay::GetFromWindow(this);
  return wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
}

void COlvantaDlg::FitToWorkArea() {
  const wxRect area = WorkArea();
  wxSize minimum = FromDIP(kMinimumSize);
  minimum.DecTo(area.GetSize());
  SetMinSize(minimum);
  wxSize size = FromDIP(kPreferredSize);
  size.DecTo(area.GetSize());
  SetSize(wxRect(area.GetPosition() + (area.GetSize() - size) / 2, size));
}

void COlvantaDlg::UpdateMinimumSize() {
  if (!m_globalSel) return;
  // The strip's controls all stay in view: the window is never narrower than they need. Windows
  // that are no controls (the rule across the strip's width) follow the window and do not count.
  int stripRight = 0;
  for (wxWindow* child : m_globalSel->GetChildren()) {
    if (child->IsShown() && dynamic_cast<wxControl*>(child))
      stripRight = std::max(stripRight, child->GetRect().GetRight() + 1);
  }
  const int frame = GetSize().x - GetClientWindow()->GetClientSize().x;
  wxSize minimum = FromDIP(kMinimumSize);
  minimum.x = std::max(minimum.x, stripRight + FromDIP(kStripRightMargin) + frame);
  minimum.DecTo(WorkArea().GetSize());
  SetMinSize(minimum);
  wxSize size = GetSize();
  if (size.x < minimum.x || size.y < minimum.y) {
    size.IncTo(minimum);
    SetSize(size);
  }
}

bool COlvantaDlg::CreateMenuBar() {
  wxWindow* client = GetClientWindow();
  if (!m_menuBar.Create(client)) return false;
  m_layout.SetSource(platform::JoinPath(g_App.uiConfigFolder, "MainDlg.ini"), g_App.imageFolder);
  m_layout.LoadElements("A", client);
  m_layout.ApplyFonts(0);
  m_layout.ResolveAll(client);
  const char* const names[CMainMenuBar::kMenuCount] = {"Menu_Project", "Menu_Option", "Menu_Language",
                                                       "Menu_Help"};
  for (int i = 0; i < CMainMenuBar::kMenuCount; ++i) {
    stUIElement element;
    CPngButton* button = m_menuBar.GetButton(i);
    if (m_layout.GetElement(names[i], element)) {
      button->SetSize(element.Rect());
      if (element.font.IsOk()) button->SetFont(element.font.GetFont());
    } else {
      button->SetSize(wxRect(i * 90, 0, 90, 30));
    }
  }
  return true;
}

bool COlvantaDlg::CreateStartPages() {
  for (int id : kStartPages) {
    if (HasPage(id) && !MakePage(id)) return false;
  }
  return true;
}

bool COlvantaDlg::HasPage(int templateId) const {
  return std::find(std::begin(kPageTable), std::end(kPageTable), templateId) != std::end(kPageTable) &&
         HasShellPage(templateId);
}

CSubBaseDlg* COlvantaDlg::MadePage(int templateId) const {
  auto found = m_pages.find(templateId);
  return found == m_pages.end() ? nullptr : found->second;
}

CSubBaseDlg* COlvantaDlg::FindPage(int templateId) {
  if (CSubBaseDlg* page = MadePage(templateId)) return page;
  return HasPage(templateId) ? MakePage(templateId) : nullptr;
}

// A page made later is as one made at start: hidden, in the current
// language, and in the flow when the flow has it.
CSubBaseDlg* COlvantaDlg::MakePage(int templateId) {
  CSubBaseDlg* page = CreateShellPage(templateId, GetClientWindow());
  if (!page) return nullptr;
  page->Hide();
  m_pages[templateId] = page;
  if (m_initialised) page->ApplyLanguage();
  m_nav.JoinFlow(page);
  return page;
}

bool COlvantaDlg::BuildFlowAndCaptions() {
  const bool known = m_nav.BuildFlow(g_DocManage.RemoteType, g_DocManage.ProtocolType);
  m_nav.ClearItems();
  std::vector<stFlowStep> steps;
  GetFlowSteps(g_DocManage.RemoteType, g_DocManage.ProtocolType, steps);
  for (const stFlowStep& step : steps) {
    if (HasPage(step.templateId)) m_nav.AddItem(step.captionKey);
  }
  m_nav.LoadTexts();
  return known;
}

void COlvantaDlg::FillFrameworkVersions() {
  for (std::size_t i = 0; i < m_frameworkVersions.size(); ++i) {
    const stFrameworkSource& source = kFrameworks[i];
    const wxString name = wxString(source.name);
    const wxString found =
        g_DocManage.FindLatestFramework(g_App.GetProtocolFolder(source.kind), source.mode, name);
    m_frameworkVersions[i] = found.length() > name.length() ? found.Mid(name.length() + 1) : wxString();
  }
}

void COlvantaDlg::ApplyNavigationFont() {
  wxString face;
  int size = 0;
  ReadIniFontKeys("MainNavigationBarFont", face, size);
  CFontEx font;
  font.SetFromFont(GetClientWindow()->GetFont());
  if (!face.empty() && face != "1") font.SetFaceName(face);
  if (size > 1) font.SetPointSize(size);
  m_nav.SetFont(font);
}

bool COlvantaDlg::StartReceiver() {
  ReceiverLinkFactory factory = GetReceiverLinkFactory();
  if (!factory) return true;
  m_receiver = factory();
  if (!m_receiver) return false;
  m_receiver->SetNotifyWindow(this);
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    if (m_receiver) m_receiver->PostConnect();
  });
  m_connectTimer.StartOnce(kConnectDelayMs);
  m_deviceWatcher = std::make_unique<CDeviceWatcher>([this](bool arrival) { OnDeviceChange(arrival); });
  m_deviceWatcher->Start(kDevicePollMs);
  return true;
}

void COlvantaDlg::OnDeviceChange(bool arrival) {
  if (m_receiver && ShouldReconnect(m_boardState, arrival)) m_receiver->PostConnect();
}

void COlvantaDlg::BindEvents() {
  Bind(WM_PAGE_NEXT, &COlvantaDlg::OnPageNext, this);
  Bind(WM_PAGE_BACK, &COlvantaDlg::OnPageBack, this);
  GetClientWindow()->Bind(wxEVT_LEFT_DOWN, &COlvantaDlg::OnClientLeftDown, this);
  GetClientWindow()->Bind(wxEVT_SIZE, &COlvantaDlg::OnSize, this);
  Bind(wxEVT_CLOSE_WINDOW, &COlvantaDlg::OnClose, this);
  Bind(wxEVT_CHAR_HOOK, &COlvantaDlg::OnCharHook, this);
  BindMessages();
  BindCommands();
}

// --- Layout and painting.

int COlvantaDlg::MenuStripHeight() const {
  CPngButton* first = m_menuBar.GetButton(CMainMenuBar::kProject);
  return first ? first->GetRect().GetBottom() + 1 : 24;
}

int COlvantaDlg::StripHeight() const {
  if (!m_globalSel) return 0;
  wxWindow* sizeControl = m_globalSel->FindWindow(kGlobalSelSizeControl);
  return sizeControl ? sizeControl->GetSize().y + 30 : 50;
}

wxRect COlvantaDlg::GetNavBarRect() const {
  const wxSize client = GetClientWindow()->GetClientSize();
  return wxRect(0, MenuStripHeight() + StripHeight(), client.x, kNavBarHeight);
}

wxRect COlvantaDlg::GetPageRect() const {
  const wxSize client = GetClientWindow()->GetClientSize();
  const int top = (m_stripVisible && !IsHomeVisible()) ? GetNavBarRect().GetBottom() + 1 : MenuStripHeight();
  return wxRect(0, top, client.x, std::max(0, client.y - top));
}

bool COlvantaDlg::IsHomeVisible() const {
  CSubBaseDlg* home = MadePage(kHomePageId);
  return home && home->IsShown();
}

void COlvantaDlg::Relayout() {
  const wxSize client = GetClientWindow()->GetClientSize();
  if (m_globalSel) {
    m_globalSel->SetSize(0, MenuStripHeight(), client.x, StripHeight());
    m_globalSel->Show(m_stripVisible && !IsHomeVisible());
  }
  wxWindow* shown = IsHomeVisible() ? MadePage(kHomePageId) : m_currentPage;
  if (shown) shown->SetSize(GetPageRect());
  MeasureNavBar();
  GetClientWindow()->Refresh();
}

void COlvantaDlg::MeasureNavBar() {
  wxClientDC dc(GetClientWindow());
  dc.SetFont(m_nav.GetFont().GetFont());
  const wxRect bar = GetNavBarRect();
  m_nav.LoadTexts();
  m_nav.Measure([&dc](const wxString& text) { return dc.GetTextExtent(text).x; }, bar.x, bar.y, bar.width,
                bar.height);
}

void COlvantaDlg::OnSize(wxSizeEvent& event) {
  event.Skip();
  if (m_initialised) Relayout();
}

void COlvantaDlg::PaintClient(wxDC& dc) {
  const wxSize client = GetClientWindow()->GetClientSize();
  const int menuHeight = MenuStripHeight();
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(kMenuStripColor)));
  dc.DrawRectangle(0, 0, client.x, menuHeight);
  dc.SetBrush(wxBrush(ColourFromColorRef(GetBackgroundColor())));
  dc.DrawRectangle(0, menuHeight, client.x, client.y - menuHeight);
  if (m_stripVisible && !IsHomeVisible()) {
    const wxRect bar = GetNavBarRect();
    m_nav.Draw(dc, bar.x, bar.y, bar.width, bar.height, true);
  }
}

// --- Pages and navigation.

void COlvantaDlg::HideAllPages() {
  for (auto& [id, page] : m_pages) page->Hide();
}

void COlvantaDlg::ShowHomePage() {
  CSubBaseDlg* home = FindPage(kHomePageId);
  if (!home) return;
  HideAllPages();
  m_currentPage = home;
  m_stripVisible = false;
  home->Show();
  Relayout();
}

void COlvantaDlg::ShowExampleOrHome() {
  if (FindPage(kHomePageId)) {
    ShowHomePage();
  } else if (CSubBaseDlg* example = FindPage(kExamplePageId)) {
    ShowPage(example);
  } else {
    Relayout();
  }
}

void COlvantaDlg::ShowPage(wxWindow* page) {
  if (!page) return;
  HideAllPages();
  const int index = m_nav.IndexOfPage(page);
  m_stripVisible = m_nav.PageAt(index) != FindPage(kExamplePageId);
  if (auto* subPage = dynamic_cast<CSubBaseDlg*>(page); subPage && subPage->lastPropagatedValue != 1) {
    subPage->refreshPending = 1;
    subPage->lastPropagatedValue = 1;
  }
  m_nav.SetCurrentIndex(index);
  stNavNode* node = m_nav.list.first;
  for (int i = 0; node && i < index; ++i) node = node->next;
  if (node) m_nav.list.current = node;
  m_nav.InvalidateItems();
  m_currentPage = page;
  Relayout();
  page->Show();
}

wxString COlvantaDlg::PageClassName(const wxWindow* page) {
  const wxClassInfo* info = page ? page->GetClassInfo() : nullptr;
  return info ? wxString(info->GetClassName()) : wxString();
}

int COlvantaDlg::PassValueToPages(const wxString& className, int value, int flag) {
  for (stNavNode* node = m_nav.list.first; node; node = node->next) {
    auto* page = dynamic_cast<CSubBaseDlg*>(m_nav.PageOf(node));
    if (!page) continue;
    const wxString name = PageClassName(page);
    value = page->PassValue(name.utf8_str(), value, flag);
    if (flag != 0 || value == 0) {
      page->refreshPending = 0;
    } else if (value != page->lastPropagatedValue) {
      page->refreshPending = 1;
    }
    page->lastPropagatedValue = value;
    if (name.CmpNoCase(className) == 0) value = 0;
  }
  return value;
}

void COlvantaDlg::DropFocus() {
  wxWindow* focus = FindFocus();
  if (focus && IsDescendant(focus)) GetClientWindow()->SetFocusIgnoringChildren();
}

void COlvantaDlg::OnPageNext(CPageRequestEvent& event) {
  const stPageRequest& request = event.GetRequest();
  stNavNode* target = m_nav.list.FindForward(request.node, request.wParam, request.lParam);
  if (!target) return;
  m_nav.list.current = target;
  ShowPage(m_nav.PageOf(target));
}

void COlvantaDlg::OnPageBack(CPageRequestEvent& event) {
  const stPageRequest& request = event.GetRequest();
  stNavNode* target = m_nav.list.FindBackward(request.node, request.wParam, request.lParam);
  if (!target) return;
  // Back to the example page leaves the project, as the bar's first caption does.
  if (target == m_nav.list.first && !LeaveProject()) return;
  m_nav.list.current = target;
  ShowPage(m_nav.PageOf(target));
}

void COlvantaDlg::OnClientLeftDown(wxMouseEvent& event) {
  event.Skip();
  if (!m_stripVisible || IsHomeVisible()) return;
  m_nav.OnClick(event.GetX(), event.GetY());
}

void COlvantaDlg::OnCharHook(wxKeyEvent& event) {
  // Neither Enter nor Escape closes the main window.
  const int key = event.GetKeyCode();
  if (key == WXK_ESCAPE || key == WXK_RETURN || key == WXK_NUMPAD_ENTER) return;
  event.Skip();
}

void COlvantaDlg::RefreshTitle() {
  const wxString path = g_DocManage.GetProjectFilePath();
  const wxString title = GetLangText("IDS_SW_TITLE");
  if (path.empty()) {
    SetTitle(title);
  } else {
    SetTitle(platform::FormatText(g_DocManage.Modified ? "%s-%s*" : "%s-%s", title, path));
  }
  Refresh(false);
}

void COlvantaDlg::OnProjectChanged(const wxString& pageClassName, bool notifyPages) {
  g_DocManage.SetModified(true, pageClassName);
  RefreshTitle();
  if (notifyPages) PassValueToPages(pageClassName, 1, 0);
}
