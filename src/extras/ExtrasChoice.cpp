#include "extras/ExtrasChoice.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace trajecta {

DeletionView deletionView(int sampleCount, int atStart, int atEnd, int barWidth) {
    DeletionView view;
    const int n = std::max(sampleCount, 0);
    view.startMax = std::max(0, n - atEnd - 1);
    view.endMax = std::max(0, n - atStart - 1);
    view.keptCount = n - atStart - atEnd;
    view.keptText = QStringLiteral("%1 / %2").arg(view.keptCount).arg(n);
    // The share is taken in extended precision and truncated, as the bar
    // always was; an empty curve shows no marks.
    const auto share = [&](int count) {
        return n == 0 ? 0 : static_cast<int>(std::trunc(Extended(count) / n * barWidth));
    };
    view.startMarkWidth = share(atStart);
    view.endMarkWidth = share(atEnd);
    view.endMarkLeft = barWidth - view.endMarkWidth;
    return view;
}

std::optional<KeptTimes> keptTimes(const std::vector<int>& gaps, int atStart, int atEnd, bool reversed,
                                   bool retime) {
    const int n = static_cast<int>(gaps.size());
    if (atStart < 0 || atEnd < 0 || atStart + atEnd >= n) return std::nullopt;
    KeptTimes times;
    times.first = gaps[0];
    for (int b = 1; b <= atStart; ++b)
        times.first += gapBefore(gaps, b, reversed);
    times.retimeOffset = atStart > 0 && retime ? times.first - gaps[0] : 0;
    times.last = times.first;
    for (int b = atStart + 1; b < n - atEnd; ++b)
        times.last += gapBefore(gaps, b, reversed);
    return times;
}

ExtrasApplied applyExtras(const ExtrasMemory& memory, const QStringList& keypoints,
                          const QStringList& reversed, const std::vector<int>& gaps,
                          const ExtrasChoice& choice, QChar decimalSeparator) {
    ExtrasApplied out;
    out.memory = memory;
    out.reversed = reversed;
    const auto refuse = [&](ListFault fault, int block = -1, const QString& badText = QString()) {
        ExtrasApplied refused;
        refused.fault = fault;
        refused.block = block;
        refused.badText = badText;
        refused.memory = memory;
        refused.reversed = reversed;
        return refused;
    };
    if (!oneBlockPerKeypoint(keypoints, gaps)) return refuse(ListFault::NotOneBlockPerKeypoint);

    out.memory.reversedActive = choice.reverse;
    if (choice.reverse) {
        const bool turnOnly = memory.reversedActive && oneBlockPerKeypoint(reversed, gaps);
        ListResult result;
        if (!turnOnly)
            result = reverseKeypoints(keypoints, gaps, choice.turnOver, decimalSeparator);
        else if (memory.turnedOver != choice.turnOver)
            result = addToAngles(reversed, choice.turnOver ? 180 : -180, decimalSeparator);
        else
            result.lines = reversed;
        // A bad angle is named by its keypoint in the keypoint list, the order the user edited it in.
        if (!result.ok() && turnOnly) result.block = static_cast<int>(gaps.size()) - 1 - result.block;
        if (!result.ok()) return refuse(result.fault, result.block, result.badText);
        out.reversed = std::move(result.lines);
        out.memory.turnedOver = choice.turnOver;
    }

    const int n = static_cast<int>(gaps.size());
    out.keptCount = n;
    out.mode = choice.reverse ? WrittenList::Reversed : WrittenList::Keypoints;
    if (choice.deleteKeypoints) {
        const QStringList& source = out.memory.reversedActive ? out.reversed : keypoints;
        ListResult kept =
            keepBlocks(source, gaps, choice.atStart, choice.atEnd, choice.retime, out.memory.reversedActive);
        if (!kept.ok()) return refuse(kept.fault);
        out.partial = std::move(kept.lines);
        out.keptCount = n - choice.atStart - choice.atEnd;
        out.mode = WrittenList::Partial;
    }
    return out;
}

} // namespace trajecta
