// The stored default type and number, read as the calculator stores them.
#include "monitor/DefaultCall.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "platform/SettingsStore.h"

using namespace BasOrvalis;

bool DefaultCallConfigured(const SettingsStore& store) {
    const QString type =
        store.read(Sections::Parametres, Keys::TypeDefaut, Types::FaitesUneSelection);
    const QString number =
        store.read(Sections::Parametres, Keys::NumeroDefaut, Types::FaitesUneSelection);
    const auto chosen = [](const QString& text) {
        return !text.isEmpty() && text != Types::FaitesUneSelection;
    };
    return chosen(type) && chosen(number) && number != Numbers::NonConfigure;
}
