#pragma once
// One block of an HTML view as Qt's rich-text engine is given it.
#include <QString>
#include <QTextDocument>

namespace platform {

// The HTML that is laid out for one fragment: each <img> is rewritten to
// the served picture (keeping its width and height, also when written in a
// browser's forgiving syntax such as "width=470; height=400;") or dropped
// when its address shows nothing; the one <br> that closes the fragment is
// dropped, since the block ends there anyway.
QString htmlForLayout(QStringView html);

// A block's document: its pictures come from the PictureStore, nothing
// else is ever loaded.
class HtmlBlockDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace platform
