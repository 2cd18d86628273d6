// Answers the calculator's messages as a user would: the questions from a
// script, then with the answer its test chose; every other message with OK.
// Keeps every message shown.
#pragma once

#include "BasOrvalis/Messages.h"

#include <QVector>

#include <deque>
#include <ostream>

namespace BasOrvalis {
inline void PrintTo(const ShownMessage& m, std::ostream* os) {
    *os << "{" << m.title << ", " << m.buttons << ", " << m.line << ", " << m.second << ", {"
        << m.arguments.join(QStringLiteral(", ")).toStdString() << "}}";
}
} // namespace BasOrvalis

class ScriptedMessages final : public BasOrvalis::MessagePresenter {
public:
    // `unscripted` answers the questions asked once the script is used up.
    explicit ScriptedMessages(int unscripted)
        : m_unscripted(unscripted) {}

    int ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber) override {
        shown.append({titleNumber, buttons, messageNumber, secondNumber});
        if ((buttons & BasOrvalis::MessageStyle::YesNo) == 0)
            return BasOrvalis::MessageAnswer::Ok;
        if (answers.empty())
            return m_unscripted;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // A notice with values is kept with them.
    void ShowNoticeOf(const BasOrvalis::ShownMessage& message) override { shown.append(message); }

    std::deque<int> answers;
    QVector<BasOrvalis::ShownMessage> shown;

private:
    int m_unscripted;
};
