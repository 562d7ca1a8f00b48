// A message-box service for tests: records every box and answers from a script.
#pragma once

#include "platform/MessageBox.h"

#include <deque>
#include <vector>

namespace testsupport {

class CMessageRecorder : public platform::IMessageBoxService {
 public:
  CMessageRecorder() { platform::InstallMessageBoxService(this); }
  ~CMessageRecorder() override { platform::InstallMessageBoxService(nullptr); }

  int Show(const platform::stMessageBoxRequest& request) override {
    boxes.push_back(request);
    if (answers.empty()) return platform::DefaultAnswer(request.type);
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<platform::stMessageBoxRequest> boxes;
  std::deque<int> answers;
};

}  // namespace testsupport
