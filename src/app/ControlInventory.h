#pragma once

#include "document/ControlIds.h"
#include "platform/Controls.h"

namespace trajecta {

// The names of the windows and dialogs, in the order the program creates them.
inline const QString mainWindowName = ids::KeyPointsBezier.str();
inline const QString helpWindowName = ids::TFAide.str();
inline const QString aboutWindowName = ids::TFApropos.str();
inline const QString photoDialogName = ids::TFtraitePhoto.str();
inline const QString secondWindowName = ids::TFparametres.str();
inline const QString extrasDialogName = ids::TFExtras.str();

// The size of the Extras dialog's deletion bar PnlVoisSup, in pixels.
constexpr int extrasBarWidth = 300;
constexpr int extrasBarHeight = 12;

// Declares every control of the windows with its kind, its parent, the texts
// that no caption table writes (numbers, design values) and, for radio groups
// and sliders, their items and range. The captions come from the tables of
// shell/CaptionTables, written in the language in force at start.
// Each window and dialog is the root of its controls.
void declareControls(Controls& controls);

namespace inventory {

// The parts of the inventory, one a window, in the order of declaration.
void declareMainWindow(Controls& c);
void declareDialogs(Controls& c); // help, about and photo processing
void declareSecondWindow(Controls& c);
void declareExtrasDialog(Controls& c);

// A radio group in its design state: no handler runs at declaration. Items
// that a caption table writes are declared by their count.
ControlState& radio(Controls& c, RadioGroupId id, AnyControlId parent, const QStringList& items, int index);
ControlState& radio(Controls& c, RadioGroupId id, AnyControlId parent, int itemCount, int index);
ControlState& slider(Controls& c, SliderId id, AnyControlId parent, int min, int max, int position);

} // namespace inventory
} // namespace trajecta
