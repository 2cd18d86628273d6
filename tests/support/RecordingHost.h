// The main window as the engine sees it: the services dialog pages it was
// asked to open.
#pragma once

#include "engine/EngineHost.h"

#include <QVector>

class RecordingHost final : public EngineHost {
public:
    void OpenServicesDialog(int page) override { pages.append(page); }

    QVector<int> pages;
};
