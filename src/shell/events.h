// The machine's event queue: input becomes machine events, handled one at a
// time, each to completion, in order.
#pragma once

#include <functional>

#include "machine/machine.h"

namespace fw {

// Queues an event; RunPending handles the queue unless an event is already
// being handled (it will then be handled afterwards, in order).
void Post(Machine& m, MachineEvent event);
void RunPending(Machine& m);

// Handles one machine event to completion.
void HandleEvent(Machine& m, const MachineEvent& event);

// The queue's state as the front ends see it: whether the program has ended
// (no further event runs) and with which status, and whether an event is
// being handled.
bool HasEnded(const Machine& m);
int ExitStatus(const Machine& m);
bool IsBusy(const Machine& m);

// Runs a front end's work as an event runs: input meanwhile waits in the
// queue and is handled afterwards, in order. The machine must be at rest.
void RunAsEvent(Machine& m, const std::function<void()>& work);

}  // namespace fw
