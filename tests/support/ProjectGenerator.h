#pragma once

#include "support/UserSession.h"

#include <functional>
#include <random>

namespace trajecta {

// Seeded whole projects made as a user makes them: a curve of one to four
// parts with its sample counts, closing, a dragged handle and a frame, then
// every kind of record the program writes. In step 4: first keypoint times
// (recorded alone or left pending), ranges re-recorded over earlier ones with
// either end text left as loaded, both fills, and the four presets; in step 5:
// all nine parameters, zoom Y and centre Y alone with "Egaux" cleared, ties,
// 3D, and rotation with the tangent and either zero.
class ProjectGenerator {
  public:
    ProjectGenerator(unsigned seed, UserSession& user);

    // The window of the session to build the project in.
    static QSize windowFor(unsigned seed);
    // The host object of the project: the sample one, or for some seeds one
    // whose zoom and centre are equal in X and Y.
    static QString objectFor(unsigned seed);
    // The seeds of a run: `count` from 0, or for a soak as many as the
    // environment variable `countName` says from the one `firstName` says.
    static std::vector<unsigned> seeds(const char* firstName, const char* countName, unsigned count);

    // Builds the project from the loaded object; `recorded` runs after every
    // record, in step 4 or 5, and may leave and come back to that step.
    void build(const std::function<void()>& recorded);

    // The Extras of a finished project, chosen at random: a reversed or
    // turned path, keypoints deleted at either end, re-timed. `apply` gives
    // the same choices to any session in step 6.
    struct ExtrasChoices {
        bool reverse = false;
        int turn = 0;
        bool remove = false;
        int atStart = 0, atEnd = 0;
        bool retime = false;
        void apply(UserSession& u) const;
    };
    ExtrasChoices extras();

  private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    void drawCurve();
    void firstTime();
    void timeRange();
    void preset();
    void chooseRange(int first, int last);
    void parameterRecord();
    void tickPair(int xIndex, const QString& tie);
    void tick(int index);
    QString number(bool negative, bool positive, int hi);
    void slide(const QString& name);

    UserSession& u_;
    std::mt19937 random_;
};

// The faults of a project in step 6: where its labels, fields, records,
// keypoint list and object disagree; where saving and loading it again in a
// fresh window of the same size gives another keypoint list or object, or
// (with `rescaled`) in windows of other sizes other times; and where applying
// the saved file to the object without a window gives another object.
// `objectIn` is the loaded object's text, `path` a file the project may be
// saved to. With `newObject`, the project was given that object with "nouvel
// objet" in step 6: the fresh window does the same after the load, and the
// window-free apply, which knows one object, is left out.
QStringList finishedProjectFaults(UserSession& u, const QString& objectIn, const QString& path, bool rescaled,
                                  const QString& newObject = {});

// The faults of Extras applied with `choices` to a project in step 6: the
// object's keypoints are not the kept ones, numbered in order with rising
// times, or the project saved, loaded again and given the same choices puts
// another object on the clipboard.
QStringList extrasFaults(UserSession& u, const ProjectGenerator::ExtrasChoices& choices,
                         const QString& objectIn, const QString& path);

} // namespace trajecta
