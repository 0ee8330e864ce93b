#pragma once
// What a test arranges for a simulator that runs inside another process (the real program,
// started by the test): QBSIM_FAULTS, a JSON array of faults as Control::ParseFault reads them,
// armed when the simulator starts; QBSIM_TRACE, a file that every trace line is appended to.
#include "tools/qbsim/Faults.h"
#include "tools/qbsim/Trace.h"

namespace QbSim {

// Throws std::runtime_error when QBSIM_FAULTS cannot be read.
void ArrangeFromEnvironment(FaultTable& faults, TraceLog& trace);

}  // namespace QbSim
