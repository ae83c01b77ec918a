#pragma once

namespace trajecta {

// "Annuler" of the time step as the range chooser runs it: whatever range or
// preset is in progress is dropped. The time presets cancel through it before
// the option list opens; the range chooser, built after them, implements it.
class RangeCancel {
  public:
    virtual ~RangeCancel() = default;
    virtual void cancelRange() = 0;
};

} // namespace trajecta
