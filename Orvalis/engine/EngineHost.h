// What only the main window can do for the engine.
#pragma once

class EngineHost {
public:
    virtual ~EngineHost() = default;
    // Opens the France Télécom services dialog on a tab: 0 Primaliste,
    // 1 Primaliste Internet.
    virtual void OpenServicesDialog(int page) = 0;
};
