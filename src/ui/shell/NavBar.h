// The navigation bar: the row of step captions that the main dialog draws
// below the global-selection strip, the ordered list of the flow's pages,
// and the click policy (back at once, forward only when every page passed
// over accepts its data). It is not a window: the owner paints it and
// forwards its left clicks.
#pragma once

#include "ui/FontEx.h"

#include <wx/arrstr.h>
#include <wx/gdicmn.h>

#include <functional>
#include <vector>

class CSubBaseDlg;
class wxDC;
class wxWindow;

// One page of the navigation list; owned by the list.
struct stNavNode {
  wxWindow* page = nullptr;  // null until the page of templateId is made
  int groupId = 0;           // 0 for a plain page
  int itemId = 0;            // 0 for a plain page
  stNavNode* parent = nullptr;
  stNavNode* firstChild = nullptr;
  stNavNode* next = nullptr;
  stNavNode* previous = nullptr;
  int templateId = 0;  // the page's, for a node whose page is not made yet
};

class CNavList {
 public:
  CNavList() = default;
  CNavList(const CNavList&) = delete;
  CNavList& operator=(const CNavList&) = delete;
  ~CNavList() { Clear(); }

  // Appends a plain node of page at the end; the first also becomes current.
  // A node for a page not made yet has a null page and its template id.
  stNavNode* Append(wxWindow* page, int templateId = 0);
  void Clear();

  // The targets of a next/back request of the node's page; null when none.
  stNavNode* FindForward(stNavNode* from, int a, int b) const;
  stNavNode* FindBackward(stNavNode* from, int a, int b) const;

  stNavNode* first = nullptr;
  stNavNode* current = nullptr;
  std::vector<stNavNode*> groups;  // group nodes, found by group id

 private:
  static void FreeChain(stNavNode* node);
  static stNavNode* ParentOf(const stNavNode* node);
  static stNavNode* ChildWithItem(const stNavNode* group, int itemId);
  stNavNode* FindInGroup(int groupId, int itemId) const;
};

class CNavBar {
 public:
  static constexpr int kItemGap = 25;
  static constexpr int kStripeHeight = 10;
  static constexpr int kCompactTextWidth = 90;

  virtual ~CNavBar() = default;

  virtual wxWindow* SetOwner(wxWindow* owner);
  virtual void AddItem(const wxString& captionKey);
  virtual void ClearItems();
  virtual void OnClick(int x, int y);

  int IndexOfPage(wxWindow* page) const;
  // The page of the index; a page not made yet is made (see PageOf).
  wxWindow* PageAt(int index) const;
  // The node's page; here the page it holds.
  virtual wxWindow* PageOf(stNavNode* node) const;
  int HitTest(int x, int y) const;
  wxRect GetItemRect(int index) const;
  void InvalidateItems();

  // Replaces every caption text with the language text of its key.
  void LoadTexts();
  // Measures the captions into the bar (x, y, width, height); textWidth gives
  // a text's width in the caption font.
  void Measure(const std::function<int(const wxString&)>& textWidth, int x, int y, int width, int height);
  void Draw(wxDC& dc, int x, int y, int width, int height, bool remeasure);

  void SetFont(const CFontEx& font) { m_font = font; }
  const CFontEx& GetFont() const { return m_font; }
  int GetCurrentIndex() const { return m_currentIndex; }
  void SetCurrentIndex(int index) { m_currentIndex = index; }
  int GetItemCount() const { return m_itemCount; }
  bool IsCompact() const { return m_compact != 0; }
  const wxArrayString& GetTexts() const { return m_texts; }
  const wxArrayString& GetKeys() const { return m_keys; }

  CNavList list;

 protected:
  wxWindow* m_owner = nullptr;

 private:
  int ItemLeft(int index) const;

  int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
  CFontEx m_font;
  int m_currentIndex = 0;
  int m_itemCount = 0;
  int m_compact = 0;
  std::vector<int> m_widths;
  wxArrayString m_keys;
  wxArrayString m_texts;
};

// What the navigation bar needs of the main dialog.
class INavHost {
 public:
  virtual ~INavHost() = default;
  // The page of the page table with that template id, made on the first
  // request; null when the page table has none.
  virtual CSubBaseDlg* FindPage(int templateId) = 0;
  // Whether the page table has the page (made or not).
  virtual bool HasPage(int templateId) const = 0;
  // The page if it has been made; never makes it.
  virtual CSubBaseDlg* MadePage(int templateId) const = 0;
  // The leave-project step before going back to the example page; false: stay.
  virtual bool LeaveProject() = 0;
  virtual void ShowPage(wxWindow* page) = 0;
  virtual void DropFocus() = 0;
};

class IRNav : public CNavBar {
 public:
  void SetHost(INavHost* host) { m_host = host; }
  void OnClick(int x, int y) override;
  // Builds the list for the pair (pages the page table lacks are left out);
  // pages not made yet are made when first asked for. False, with only the
  // example page, for a pair outside the flow table.
  virtual bool BuildFlow(int remoteType, int protocolType);
  // The node's page, asked of the host (which makes it) when not made yet.
  wxWindow* PageOf(stNavNode* node) const override;
  // A page just made joins its node of the flow, if the flow has one.
  void JoinFlow(CSubBaseDlg* page);
  // Asks the pages from the current index up to last; the index of the first
  // that refuses, or -1 when all accept.
  int CheckPassedPages(int last);

 private:
  void MakeCurrentAndShow(int index);

  INavHost* m_host = nullptr;
};
