#pragma once

namespace trajecta {

// The host exchange rewrites the Time lines of the keypoint list when the
// committed times change after the list was written.
class TimeLinesRefresh {
  public:
    virtual ~TimeLinesRefresh() = default;
    // Only the Time lines of LbxListeKP, from the time fields of the sample points.
    virtual void refreshTimes() = 0;
};

} // namespace trajecta
