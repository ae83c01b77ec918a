#include "app/CurveApply.h"

#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "core/LayoutSizes.h"
#include "curvefile/CurveFileCheck.h"
#include "document/ControlIds.h"

#include <QRegularExpression>

namespace trajecta {

namespace {

// A window whose work area, for the recorded format, is exactly the recorded
// size: a wide window, where the height decides, then a narrow one, where the
// width decides. A size that no window gives keeps the narrow one, and the
// curve is rescaled by at most a pixel.
void fitWindow(Session& session, const RecordedCurve& curve) {
    const ControlState& formats = session.controls().get(ids::RdgChoixEcran);
    const int item = formatItem(formats.items, curve.formatName, curve.width, curve.height);
    ShellState shell = session.document().shell;
    const int side = shell.singleWindowLayout ? rightColumnWidth : 0;
    const int below = shell.singleWindowLayout ? bottomBandHeight : messageHeight;
    for (const int extra : {curve.width, 0}) {
        shell.clientWidth = curve.width + side + extra;
        shell.clientHeight = curve.height + below;
        if (workAreaSize(item, shell) == QSize(curve.width, curve.height)) break;
    }
    session.setClientSize(shell.clientWidth, shell.clientHeight);
}

} // namespace

AppliedCurve applyCurve(const QStringList& curveLines, const QString& objectText) {
    ScriptedServices fakes;
    fakes.separator = QLatin1Char('.');
    fakes.setValue(QStringLiteral("parametres"), QStringLiteral("Langue"), QStringLiteral("1"));
    Session session(fakes.services());
    // The window is fitted before the object is read: the work area keeps the
    // size it was given when the object was read, for the same format.
    const CheckedCurveFile checked = checkCurveFile(curveLines, 0);
    if (!checked.error) fitWindow(session, checked.content.curve);
    fakes.clipboardText = objectText;
    session.controls().userClick(ids::ImgChargeObjetPte_Haut);
    if (!session.document().host.objectAccepted || session.document().workflow.currentStep != Step::Format) {
        // The messages the window would have shown, without the script driver's answer marks.
        static const QRegularExpression shown(QStringLiteral("^message: (.*) \\[[^\\]]*\\] -> \\w+$"));
        QStringList messages;
        for (const QString& line : fakes.log)
            messages << QString(line).replace(shown, QStringLiteral("\\1"));
        return {{},
                messages.isEmpty() ? QStringLiteral("not a PTE object")
                                   : messages.join(QStringLiteral("; "))};
    }

    const QString error = session.curveFile().loadLines(curveLines);
    if (!error.isEmpty()) {
        QString oneLine = error;
        oneLine.replace(QLatin1Char('\n'), QStringLiteral(": "));
        return {{}, oneLine};
    }
    return {fakes.clipboardText.value_or(QString()), {}};
}

} // namespace trajecta
