#include "platform/BlockPieces.h"

#include <algorithm>

namespace platform {

void BlockPieces::clear()
{
    blocks_ = 0;
    long_.clear();
}

void BlockPieces::addBlock() { ++blocks_; }

void BlockPieces::cutLast(Cut cut)
{
    const int last = blocks_ - 1;
    if (long_.empty() || long_.back().block != last)
        long_.push_back({last, long_.empty() ? 0 : long_.back().cutsUpTo(), {}});
    long_.back().cuts.push_back(std::move(cut));
}

int BlockPieces::count() const { return blocks_ + (long_.empty() ? 0 : long_.back().cutsUpTo()); }

int BlockPieces::firstPiece(int block) const
{
    const auto after = std::lower_bound(long_.begin(), long_.end(), block,
                                        [](const Long& l, int b) { return l.block < b; });
    return block + (after == long_.begin() ? 0 : std::prev(after)->cutsUpTo());
}

BlockPieces::Where BlockPieces::locate(int piece) const
{
    const auto after = std::upper_bound(long_.begin(), long_.end(), piece,
                                        [](int p, const Long& l) { return p < l.firstPiece(); });
    if (after == long_.begin())
        return {piece, 0};
    const Long& before = *std::prev(after);
    const int within = piece - before.firstPiece();
    if (within <= int(before.cuts.size()))
        return {before.block, within};
    return {piece - before.cutsUpTo(), 0};
}

BlockPieces::Span BlockPieces::span(Where where) const
{
    const auto found = std::lower_bound(long_.begin(), long_.end(), where.block,
                                        [](const Long& l, int b) { return l.block < b; });
    if (found == long_.end() || found->block != where.block)
        return {};
    const std::vector<Cut>& cuts = found->cuts;
    Span span;
    if (where.piece > 0) {
        span.from = cuts[size_t(where.piece - 1)].at;
        span.open = cuts[size_t(where.piece - 1)].open;
    }
    if (where.piece < int(cuts.size()))
        span.to = cuts[size_t(where.piece)].at;
    return span;
}

}  // namespace platform
