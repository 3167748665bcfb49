#include "platform/BlockStore.h"

#include <QStringEncoder>

#include <algorithm>
#include <cstring>

namespace platform {

namespace {
constexpr qsizetype chunkBytes = 256 * 1024;
constexpr size_t kUnpackedKept = 3;
}

void BlockStore::clear()
{
    chunks_.clear();
    starts_.clear();
    unpacked_.clear();
    size_ = 0;
}

void BlockStore::pack(Chunk& chunk)
{
    chunk.packed = qCompress(reinterpret_cast<const uchar*>(chunk.data.get()), chunk.size, 1);
    chunk.packed.squeeze();  // qCompress leaves room for the whole chunk: six times what it packs to
    chunk.data.reset();
    chunk.capacity = 0;
}

const char* BlockStore::chunkData(quint32 index) const
{
    const Chunk& chunk = chunks_[index];
    if (chunk.data)
        return chunk.data.get();
    for (size_t i = 0; i < unpacked_.size(); ++i)
        if (unpacked_[i].first == index) {
            std::rotate(unpacked_.begin(), unpacked_.begin() + qsizetype(i), unpacked_.begin() + qsizetype(i) + 1);
            return unpacked_.front().second.constData();
        }
    if (unpacked_.size() >= kUnpackedKept)
        unpacked_.pop_back();
    unpacked_.insert(unpacked_.begin(), {index, qUncompress(chunk.packed)});
    return unpacked_.front().second.constData();
}

void BlockStore::addChunk(qsizetype capacity, int firstBlock)
{
    chunks_.push_back({firstBlock, std::unique_ptr<char[]>(new char[size_t(capacity)]), 0, capacity, {}});
}

quint32 BlockStore::chunkOf(int block) const
{
    const auto after = std::upper_bound(chunks_.begin(), chunks_.end(), block,
                                        [](int b, const Chunk& c) { return b < c.firstBlock; });
    return quint32(after - chunks_.begin() - 1);
}

void BlockStore::startBlock()
{
    if (chunks_.empty())
        addChunk(chunkBytes, 0);
    starts_.push_back(quint32(chunks_.back().size));
}

// Where the next bytes of the open block go, with room for at least bytes.
char* BlockStore::roomFor(qsizetype bytes)
{
    Chunk* last = &chunks_.back();
    if (last->capacity - last->size < bytes) {
        // The open block moves whole to a new chunk.
        const qsizetype open = starts_.back();
        const qsizetype kept = last->size - open;
        addChunk(std::max(chunkBytes, kept + bytes), count() - 1);
        Chunk& old = chunks_[chunks_.size() - 2];
        last = &chunks_.back();
        std::memcpy(last->data.get(), old.data.get() + open, size_t(kept));
        last->size = kept;
        old.size = open;
        starts_.back() = 0;
        pack(old);
    }
    return last->data.get() + last->size;
}

void BlockStore::append(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return;
    std::memcpy(roomFor(utf8.size()), utf8.data(), size_t(utf8.size()));
    chunks_.back().size += utf8.size();
    size_ += utf8.size();
}

void BlockStore::append(QStringView text)
{
    if (text.isEmpty())
        return;
    // Encoded in place: no UTF-8 copy of the text is made first.
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    char* out = roomFor(utf8.requiredSpace(text.size()));
    const qsizetype written = utf8.appendToBuffer(out, text) - out;
    chunks_.back().size += written;
    size_ += written;
}

QByteArrayView BlockStore::bytes(int block) const
{
    const quint32 chunk = chunkOf(block);
    const qsizetype from = starts_[size_t(block)];
    const bool nextHere = chunk + 1 == chunks_.size() ? block + 1 < count() : block + 1 < chunks_[chunk + 1].firstBlock;
    const qsizetype to = nextHere ? qsizetype(starts_[size_t(block) + 1]) : chunks_[chunk].size;
    return QByteArrayView(chunkData(chunk) + from, to - from);
}

QString BlockStore::text(int block) const
{
    QByteArrayView b = bytes(block);
    if (b.endsWith('\n'))
        b.chop(1);
    return QString::fromUtf8(b);
}

QString BlockStore::all() const
{
    QByteArray whole;
    whole.reserve(size_);
    for (const Chunk& chunk : chunks_) {
        if (chunk.data)
            whole.append(chunk.data.get(), chunk.size);
        else
            whole.append(qUncompress(chunk.packed));
    }
    return QString::fromUtf8(whole);
}

qsizetype BlockStore::memoryUsed() const
{
    qsizetype used = qsizetype(starts_.memoryUsed() + chunks_.capacity() * sizeof(Chunk));
    for (const Chunk& chunk : chunks_)
        used += chunk.capacity + chunk.packed.capacity();
    for (const auto& u : unpacked_)
        used += u.second.capacity();
    return used;
}

}  // namespace platform
