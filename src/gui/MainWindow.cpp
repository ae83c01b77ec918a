#include "gui/MainWindow.h"

#include "app/ControlInventory.h"
#include "app/LookInventory.h"
#include "core/LayoutSizes.h"
#include "document/ControlIds.h"
#include "gui/ButtonPictures.h"
#include "gui/FadeButton.h"
#include "gui/Guarded.h"
#include "gui/HelpPictures.h"
#include "gui/PhotoDialogView.h"
#include "gui/RegionFlow.h"
#include "gui/ShellView.h"
#include "gui/TimingChartView.h"
#include "gui/WorkArea.h"
#include "platform/Canvas.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

namespace trajecta {

namespace {

// Where the window puts the controls that have no parent panel. Those not
// named here go to the bottom band, in declaration order.
const QStringList& rightColumnControls() {
    static const QStringList names = controlNames(
        {ids::PnlDockOrgEtapes, ids::GbxTemps, ids::GbxInfoParaPoint, ids::RdgChoixEcran, ids::PnCreation,
         ids::PnlChargerFichier, ids::PnlDockOKtoutOrg, ids::PnlDockPointsSurCourbeOrg,
         ids::PnlEnregistrerCourbe, ids::PnlExporterSvg, ids::PnlTransfertEtRetour, ids::PnlTransfertSeul,
         ids::Pnl_nouvel_objet, ids::PnlCoordSouris, ids::PnlDockAideOrg, ids::PnlDockOrgExtras});
    return names;
}

// The groups of steps 4 and 5 that stand in the column, under the keypoint
// cursor that drives them; their captions wrap to its width.
constexpr AnyControlId wrappedGroups[] = {ids::PnlPourDockLePoint, ids::GbxTemps, ids::GbxInfoParaPoint};

// The exchange buttons of the column: their pictures are shrunk to its width.
constexpr ImageId columnPictures[] = {ids::ImgTransfertTotalBas, ids::ImgTransfertTotalHaut,
                                      ids::ImgTransfertSeul_Bas, ids::ImgTransfertSeul_Haut,
                                      ids::ImgNvlObjet_bas,      ids::ImgNvlObjet_haut};

// Placed by the window itself, over the regions, from the model's geometry.
const QStringList freeControlList =
    controlNames({ids::ImgDessin, ids::PnMessages, ids::PnlChargeObjetPte, ids::PnlAccueil,
                  ids::LblTravauxEnCours, ids::PnlLecture, ids::LblObjetCopie});
const QSet<QString> freeControls(freeControlList.begin(), freeControlList.end());

// A region of the window that scrolls what it holds when it has less room
// than the holding widget's minimum size. Tab brings the control it reaches
// into view; but when the focused button hides its raised picture under a
// press, the focus moves on without scrolling, or the button would slide away
// from under the mouse before the release.
class Region : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;

  protected:
    bool focusNextPrevChild(bool next) override {
        const QWidget* focus = QApplication::focusWidget();
        if (focus && !focus->isVisible()) return QWidget::focusNextPrevChild(next);
        return QScrollArea::focusNextPrevChild(next);
    }
};

QScrollArea* scrollingRegion(QWidget* parent, QWidget* content) {
    auto* region = new Region(parent);
    region->setFrameShape(QFrame::NoFrame);
    region->setWidget(content); // sized by the window, as large as what it holds
    return region;
}

} // namespace

