#include "shell/Shell.h"

#include "core/Messages.h"
#include "core/PressLook.h"
#include "document/ControlIds.h"
#include "document/KeypointBlock.h"
#include "shell/ScreenPlace.h"
#include "timing/RangeTarget.h"

#include <cstring>
#include <limits>
#include <vector>

namespace trajecta {

namespace {

const TextPair settingsNotSaved{QStringLiteral("Les réglages n'ont pas pu être enregistrés."),
                                QStringLiteral("The settings could not be saved.")};

// A control of a group, with its parent on each window.
struct Docked {
    AnyControlId control;
    PanelId onMain;
    PanelId onSecond;
};

// A movable group: its host on each window and the controls that move.
struct GroupMove {
    PanelId mainHost;
    PanelId secondHost;
    std::vector<Docked> controls;
};

const std::vector<GroupMove>& groupMoves() {
    static const std::vector<GroupMove> moves{
        {ids::PnlDockParasOrg,
         ids::PnlDockParasDest,
         {{ids::GbxParaSurQuoi, ids::PnlPourDockGbxPara, ids::PnlDockTemps},
          {ids::PnlLePoint, ids::PnlPourDockLePoint, ids::PnlDockLePoint}}},
        {ids::PnlDockOrgEtapes,
         ids::PnlDockDestEtapes,
         {{ids::PnRefaire, ids::PnlDockOrgEtapes, ids::PnlDockDestEtapes}}},
        {ids::PnlDockFondOrg,
         ids::PnlDockFondDest,
         {{ids::PnlFondEtCourbe, ids::PnlDockFondOrg, ids::PnlDockFondDest}}},
        {ids::PnlDockOKtoutOrg,
         ids::PnlDockOKtoutDest,
         {{ids::PnlOKtout, ids::PnlDockOKtoutOrg, ids::PnlDockOKtoutDest}}},
        {ids::PnlDockAffichageOrg,
         ids::PnlDockAffichageDest,
         {{ids::GbxAffichage, ids::PnlDockAffichageOrg, ids::PnlDockAffichageDest}}},
        {ids::PnlDockPointsSurCourbeOrg,
         ids::PnlDockPointsSurCourbeDest,
         {{ids::PnlPointsSurCourbe, ids::PnlDockPointsSurCourbeOrg, ids::PnlDockPointsSurCourbeDest}}},
        {ids::PnlDockAideOrg,
         ids::PnlDockAideDest,
         {{ids::PnlAide, ids::PnlDockAideOrg, ids::PnlDockAideDest}}},
        {ids::PnlDockOrgExtras,
         ids::PnlDockDestExtras,
         {{ids::PnlExtras, ids::PnlDockOrgExtras, ids::PnlDockDestExtras}}},
    };
    return moves;
}

// The help pictures, French and English, of steps 1, 2, 3, 3 with the
// frame being placed, 4, 5 and 6.
const std::vector<std::pair<ImageId, ImageId>>& helpPictures() {
    static const std::vector<std::pair<ImageId, ImageId>> pictures{
        {ids::ImgAideT1Fr, ids::ImgAideT1Eng}, {ids::ImgT2fr, ids::ImgT2eng}, {ids::ImgT3fr, ids::ImgT3eng},
        {ids::ImgT3frbis, ids::ImgT3engbis},   {ids::ImgT4fr, ids::ImgT4eng}, {ids::ImgT5Fr, ids::ImgT5Eng},
        {ids::ImgT6Fr, ids::ImgT6Eng}};
    return pictures;
}

// A stored integer; a value that is not a whole decimal number reads as the default.
int stored(const SettingsService& settings, const char* section, const char* key, int fallback) {
    bool ok = false;
    const int v = settings.value(QLatin1String(section), QLatin1String(key), {}).trimmed().toInt(&ok, 10);
    return ok ? v : fallback;
}

bool stepWithParameters(Step step) {
    return step == Step::Times || step == Step::Parameters;
}

} // namespace

Shell::Shell(Context& ctx) : ctx_(ctx) {}

void Shell::registerHandlers() {
    Controls& c = ctx_.controls;
    c.onClick(ids::Commencer, [this] { CommencerClick(); });
    c.onClick(ids::Parametres, [this] { ParametresClick(); });
    c.onClick(ids::VoirF2, [this] { VoirF2Click(); });
    c.onClick(ids::F2MilieuEcran1, [this] { F2MilieuEcran1Click(); });
    c.onClick(ids::Apropos, [this] { AproposClick(); });
    for (AnyControlId picture : AnyControlIds{ids::ImgAproposFr, ids::ImgAproposEng})
        c.onClick(picture, [&c] { c.hide(ids::TFApropos); });
    c.onClick(ids::BtnOKAide, [&c] { c.hide(ids::TFAide); });

    registerPressLook(c, ids::LblAide, ids::PnlAide);
    c.onClick(ids::LblAide, [this] { LblAideClick(); });

    // The second window hands its key presses to the main window's handler,
    // and the two windows press each other's shortcuts: the groups move between them.
    for (AnyControlId window : AnyControlIds{ids::KeyPointsBezier, ids::TFparametres})
        c.onKey(window, [this](const QString& keys) { keyDown(keys); });
    c.shareShortcuts({ids::KeyPointsBezier.str(), ids::TFparametres.str()});
    c.onClick(ids::RdgVoir, [this] { RdgVoirClick(); });
    c.onClick(ids::LbxListeKP, [this] { LbxListeKPClick(); });

    secondVisible_ = c.visible(ids::TFparametres);
    watch_ = c.addObserver([this](const ControlState& state) {
        if (state.name != ids::TFparametres || state.visible == secondVisible_) return;
        secondVisible_ = state.visible;
        secondWindowVisibility(secondVisible_);
    });
}

void Shell::start() {
    ShellState& shell = ctx_.doc.shell;
    shell.languageIndex = 0;
    const ControlState& window = ctx_.controls.get(ids::TFparametres);
    const QPoint place = defaultPlace(ctx_.services.system.screens(), window.width);
    shell.secondWindowLeft = place.x();
    shell.secondWindowTop = place.y();
    if (ctx_.services.settings.exists()) readSettings();
    if (!shell.singleWindowLayout) {
        shell.singleWindowLayout = true;
        ParametresClick();
    }
}

void Shell::readSettings() {
    const SettingsService& s = ctx_.services.settings;
    ShellState& shell = ctx_.doc.shell;
    shell.secondWindowLeft = stored(s, "positionF2", "PosLeft", shell.secondWindowLeft);
    shell.secondWindowTop = stored(s, "positionF2", "PosTop", shell.secondWindowTop);
    shell.languageIndex = stored(s, "parametres", "Langue", 0) == 1 ? 1 : 0;
    shell.singleWindowLayout = stored(s, "F1seule", "TravauxSurF1", 1) != 0;
    ctx_.controls.setEnabled(ids::VoirF2, !shell.singleWindowLayout);

    // The main window's place, restored by the window when it fits a monitor.
    WindowPlace& main = shell.mainWindow;
    main.state = stored(s, "EtatF1", "Wst", 0);
    constexpr int missing = std::numeric_limits<int>::min();
    const int left = stored(s, "EtatF1", "PosF1Left", missing),
              top = stored(s, "EtatF1", "PosF1Top", missing);
    const int width = stored(s, "EtatF1", "PosF1Width", 0), height = stored(s, "EtatF1", "PosF1Height", 0);
    shell.mainWindowStored = left != missing && top != missing && width > 0 && height > 0;
    if (shell.mainWindowStored) {
        main.left = left;
        main.top = top;
        main.width = width;
        main.height = height;
    }
}

void Shell::closeMainWindow() {
    ShellState& shell = ctx_.doc.shell;
    if (shell.closed) return;
    shell.closed = true;
    writeSettings();
    ctx_.controls.hide(ids::KeyPointsBezier);
}

void Shell::writeSettings() {
    ShellState& shell = ctx_.doc.shell;
    // The place of a second window still open; a window never shown in this
    // run keeps the place read at start.
    if (ctx_.controls.visible(ids::TFparametres)) keepSecondWindowPlace();
    SettingsService& s = ctx_.services.settings;
    auto put = [&s](const char* section, const char* key, int value) {
        s.setValue(QLatin1String(section), QLatin1String(key), QString::number(value));
    };
    put("parametres", "Langue", shell.languageIndex);
    // A key of the file, not a control: written in two pieces so that it is
    // never taken for the name of one.
    put("parametres",
        "Pnl"
        "VarSurF1",
        shell.groupsOnMain ? 1 : 0);
    put("positionF2", "PosLeft", shell.secondWindowLeft);
    put("positionF2", "PosTop", shell.secondWindowTop);
    put("F1seule", "TravauxSurF1", shell.singleWindowLayout ? 1 : 0);
    const WindowPlace& main = shell.mainWindow;
    put("EtatF1", "Wst", main.state);
    put("EtatF1", "PosF1Left", main.left);
    put("EtatF1", "PosF1Top", main.top);
    put("EtatF1", "PosF1Width", main.width);
    put("EtatF1", "PosF1Height", main.height);
    if (!s.save()) ctx_.services.messages.warning(settingsNotSaved.in(ctx_.language()));
}

void Shell::CommencerClick() {
    if (guard_ && !guard_->mayDiscardWork()) return;
    closeMainWindow();
}

void Shell::ParametresClick() {
    ShellState& shell = ctx_.doc.shell;
    if (shell.groupsOnMain) {
        moveGroups(true);
        showSecondWindow();
        shell.secondWindowShown = true;
        shell.singleWindowLayout = false;
    } else {
        moveGroups(false);
        shell.secondWindowShown = false;
        hideSecondWindow();
        shell.singleWindowLayout = true;
    }
    layoutMenu();
}

void Shell::placeGroups(bool onMain) {
    if (ctx_.doc.shell.groupsOnMain != onMain) moveGroups(!onMain);
}

// Each group goes with the visibility its host had on the window it leaves.
void Shell::moveGroups(bool toSecondWindow) {
    Controls& c = ctx_.controls;
    for (const GroupMove& group : groupMoves()) {
        const PanelId from = toSecondWindow ? group.mainHost : group.secondHost;
        const PanelId to = toSecondWindow ? group.secondHost : group.mainHost;
        const bool shown = c.visible(from);
        for (const Docked& d : group.controls)
            c.reparent(d.control, toSecondWindow ? d.onSecond : d.onMain);
        if (toSecondWindow) {
            c.setVisible(to, shown);
            c.hide(from);
        } else if (to == ids::PnlDockParasOrg) {
            c.setVisible(to, stepWithParameters(ctx_.doc.workflow.currentStep));
        } else {
            c.setVisible(to, shown);
        }
    }
    if (toSecondWindow) c.show(ids::PnRefaire);
    ctx_.doc.shell.groupsOnMain = !toSecondWindow;
}

void Shell::layoutMenu() {
    const bool two = !ctx_.doc.shell.singleWindowLayout;
    ctx_.controls.setEnabled(ids::VoirF2, two);
    ctx_.controls.setChecked(ids::Parametres, two);
}

void Shell::VoirF2Click() {
    if (ctx_.doc.shell.secondWindowShown)
        hideSecondWindow();
    else
        showSecondWindow();
}

void Shell::F2MilieuEcran1Click() {
    ShellState& shell = ctx_.doc.shell;
    const ControlState& window = ctx_.controls.get(ids::TFparametres);
    const QPoint place = defaultPlace(ctx_.services.system.screens(), window.width);
    shell.secondWindowLeft = place.x();
    shell.secondWindowTop = place.y();
    ctx_.controls.setGeometry(ids::TFparametres, place.x(), place.y(), window.width, window.height);
    shell.secondWindowShown = false;
}

void Shell::keyDown(const QString& keys) {
    const ShellState& shell = ctx_.doc.shell;
    if (keys != QLatin1String("Ctrl+W") || shell.singleWindowLayout) return;
    if (shell.secondWindowShown)
        hideSecondWindow();
    else
        showSecondWindow();
}

// Showing a window already on screen brings it to the front, which counts as
// showing it: the next Ctrl+W closes it.
void Shell::showSecondWindow() {
    if (ctx_.controls.visible(ids::TFparametres))
        ctx_.doc.shell.secondWindowShown = true;
    else
        ctx_.controls.show(ids::TFparametres);
}

void Shell::hideSecondWindow() {
    ctx_.controls.hide(ids::TFparametres);
}

// The window shows at its stored place, moved onto a monitor when that place
// is off every monitor there is now; on closing or hiding it keeps its place.
void Shell::secondWindowVisibility(bool visible) {
    ShellState& shell = ctx_.doc.shell;
    Controls& c = ctx_.controls;
    if (!visible) {
        keepSecondWindowPlace();
        shell.secondWindowShown = false;
        return;
    }
    const ControlState& window = c.get(ids::TFparametres);
    const QList<QRect> screens = ctx_.services.system.screens();
    const QRect wanted(shell.secondWindowLeft, shell.secondWindowTop, window.width, window.height);
    const QPoint place = placeOnScreens(wanted, screens, defaultPlace(screens, window.width));
    shell.secondWindowLeft = place.x();
    shell.secondWindowTop = place.y();
    c.setGeometry(ids::TFparametres, place.x(), place.y(), window.width, window.height);
    shell.secondWindowShown = true;
    c.setVisible(ids::PnlDockParasDest, stepWithParameters(ctx_.doc.workflow.currentStep));
}

void Shell::keepSecondWindowPlace() {
    const ControlState& window = ctx_.controls.get(ids::TFparametres);
    ctx_.doc.shell.secondWindowLeft = window.left;
    ctx_.doc.shell.secondWindowTop = window.top;
}

void Shell::secondWindowDeactivated() {
    keepSecondWindowPlace();
    ctx_.doc.shell.secondWindowShown = false;
}

void Shell::AproposClick() {
    Controls& c = ctx_.controls;
    const bool english = ctx_.language() == 1;
    c.setVisible(ids::ImgAproposEng, english);
    c.setVisible(ids::ImgAproposFr, !english);
    c.show(ids::TFApropos);
}

void Shell::LblAideClick() {
    Controls& c = ctx_.controls;
    for (const auto& [fr, en] : helpPictures()) {
        c.hide(fr);
        c.hide(en);
    }
    const WorkflowState& w = ctx_.doc.workflow;
    const int step = static_cast<int>(w.currentStep);
    if (step >= 1) {
        // Rows 0..6: steps 1, 2, 3, 3 with the frame being placed, 4, 5, 6.
        int row = step <= 3 ? step - 1 : step;
        if (w.currentStep == Step::Shaping && w.messageIndex == StepMessage::PlaceFrame) row = 3;
        const auto& [fr, en] = helpPictures()[static_cast<size_t>(row)];
        c.show(ctx_.language() == 1 ? en : fr);
    }
    c.show(ids::TFAide);
}

void Shell::showList(ListId list) {
    ctx_.controls.setItemIndex(ids::RdgVoir, NamedLists::names().indexOf(list.str()));
}

void Shell::RdgVoirClick() {
    Controls& c = ctx_.controls;
    const QStringList& lists = NamedLists::names();
    const int chosen = c.itemIndex(ids::RdgVoir);
    for (int i = 0; i < lists.size(); ++i)
        c.setVisible(lists[i], i == chosen);
}

// The keypoint of the block holding the clicked line goes under the cursor of
// the keypoint steps, as if the user had moved it there.
void Shell::LbxListeKPClick() {
    const int line = ctx_.controls.get(ids::LbxListeKP).itemIndex;
    const QStringList& list = ctx_.doc.lists.LbxListeKP;
    if (line < 0 || line >= list.size() || !stepWithParameters(ctx_.doc.workflow.currentStep)) return;
    const QString& first = list[line - line % keypointBlockLines];
    const qsizetype at = first.indexOf(QLatin1String("object KeyPoint"));
    if (at < 0) return;
    const qsizetype from = at + qsizetype(std::strlen("object KeyPoint"));
    bool ok = false;
    const int number = first.mid(from, first.indexOf(QLatin1Char(':'), from) - from).toInt(&ok);
    if (!ok) return;
    cursor_->moveCursor(number - 1);
    // Moving the cursor clears the list's selection; the clicked line stays selected.
    ctx_.controls.setItemIndex(ids::LbxListeKP, line);
}

} // namespace trajecta
