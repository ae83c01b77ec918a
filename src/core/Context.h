#pragma once

#include "document/CurveDocument.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Services.h"

namespace trajecta {

// What every subsystem works on: the document, the controls, the services and
// the drawing layer over the work area picture (doc.pictures.work).
struct Context {
    CurveDocument& doc;
    Controls& controls;
    Services& services;
    Canvas& canvas;

    int language() const { return doc.shell.languageIndex; }
};

} // namespace trajecta
