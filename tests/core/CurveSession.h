#pragma once

#include "app/Session.h"
#include "support/FakeServices.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <QDate>
#include <initializer_list>

namespace trajecta {

// A session whose main window leaves a 1280 × 720 work area for the 16/9
// format, brought to step 1 as loading a host object does, with the date and
// the decimal separator fixed so that records are stable.
class CurveSession : public ::testing::Test {
  protected:
    void SetUp() override {
        fakes.today = QDate(2026, 12, 8);
        fakes.separator = QLatin1Char(',');
        session.setClientSize(1501, 960);
        workflow().createCurve();
        workflow().enterFormatStep();
        // A project begins here, with nothing to save yet.
        session.keeper().nothingUnsaved();
    }

    CurveDocument& doc() { return session.document(); }
    Controls& controls() { return session.controls(); }
    Workflow& workflow() { return session.workflow(); }
    std::uint32_t at(int x, int y) { return bgrAt(session.workPicture(), x, y); }

    // A user's click on a control; fails the test when a person could not reach it.
    void click(const QString& name) { ASSERT_TRUE(controls().userClick(name)) << name.toStdString(); }
    bool mouse(MouseAction action, int x, int y, bool left = true) {
        return controls().userMouse("ImgDessin", MouseEvent{action, x, y, left});
    }
    // A click in the work area, as a mouse delivers it.
    void clickAt(int x, int y) {
        mouse(MouseAction::Move, x, y, false);
        mouse(MouseAction::Down, x, y);
        mouse(MouseAction::Up, x, y);
        mouse(MouseAction::Click, x, y);
    }
    void drag(QPoint from, QPoint to) {
        mouse(MouseAction::Move, from.x(), from.y(), false);
        mouse(MouseAction::Down, from.x(), from.y());
        mouse(MouseAction::Move, to.x(), to.y());
        mouse(MouseAction::Up, to.x(), to.y());
    }
    void create() { click("LbCreation"); }
    // The sample host object read and a straight part from (100, 300) to
    // (700, 300) finished into 21 keypoints: the time step.
    void finishStraightCurve() {
        ASSERT_EQ(session.host().readObjectLines(testDataLines("host_object_in.txt"), true),
                  ObjectRead::Status::Accepted);
        create();
        mark({{100, 300}, {300, 300}, {500, 300}, {700, 300}});
        click("LblStopMarquage");
        click("LblOKcourbe");
        ASSERT_EQ(doc().curve.sampleCount, 21);
    }
    void mark(std::initializer_list<QPoint> points) {
        for (const QPoint& p : points)
            clickAt(p.x(), p.y());
    }
    // n points along a zigzag that stays inside the work area.
    void markMany(int n) {
        for (int i = 0; i < n; ++i)
            clickAt(40 + 24 * i, i % 2 == 0 ? 200 : 400);
    }
    QPoint point(int i) { return doc().curve.controlPoints[static_cast<size_t>(i)]; }

    FakeServices fakes;
    Session session{fakes.services()};
};

} // namespace trajecta
