#include "ui/question_queue.h"

namespace corvane {

void QuestionQueue::ask(MessageRequest request, std::function<void(int)> answer)
{
    m_waiting.push_back({std::move(request), std::move(answer)});
    if (!m_asking)
        askNext();
}

void QuestionQueue::askNext()
{
    if (m_waiting.empty()) {
        m_asking = false;
        if (m_whenDone)
            m_whenDone();
        return;
    }
    m_asking = true;
    Question q = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_box->ask(q.request, [this, answer = std::move(q.answer)](int button) {
        m_asking = false;
        if (answer)
            answer(button);
        // The answer may have asked a question of its own.
        if (!m_asking)
            askNext();
    });
}

}  // namespace corvane
