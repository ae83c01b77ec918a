#include "shell/Language.h"

#include "core/Messages.h"
#include "core/StepScreens.h"
#include "document/ControlIds.h"
#include "shell/CaptionTables.h"
#include "timing/TimePresets.h"

namespace trajecta {

Language::Language(Context& ctx, TimePresets& presets) : ctx_(ctx), presets_(presets) {}

void Language::registerHandlers() {
    ctx_.controls.onClick(ids::French, [this] { FrenchClick(); });
    ctx_.controls.onClick(ids::English, [this] { EnglishClick(); });
}

void Language::apply() {
    Controls& c = ctx_.controls;
    const int language = ctx_.language();
    setStepMessage(ctx_, ctx_.doc.workflow.messageIndex);
    showCopyNotice(ctx_);
    presets_.showTexts();
    c.setCaption(ids::LbliDureeMiniVue, Messages::minimumDuration.in(language));
    c.setCaption(ids::LblTempsMiniVueFinal, c.text(ids::LbliDureeMiniVue) + c.text(ids::LblTempsTotalVue));
    c.setCaption(ids::LblChargerFichier, Messages::loadLabel.in(language));
    c.setCaption(ids::KeyPointsBezier, Messages::windowTitle.in(language));

    c.setChecked(ids::English, language == 1);
    c.setChecked(ids::French, language != 1);

    writeCaptions(c, language);
}

void Language::FrenchClick() {
    choose(0);
}

void Language::EnglishClick() {
    choose(1);
}

void Language::choose(int language) {
    if (ctx_.doc.shell.languageIndex == language) return;
    ctx_.doc.shell.languageIndex = language;
    apply();
}

} // namespace trajecta
