#include "ui/leave_question.h"

#include <QMessageBox>

#include "session/table_texts.h"

namespace corvane {

LeaveQuestion::LeaveQuestion(QWidget* parent) : QObject(parent), m_parent(parent) {}

void LeaveQuestion::ask(std::function<void(bool)> answer)
{
    if (m_up)
        return;
    if (m_box == nullptr) {
        m_box = new QMessageBox(QMessageBox::Question, QString::fromUtf8(LeaveTitle), QString::fromUtf8(LeaveText),
                                QMessageBox::Yes | QMessageBox::No, m_parent);
        m_box->setObjectName(QStringLiteral("LeaveBox"));
        m_box->setDefaultButton(QMessageBox::No);
        connect(m_box, &QMessageBox::finished, this, [this](int) {
            m_up = false;
            m_answer(m_box->clickedButton() == m_box->button(QMessageBox::Yes));
        });
    }
    m_answer = std::move(answer);
    m_up = true;
    m_box->open();
}

void LeaveQuestion::hide()
{
    if (m_box != nullptr)
        m_box->hide();
}

}  // namespace corvane
