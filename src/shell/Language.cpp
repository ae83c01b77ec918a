#include "shell/Language.h"

#include "core/Messages.h"
#include "core/StepScreens.h"
#include "shell/CaptionTables.h"
#include "timing/TimePresets.h"

namespace trajecta {

namespace {
const QString mainWindow = QStringLiteral("KeyPointsBezier");
const QString frenchItem = QStringLiteral("French");
const QString englishItem = QStringLiteral("English");
const QString minimumDurationLabel = QStringLiteral("LbliDureeMiniVue");
} // namespace

Language::Language(Context& ctx, TimePresets& presets) : ctx_(ctx), presets_(presets) {}

void Language::registerHandlers() {
    ctx_.controls.onClick(frenchItem, [this] { FrenchClick(); });
    ctx_.controls.onClick(englishItem, [this] { EnglishClick(); });
}

void Language::apply() {
    Controls& c = ctx_.controls;
    const int language = ctx_.language();
    setStepMessage(ctx_, ctx_.doc.workflow.messageIndex);
    presets_.showTexts();
    c.setCaption(minimumDurationLabel, Messages::minimumDuration.in(language));
    c.setCaption(QStringLiteral("LblTempsMiniVueFinal"),
                 c.text(minimumDurationLabel) + c.text(QStringLiteral("LblTempsTotalVue")));
    c.setCaption(QStringLiteral("LblChargerFichier"), Messages::loadLabel.in(language));
    c.setCaption(mainWindow, Messages::windowTitle.in(language));

    c.setChecked(englishItem, language == 1);
    c.setChecked(frenchItem, language != 1);

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
