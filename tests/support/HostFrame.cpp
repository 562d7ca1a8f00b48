#include "HostFrame.h"

#include "UiEvents.h"

namespace testsupport {

HostFrame::HostFrame(const wxSize& size, const wxPoint& position, HostContent content)
    : m_frame(new wxFrame(nullptr, wxID_ANY, "test", position, size)), m_page(nullptr) {
  if (content == HostContent::WhitePage) {
    m_page = new wxPanel(m_frame);
    m_page->SetBackgroundColour(*wxWHITE);
  }
  m_frame->Show();
  PumpEvents();
}

HostFrame::~HostFrame() {
  m_frame->Destroy();
  PumpEvents();
}

void HostFrameTest::SetUp() {
  m_host = std::make_unique<HostFrame>(m_size, m_position, m_content);
  frame = m_host->Frame();
  page = m_host->Page();
}

void HostFrameTest::TearDown() {
  m_host.reset();
  frame = nullptr;
  page = nullptr;
}

}  // namespace testsupport
