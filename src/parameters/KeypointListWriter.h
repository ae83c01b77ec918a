#pragma once

namespace trajecta {

// The host exchange writes the keypoint list LbxListeKP that the parameter
// step rewrites line by line.
class KeypointListWriter {
  public:
    virtual ~KeypointListWriter() = default;
    // Every block anew, with the loaded object's values.
    virtual void rebuildKeyPointList() = 0;
    // Only the Position lines, or only the Time lines; the parameter lines stay.
    virtual void refreshPositions() = 0;
    virtual void refreshTimes() = 0;
};

} // namespace trajecta
