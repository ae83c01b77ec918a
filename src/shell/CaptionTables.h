#pragma once

#include "core/Messages.h"
#include "platform/Controls.h"

#include <vector>

namespace trajecta {

// A fixed text of a window in French and in English: the caption of a
// control, one item of a radio group, or the hint of a control.
struct CaptionRow {
    enum class Part { Caption, Item, Hint };
    QString control;
    Part part = Part::Caption;
    int item = -1; // the radio item, for Part::Item
    TextPair text;
};

// The fixed texts of one window with its menu, in the order they are written.
// Texts that change with the state (step messages, values, the preset titles)
// are not here: the operations that set them take them from their own pairs.
struct CaptionTable {
    QString window;
    std::vector<CaptionRow> rows;
};

// One table a window: the Extras dialog, the main window, the photo dialog,
// the second window, help and about.
const std::vector<CaptionTable>& captionTables();

// Writes every row of every table in `language` (0 French, 1 English). Radio
// items are replaced in place, so the chosen item stays chosen; no handler runs.
void writeCaptions(Controls& controls, int language);

// The text an exchange button carries in its pictures, raised or pressed
// (the images named ...Haut and ...Bas); empty for any other image.
QString buttonPictureCaption(const QString& imageName, int language);

} // namespace trajecta
