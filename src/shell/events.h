// The machine's event queue: input becomes machine events, handled one at a
// time, each to completion, in order.
#pragma once

#include "machine/machine.h"

namespace fw {

// Queues an event; RunPending handles the queue unless an event is already
// being handled (it will then be handled afterwards, in order).
void Post(Machine& m, MachineEvent event);
void RunPending(Machine& m);

// Handles one machine event to completion.
void HandleEvent(Machine& m, const MachineEvent& event);

}  // namespace fw
