#pragma once

#include "app/ScriptedServices.h"

namespace trajecta {

// The tests use the same non-interactive services as the script driver:
// queued answers, recorded messages (`log`), an in-memory clipboard.
using FakeServices = ScriptedServices;

} // namespace trajecta
