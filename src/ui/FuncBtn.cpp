#include "ui/FuncBtn.h"

#include "ui/BackgroundSource.h"
#include "ui/FuncBtnLogic.h"
#include "ui/ToolTip2.h"

#include "core/LangText.h"

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>

namespace {

constexpr int kTipPointSize = 9;
constexpr int kTipMargin = 3;
constexpr int kParentRefreshGrow = 2;

CFuncBtnServices g_defaultServices;
CFuncBtnServices* g_services = &g_defaultServices;

}  // namespace

void SetFuncBtnServices(CFuncBtnServices* services) { g_services = services ? services : &g_defaultServices; }
CFuncBtnServices& GetFuncBtnServices() { return *g_services; }

// ---------------------------------------------------------------------------
// CScalableButton

CScalableButton::CScalableButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  Create(parent, id, pos, size);
}

bool CScalableButton::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_font.SetFromFont(parent->GetFont());
  Bind(wxEVT_PAINT, &CScalableButton::OnPaint, this);
  Bind(wxEVT_ENTER_WINDOW, &CScalableButton::OnMotion, this);
  Bind(wxEVT_MOTION, &CScalableButton::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CScalableButton::OnLeave, this);
  Bind(wxEVT_LEFT_DOWN, &CScalableButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CScalableButton::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CScalableButton::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
    m_pressed = false;
    Refresh();
  });
  return true;
}

CScalableButton::~CScalableButton() {
  if (m_tip) m_tip->Destroy();
}

void CScalableButton::SetTextColors(std::uint32_t normal, std::uint32_t conditionOff) {
  SetTextColors4(normal, conditionOff, normal, normal);
}

void CScalableButton::SetTextColors4(std::uint32_t normal, std::uint32_t conditionOff, std::uint32_t hover,
                                     std::uint32_t pressed) {
  m_textColors[kStateNormal] = ColorRefFromRgbValue(normal);
  m_textColors[kStateConditionOff] = ColorRefFromRgbValue(conditionOff);
  m_textColors[kStateHover] = ColorRefFromRgbValue(hover);
  m_textColors[kStatePressed] = ColorRefFromRgbValue(pressed);
  Refresh();
}

void CScalableButton::SetBkColors(std::uint32_t normal, std::uint32_t conditionOff) {
  SetBkColors4(normal, conditionOff, normal, normal);
}

void CScalableButton::SetBkColors4(std::uint32_t normal, std::uint32_t conditionOff, std::uint32_t hover,
                                   std::uint32_t pressed) {
  m_bkColors[kStateNormal] = ColorRefFromRgbValue(normal);
  m_bkColors[kStateConditionOff] = ColorRefFromRgbValue(conditionOff);
  m_bkColors[kStateHover] = ColorRefFromRgbValue(hover);
  m_bkColors[kStatePressed] = ColorRefFromRgbValue(pressed);
  Refresh();
}

ColorRef CScalableButton::GetBkColor(int state) const {
  return state >= 0 && state < kStateCount ? m_bkColors[state] : 0;
}

ColorRef CScalableButton::GetTextColor(int state) const {
  return state >= 0 && state < kStateCount ? m_textColors[state] : 0;
}

bool CScalableButton::SetFont(const wxFont& font) {
  m_font.SetFromFont(font);
  wxControl::SetFont(m_font.GetFont());
  Refresh();
  return true;
}

void CScalableButton::SetNormalState(bool normal) {
  m_normal = normal;
  Refresh();
}

CScalableButton::State CScalableButton::GetDrawState() const {
  if (m_conditionOff) return kStateConditionOff;
  if (m_pressed) return kStatePressed;
  if (m_hover) return kStateHover;
  if (m_normal) return kStateNormal;
  return kStateInactive;
}

wxSize CScalableButton::FitToText(int x, int y) {
  wxClientDC dc(this);
  dc.SetFont(m_font.GetFont());
  const wxSize text = dc.GetMultiLineTextExtent(GetLangText(m_title));
  wxSize size(text.x + 2 * m_horizontalMargin, text.y + 2 * m_verticalMargin);
  if (size.x > m_widthLimit) size.x = m_widthLimit;
  if (x == -1 || y == -1) {
    SetSize(size);
  } else {
    SetSize(x, y, size.x, size.y);
  }
  InvalidateBestSize();
  Refresh();
  Update();
  if (GetParent()) GetParent()->RefreshRect(GetRect());
  return size;
}

wxSize CScalableButton::DoGetBestSize() const { return GetSize(); }

wxString CScalableButton::GetShownText(wxDC& dc) const {
  dc.SetFont(m_font.GetFont());
  return wxControl::Ellipsize(GetLangText(m_title), dc, wxELLIPSIZE_END, GetClientSize().x,
                              wxELLIPSIZE_FLAGS_NONE);
}

