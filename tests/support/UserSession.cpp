#include "support/UserSession.h"

namespace trajecta {

namespace {

FakeServices& fixed(FakeServices& fakes) {
    fakes.today = QDate(2026, 12, 8);
    fakes.separator = QLatin1Char(',');
    return fakes;
}

} // namespace

UserSession::UserSession(QSize window) : windowSize(window), session(fixed(fakes).services()) {
    session.setClientSize(window.width(), window.height());
    script << QStringLiteral("window %1 %2").arg(window.width()).arg(window.height());
}

bool UserSession::took(bool done) {
    if (!done) refused << script.last();
    return done;
}

bool UserSession::click(const QString& name) {
    script << QStringLiteral("click ") + name;
    return took(c().userClick(name));
}

bool UserSession::set(const QString& name, int value) {
    script << QStringLiteral("set %1 %2").arg(name).arg(value);
    switch (c().get(name).kind) {
    case ControlKind::Slider:
        return took(c().userSetPosition(name, value));
    case ControlKind::RadioGroup:
        return took(c().userSetItemIndex(name, value));
    default:
        return took(c().userSetChecked(name, value != 0));
    }
}

bool UserSession::type(const QString& name, const QString& text) {
    script << QStringLiteral("type %1 %2").arg(name, text);
    return took(c().userType(name, text));
}

void UserSession::mouse(MouseAction action, QPoint p, bool left) {
    c().userMouse(QStringLiteral("ImgDessin"), MouseEvent{action, p.x(), p.y(), left});
}

void UserSession::clickAt(QPoint p) {
    script << QStringLiteral("mouse click %1 %2").arg(p.x()).arg(p.y());
    mouse(MouseAction::Move, p, false);
    mouse(MouseAction::Down, p, true);
    mouse(MouseAction::Up, p, true);
    mouse(MouseAction::Click, p, true);
}

void UserSession::drag(QPoint from, QPoint to) {
    script << QStringLiteral("mouse move %1 %2").arg(from.x()).arg(from.y())
           << QStringLiteral("mouse down %1 %2").arg(from.x()).arg(from.y())
           << QStringLiteral("mouse move %1 %2").arg(to.x()).arg(to.y())
           << QStringLiteral("mouse up %1 %2").arg(to.x()).arg(to.y());
    mouse(MouseAction::Move, from, false);
    mouse(MouseAction::Down, from, true);
    mouse(MouseAction::Move, to, true);
    mouse(MouseAction::Up, to, true);
}

void UserSession::answer(const QString& text) {
    script << QStringLiteral("answer ") + text;
    fakes.answers.push_back(text);
}

bool UserSession::loadObject(const QString& text) {
    script << QStringLiteral("clipboard set OBJECT");
    fakes.clipboardText = text;
    return click(QStringLiteral("ImgChargeObjetPte_Haut"));
}

bool UserSession::readNewObject(const QString& text) {
    script << QStringLiteral("clipboard set OBJECT2");
    fakes.clipboardText = text;
    return click(QStringLiteral("ImgNvlObjet_haut"));
}

} // namespace trajecta
