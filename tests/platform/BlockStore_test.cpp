// The block store keeps every block exactly, also once its chunk is packed.
#include "QtPrinters.h"
#include "platform/BlockStore.h"

#include <QStringList>
#include <gtest/gtest.h>

using platform::BlockStore;

TEST(BlockStore, BlocksReadBackExactlyAcrossPackedChunks)
{
    BlockStore store;
    QStringList expected;
    QString all;
    // About 1.5 MiB: several full chunks get packed on the way.
    for (int i = 0; i < 12000; ++i) {
        const QString block = QStringLiteral("<b> nick%1 :</B>  línea número %1 ").arg(i) + QString(i % 97, u'x') +
                              QStringLiteral("</font></b></u><br>");
        store.startBlock();
        store.append(block);
        store.append(QByteArrayView("\n"));
        expected << block;
        all += block + u'\n';
    }
    ASSERT_EQ(store.count(), 12000);
    EXPECT_LT(store.memoryUsed(), all.toUtf8().size() / 2) << "full chunks are kept packed";
    // Read out of order, so chunks are unpacked again and again.
    for (int i : {0, 11999, 5, 6000, 1, 11000, 3000, 2, 7777})
        EXPECT_EQ(store.text(i), expected[i]) << i;
    EXPECT_EQ(store.all(), all);
}

// A block that outgrows its chunk moves whole to a chunk of its own; the
// blocks before it stay where they were, also when there are none.
TEST(BlockStore, ABlockLargerThanAChunkStaysWhole)
{
    const QString big(600 * 1024, u'z');
    const std::vector<QStringList> cases = {
        {QStringLiteral("corto"), big, QStringLiteral("fin")},
        {big, QStringLiteral("fin")},
        {QStringLiteral("corto"), QString(), big, QString(), big},
    };
    for (const QStringList& blocks : cases) {
        BlockStore store;
        for (const QString& block : blocks) {
            store.startBlock();
            store.append(QStringView(block).left(1000));
            store.append(QStringView(block).mid(1000));
        }
        ASSERT_EQ(store.count(), blocks.size());
        for (int i = 0; i < store.count(); ++i)
            EXPECT_EQ(store.text(i).size(), blocks[i].size()) << i;
        EXPECT_EQ(store.all(), blocks.join(QString()));
    }
}
