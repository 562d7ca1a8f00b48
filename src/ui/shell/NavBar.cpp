#include "ui/shell/NavBar.h"

#include "core/LangText.h"
#include "ui/Colors.h"
#include "ui/SubBaseDlg.h"
#include "ui/shell/FlowTable.h"

#include <wx/dc.h>
#include <wx/window.h>

namespace {
constexpr ColorRef kCurrentColor = 0xD77800;
constexpr ColorRef kOtherColor = 0xC9C9C9;
constexpr ColorRef kBarColor = 0xFFFFFF;

bool IsPlain(const stNavNode* node) { return node->groupId == 0 && node->itemId == 0; }

// Breaks text into lines no wider than width: at blanks where there are
// some, else between characters (texts without blanks, such as Chinese).
wxString WrapText(wxDC& dc, const wxString& text, int width) {
  wxString result, line;
  for (wxUniChar c : text) {
    const wxString candidate = line + wxString(c);
    if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
      const int blank = line.Find(' ', true);
      if (blank != wxNOT_FOUND && c != ' ') {
        result += line.Left(static_cast<std::size_t>(blank)) + "\n";
        line = line.Mid(static_cast<std::size_t>(blank) + 1) + wxString(c);
      } else {
        result += line + "\n";
        line = c == ' ' ? wxString() : wxString(c);
      }
      continue;
    }
    line = candidate;
  }
  return result + line;
}
}  // namespace

// --- The list.

stNavNode* CNavList::Append(wxWindow* page, int templateId) {
  auto* node = new stNavNode;
  node->page = page;
  node->templateId = templateId;
  if (!first) {
    first = current = node;
    return node;
  }
  stNavNode* last = first;
  while (last->next) last = last->next;
  last->next = node;
  node->previous = last;
  return node;
}

void CNavList::FreeChain(stNavNode* node) {
  while (node) {
    FreeChain(node->firstChild);
    stNavNode* next = node->next;
    delete node;
    node = next;
  }
}

void CNavList::Clear() {
  FreeChain(first);
  first = current = nullptr;
  groups.clear();
}

stNavNode* CNavList::ParentOf(const stNavNode* node) {
  while (node && !node->parent && node->previous) node = node->previous;
  return node ? node->parent : nullptr;
}

stNavNode* CNavList::ChildWithItem(const stNavNode* group, int itemId) {
  for (stNavNode* child = group ? group->firstChild : nullptr; child; child = child->next) {
    if (child->itemId == itemId) return child;
  }
  return nullptr;
}

stNavNode* CNavList::FindInGroup(int groupId, int itemId) const {
  for (stNavNode* group : groups) {
    if (group->groupId == groupId) return ChildWithItem(group, itemId);
  }
  return nullptr;
}

stNavNode* CNavList::FindForward(stNavNode* from, int a, int b) const {
  if (b != 0) return FindInGroup(b, a);
  for (stNavNode* node = from; node; node = ParentOf(node)) {
    if (stNavNode* next = node->next) return next->firstChild ? ChildWithItem(next, a) : next;
  }
  return nullptr;
}

stNavNode* CNavList::FindBackward(stNavNode* from, int a, int b) const {
  if (b != 0) return FindInGroup(b, a);
  stNavNode* node = from;
  while (node) {
    stNavNode* previous = node->previous;
    if (!previous) {
      node = ParentOf(node);
      continue;
    }
    if (IsPlain(previous)) return previous;
    if (previous->firstChild && !previous->parent) return ChildWithItem(previous, a);
    node = previous->parent;
  }
  return nullptr;
}

// --- The bar.

wxWindow* CNavBar::SetOwner(wxWindow* owner) {
  m_owner = owner;
  return owner;
}

void CNavBar::AddItem(const wxString& captionKey) {
  m_keys.Add(captionKey);
  m_itemCount = static_cast<int>(m_keys.size());
}

void CNavBar::ClearItems() {
  m_keys.clear();
  m_texts.clear();
  m_widths.clear();
  m_itemCount = 0;
}

void CNavBar::OnClick(int, int) {}

int CNavBar::IndexOfPage(wxWindow* page) const {
  int index = 0;
  for (stNavNode* node = list.first; node; node = node->next, ++index) {
    if (node->page == page) return index;
  }
  return index;
}

wxWindow* CNavBar::PageAt(int index) const {
  stNavNode* node = list.first;
  for (int i = 0; node && i < index; ++i) node = node->next;
  return PageOf(node);
}

wxWindow* CNavBar::PageOf(stNavNode* node) const { return node ? node->page : nullptr; }

int CNavBar::ItemLeft(int index) const {
  int left = m_left;
  for (int k = 0; k < index && k < static_cast<int>(m_widths.size()); ++k) left += m_widths[k] + kItemGap;
  return left;
}

wxRect CNavBar::GetItemRect(int index) const {
  const int width = index < static_cast<int>(m_widths.size()) ? m_widths[index] : 0;
  return wxRect(ItemLeft(index), m_top, width + 2 * kItemGap, m_bottom - m_top);
}

int CNavBar::HitTest(int x, int y) const {
  const int measured = static_cast<int>(m_widths.size());
  for (int i = 0; i < m_itemCount && i < measured; ++i) {
    if (GetItemRect(i).Contains(x, y)) return i;
  }
  return m_itemCount;
}

