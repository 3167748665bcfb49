#pragma once
// Text cut into blocks, kept as UTF-8 in large chunks beside where each
// block starts in its chunk: four bytes per block beyond the text itself. Appending
// costs the same however much is stored, and the text is never copied to a
// bigger buffer as it grows (which would double the peak memory). A block
// always lies whole in one chunk. A full chunk is kept compressed (chat
// HTML packs about six to one) and unpacked again when one of its blocks is
// read; the last chunks read stay unpacked.
#include <QByteArray>
#include <QByteArrayView>
#include "platform/PagedArray.h"

#include <QString>
#include <memory>
#include <vector>

namespace platform {

class BlockStore {
public:
    int count() const { return int(starts_.size()); }
    void clear();

    // Opens a new block at the end; what is appended next belongs to it.
    void startBlock();
    // Appends to the last block.
    void append(QByteArrayView utf8);
    void append(QStringView text);

    // A block as stored, with the line end that closes it, if any.
    QByteArrayView bytes(int block) const;
    // A block without the one "\n" that closes it.
    QString text(int block) const;
    // Everything, line ends included.
    QString all() const;
    qsizetype size() const { return size_; }
    qsizetype memoryUsed() const;

private:
    struct Chunk {
        int firstBlock;  // the blocks from here to the next chunk's first lie in it
        std::unique_ptr<char[]> data;  // null once packed
        qsizetype size = 0;
        qsizetype capacity = 0;
        QByteArray packed;
    };
    void addChunk(qsizetype capacity, int firstBlock);
    quint32 chunkOf(int block) const;
    char* roomFor(qsizetype bytes);
    static void pack(Chunk& chunk);
    // The bytes of a chunk, unpacked if need be.
    const char* chunkData(quint32 chunk) const;

    std::vector<Chunk> chunks_;
    PagedArray<quint32> starts_;  // where each block starts in its chunk
    qsizetype size_ = 0;
    // The chunks unpacked last, most recent first.
    mutable std::vector<std::pair<quint32, QByteArray>> unpacked_;
};

}  // namespace platform