KeyPointsBezier::KeyPointsBezier(std::optional<Services> services, QWidget* parent)
    : QMainWindow(parent), qtServices_(services ? nullptr : std::make_unique<QtServices>()),
      session_(services ? *services : qtServices_->services()) {
    setObjectName(mainWindowName);
    if (qtServices_) qtServices_->setDialogParent(this);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("rightColumn"));
    rightColumn_ = scrollingRegion(client_, column);
    auto* band = new QWidget;
    band->setObjectName(QStringLiteral("bottomBand"));
    bottomBand_ = scrollingRegion(client_, band);
    // A group's size or visibility changed: the groups are placed again.
    column->installEventFilter(this);
    band->installEventFilter(this);
    relayoutTimer_ = new QTimer(this);
    relayoutTimer_->setSingleShot(true);
    relayoutTimer_->setInterval(0);
    connect(relayoutTimer_, &QTimer::timeout, this, [this] { guarded([this] { relayout(); }); });

    work_ = new WorkArea(session_);
    work_->afterInput = [this] { afterInput(); };
    workView_ = new QScrollArea(client_);
    workView_->setObjectName(QStringLiteral("workView"));
    workView_->setFrameShape(QFrame::NoFrame);
    workView_->setWidget(work_);
    fitToggle_ = new QToolButton(client_);
    fitToggle_->setObjectName(QStringLiteral("fitToggle"));
    fitToggle_->setText(QStringLiteral("100 %"));
    fitToggle_->setCheckable(true);
    fitToggle_->hide();
    connect(fitToggle_, &QToolButton::toggled, this, [this] { guarded([this] { relayout(); }); });

    pictureLanguage_ = session_.document().shell.languageIndex;
    speakQtLanguage(pictureLanguage_);
    binder_ = std::make_unique<Binder>(
        session_.controls(), this, menuBar(), look(),
        std::map<QString, QWidget*>{{ids::ImgDessin.str(), work_}, {mainWindowName, client_}});
    binder_->afterInput = [this] { afterInput(); };
    placeControls();
    // The copy notice stands at the right end of the menu bar, where it never
    // covers the step's message.
    if (QWidget* notice = binder_->widget(ids::LblObjetCopie)) {
        notice->setContentsMargins(8, 0, 8, 0);
        menuBar()->setCornerWidget(notice, Qt::TopRightCorner);
    }
    shellView_ = std::make_unique<ShellView>(session_, *binder_, *this);
    binder_->syncAll();
    photoDialog_ = std::make_unique<PhotoDialogView>(*binder_, session_.document());
    setMinimumSize(minimumClientSize() + QSize(0, menuBar()->sizeHint().height()));

    syncCursorHolder();
    setUpPreview();
    // F10 opens the menu bar, as desktop programs do.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        if (QAction* first = menuBar()->actions().value(0)) menuBar()->setActiveAction(first);
    });
    placement_ = session_.controls().addObserver([this](const ControlState& state) {
        if (freeControls.contains(state.name)) relayout();
        if (state.name == ids::PnlDockParasOrg) syncCursorHolder();
        if (state.name == ids::Parametres) scheduleRelayout(); // the layout of one or two windows
        if ((state.kind == ControlKind::Image && state.visible && HelpPictures::provides(state.name)) ||
            (state.kind == ControlKind::Dialog && state.visible))
            showHelpPictures();
    });
}

// The help and about pictures that show, in an open window, without theirs:
// an image shown in its window, or a window opened over its shown image.
void KeyPointsBezier::showHelpPictures() {
    const Controls& controls = session_.controls();
    for (const QString& name : controls.names())
        if (HelpPictures::provides(name) && controls.showing(name))
            if (auto* image = qobject_cast<QLabel*>(binder_->widget(name)); image && image->pixmap().isNull())
                image->setPixmap(QPixmap::fromImage(HelpPictures::picture(name)));
}

KeyPointsBezier::~KeyPointsBezier() {
    rightColumn_->widget()->removeEventFilter(this);
    bottomBand_->widget()->removeEventFilter(this);
    for (QWidget* group : columnGroups_)
        group->removeEventFilter(this);
    for (QWidget* group : bandGroups_)
        group->removeEventFilter(this);
    placement_.reset();
    shellView_.reset();
    photoDialog_.reset();
    binder_.reset();
}

