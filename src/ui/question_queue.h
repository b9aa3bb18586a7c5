#pragma once

#include <deque>
#include <functional>

#include "ui/message_box.h"

namespace corvane {

// The table's questions, asked one at a time in the message box: the next
// is asked when the last is answered, and `whenDone` is called once none is
// left, so that the game goes on only then.
class QuestionQueue {
public:
    QuestionQueue(MessageDialog* box, std::function<void()> whenDone)
        : m_box(box), m_whenDone(std::move(whenDone))
    {
    }

    void ask(MessageRequest request, std::function<void(int)> answer = {});
    // A question is up or waiting to be asked.
    bool asking() const { return m_asking; }
    // Forgets every question not yet asked: the program ends.
    void clear() { m_waiting.clear(); }

private:
    struct Question {
        MessageRequest request;
        std::function<void(int)> answer;
    };
    void askNext();

    MessageDialog* m_box;
    std::function<void()> m_whenDone;
    std::deque<Question> m_waiting;
    bool m_asking = false;
};

}  // namespace corvane
