#pragma once

#include "core/Context.h"
#include "core/KeypointSteps.h"
#include "core/ObjectTextRefresh.h"
#include "core/WorkGuard.h"
#include "host/ObjectText.h"

#include <optional>

namespace trajecta {

class Workflow;

// The host object: reading it from the clipboard, the keypoint list, writing
// the object back, and the four image buttons that start these exchanges.
//
// LbxAcquiClipboard only ever receives a text that passed the checks of its
// read: a refused text leaves the last accepted object in place (and
// objectAccepted as it was), so that "transfer only" and later writes still
// have a sound object to work on.
class HostExchange : public ObjectTextRefresh {
  public:
    HostExchange(Context& ctx, Workflow& workflow);
    // The keypoint steps, told of a new object read for the same path;
    // connected once by the session.
    void connect(TimeScreen& times, ParameterScreen& parameters) {
        times_ = &times;
        parameters_ = &parameters;
    }
    // What loading another object asks before the project in hand goes.
    void connect(WorkGuard& guard) { guard_ = &guard; }

    // The design size of the load panel PnlChargeObjetPte.
    static constexpr int loadPanelWidth = 250; // the size of the button picture
    static constexpr int loadPanelHeight = 54;

    // Reads the object on the clipboard. Accepted: the lines go to
    // LbxAcquiClipboard and the first keypoint time, slide offset and first
    // angle (and, with takeValues, the KeyPointDefaults) to the document; a
    // first time not counted from the slide's beginning is announced. A bad
    // time field in the PanSpeed line is announced here; a text that is not an
    // object is left for the caller to announce.
    ObjectRead::Status readObjectText(bool takeValues);
    // The same read from given lines (the built-in sample object).
    ObjectRead::Status readObjectLines(const QStringList& lines, bool takeValues);
    // LbxAcquiClipboard on the clipboard, every line ended by CR LF.
    void putObjectText();

    // LbxListeKP written anew: one 13-line block per sample point.
    void rebuildKeyPointList();
    // Only the Position (or Time) lines rewritten; a list that does not hold
    // one block per sample point is rebuilt instead.
    void refreshPositions() override;
    void refreshTimes();
    // Merges a keypoint list into LbxAcquiClipboard and puts it on the
    // clipboard; `mode` names the list written.
    // Refused with a beep (nothing changed) when the list does not hold one
    // block per keypoint or no object with a PanSpeed line is held.
    bool writeObjectText(const QStringList& source, WrittenList mode);
    // While the reversed path is in force and the keypoint list exists,
    // LbxKPinverse built again from the keypoint list and the times as they
    // stand. False, with the reason shown and LbxKPinverse left as it was,
    // when it cannot be built.
    bool refreshReversedPath();
    // The path in force on the clipboard: LbxKPinverse, built again, in mode 1
    // while the reversed path is in force, else LbxListeKP in mode 0.
    bool writePathInForce();

    // The main window's buttons and menu item.
    void ImgChargeObjetPte_HautClick(); // load a PTE object (step 0)
    void ImgTransfertSeul_HautClick();  // put the last object on the clipboard again
    void ImgNvlObjet_hautClick();       // give the keypoints to another copied object
    void ImgTransfertTotalHautClick();  // give LbxListeKP to the object copied again
    void ChargerExempleClick();         // load the built-in sample object
    // An object's lines loaded as the load button loads the clipboard's, the
    // work area sized and step 1 entered; false when they were not taken.
    // The two loads first ask the guard when the object would be taken.
    bool loadObject(const QStringList& lines);
    // Places the load panel in the middle of the window, a third from the top.
    void formActivate();

  private:
    ObjectRead::Status takeRead(const QStringList& lines, bool takeValues);
    bool loadFrom(const std::optional<QStringList>& lines);
    bool keyPointListComplete() const;
    void showTransferPanels();
    void pressLook(ImageId upper);

    Context& ctx_;
    Workflow& workflow_;
    TimeScreen* times_ = nullptr;
    ParameterScreen* parameters_ = nullptr;
    WorkGuard* guard_ = nullptr;
};

} // namespace trajecta