BinderLook KeyPointsBezier::look() {
    const ControlLooks& looks = controlLooks();
    BinderLook look;
    look.arrangement = [&looks](const QString& name) { return looks.arrangement(name); };
    look.tabOrder = [&looks] { return looks.tabOrder; };
    look.isButton = [&looks](const QString& name) { return looks.buttons.contains(name); };
    look.isWell = [&looks](const QString& name) { return looks.wells.contains(name); };
    look.isSwatch = [&looks](const QString& name) { return looks.swatches.contains(name); };
    look.picture = [this](const QString& name) {
        // A help or about page is drawn when its image is first shown, not at start.
        if (HelpPictures::provides(name))
            return session_.controls().showing(name) ? QPixmap::fromImage(HelpPictures::picture(name))
                                                     : QPixmap();
        return ButtonPictures::forImage(name, session_.document().shell.languageIndex);
    };
    look.make = [this](const ControlState& state, QWidget* parent) -> QWidget* {
        if (state.name == ids::BtnExtrasAnnuler) return new FadeButton(parent);
        if (state.name == ids::ImgChronogramme) return new TimingChartView(session_.document(), parent);
        return nullptr;
    };
    return look;
}

void KeyPointsBezier::placeControls() {
    QWidget* column = rightColumn_->widget();
    for (const QString& name : rightColumnControls()) {
        if (QWidget* w = binder_->widget(name)) {
            w->setParent(column);
            columnGroups_.push_back(w);
        }
        if (name == ids::PnlDockOrgEtapes) placeCursorGroup();
    }
    fitColumnControls();
    const Controls& controls = session_.controls();
    for (const QString& name : controls.children(mainWindowName)) {
        QWidget* w = binder_->widget(name);
        if (!w || controls.get(name).kind == ControlKind::MenuItem || rightColumnControls().contains(name) ||
            freeControls.contains(name))
            continue;
        // A band group stands at its own width, so captions keep their own
        // line breaks: a label that wraps to a narrower width would need more
        // height than its group was given.
        for (QLabel* label : w->findChildren<QLabel*>())
            label->setWordWrap(false);
        w->setParent(bottomBand_->widget());
        bandGroups_.push_back(w);
    }
    for (QWidget* group : columnGroups_)
        group->installEventFilter(this);
    for (QWidget* group : bandGroups_)
        group->installEventFilter(this);
    // The edits of the window take numbers: room for eight digits is enough.
    for (QLineEdit* edit : client_->findChildren<QLineEdit*>())
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(8, QLatin1Char('0'))) + 12);
    for (const QString& name : freeControls)
        if (QWidget* w = binder_->widget(name)) w->raise();
    // Panels and shapes of one colour (the Extras dialog's bar and its marks).
    for (const auto& [name, colour] : controlLooks().faces)
        if (QWidget* w = binder_->widget(name))
            w->setStyleSheet(
                QStringLiteral("QFrame#%1 { background: %2; }").arg(name, colourFromBgr(colour).name()));
    // The preview's row fits the message line.
    if (QWidget* w = binder_->widget(ids::PnlLecture); w && w->layout())
        w->layout()->setContentsMargins(2, 0, 2, 0);
    // The time the preview shows keeps its room, so the slider beside it never jumps.
    if (QWidget* w = binder_->widget(ids::LblTempsLecture))
        w->setMinimumWidth(w->fontMetrics().horizontalAdvance(QStringLiteral("00 min 00 s 000 ms ")));
    // The panel's diagnostic line stands on screen beside the other
    // diagnostics, in the second window, out of the user's way.
    QWidget* diagnostic = binder_->widget(ids::LblRetour);
    QWidget* beside = binder_->widget(ids::LblNombrePoints);
    if (diagnostic && beside && beside->parentWidget()->layout()) {
        diagnostic->parentWidget()->layout()->removeWidget(diagnostic);
        beside->parentWidget()->layout()->addWidget(diagnostic);
    }
    if (auto* w = qobject_cast<QLabel*>(binder_->widget(ids::LblAccueil))) {
        w->setWordWrap(true);
        w->setAlignment(Qt::AlignCenter);
    }
    if (QWidget* sample = binder_->widget(ids::LblObjetExemple); sample && sample->parentWidget()->layout()) {
        sample->setFixedWidth(sample->sizeHint().width() + 32);
        sample->parentWidget()->layout()->setAlignment(sample, Qt::AlignHCenter);
    }
    if (QWidget* w = binder_->widget(ids::LblTravauxEnCours)) {
        w->setAutoFillBackground(true);
        w->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; padding: 4px; }"));
    }
}

