#pragma once

#include <QRect>
#include <vector>

class QWidget;

namespace trajecta {

// The room a group needs at a given width: its height for that width when its
// captions wrap, never less than its minimum.
int heightAt(const QWidget* group, int width);
// The width a group needs: its preferred width, never less than its minimum.
int widthOf(const QWidget* group);

// Places groups in a region of the window, top to bottom in sub-columns of
// equal width, as many as the region's width holds at `columnWidth` each. A
// group takes the width of its sub-column, or of as many neighbouring
// sub-columns as its own width needs; nothing is placed over another.
class RegionFlow {
  public:
    struct Placed {
        QWidget* group;
        QRect place; // in the region
    };

    RegionFlow(const QSize& region, int columnWidth);

    // In reading order: below the last group placed, else at the top of a
    // later sub-column. A group that fits nowhere goes below the last one
    // (the region scrolls to it); returns false then.
    bool placeInOrder(QWidget* group);
    // In the first sub-column from the left where it fits whole; false, and
    // nothing placed, when there is none.
    bool placeWhereItFits(QWidget* group);

    const std::vector<Placed>& placed() const { return placed_; }
    // What the placed groups cover, with the margins.
    QSize contentSize() const;

    static constexpr int margin = 4;
    static constexpr int spacing = 4;

  private:
    int spanFor(const QWidget* group) const;
    int widthOfSpan(int span) const;
    int topOf(int first, int span) const;
    void put(QWidget* group, int first, int span);

    QSize region_;
    int columnWidth_ = 0;
    std::vector<int> bottoms_; // the first free y of each sub-column
    int current_ = 0;          // the sub-column placeInOrder fills
    std::vector<Placed> placed_;
};

// Places groups side by side at their own size, from the left, in as many rows
// as the band's height holds. Groups that find no room are left out, in order.
std::vector<QWidget*> flowBand(const std::vector<QWidget*>& groups, const QSize& band,
                               std::vector<RegionFlow::Placed>& placed);

// Where the groups of the band and of the right region stand, in each region.
struct RegionPlaces {
    std::vector<RegionFlow::Placed> band, right;
    QSize bandContent, rightContent; // with the margins
};

// The column's groups flow in the right region (`columnWidth` the least width
// of its sub-columns), the band's stand side by side in the band. The band
// groups the band cannot hold go to the right region where they fit whole:
// of the ways to share them, the first that leaves nothing out, moving the
// fewest groups, the last ones first. When there is none, what fits nowhere
// stays in the band after the others (the band scrolls to it). A right region
// that must scroll gives its scroll bar, `scrollBar` wide, the room it takes.
RegionPlaces placeInRegions(const std::vector<QWidget*>& column, const std::vector<QWidget*>& band,
                            const QSize& bandSize, const QSize& rightSize, int columnWidth, int scrollBar);

} // namespace trajecta
