#include "gui/FadeButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

// Runs the event loop until `done` holds or a second has passed.
template <typename Done> bool waitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

TEST(FadeButton, TheHighlightFadesInUnderThePointerAndOutWhenItLeaves) {
    FadeButton button;
    button.setText("Annuler");
    button.resize(100, 30);
    EXPECT_EQ(button.highlight(), 0);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.hot());
    EXPECT_LT(button.highlight(), 1) << "a fade, not a jump";
    ASSERT_TRUE(waitFor([&] { return button.highlight() > 0 && button.highlight() < 1; }));
    ASSERT_TRUE(waitFor([&] { return button.highlight() == 1; }));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.hot());
    ASSERT_TRUE(waitFor([&] { return button.highlight() == 0; }));
}

} // namespace
} // namespace trajecta
