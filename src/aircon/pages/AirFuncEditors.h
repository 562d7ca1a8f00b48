// The editors of the air data-format page's blocks: one child window per
// block kind, shown in the page's parameter area for the block the user
// picks. The page creates those registered under their template ids, in the
// order 172, 173, 174, 175, 180, 183, each with the page as parent; an
// editor is a window of the page and is destroyed with it.
#pragma once

#include "aircon/AirDataFormatModel.h"

#include <functional>

class wxWindow;

// Template ids of the editors, and the block kind each edits.
enum AirEditorId : int {
  kVerifyEditorId = 172,       // verify codes
  kFunctionEditorId = 173,     // functions
  kConstCodeEditorId = 174,    // constant codes
  kSimpleEditorId = 175,       // simple functions
  kUserDefinedEditorId = 180,  // user-defined functions
  kPureDataEditorId = 183,     // pure-data functions
};
inline constexpr int kAirEditorIds[] = {kVerifyEditorId, kFunctionEditorId,    kConstCodeEditorId,
                                        kSimpleEditorId, kUserDefinedEditorId, kPureDataEditorId};
// The editor of a block kind (aircon::AirBlockKind); 0 for none.
int AirEditorIdOfKind(int kind);

class IAirFuncEditor {
 public:
  virtual ~IAirFuncEditor() = default;
  virtual wxWindow* GetWindow() = 0;
  virtual void ApplyLanguage() {}
  // The names the send orders use already (each followed by ","), for the
  // editor's name checks.
  virtual void SetUsedNames(const wxString& group1, const wxString& group2) = 0;
  // The block the user picked: its record (a function, simple, user-defined
  // or pure-data function), constant-code record or verify setting with its
  // group's send order, and the mode names where the kind has modes. The
  // pointers stay valid while the store keeps the records.
  virtual void Edit(const aircon::stEditorRequest& request) = 0;
  // Verify codes: the setting and its group's send order after the order changed.
  virtual void SetupVerify(stVerifyItem& /*item*/, const wxString& /*sendOrder*/) {}
};

using AirFuncEditorFactory = std::function<IAirFuncEditor*(wxWindow* parent)>;
// Replaces the factory of an editor's template id; an empty factory removes it.
void RegisterAirFuncEditor(int templateId, AirFuncEditorFactory factory);
// A new editor as parent's child; null when none is registered.
IAirFuncEditor* CreateAirFuncEditor(int templateId, wxWindow* parent);
