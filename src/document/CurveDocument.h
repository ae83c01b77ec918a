#pragma once

#include "document/BackgroundState.h"
#include "document/Keypoint.h"
#include "document/ParameterState.h"
#include "document/Step.h"
#include "document/TimeEditState.h"
#include "document/TimePresetState.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace trajecta {

// Capacities of the fixed tables of a curve project.
constexpr int maxControlPoints = 51; // at most 49 are used
constexpr int maxMarkedPoints = 49;  // 16 parts of three points and the first point
constexpr int maxParts = 16;
constexpr int maxSamplePoints = 1001; // 16 parts of 60 samples and the first point

// State codes of the control points; an aligned tangent adds `alignedCode`.
enum PointState : int {
    InnerAnchor = 0,
    FirstHandle = 1,
    SecondHandle = 2,
    FirstPoint = 3,
    LastPoint = 4,
    alignedCode = 10,
};

// A point taken on the curve. For record 0, `time` is the time of the first
// keypoint from the start of the slide; for the others the time since the
// record before, in milliseconds.
struct SamplePoint {
    int x = 0;
    int y = 0;
    int time = 0;

    bool operator==(const SamplePoint&) const = default;
};

// The smallest frame, in pixels each way: a smaller one is not placed.
constexpr int minFrameSide = 10;

struct FrameRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool operator==(const FrameRect&) const = default;
};

// The curve geometry and its sampling.
struct CurveGeometry {
    std::array<QPoint, maxControlPoints> controlPoints{};
    int controlPointCount = 0;
    std::array<int, maxControlPoints> pointStates{};
    int partCount = 0;
    std::array<int, maxParts> partSampleCounts{};
    std::array<bool, maxParts> partSelected{};
    bool allPartsSelected = false;
    int defaultPartSamples = 20;
    std::array<SamplePoint, maxSamplePoints> samplePoints{};
    int sampleCount = 0;
    int duplicateCount = 0;
    bool closedCurve = false;

    // Copy kept by the extras dialog the first time it opens.
    std::array<QPoint, maxControlPoints> backupPoints{};
    std::array<int, maxControlPoints> backupStates{};
    int backupCount = 0;

    bool operator==(const CurveGeometry&) const = default;
};

// Control points in use, limited to the table's capacity so that a corrupted
// count can never index past it.
inline int usedPoints(const CurveGeometry& curve) {
    return curve.controlPointCount < 0                  ? 0
           : curve.controlPointCount > maxControlPoints ? maxControlPoints
                                                        : curve.controlPointCount;
}

// How the curve is drawn: segments coloured by part, dots, or one Bezier path.
enum class CurveLook { PartSegments = 1, Dots = 2, Path = 5 };
// Which tangents are drawn, in the order of RdgTangentes' items.
enum class TangentsShown { All = 0, None = 1, InUse = 2 };

// How the curve is drawn.
struct DisplaySettings {
    CurveLook displayMode = CurveLook::Path;
    bool bigDots = false;
    bool showMarks = true;
    TangentsShown tangentDisplay = TangentsShown::InUse;
    bool highlightSelected = true;

    bool operator==(const DisplaySettings&) const = default;
};

// The workflow state machine.
struct WorkflowState {
    Step currentStep = Step::Start;
    StepMessage messageIndex = StepMessage::ChooseFormat;
    DoneSteps stepDone;
    bool markingActive = false;
    bool curveExists = false;
    int savedSampleCount = 0;
    bool timesValid = false;
    bool objectTextBuilt = false;
    // The geometry changed since the Position lines of the keypoint list were
    // last written; only rewriting them clears it.
    bool positionsStale = false;
    bool timesDirty = false;
    // A curve file is being replayed, from the start of a load to its end: the
    // constant-speed preset keeps the coefficient the file supplied instead of
    // computing its own, and the curve keeps its tangents and its closing.
    bool replayingFile = false;
    // The curve was stopped once since its first point: later stops keep the
    // tangents and the closing that step 3 gave it.
    bool curveStopped = false;
    int workWidth = 0;
    int workHeight = 0;
    float aspectRatio = 1.7777778f;
    int workFormatIndex = -1; // screen format of the current work area

    bool operator==(const WorkflowState&) const = default;
};

// Mouse editing of the control points.
struct EditorState {
    int hoverIndex = -1;
    int dragIndex = 0;
    bool dragging = false;
    QPoint lastDragPos;
    QPoint dragOrigin;      // where the dragged point stood at the press
    int selectedIndex = -1; // the point pressed last, which the arrow keys move
    QPoint markPos;
    bool dragTangentsShown = false;
    bool alignAllActive = false;
    bool breakOnClick = false;
    bool alignOnClick = false;
    QPoint workOrigin;
    QPoint workReference; // width and height used by the coordinate display

    bool operator==(const EditorState&) const = default;
};

// The frame that stands for the slide.
struct FrameState {
    FrameRect frameRect;
    bool framePresent = false;
    bool frameDrawing = false;
    bool frameAdjusting = false;
    bool frameDragging = false;
    int frameZone = 0; // 0 none, 1..4 corners, 5 inside
    QPoint frameLast;

