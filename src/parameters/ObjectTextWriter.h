#pragma once

#include <QStringList>

namespace trajecta {

// The host exchange merges a finished keypoint list into the loaded object and
// puts it on the clipboard when the parameter step ends.
class ObjectTextWriter {
  public:
    virtual ~ObjectTextWriter() = default;
    // mode 0: LbxListeKP, 1: the reversed list LbxKPinverse. Returns whether
    // the object was written; nothing changes when it was not.
    virtual bool writeObjectText(const QStringList& source, int mode) = 0;
};

} // namespace trajecta
