// The grid's notifications to its owner window (the owner when one is set,
// else the parent): one event type carrying the notification code, the cell
// and, for the requests of virtual mode, the record to fill in or the range
// about to be read. The owner answers through SetResult.
#pragma once

#include "controls/grid/GridTypes.h"

#include <wx/event.h>

class CGridNotifyEvent : public wxCommandEvent {
 public:
  CGridNotifyEvent(wxEventType type = wxEVT_NULL, int id = 0) : wxCommandEvent(type, id) {}

  int GetCode() const { return m_code; }
  void SetCode(int code) { m_code = code; }
  int GetRow() const { return m_row; }
  int GetColumn() const { return m_col; }
  void SetCell(int row, int col) {
    m_row = row;
    m_col = col;
  }
  // A display request's record (code GVN_GETDISPINFO), else null.
  GridDispInfo* GetDispInfo() const { return m_dispInfo; }
  void SetDispInfo(GridDispInfo* info) { m_dispInfo = info; }
  // A cache hint's range (code GVN_ODCACHEHINT).
  const CellRange& GetRange() const { return m_range; }
  void SetRange(const CellRange& range) { m_range = range; }
  long GetResult() const { return m_result; }
  void SetResult(long result) { m_result = result; }

  wxEvent* Clone() const override { return new CGridNotifyEvent(*this); }

 private:
  int m_code = 0;
  int m_row = -1;
  int m_col = -1;
  GridDispInfo* m_dispInfo = nullptr;
  CellRange m_range;
  long m_result = 0;
};

wxDECLARE_EVENT(OLV_EVT_GRID_NOTIFY, CGridNotifyEvent);
