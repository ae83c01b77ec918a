#pragma once

#include <QString>

namespace trajecta {

// The keypoint range chosen with "Début" and "Fin" and the keypoint under the
// cursor, shared by the time step and the parameter step. Rows are counted
// from 0; -1 means none.
struct KeypointRange {
    int rangeStart = -1;
    int rangeEnd = -1;
    int shownKeypoint = -1;
    int previousPoint = -1;
    bool cursorLive = true; // cursor moves are followed

    bool operator==(const KeypointRange&) const = default;
};

// What the time step's "Enregistrer" and "Annuler" act on: the option list,
// a personal range, or one of the presets. The value is the choice digit a
// range's record line carries ("choix temps +1").
enum class TimeMode : int {
    Options = -1,
    Personal = 0,
    ConstantTime = 1,
    ConstantSpeed = 2,
    SlowDown = 3,
    Proportional = 4,
};

// Editing state of the time step.
struct TimeEditState {
    bool firstTimePending = false; // EdtTemps1st edited, not yet recorded
    QString rangeStartText;        // last accepted texts of EdtTempsDeb and EdtTempsFin
    QString rangeEndText;
    bool rangeStartSet = false; // the field holds a value above 0
    bool rangeEndSet = false;
    bool rangeReady = false;
    bool timeStepActive = false;
    TimeMode timeMode = TimeMode::Personal;
    int timeRecordCount = 0; // shown in LblQpara

    bool operator==(const TimeEditState&) const = default;
};

} // namespace trajecta