void CNavBar::InvalidateItems() {
  if (!m_owner) return;
  for (int i = 0; i < m_itemCount; ++i) m_owner->RefreshRect(GetItemRect(i), true);
}

void CNavBar::LoadTexts() {
  m_texts.clear();
  for (const wxString& key : m_keys) m_texts.Add(GetLangText(key));
}

void CNavBar::Measure(const std::function<int(const wxString&)>& textWidth, int x, int y, int width,
                      int height) {
  m_compact = 0;
  m_widths.assign(m_texts.size(), 0);
  int total = kItemGap;
  for (std::size_t i = 0; i < m_texts.size(); ++i) {
    m_widths[i] = textWidth(m_texts[i]);
    total += m_widths[i] + kItemGap;
  }
  int left = (width / 2 - total / 2) + x;
  if (left < 0 && !m_texts.empty()) {
    m_compact = 1;
    const int count = static_cast<int>(m_texts.size());
    const int each = (width - 24 * count) / count;
    total = kItemGap;
    for (int& w : m_widths) {
      w = each;
      total += w + kItemGap;
    }
    left = (width / 2 - total / 2) + x;
  }
  m_left = left;
  m_top = y;
  m_right = total + x;
  m_bottom = y + height;
}

void CNavBar::Draw(wxDC& dc, int x, int y, int width, int height, bool remeasure) {
  dc.SetFont(m_font.GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColourFromColorRef(kBarColor)));
  dc.DrawRectangle(x, y, width, height);
  if (remeasure) {
    LoadTexts();
    Measure([&dc](const wxString& text) { return dc.GetTextExtent(text).x; }, x, y, width, height);
  }
  for (int i = 0; i < m_itemCount && i < static_cast<int>(m_texts.size()); ++i) {
    const wxColour colour = ColourFromColorRef(i == m_currentIndex ? kCurrentColor : kOtherColor);
    const wxRect item = GetItemRect(i);
    dc.SetTextForeground(colour);
    if (m_compact) {
      const wxRect textRect(item.GetLeft(), item.GetTop(), kCompactTextWidth,
                            item.GetHeight() - kStripeHeight);
      dc.DrawLabel(WrapText(dc, m_texts[i], kCompactTextWidth), textRect, wxALIGN_CENTER);
    } else {
      dc.DrawLabel(m_texts[i], item, wxALIGN_CENTER);
    }
    const wxColour stripe = ColourFromColorRef(i <= m_currentIndex ? kCurrentColor : kOtherColor);
    dc.SetBrush(wxBrush(stripe));
    dc.DrawRectangle(item.GetLeft(), item.GetBottom() + 1 - kStripeHeight, item.GetWidth(), kStripeHeight);
  }
  dc.SetBrush(wxNullBrush);
  dc.SetPen(wxNullPen);
}

// --- The flow and the click policy.

bool IRNav::BuildFlow(int remoteType, int protocolType) {
  list.Clear();
  std::vector<stFlowStep> steps;
  const bool known = GetFlowSteps(remoteType, protocolType, steps);
  for (const stFlowStep& step : steps) {
    if (!m_host || !m_host->HasPage(step.templateId)) continue;
    CSubBaseDlg* page = m_host->MadePage(step.templateId);
    stNavNode* node = list.Append(page, step.templateId);
    if (page) page->SetPageIndex(node);
  }
  return known;
}

wxWindow* IRNav::PageOf(stNavNode* node) const {
  if (node && !node->page && m_host) m_host->FindPage(node->templateId);
  return CNavBar::PageOf(node);
}

void IRNav::JoinFlow(CSubBaseDlg* page) {
  for (stNavNode* node = list.first; node; node = node->next) {
    if (node->page || node->templateId != page->GetTemplateId()) continue;
    node->page = page;
    page->SetPageIndex(node);
    return;
  }
}

void IRNav::MakeCurrentAndShow(int index) {
  SetCurrentIndex(index);
  InvalidateItems();
  if (!m_host) return;
  m_host->DropFocus();
  m_host->ShowPage(PageAt(index));
}

int IRNav::CheckPassedPages(int last) {
  for (int j = GetCurrentIndex(); j < last; ++j) {
    auto* page = dynamic_cast<CSubBaseDlg*>(PageAt(j));
    if (!page) continue;
    if (!page->CheckAndApply() || !page->StorePageData()) return j;
    if (page->lastPropagatedValue == 0) {
      page->lastPropagatedValue = 1;
      page->refreshPending = 1;
    }
  }
  return -1;
}

void IRNav::OnClick(int x, int y) {
  const int index = HitTest(x, y);
  if (index >= GetItemCount() || index == GetCurrentIndex()) return;
  if (index == 0 && m_host && !m_host->LeaveProject()) return;
  auto* target = dynamic_cast<CSubBaseDlg*>(PageAt(index));
  if (!target) return;
  if (target->lastPropagatedValue != 0) {
    MakeCurrentAndShow(index);
    return;
  }
  if (index <= GetCurrentIndex()) return;
  const int start = GetCurrentIndex();
  const int refused = CheckPassedPages(index);
  if (refused < 0) {
    MakeCurrentAndShow(index);
    return;
  }
  SetCurrentIndex(refused);
  InvalidateItems();
  if (refused != start && m_host) m_host->ShowPage(PageAt(refused));
}
