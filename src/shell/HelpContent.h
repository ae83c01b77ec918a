#pragma once

#include "core/Messages.h"
#include "platform/ControlId.h"
#include "shell/HelpScene.h"

#include <QStringList>
#include <vector>

namespace trajecta {

// One page of the help window: what to do in one step, in both languages.
// Captions of the program's controls stand between « » in French and between
// “ ” in English, exactly as the controls show them in that language.
struct HelpPage {
    ImageId frenchImage; // the image controls of the help window that show it
    ImageId englishImage;
    HelpScene scene; // the picture of the step beside the text
    TextPair title;
    TextPair intro;
    std::vector<TextPair> steps; // numbered
    TextPair tip;                // may be empty
    TextPair sceneCaption;       // under the picture
};

// The seven pages: steps 1, 2, 3, 3 while the frame is placed, 4, 5, 6.
const std::vector<HelpPage>& helpPages();

// The page and language an image of the help window shows; nullptr for any other image.
const HelpPage* helpPageOf(const QString& imageName, int* language = nullptr);

// Every caption a page names, in the language's marks, in order of appearance.
QStringList quotedCaptions(const HelpPage& page, int language);

// The about window: one picture per language.
struct AboutText {
    ImageId frenchImage;
    ImageId englishImage;
    TextPair summary;    // what the program does, a sentence or two
    TextPair closing;    // how to close the window
    TextPair versionTag; // followed by the version number
};
const AboutText& aboutText();
// 0 French, 1 English, -1 for any other image.
int aboutLanguageOf(const QString& imageName);

} // namespace trajecta
