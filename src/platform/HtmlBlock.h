#pragma once
// One block of an HTML view as Qt's rich-text engine is given it.
#include "platform/BlockPieces.h"

#include <QString>
#include <QTextDocument>
#include <vector>

namespace platform {

// The HTML that is laid out for one fragment: each <img> is rewritten to
// the served picture (keeping its width and height, also when written in a
// browser's forgiving syntax such as "width=470; height=400;") or dropped
// when its address shows nothing; the one <br> that closes the fragment is
// dropped, since the block ends there anyway.
QString htmlForLayout(QStringView html);

// Where a fragment longer than a piece is cut, in bytes of its UTF-8, with
// the inline tags open at each cut; a tag weighs as four characters. A cut
// stands between two pieces of text or inline tags, never next to a line
// break (the whole would show a break there that the pieces copy without),
// nor before a blank (a piece drops the blanks it begins with): each piece
// then looks and copies as its part of the whole. A fragment with block tags
// is not cut: chat lines have none.
// opened holds the tags already open where the fragment begins ("<b><u>"),
// which the fragment may close.
std::vector<Cut> htmlCuts(QStringView html, QStringView opened = {});

// The inline tags left open after html, where opened were open before it,
// written as their opening tags in order.
QString openTagsAfter(QStringView opened, QStringView html);

// A block's document: its pictures come from the PictureStore, nothing
// else is ever loaded.
class HtmlBlockDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace platform