    bool operator==(const FrameState&) const = default;
};

// One keypoint's time: the value in use and the committed copy, in ms.
struct KeypointTime {
    int inUse = 0;
    int committed = 0;

    bool operator==(const KeypointTime&) const = default;
};

struct TimingState {
    std::vector<KeypointTime> keypointTimes;

    bool operator==(const TimingState&) const = default;
};

// The keypoint lists the clipboard's object can be written from.
enum class WrittenList {
    None = -1,     // nothing written yet
    Keypoints = 0, // LbxListeKP
    Reversed = 1,  // LbxKPinverse
    Partial = 2,   // LbxListeKPpartielle
};

// The texts of the first KeyPoint of the loaded object, written into every
// keypoint that no parameter record changes.
struct KeyPointDefaults {
    QString opacity, angle, scaleX, scaleY, centreX, centreY, angleX, angleY, zPos;

    bool operator==(const KeyPointDefaults&) const = default;
};

// The host object read from the clipboard and what was derived from it.
struct HostObjectState {
    bool objectAccepted = false;
    int firstKeypointTime = 0;
    QString loadedFirstTimeText;
    QString firstTimeText;
    int slideOffset = 0;
    bool firstTimeReliable = true;
    long double firstAngle = 0;
    KeyPointDefaults keyPointDefaults;
    bool zoomEqual = false;
    bool centreEqual = false;
    // The object's lines as loaded at the start of the work, whose values the
    // keypoints take; an object read later for the same path is not kept here.
    QStringList loadedObject;
    // The keypoint list the clipboard last received.
    WrittenList writtenMode = WrittenList::None;

    bool operator==(const HostObjectState&) const = default;
};

// What the Extras dialog keeps between two openings.
struct ExtrasState {
    bool reversedActive = false; // LbxKPinverse is in force for every transfer
    bool turnedOver = false;     // its angles carry 180 more degrees
    int deleteAtStart = 0;       // keypoints to delete at the start (TbrSupDeb)
    int deleteAtEnd = 0;         // keypoints to delete at the end (TbrSupFin)
    int keptCount = 0;           // keypoints left: sampleCount unless deleting
    int retimeOffset = 0;        // ms taken off every kept keypoint when re-timing
    bool backupTaken = false;    // the control points were copied to the backup

    bool operator==(const ExtrasState&) const = default;
};

// The named string lists: working data and the records that are saved.
struct NamedLists {
    QStringList LbxCollecter, LbxColTemps, LbxColParametres, LbxPointsCourbe, LbxParametres,
        LbxListeKPpartielle, LbxListeKP, LbxAcquiClipboard, LbxTempsKP, LbxFichier, LbxPoucet, LbxKPinverse;

    // The twelve names, in the order of the list selector of the second window.
    static const QStringList& names();
    // The list of that name, or nullptr for an unknown name.
    QStringList* find(const QString& name);

    bool operator==(const NamedLists&) const = default;
};

// The pictures: the work area and the backgrounds drawn under the curve. All
// are 32-bit RGB images whose alpha byte is always opaque.
struct Pictures {
    QImage work;      // ImgDessin
    QImage grid;      // "quadrillage"
    QImage plain;     // "uni"
    QImage photo;     // "photo"
    QImage processed; // "traitée"

    bool operator==(const Pictures&) const = default;
};

// The main window's place: its state (0 normal, 1 minimised, 2 maximised),
// the position of its frame and the size of its client area in desktop pixels.
struct WindowPlace {
    int state = 0;
    int left = 0, top = 0, width = 0, height = 0;

    bool operator==(const WindowPlace&) const = default;
};

// The application shell's part of the state: language and window layout.
struct ShellState {
    int languageIndex = 0; // 0 French, 1 English
    bool singleWindowLayout = true;
    bool groupsOnMain = true; // the eight movable groups sit on the main window
    // The second window was shown and has not been closed, hidden or left since.
    bool secondWindowShown = false;
    int secondWindowLeft = 0, secondWindowTop = 0; // where it shows next
    WindowPlace mainWindow;                        // where the main window is; kept by the window
    bool mainWindowStored = false;                 // mainWindow was read from the settings file
    bool closed = false;                           // the main window has closed and the settings are written
    int clientWidth = 1366;                        // client size of the main window
    int clientHeight = 768;
    // Keypoints of the object last put on the clipboard, while it is the
    // object of the work (0: none).
    int copiedKeypoints = 0;

    bool operator==(const ShellState&) const = default;
};

// The whole curve project, held for the life of the main window.
struct CurveDocument {
    ShellState shell;
    CurveGeometry curve;
    DisplaySettings display;
    WorkflowState workflow;
    EditorState editor;
    FrameState frame;
    TimingState timing;
    KeypointRange range;
    TimeEditState timeEdit;
    TimePresetState presets;
    ParameterState parameters;
    HostObjectState host;
    ExtrasState extras;
    NamedLists lists;
    // The keypoint list as records; LbxListeKP is their written form, one
    // block per record, its Position lines taken from the curve.
    KeypointRecords keypoints;
    Pictures pictures;
    BackgroundState background;

    bool operator==(const CurveDocument&) const = default;
};

} // namespace trajecta