// The controls of the column keep to its width and their room.
void KeyPointsBezier::fitColumnControls() {
    // The cursor hides once a range end is chosen, and the chosen ends show
    // in a line kept for them: the room stays, so that the range buttons
    // under them never move away from the mouse.
    for (AnyControlId name :
         AnyControlIds{ids::LblDeplaceCurseur, ids::TbMontrePoint, ids::LblPointSelect, ids::LbliTempsCePoint,
                       ids::LblTempsPointActuel, ids::PnlGroupeFleches, ids::LblChoixDep, ids::LblChoixFin})
        if (QWidget* w = binder_->widget(name)) {
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
            w->setMinimumHeight(w->fontMetrics().height());
        }
    for (AnyControlId group : wrappedGroups)
        if (QWidget* w = binder_->widget(group))
            for (QLabel* label : w->findChildren<QLabel*>())
                if (session_.controls().get(label->objectName()).kind == ControlKind::Label)
                    label->setWordWrap(true);
    for (ImageId name : columnPictures)
        if (auto* image = qobject_cast<QLabel*>(binder_->widget(name))) {
            image->setScaledContents(true);
            image->setMinimumSize(1, ButtonPictures::buttonHeight);
            image->setMaximumWidth(rightColumnWidth - 2 * RegionFlow::margin - 4);
        }
}

// The keypoint cursor with its range buttons is the tool of steps 4 and 5:
// tall and narrow, it stands in the column under the step buttons, while the
// parameter group stays in the band. Its holder shows and hides with the
// panel that hosts both.
void KeyPointsBezier::placeCursorGroup() {
    QWidget* host = binder_->widget(ids::PnlPourDockLePoint);
    if (!host) return;
    if (QWidget* old = host->parentWidget(); old && old->layout()) old->layout()->removeWidget(host);
    cursorHolder_ = new QWidget(rightColumn_->widget());
    cursorHolder_->setObjectName(QStringLiteral("cursorColumn"));
    auto* box = new QVBoxLayout(cursorHolder_);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(host);
    columnGroups_.push_back(cursorHolder_);
}

void KeyPointsBezier::syncCursorHolder() {
    if (cursorHolder_) cursorHolder_->setVisible(session_.controls().get(ids::PnlDockParasOrg).visible);
}

// The preview plays on a timer at the display's rate, against a clock of its
// own so that the motion keeps real time whatever the timer's jitter.
void KeyPointsBezier::setUpPreview() {
    playTimer_ = new QTimer(this);
    playTimer_->setTimerType(Qt::PreciseTimer);
    const qreal rate = screen() ? screen()->refreshRate() : 60;
    playTimer_->setInterval(std::max(5, static_cast<int>(1000 / std::max<qreal>(rate, 1))));
    connect(playTimer_, &QTimer::timeout, this, [this] {
        guarded([this] { session_.preview().tick(playClock_.elapsed()); });
        work_->update();
        if (!session_.preview().playing()) playTimer_->stop();
    });
}

void KeyPointsBezier::followPreview() {
    Preview& preview = session_.preview();
    if (preview.playing() && !playTimer_->isActive()) {
        playClock_.start();
        preview.tick(playClock_.elapsed());
        playTimer_->start();
    } else if (!preview.playing()) {
        playTimer_->stop();
    }
    if (QWidget* chart = binder_->widget(ids::ImgChronogramme)) chart->update();
}

void KeyPointsBezier::afterInput() {
    work_->showChanges();
    guarded([this] { followPreview(); });
    const int language = session_.document().shell.languageIndex;
    const bool newPictures = language != pictureLanguage_;
    if (newPictures) {
        pictureLanguage_ = language;
        binder_->refreshPictures();
        speakQtLanguage(language);
    }
    photoDialog_->refresh(newPictures);
    shellView_->afterInput();
    focusStepButton();
    showUnsavedMark();
}

