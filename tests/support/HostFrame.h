// A shown top-level frame that hosts the windows under test, by default with a
// white panel to put widgets on.
#pragma once

#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/panel.h>

#include <memory>

namespace testsupport {

// What the frame holds when it opens. A frame's only child is stretched over
// its client area, so a test that needs its window's own size starts empty.
enum class HostContent { WhitePage, Empty };

// Shows the frame at once; destroying the object destroys the frame and runs
// the events that follow.
class HostFrame {
 public:
  explicit HostFrame(const wxSize& size = wxSize(400, 300), const wxPoint& position = wxPoint(40, 40),
                     HostContent content = HostContent::WhitePage);
  ~HostFrame();
  HostFrame(const HostFrame&) = delete;
  HostFrame& operator=(const HostFrame&) = delete;

  wxFrame* Frame() const { return m_frame; }
  // Null when the frame opened empty.
  wxPanel* Page() const { return m_page; }

 private:
  wxFrame* m_frame;
  wxPanel* m_page;
};

// A fixture with a HostFrame for each test: frame and page are ready in the
// tests' bodies and gone after TearDown.
class HostFrameTest : public ::testing::Test {
 protected:
  explicit HostFrameTest(const wxSize& size = wxSize(400, 300), const wxPoint& position = wxPoint(40, 40),
                         HostContent content = HostContent::WhitePage)
      : m_size(size), m_position(position), m_content(content) {}
  void SetUp() override;
  void TearDown() override;

  wxFrame* frame = nullptr;
  wxPanel* page = nullptr;

 private:
  wxSize m_size;
  wxPoint m_position;
  HostContent m_content;
  std::unique_ptr<HostFrame> m_host;
};

}  // namespace testsupport
