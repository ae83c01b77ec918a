#pragma once

#include "core/Context.h"

namespace trajecta {

class TimePresets;

// The language of every window: French (0) or English (1), in
// doc.shell.languageIndex. Messages and labels built later take the language
// in force when they are built; apply() rewrites at once everything already
// shown.
class Language {
  public:
    Language(Context& ctx, TimePresets& presets);

    // The menu items "Français" and "Anglais".
    void registerHandlers();

    // Writes every text of the windows in the language in force: first the
    // texts that depend on the state (the step message, the preset texts, the
    // minimum duration and its repeat at step 6, the load label, the main
    // window's caption), then the check marks of the language menu, then
    // every row of the caption tables. Chosen radio items stay chosen; no
    // handler runs.
    void apply();

    // Each switches to its language and applies it; nothing happens when that
    // language is already in force.
    void FrenchClick();
    void EnglishClick();

  private:
    void choose(int language);

    Context& ctx_;
    TimePresets& presets_;
};

} // namespace trajecta
