// Printing a control through the print framework. The control lays out its
// pages once printing is prepared (the page count is needed before the print
// loop asks for it) and prints page by page. Info carries minPage, maxPage and
// currentPage; the control provides OnBeginPrinting, OnPrint and OnEndPrinting.
#pragma once

#include <wx/print.h>

#include <algorithm>

template <class Control, class Info>
class CControlPrintout : public wxPrintout {
 public:
  CControlPrintout(Control* control, const wxString& title) : wxPrintout(title), m_control(control) {}

  void OnPreparePrinting() override {
    if (wxDC* dc = GetDC()) m_control->OnBeginPrinting(*dc, m_info);
  }
  void OnEndPrinting() override {
    if (wxDC* dc = GetDC()) m_control->OnEndPrinting(*dc, m_info);
  }
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override {
    *minPage = *pageFrom = m_info.minPage;
    *maxPage = *pageTo = m_info.maxPage;
  }
  bool HasPage(int page) override { return page >= m_info.minPage && page <= m_info.maxPage; }
  bool OnPrintPage(int page) override {
    wxDC* dc = GetDC();
    if (!dc) return false;
    m_info.currentPage = page;
    m_control->OnPrint(*dc, m_info);
    return true;
  }

 private:
  Control* m_control;
  Info m_info;
};

// Prints the control. Without a dialog nobody picks pages: an empty range
// means all of them (the print loop cuts the range to the pages there are).
template <class Control, class Info>
bool PrintControl(Control* control, const wxString& title, wxPrinterBase& printer, bool prompt) {
  constexpr int kAllPages = 32000;
  wxPrintDialogData& pages = printer.GetPrintDialogData();
  if (!prompt && pages.GetToPage() < std::max(1, pages.GetFromPage())) {
    pages.SetFromPage(1);
    pages.SetToPage(kAllPages);
  }
  CControlPrintout<Control, Info> printout(control, title);
  return printer.Print(control, &printout, prompt);
}