void CScalableButton::DrawButton(wxDC& dc) {
  const wxSize size = GetClientSize();
  if (size.x <= 0 || size.y <= 0) return;
  // Outside the rounded outline the parent shows through.
  PaintParentBackground(this, dc);
  const State state = GetDrawState();
  const wxColour back = ColourFromColorRef(m_bkColors[state]);
  dc.SetPen(wxPen(back));
  dc.SetBrush(wxBrush(back));
  dc.DrawRoundedRectangle(wxRect(size).Deflate(1), m_cornerWidth / 2.0);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(ColourFromColorRef(m_textColors[state]));
  wxRect textRect(size);
  if (m_hover) textRect.Offset(1, 1);
  dc.DrawLabel(GetShownText(dc), textRect, wxALIGN_CENTER);
}

void CScalableButton::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  DrawButton(dc);
}

CToolTip2* CScalableButton::EnsureTip() {
  if (!m_tip && GetParent()) {
    auto* tip = new CToolTip2();
    if (!tip->Create(kTipPointSize, kTipMargin, kTipMargin, GetParent())) {
      tip->Destroy();
      return nullptr;
    }
    m_tip = tip;
  }
  return m_tip.get();
}

void CScalableButton::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (m_hover) return;
  m_hover = true;
  if (CToolTip2* tip = EnsureTip()) {
    tip->SetText(GetLangText(m_tipText));
    const wxRect rect = GetRect();
    tip->Show(wxPoint(rect.x + rect.width, rect.y + rect.height));
  }
  Refresh();
}

void CScalableButton::OnLeave(wxMouseEvent& event) {
  event.Skip();
  m_hover = false;
  if (CToolTip2* tip = EnsureTip()) tip->Show(false);
  if (GetParent()) GetParent()->RefreshRect(GetRect().Inflate(kParentRefreshGrow));
  Refresh();
}

void CScalableButton::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  if (!IsThisEnabled()) return;
  m_pressed = true;
  Refresh();
  OnButtonDown();
}

void CScalableButton::OnButtonDown() {
  if (!HasCapture()) CaptureMouse();
}

void CScalableButton::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  const bool wasPressed = m_pressed;
  m_pressed = false;
  if (HasCapture()) ReleaseMouse();
  Refresh();
  if (wasPressed && wxRect(GetClientSize()).Contains(event.GetPosition())) {
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
  }
}

// ---------------------------------------------------------------------------
// CFuncBtn

void CFuncBtn::AddParam(const ParamDefineName& defineName, const ParamValueFormat& valueFormat,
                        const ParamIndexText& indexes, const ParamCondition& condition) {
  auto param = std::make_unique<sParam>();
  param->condition = condition.text;
  param->defineName = defineName.text;
  param->valueFormat = valueFormat.text;
  param->indexes = ParseParamIndexes(indexes.text);
  if (!m_tipText.empty()) m_tipText += ",";
  m_tipText += defineName.text;
  m_params.push_back(std::move(param));
}

wxString CFuncBtn::ResolveParamValue(const wxString& name, bool userDefined) {
  CFuncBtnServices& services = GetFuncBtnServices();
  if (name.IsSameAs("COM_1", false)) return services.GetLCDButtonCom(this);
  if (name.IsSameAs("SEG_1", false)) return services.GetLCDButtonSeg1(this);
  if (name.IsSameAs("SEG_2", false)) return services.GetLCDButtonSeg2(this);
  if (name.IsSameAs("DigitMap", false)) return services.GetLCDButtonDigitMap(this, userDefined);
  return wxString();
}

int CFuncBtn::GetParamDefines(wxArrayString& defines, bool userDefined) {
  for (const auto& param : m_params) {
    std::vector<wxString> values;
    for (std::size_t i = 0; i < param->indexes.size() && i < 3; ++i) {
      const int position = param->indexes[i];
      // A position outside the value list stands for an empty value.
      const bool inRange = position >= 1 && position <= static_cast<int>(m_paramValues.size());
      values.push_back(inRange ? ResolveParamValue(m_paramValues[position - 1], userDefined) : wxString());
    }
    defines.Add(MakeDefineLine(param->defineName, FillValueFormat(param->valueFormat, values)));
  }
  return 1;
}

bool CFuncBtn::EvaluateEnable(int listSelector, bool keepWindowState) {
  m_referenced.clear();
  CFuncBtnServices& services = GetFuncBtnServices();
  stEnableQueries queries;
  queries.isTimeShowEnabled = [&] { return services.IsTimeShowEnabled(); };
  queries.isInSendData = [&](int number) { return services.IsAirFuncInSendData(number, listSelector); };
  queries.isReserveTwo = [&](int number) { return services.IsAirFuncReserveTwo(number); };
  queries.getReserve = [&](int number) { return services.GetAirFuncReserve(number); };
  const stEnableOutcome outcome = EvaluateEnableCondition(m_enableExpr, queries);
  if (!outcome.accepted) return !m_conditionOff;
  m_referenced = outcome.numbers;
  m_conditionOff = !outcome.enabled;
  if (!(outcome.constant && keepWindowState)) Enable(outcome.enabled);
  Refresh();
  return outcome.enabled;
}

void CFuncBtn::OnButtonDown() {
  auto* grid = dynamic_cast<wxWindow*>(m_lcdGrid);
  if (!grid) {
    CScalableButton::OnButtonDown();
    return;
  }
  if (!grid->HasCapture()) grid->CaptureMouse();
  m_lcdGrid->BeginDragButton(this);
  if (GetParent()) GetParent()->RefreshRect(GetRect());
}