// The caption starts with "*" while the project has changes no saved file holds.
void KeyPointsBezier::showUnsavedMark() {
    const QString caption = session_.controls().text(ids::KeyPointsBezier);
    const QString title = session_.keeper().unsavedChanges() ? QLatin1Char('*') + caption : caption;
    if (windowTitle() != title) setWindowTitle(title);
}

void KeyPointsBezier::keepWorkIn(const QString& folder) {
    guarded([&] {
        session_.keeper().keepIn(folder);
        session_.keeper().offerInterruptedWork();
    });
    afterInput();
}

// Qt's own texts (the file dialogs, the buttons of the message boxes) follow
// the program's language; Debian packages Qt's French texts.
void KeyPointsBezier::speakQtLanguage(int language) {
    if (!qtFrench_) {
        qtFrench_ = std::make_unique<QTranslator>();
        if (!qtFrench_->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return;
    }
    if (qtFrench_->isEmpty()) return;
    if (language == 0)
        QCoreApplication::installTranslator(qtFrench_.get());
    else
        QCoreApplication::removeTranslator(qtFrench_.get());
}

// When a step begins, the keyboard's focus goes to the button the step is
// mostly left by, rather than staying where the last press left it.
void KeyPointsBezier::focusStepButton() {
    const Step step = session_.document().workflow.currentStep;
    if (step == shownStep_) return;
    shownStep_ = step;
    AnyControlId button = ids::ImgChargeObjetPte_Haut;
    switch (step) {
    case Step::Start:
        break;
    case Step::Format:
        button = ids::LbCreation;
        break;
    case Step::Marking:
        button = ids::LblStopMarquage;
        break;
    case Step::Shaping:
        button = ids::LblOKcourbe;
        break;
    case Step::Times:
    case Step::Parameters:
        button = ids::LblParaFini;
        break;
    case Step::Finished:
        button = ids::LblEnregistrerCourbe;
        break;
    }
    QWidget* w = binder_->widget(button.str());
    if (w && w->isVisible() && w->isEnabled() && isActiveWindow()) w->setFocus(Qt::OtherFocusReason);
}

bool KeyPointsBezier::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A group of the regions showed, hid or changed its size.
    if (type == QEvent::LayoutRequest &&
        (watched == rightColumn_->widget() || watched == bottomBand_->widget()))
        scheduleRelayout();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType() &&
        (static_cast<QWidget*>(watched)->parentWidget() == rightColumn_->widget() ||
         static_cast<QWidget*>(watched)->parentWidget() == bottomBand_->widget()))
        scheduleRelayout();
    if (watched == client_ && type == QEvent::Resize) {
        guarded([this] {
            session_.setClientSize(client_->width(), client_->height());
            // The load panel stays centred in a resized window.
            if (activated_) session_.host().formActivate();
            relayout();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void KeyPointsBezier::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activated_) return;
    activated_ = true;
    guarded([this] {
        session_.setClientSize(client_->width(), client_->height());
        session_.host().formActivate();
        relayout();
    });
}

void KeyPointsBezier::closeEvent(QCloseEvent* event) {
    // "Quitter" asked already; the window manager's close asks here.
    bool mayClose = true;
    if (!session_.document().shell.closed) guarded([&] { mayClose = session_.keeper().mayDiscardWork(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    shellView_->mainWindowClosing();
    QMainWindow::closeEvent(event);
}

void KeyPointsBezier::showAtStoredPlace() {
    shellView_->showMainWindow();
}

void KeyPointsBezier::resizeToDefault() {
    const QSize client(1366, 768);
    const QSize menu = menuBar()->sizeHint();
    QSize wanted(client.width(), client.height() + menu.height());
    if (const QScreen* s = screen()) {
        // Leave room for the frame and title bar the window manager adds.
        const QSize room = s->availableGeometry().size() - QSize(16, 40);
        wanted = wanted.boundedTo(room);
    }
    resize(wanted);
}

} // namespace trajecta
