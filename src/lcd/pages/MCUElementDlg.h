// The element panel host's first tab: the project's package as a chip
// picture, its segment pins white and clickable, the ones given to the LCD
// green, all others grey. It keeps the taken segment pins across package
// changes and tells the LCD page about them (the page is the parent of the
// parent of the panel's parent: panel, tabs, host, page).
#pragma once

#include "lcd/SegmentPins.h"
#include "ui/SubBaseDlg.h"

#include <vector>

class CMCUWnd;
class CPackage;
class wxStaticText;

class CMCUElementDlg : public CSubBaseDlg {
 public:
  static constexpr int kTemplateId = 184;
  static constexpr int kFrameId = 1321;          // where the picture goes (hidden)
  static constexpr int kPictureButtonId = 1322;  // taken over by the picture
  static constexpr int kNumberCellId = 1376;     // its size: the pin-number cell (hidden)
  static constexpr int kBodyWidthId = 1377;      // its width: a two-row body's (hidden)
  static constexpr int kPictureId = 1;
  static constexpr ColorRef kFreeColor = 0xFFFFFF;
  static constexpr ColorRef kTakenColor = 0x91C180;
  static constexpr ColorRef kOtherColor = 0xF0F0F0;

  explicit CMCUElementDlg(wxWindow* parent);
  ~CMCUElementDlg() override;

  // The picture of the package of that name; the taken list is emptied
  // first unless keepTaken. Without a chip or such a package, or for a
  // four-sided package with unequal sides, a notice names chip and package
  // instead of a picture.
  bool Reload(const wxString& packageName, bool keepTaken);
  // Asks the LCD page (WM_LCD_CONFIG_FUNC with the taken names the new
  // package lacks); true when it agrees.
  bool CanSwitchPackage(const wxString& newPackage);
  // The picture of the new package with the taken pins on it; taken names
  // without a pin go to the page (WM_LCD_ELEMENT_LIST).
  bool SwitchPackage(const wxString& oldPackage, const wxString& newPackage);
  // The LCD page gives a pin to a segment (green, not clickable) or takes it back.
  void TakePin(int pin);
  void GiveBackPin(int pin);

  void ApplyLanguage() override;

  CMCUWnd* GetPicture() const { return m_picture; }
  const wxString& GetPackageName() const { return m_packageName; }
  const std::vector<wxString>& GetTakenSegments() const { return m_taken; }
  const std::vector<wxString>& GetUnplacedSegments() const { return m_unplaced; }
  // Shown in the picture's place when there is none.
  wxStaticText* GetNotice() const { return m_notice; }

 protected:
  // The size handling: the frame over the whole panel and the picture laid out there.
  void LayoutControls() override;

 private:
  void BuildPicture(const CPackage* package, const wxString& packageName);
  void Relayout();
  std::vector<wxString> CollectTakenSegments() const;
  const CPackage* FindPackage(const wxString& name) const;
  wxWindow* LcdPage() const;
  void ShowNotice(bool shown);

  std::vector<wxString> m_taken;
  std::vector<wxString> m_unplaced;
  CMCUWnd* m_picture = nullptr;
  wxString m_packageName;      // the package the picture (or the notice) is for
  segpins::PinKeys m_pinKeys;  // its pins' NameOutKey
  int m_bodyWidth = 0;
  wxWindow* m_frame = nullptr;
  wxWindow* m_numberCell = nullptr;
  wxWindow* m_bodyRuler = nullptr;
  wxStaticText* m_notice = nullptr;
};
