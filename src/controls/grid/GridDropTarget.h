// The drop target of a grid: hands drag enter, drag over, drop and drag
// leave to the grid it is registered for.
#pragma once

#include <wx/dnd.h>

class CGridCtrl;

class CGridDropTarget : public wxDropTarget {
 public:
  CGridDropTarget();

  // Refused when already registered, while another registration runs, or for a null window.
  bool Register(CGridCtrl* grid);
  void Revoke();
  bool IsRegistered() const { return m_registered; }
  CGridCtrl* GetGrid() const { return m_grid; }

  wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override;
  wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult def) override;
  void OnLeave() override;
  bool OnDrop(wxCoord x, wxCoord y) override;
  wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override;

 private:
  bool TextAvailable();

  CGridCtrl* m_grid = nullptr;
  bool m_registered = false;
};
