// The remote control's words on any text: a command or a status is read
// only from its own word, in any case, and reads back as itself.
#include "common/RemoteControl.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

using namespace RemoteControl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const std::optional<Command> command = parseCommand(text)) {
        FUZZ_CHECK(commandText(*command).compare(text, Qt::CaseInsensitive) == 0);
        FUZZ_CHECK(parseCommand(commandText(*command)) == command);
    }
    if (const std::optional<Status> status = parseStatus(text)) {
        FUZZ_CHECK(statusText(*status).compare(text, Qt::CaseInsensitive) == 0);
        FUZZ_CHECK(parseStatus(statusText(*status)) == status);
    }
    return 0;
}
