// The air-conditioner data-format page (template 148), the LCD flow's step
// after the carrier page: the function list and the user-defined and
// pure-data functions as a grid of blocks in three views, the send orders of
// group 1 and group 2 as two rows the user drags blocks into, the bit order,
// the byte totals, the interval between the groups and the resource
// warning. The rules are in aircon/AirDataFormatModel.h; this window shows
// the model's state, relays the user's input and hosts the block editors.
#pragma once

#include "aircon/AirDataFormatModel.h"
#include "aircon/pages/AirFuncEditors.h"
#include "protocol/gui/FrameDiagramPainter.h"
#include "ui/FuncBtn.h"
#include "ui/LUEdit.h"
#include "ui/SubBaseDlg.h"

#include <wx/bitmap.h>

#include <array>
#include <map>
#include <memory>

class CImageTipBtn;
class CShellMessageEvent;

// The air answers of the function buttons (which user-defined functions the
// frame sends, the time-data function's display mode), from the page's model.
class CAirFuncBtnServices : public CFuncBtnServices {
 public:
  explicit CAirFuncBtnServices(const aircon::CAirDataFormatModel& model) : m_model(model) {}
  bool IsAirFuncInSendData(int number, int listSelector) override {
    return m_model.IsItemInParamLists(number, listSelector != 0);
  }
  bool IsAirFuncReserveTwo(int number) override { return m_model.IsFuncReserve2(number); }
  int GetAirFuncReserve(int number) override { return m_model.GetFuncReserve(number); }

 private:
  const aircon::CAirDataFormatModel& m_model;
};

class CAirDataFormat : public CSubBaseDlg {
 public:
  static constexpr int kTemplateId = 148;

  explicit CAirDataFormat(wxWindow* parent);
  ~CAirDataFormat() override;

  // The page protocol.
  void ApplyLanguage() override;
  bool LoadFromProject() override;
  bool ReloadSettings(int keep) override;
  bool SaveToProject() override;
  bool StorePageData() override;
  bool CheckAndApply() override;
  void LayoutControls() override;
  void RefreshControls() override;
  void RefreshView(int keep) override;
  void OnPageShown() override;

  aircon::CAirDataFormatModel& Model() { return m_model; }
  CLUEdit* GetEditById(int id);
  // The editor of a template id; null when none is registered.
  IAirFuncEditor* GetEditor(int templateId) const;
  // The editor on show; null when none is.
  IAirFuncEditor* ShownEditor() const;
  // The model's state shown in the controls.
  void ShowModelState();

 private:
  void CreateControls();
  void CreateEditors();
  void BindEvents();
  void BindModel();
  void ReportChange();
  void ReadInputsIntoModel();
  void ShowInputState(CLUEdit& input, const olv::protocol::stInputState& state);
  void PlaceGeometry();
  void PlaceWarningButton();
  void ShowView(aircon::AirView view);

  // Handlers.
  void OnEditChanged(wxCommandEvent& event);
  void OnGroup2Check();
  void OnAirFuncRecord(CShellMessageEvent& event);
  void OnSchemeChanged(CShellMessageEvent& event);
  void OnShowPage(wxShowEvent& event);
  void ShowGuide();

  // The editors.
  void HideEditors();
  void OpenEditor(const aircon::stEditorRequest& request);

  // Drawing and dragging (AirDataFormatDrawing.cpp).
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  // The diagram whose row holds the point (group 2 only while it exists); null for none.
  aircon::CAirSendFormat* RowAt(const wxPoint& point);
  // Where a block dropped at the point goes in the row: the place under it,
  // else after the last block.
  int DropIndexAt(aircon::CAirSendFormat& format, const wxPoint& point) const;
  void StartDrag();
  void EndDrag(bool dropped, const wxPoint& point);
  void CancelDrag();

  aircon::CAirDataFormatModel m_model;
  CAirFuncBtnServices m_services;
  std::unique_ptr<olv::protocol::CFrameBlockPainter> m_painter;
  std::array<CLUEdit, 3> m_edits;
  CImageTipBtn* m_warning = nullptr;
  std::map<int, IAirFuncEditor*> m_editors;
  IAirFuncEditor* m_shownEditor = nullptr;
  wxBitmap m_arrow;  // the end of the send line
  wxRect m_gridArea;
  wxRect m_paramArea;
  int m_quiet = 0;

  // A press on a block, and the drag it becomes once the mouse moves.
  olv::protocol::FrameItem* m_pressed = nullptr;
  aircon::CAirSendFormat* m_origin = nullptr;  // the diagram it was pressed in
  int m_originIndex = -1;
  wxPoint m_pressPoint;
  bool m_dragging = false;
  aircon::CAirSendFormat* m_dropFormat = nullptr;
  int m_dropIndex = -1;

  wxDECLARE_ABSTRACT_CLASS(CAirDataFormat);
};
