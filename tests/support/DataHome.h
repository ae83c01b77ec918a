#pragma once

#include <QTemporaryDir>

namespace trajecta {

// The user's data folder (where the programs keep their recovery files) is a
// fresh temporary folder for the whole test process and the programs it
// starts, never the real one.
inline void useTemporaryDataHome() {
    static QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
}

} // namespace trajecta
