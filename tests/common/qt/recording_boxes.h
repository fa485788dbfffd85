// Message boxes for window tests: each request is kept, and answered from a queue of answers
// (the box's default once the queue is empty).
#pragma once

#include <deque>
#include <vector>

#include "common/qt/message_boxes.h"

namespace vek {

class RecordingBoxes : public MessageBoxes {
  public:
    BoxAnswer show(QWidget*, const MessageRequest& request) override {
        shown.push_back(request);
        if (answers.empty())
            return request.defaultAnswer;
        BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<MessageRequest> shown;
    std::deque<BoxAnswer> answers;
};

}  // namespace vek
