// The words of the remote control.
#include "common/RemoteControl.h"

#include <array>
#include <utility>

namespace RemoteControl {

namespace {

const std::array<std::pair<Command, QLatin1String>, 4>& commandWords() {
    static const std::array<std::pair<Command, QLatin1String>, 4> words{{
        {Command::Start, QLatin1String("Start")},
        {Command::Stop, QLatin1String("Stop")},
        {Command::ShowCompact, QLatin1String("reduite=1")},
        {Command::HideCompact, QLatin1String("reduite=0")},
    }};
    return words;
}

const QLatin1String IdleWord("start");
const QLatin1String BusyWord("stop");

} // namespace

std::optional<Command> parseCommand(const QString& text) {
    for (const auto& [command, word] : commandWords()) {
        if (text.compare(word, Qt::CaseInsensitive) == 0)
            return command;
    }
    return std::nullopt;
}

QString commandText(Command command) {
    for (const auto& [known, word] : commandWords()) {
        if (known == command)
            return word;
    }
    Q_UNREACHABLE();
}

std::optional<Status> parseStatus(const QString& text) {
    if (text.compare(IdleWord, Qt::CaseInsensitive) == 0)
        return Status::Idle;
    if (text.compare(BusyWord, Qt::CaseInsensitive) == 0)
        return Status::Busy;
    return std::nullopt;
}

QString statusText(Status status) {
    return status == Status::Idle ? QString(IdleWord) : QString(BusyWord);
}

} // namespace RemoteControl
