// Shared values a subsystem offers to the batch driver's `state NAME` command,
// such as the simulated processor's registers: static BatchState reg("cpu", [] { return ...; });
#pragma once

#include <QString>
#include <functional>

namespace orr {

using BatchStateProvider = std::function<QString()>;

struct BatchState {
    BatchState(const QString& name, BatchStateProvider provider);
};

BatchStateProvider findBatchState(const QString& name);

}  // namespace orr
