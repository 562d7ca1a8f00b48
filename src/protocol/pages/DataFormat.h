// The data-format page of a general remote's custom protocol (template 146):
// bit counts, address and constant codes, the send type, send order, start
// and toggle bits, and the frame diagram the user builds by dragging blocks
// from the palette of data items. The rules are in protocol/DataFormatModel.h; this
// window binds its controls to that model's state and relays its events.
#pragma once

#include "protocol/DataFormatModel.h"
#include "protocol/gui/FrameDiagramPainter.h"
#include "ui/LUEdit.h"
#include "ui/SubBaseDlg.h"
#include "ui/shell/ShellHooks.h"

#include <wx/bitmap.h>

#include <array>
#include <memory>

class CImageTipBtn;
class wxChoice;

class CDataFormat : public CSubBaseDlg, public IShellPageExtras {
 public:
  static constexpr int kTemplateId = 146;

  explicit CDataFormat(wxWindow* parent);
  ~CDataFormat() override;

  // The page protocol.
  void ApplyLanguage() override;
  bool LoadFromProject() override;
  // The load with a given definition file.
  bool LoadFromProjectWith(const wxString& definitionFile);
  bool ShowStoredValues() override;
  bool SaveToProject() override;
  bool StorePageData() override;
  bool CheckAndApply() override;
  void LayoutControls() override;
  void OnPageShown() override;
  void RebuildDiagrams() override;

  // Without keep, the page starts over with a model no project has filled.
  void RefreshView(int keep) override;

  olv::protocol::CDataFormatModel& Model() { return *m_model; }
  CLUEdit* GetEditById(int id);
  // The diagram area: from the sending-process label to the page's right.
  wxRect DiagramArea() const;

 private:
  void CreateControls();
  void BindEvents();
  void PlaceModelGeometry();
  void PlaceAddressMark();
  void BindModel();

  // Model state to controls, and controls to model state. The model marks
  // the project modified itself (onProjectChanged) when a handler changed it.
  void ShowModelState();
  void ShowInputState(CLUEdit& input, const olv::protocol::stInputState& state);
  void ReadControlsIntoModel();

  // Handlers.
  void OnEditChanged(wxCommandEvent& event);
  void OnEditFocus(wxCommandEvent& event);
  void OnSendType();
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnPaint(wxPaintEvent& event);
  void OnLeadCodeState(int state);
  void OnRepeatCodeState(int state);

  // Dragging.
  void PickUp(olv::protocol::FrameItem* item, bool fromFrame);
  void DragOver(const wxPoint& point);
  void EndDrag(bool dropped, const wxPoint& point);
  void FrameChanged();

  void ReportChange();
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);

  std::unique_ptr<olv::protocol::CDataFormatModel> m_model;
  std::unique_ptr<olv::protocol::CFrameBlockPainter> m_painter;
  std::array<CLUEdit, 12> m_edits;
  std::array<CImageTipBtn*, 2> m_tips = {};
  wxBitmap m_arrow;  // the end of the frame line
  wxRect m_sampleRect;
  wxRect m_processRect;
  int m_quiet = 0;

  // The drag: the held item, where it came from, the place it stands on.
  olv::protocol::FrameItem* m_dragged = nullptr;
  bool m_draggedFromFrame = false;
  int m_dropIndex = -1;

  wxDECLARE_ABSTRACT_CLASS(CDataFormat);
};
