// Where the worker thread's window messages go. The thread names a window by
// the handle it was given (the main window set by its creator, the notify
// window from a request's wParam); 0 is no window. Send returns when the
// window has handled the message and yields the handler's result (0 when no
// window took it), so a pointer in lParam need live only for the call.
#pragma once

#include <cstdint>

namespace board {

class IBoardWindows {
 public:
  virtual ~IBoardWindows() = default;
  virtual long Send(std::intptr_t window, int message, std::intptr_t wParam, std::intptr_t lParam) = 0;
  // The build-done notice: offers to open the project folder.
  virtual void BuildDone() {}
};

}  // namespace board
