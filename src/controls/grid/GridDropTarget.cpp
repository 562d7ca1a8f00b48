#include "controls/grid/GridDropTarget.h"

#include "controls/grid/GridCtrl.h"

#include <wx/utils.h>

namespace {

bool g_registering = false;

bool CtrlHeld() { return wxGetKeyState(WXK_CONTROL); }

}  // namespace

CGridDropTarget::CGridDropTarget() : wxDropTarget(new wxTextDataObject()) {}

bool CGridDropTarget::Register(CGridCtrl* grid) {
  if (m_registered || g_registering || !grid) return false;
  g_registering = true;
  m_grid = grid;
  grid->SetDropTarget(this);
  m_registered = true;
  g_registering = false;
  return true;
}

void CGridDropTarget::Revoke() {
  m_registered = false;
  m_grid = nullptr;
}

bool CGridDropTarget::TextAvailable() {
  const wxDataFormat format = GetMatchingPair();
  return format == wxDF_UNICODETEXT || format == wxDF_TEXT;
}

wxDragResult CGridDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult def) {
  wxUnusedVar(def);
  if (!m_registered || !m_grid) return wxDragNone;
  return m_grid->OnDragEnter(TextAvailable(), CtrlHeld(), wxPoint(x, y));
}

wxDragResult CGridDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult def) {
  wxUnusedVar(def);
  if (!m_registered || !m_grid) return wxDragNone;
  return m_grid->OnDragOver(TextAvailable(), CtrlHeld(), wxPoint(x, y));
}

void CGridDropTarget::OnLeave() {
  if (m_registered && m_grid) m_grid->OnDragLeave();
}

bool CGridDropTarget::OnDrop(wxCoord x, wxCoord y) {
  wxUnusedVar(x);
  wxUnusedVar(y);
  return m_registered && m_grid;
}

wxDragResult CGridDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult def) {
  if (!m_registered || !m_grid || !GetData()) return wxDragNone;
  return m_grid->OnDrop(GetDataObject(), def, wxPoint(x, y)) ? def : wxDragNone;
}
