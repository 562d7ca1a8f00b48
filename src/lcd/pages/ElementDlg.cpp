#include "lcd/pages/ElementDlg.h"

#include "core/DocManage.h"
#include "core/LangText.h"
#include "lcd/pages/LEDElementDlg.h"
#include "lcd/pages/MCUElementDlg.h"

#include <wx/notebook.h>

namespace {
const wxSize kTemplateSize(316, 182);
const char* const kTabKeys[2] = {"IDS_MCU_TITLE", "IDS_LED_TITLE"};
}  // namespace

CElementDlg::CElementDlg(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetSize(ConvertDialogToPixels(kTemplateSize));
  m_tabs = new wxNotebook(this, kTabsId, wxPoint(0, 0), GetClientSize());
  m_mcu = new CMCUElementDlg(m_tabs);
  m_led = new CLEDElementDlg(m_tabs);
  m_tabs->AddPage(m_mcu, GetLangText(kTabKeys[kMcuTab]), true);
  m_tabs->AddPage(m_led, GetLangText(kTabKeys[kLedTab]), false);
  m_tabs->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CElementDlg::OnTabChanged, this);
  LayoutControls();
}

void CElementDlg::LayoutControls() {
  if (!m_tabs) return;
  m_tabs->SetSize(GetClientSize());
}

wxRect CElementDlg::GetPanelRect() const {
  wxWindow* shown = m_selected == kLedTab ? static_cast<wxWindow*>(m_led) : static_cast<wxWindow*>(m_mcu);
  return wxRect(ScreenToClient(shown->GetScreenPosition()), shown->GetSize());
}

void CElementDlg::OnTabChanged(wxBookCtrlEvent& event) {
  if (event.GetSelection() == kMcuTab || event.GetSelection() == kLedTab) m_selected = event.GetSelection();
  event.Skip();
}

void CElementDlg::ApplyLanguage() {
  for (int tab = kMcuTab; tab <= kLedTab; ++tab)
    m_tabs->SetPageText(static_cast<std::size_t>(tab), GetLangText(kTabKeys[tab]));
  m_mcu->ApplyLanguage();
}

bool CElementDlg::LoadFromProject() {
  m_mcu->Reload(g_DocManage.GetPackageName(), false);
  return true;
}

bool CElementDlg::CanSwitchPackage(const wxString& newPackage) { return m_mcu->CanSwitchPackage(newPackage); }

bool CElementDlg::SwitchPackage(const wxString& oldPackage, const wxString& newPackage) {
  return m_mcu->SwitchPackage(oldPackage, newPackage);
}
