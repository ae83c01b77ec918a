#include "host/HostExchange.h"

namespace trajecta {
HostExchange::HostExchange(Context& ctx, CurveHooks& hooks, Workflow& workflow)
    : ctx_(ctx), hooks_(hooks), workflow_(workflow) {}
} // namespace trajecta
