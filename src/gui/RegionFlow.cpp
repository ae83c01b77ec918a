#include "gui/RegionFlow.h"

#include <QWidget>
#include <algorithm>
#include <bit>
#include <optional>

namespace trajecta {

int heightAt(const QWidget* group, int width) {
    const int wanted = group->hasHeightForWidth() ? group->heightForWidth(width) : group->sizeHint().height();
    return std::max(wanted, group->minimumSizeHint().height());
}

int widthOf(const QWidget* group) {
    return std::max(group->sizeHint().width(), group->minimumSizeHint().width());
}

RegionFlow::RegionFlow(const QSize& region, int columnWidth) : region_(region) {
    const int usable = std::max(0, region.width() - 2 * margin);
    const int count = std::max(1, (usable + spacing) / (std::max(1, columnWidth) + spacing));
    columnWidth_ = std::max(0, (usable - (count - 1) * spacing) / count);
    bottoms_.assign(static_cast<size_t>(count), margin);
}

int RegionFlow::spanFor(const QWidget* group) const {
    const int needed = group->minimumSizeHint().width();
    int span = 1;
    while (span < int(bottoms_.size()) && widthOfSpan(span) < needed)
        ++span;
    return span;
}

int RegionFlow::widthOfSpan(int span) const {
    return span * columnWidth_ + (span - 1) * spacing;
}

int RegionFlow::topOf(int first, int span) const {
    return *std::max_element(bottoms_.begin() + first, bottoms_.begin() + first + span);
}

void RegionFlow::put(QWidget* group, int first, int span) {
    const int width = std::max(widthOfSpan(span), group->minimumSizeHint().width());
    const QRect place(margin + first * (columnWidth_ + spacing), topOf(first, span), width,
                      heightAt(group, width));
    placed_.push_back({group, place});
    for (int c = first; c < first + span; ++c)
        bottoms_[static_cast<size_t>(c)] = place.bottom() + 1 + spacing;
}

bool RegionFlow::placeInOrder(QWidget* group) {
    const int span = spanFor(group);
    const int height = heightAt(group, widthOfSpan(span));
    const int last = std::max(0, int(bottoms_.size()) - span);
    for (int c = std::min(current_, last); c <= last; ++c)
        if (topOf(c, span) + height <= region_.height() - margin) {
            current_ = c;
            put(group, c, span);
            return true;
        }
    current_ = std::min(current_, last);
    put(group, current_, span);
    return false;
}

bool RegionFlow::placeWhereItFits(QWidget* group) {
    const int span = spanFor(group);
    if (widthOfSpan(span) < group->minimumSizeHint().width()) return false;
    const int height = heightAt(group, widthOfSpan(span));
    for (int c = 0; c + span <= int(bottoms_.size()); ++c)
        if (topOf(c, span) + height <= region_.height() - margin) {
            put(group, c, span);
            return true;
        }
    return false;
}

QSize RegionFlow::contentSize() const {
    QSize size(0, 0);
    for (const Placed& p : placed_)
        size = size.expandedTo(QSize(p.place.right() + 1 + margin, p.place.bottom() + 1 + margin));
    return size;
}

std::vector<QWidget*> flowBand(const std::vector<QWidget*>& groups, const QSize& band,
                               std::vector<RegionFlow::Placed>& placed) {
    constexpr int margin = RegionFlow::margin, top = 2, gap = 6;
    std::vector<QWidget*> left;
    int x = margin, y = top, rowHeight = 0;
    for (QWidget* group : groups) {
        const QSize size(widthOf(group), heightAt(group, widthOf(group)));
        QPoint at(x, y);
        if (x > margin && x + size.width() > band.width() - margin) at = QPoint(margin, y + rowHeight + gap);
        if (at.x() + size.width() > band.width() - margin ||
            at.y() + size.height() > band.height() - margin) {
            left.push_back(group);
            continue;
        }
        if (at.y() != y) rowHeight = 0;
        placed.push_back({group, QRect(at, size)});
        x = at.x() + size.width() + gap;
        y = at.y();
        rowHeight = std::max(rowHeight, size.height());
    }
    return left;
}

namespace {

QSize extent(const std::vector<RegionFlow::Placed>& placed) {
    QSize size(0, 0);
    for (const RegionFlow::Placed& p : placed)
        size = size.expandedTo(QSize(p.place.right() + 1, p.place.bottom() + 1));
    return size;
}

// One way to share the band's groups: those of `moved` (a bit per group) go
// to the right region. Empty when a group finds no room.
std::optional<RegionPlaces> tryShare(const std::vector<QWidget*>& column, const std::vector<QWidget*>& band,
                                     unsigned moved, const QSize& bandSize, const QSize& rightSize,
                                     int columnWidth) {
    std::vector<QWidget*> stay, go;
    for (size_t i = 0; i < band.size(); ++i)
        (moved >> i & 1U ? go : stay).push_back(band[i]);
    RegionPlaces places;
    if (!flowBand(stay, bandSize, places.band).empty()) return std::nullopt;
    RegionFlow right(rightSize, columnWidth);
    for (QWidget* group : column)
        right.placeInOrder(group);
    for (QWidget* group : go)
        if (!right.placeWhereItFits(group)) return std::nullopt;
    places.right = right.placed();
    places.rightContent = right.contentSize();
    return places;
}

// Keeps in order what the band holds, the rest goes to the right region where
// it fits, and what fits nowhere follows in the band.
RegionPlaces shareInOrder(const std::vector<QWidget*>& column, const std::vector<QWidget*>& band,
                          const QSize& bandSize, const QSize& rightSize, int columnWidth) {
    RegionPlaces places;
    const std::vector<QWidget*> left = flowBand(band, bandSize, places.band);
    RegionFlow right(rightSize, columnWidth);
    for (QWidget* group : column)
        right.placeInOrder(group);
    for (QWidget* group : left)
        if (!right.placeWhereItFits(group)) {
            const QPoint at(extent(places.band).width() + RegionFlow::margin, 2);
            places.band.push_back({group, QRect(at, QSize(widthOf(group), heightAt(group, widthOf(group))))});
        }
    places.right = right.placed();
    places.rightContent = right.contentSize();
    return places;
}

RegionPlaces shareAt(const std::vector<QWidget*>& column, const std::vector<QWidget*>& band,
                     const QSize& bandSize, const QSize& rightSize, int columnWidth) {
    constexpr size_t mostTried = 8;
    if (band.size() <= mostTried) {
        std::vector<unsigned> ways(size_t(1) << band.size());
        for (unsigned i = 0; i < ways.size(); ++i)
            ways[i] = i;
        std::stable_sort(ways.begin(), ways.end(), [](unsigned a, unsigned b) {
            const int ca = std::popcount(a), cb = std::popcount(b);
            return ca != cb ? ca < cb : a > b;
        });
        for (unsigned moved : ways)
            if (auto places = tryShare(column, band, moved, bandSize, rightSize, columnWidth)) return *places;
    }
    return shareInOrder(column, band, bandSize, rightSize, columnWidth);
}

} // namespace

RegionPlaces placeInRegions(const std::vector<QWidget*>& column, const std::vector<QWidget*>& band,
                            const QSize& bandSize, const QSize& rightSize, int columnWidth, int scrollBar) {
    RegionPlaces places = shareAt(column, band, bandSize, rightSize, columnWidth);
    if (places.rightContent.height() > rightSize.height())
        places = shareAt(column, band, bandSize, rightSize - QSize(scrollBar, 0), columnWidth);
    places.bandContent = extent(places.band) + QSize(RegionFlow::margin, RegionFlow::margin);
    return places;
}

} // namespace trajecta
