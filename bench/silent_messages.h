#pragma once

#include "platform/message_box.h"

// Message boxes for benchmarks: nothing is shown and nobody waits.
class SilentMessages : public MessageBoxService {
public:
    std::shared_ptr<ShownBox> show(const QString&, int, const QString&) override { return {}; }
    void showAndWait(const QString&, int, const QString&) override {}
};
