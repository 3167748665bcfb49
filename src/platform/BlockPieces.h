#pragma once
// Long blocks shown in pieces. Qt lays out a paragraph whole, and a line of
// a megabyte takes it a second or more (the square of its length when it
// offers no place to break). A block longer than a piece is cut into
// pieces that are laid out one by one, so showing it costs only the pieces
// on screen. Most blocks are one piece, and cost nothing here.
#include <QString>
#include <vector>

namespace platform {

// About how long a piece is, in characters or bytes of the source.
constexpr qsizetype kPieceLength = 8192;

// Where a piece begins in its block's bytes, and what it needs before it to
// look as it does in the whole block (the HTML tags open there).
struct Cut {
    qsizetype at;
    QString open;
};

class BlockPieces {
public:
    struct Where {
        int block;
        int piece;  // 0 for the first piece of its block
    };
    // A piece's bytes in its block: from, to (-1: the block's end), and
    // what goes before them.
    struct Span {
        qsizetype from = 0;
        qsizetype to = -1;
        QString open;
    };

    void clear();
    void addBlock();
    // The last block gets one more piece, which begins at cut.
    void cutLast(Cut cut);

    int count() const;  // the pieces of all blocks
    int firstPiece(int block) const;
    Where locate(int piece) const;
    Span span(Where where) const;

private:
    struct Long {
        int block;
        int cutsBefore;  // the cuts of all long blocks before this one
        std::vector<Cut> cuts;
        int firstPiece() const { return block + cutsBefore; }
        int cutsUpTo() const { return cutsBefore + int(cuts.size()); }
    };
    int blocks_ = 0;
    std::vector<Long> long_;  // the blocks of more than one piece, in order
};

}  // namespace platform
