#pragma once

#include "core/Context.h"

namespace trajecta {

class Workflow;

// The host object: reading it from the clipboard, the keypoint list, writing
// the object back, and the four image buttons that start these exchanges.
class HostExchange {
public:
    HostExchange(Context& ctx, CurveHooks& hooks, Workflow& workflow);

private:
    Context& ctx_;
    CurveHooks& hooks_;
    Workflow& workflow_;
};

} // namespace trajecta
