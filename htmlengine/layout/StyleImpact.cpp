#include "htmlengine/layout/StyleImpact.h"

namespace htmlengine {

namespace {

bool SameBoxes(const ComputedStyle& a, const ComputedStyle& b)
{
    return a.display == b.display && a.position == b.position && a.floating == b.floating &&
           a.whiteSpace == b.whiteSpace && a.textTransform == b.textTransform && a.Scrolls() == b.Scrolls() &&
           (a.opacity < 1) == (b.opacity < 1) && a.zIndexAuto == b.zIndexAuto;
}

bool SameEdges(const ComputedStyle& a, const ComputedStyle& b)
{
    for (int side = 0; side < 4; ++side)
        if (a.offsets[side] != b.offsets[side] || a.margin[side] != b.margin[side] ||
            a.padding[side] != b.padding[side] || a.border[side].width != b.border[side].width)
            return false;
    return true;
}

bool SameSizes(const ComputedStyle& a, const ComputedStyle& b)
{
    return a.width == b.width && a.height == b.height && a.minWidth == b.minWidth && a.minHeight == b.minHeight &&
           a.maxWidth == b.maxWidth && a.maxHeight == b.maxHeight && a.boxSizing == b.boxSizing && a.clear == b.clear &&
           a.overflowX == b.overflowX && a.overflowY == b.overflowY && a.zIndex == b.zIndex;
}

bool SameText(const ComputedStyle& a, const ComputedStyle& b)
{
    return a.font == b.font && a.textAlign == b.textAlign && a.textOverflow == b.textOverflow &&
           a.lineHeight.kind == b.lineHeight.kind && a.lineHeight.value == b.lineHeight.value &&
           a.verticalAlign == b.verticalAlign && a.verticalOffset == b.verticalOffset &&
           a.listStyleType == b.listStyleType;
}

bool SameTablesAndFlex(const ComputedStyle& a, const ComputedStyle& b)
{
    return a.borderCollapse == b.borderCollapse && a.borderSpacingX == b.borderSpacingX &&
           a.borderSpacingY == b.borderSpacingY && a.flexDirection == b.flexDirection && a.flexGrow == b.flexGrow &&
           a.flexShrink == b.flexShrink && a.flexBasis == b.flexBasis && a.justifyContent == b.justifyContent &&
           a.alignItems == b.alignItems && a.alignSelf == b.alignSelf && a.rowGap == b.rowGap &&
           a.columnGap == b.columnGap;
}

}  // namespace

StyleImpact ImpactOf(const ComputedStyle& before, const ComputedStyle& after)
{
    if (&before == &after)
        return StyleImpact::None;
    if (!SameBoxes(before, after))
        return StyleImpact::Rebuild;
    if (!SameEdges(before, after) || !SameSizes(before, after) || !SameText(before, after) ||
        !SameTablesAndFlex(before, after))
        return StyleImpact::Layout;
    return StyleImpact::Paint;
}

}  // namespace htmlengine
