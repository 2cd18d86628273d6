// Every message of the calculator is built from string-table numbers: a
// title, a line and an optional second line, after a beep. The windows show
// them in message boxes; tests answer them from a script. A line may hold
// values (%1, %2...), given with the message as texts.
#pragma once

#include <QStringList>

#include <utility>

namespace BasOrvalis {

// Message-box styles, added together.
namespace MessageStyle {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
} // namespace MessageStyle

// Answers.
namespace MessageAnswer {
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MessageAnswer

// One message as it was asked for: title, buttons, line and second line,
// and the texts put in the places %1, %2... of its lines.
struct ShownMessage {
    ShownMessage(int title = 0, int buttons = 0, int line = 0, int second = 0,
                 QStringList arguments = {})
        : title(title)
        , buttons(buttons)
        , line(line)
        , second(second)
        , arguments(std::move(arguments)) {}

    int title;
    int buttons;
    int line;
    int second;
    QStringList arguments;
    bool operator==(const ShownMessage& other) const {
        return title == other.title && buttons == other.buttons && line == other.line &&
               second == other.second && arguments == other.arguments;
    }
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Beeps, shows the message and returns the button chosen (an answer
    // code). secondNumber 0 means a single line. `arguments` fill the places
    // %1, %2... of the lines in order: the file and the system's reason of a
    // failure.
    virtual int ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber,
                            const QStringList& arguments = {}) = 0;
    // Beeps and shows a message that waits for no answer and holds nothing
    // up: the call goes on being priced while it is shown. A presenter that
    // can only wait shows it as any other message.
    virtual void ShowNotice(int titleNumber, int buttons, int messageNumber, int secondNumber,
                            const QStringList& arguments = {}) {
        ShowMessage(titleNumber, buttons, messageNumber, secondNumber, arguments);
    }
};

} // namespace BasOrvalis
