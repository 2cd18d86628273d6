// Answers the calculator's messages as a user would: the questions from a
// script, then with the answer its test chose; every other message with OK.
// Keeps every message shown.
#pragma once

#include "BasOrvalis/Messages.h"

#include <QVector>

#include <deque>
#include <functional>
#include <ostream>

namespace BasOrvalis {
inline void PrintTo(const ShownMessage& m, std::ostream* os) {
    *os << "{" << m.title << ", " << m.buttons << ", " << m.line << ", " << m.second;
    for (const QString& argument : m.arguments)
        *os << ", \"" << argument.toStdString() << '"';
    *os << "}";
}
} // namespace BasOrvalis

class ScriptedMessages final : public BasOrvalis::MessagePresenter {
public:
    // `unscripted` answers the questions asked once the script is used up.
    explicit ScriptedMessages(int unscripted)
        : m_unscripted(unscripted) {}

    int ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber,
                    const QStringList& arguments = {}) override {
        shown.append({titleNumber, buttons, messageNumber, secondNumber, arguments});
        if (whileShown)
            whileShown();
        if ((buttons & BasOrvalis::MessageStyle::YesNo) == 0)
            return BasOrvalis::MessageAnswer::Ok;
        if (answers.empty())
            return m_unscripted;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // A notice is kept among the messages shown, and apart: it holds nothing
    // up.
    void ShowNotice(int titleNumber, int buttons, int messageNumber, int secondNumber,
                    const QStringList& arguments = {}) override {
        notices.append({titleNumber, buttons, messageNumber, secondNumber, arguments});
        ShowMessage(titleNumber, buttons, messageNumber, secondNumber, arguments);
    }

    std::deque<int> answers;
    // What happens while a message waits for its answer (the ticks go on).
    std::function<void()> whileShown;
    QVector<BasOrvalis::ShownMessage> shown;
    QVector<BasOrvalis::ShownMessage> notices;

private:
    int m_unscripted;
};
