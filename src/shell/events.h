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

// The machine is between events and has not ended: work of the window's may run.
bool AtRest(const Machine& m);
// Runs work of the window's that the machine's events must not interleave
// with (it may wait, and input meanwhile queues), then the events that
// waited; false, running nothing, unless the machine is at rest.
bool RunBetweenEvents(Machine& m, const std::function<void()>& work);

}  // namespace fw
