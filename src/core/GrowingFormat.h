#pragma once
// FormatoHTML over a text that only grows at its end, rendered a piece at a
// time: the HTML of everything so far is always the HTML of each piece in
// turn followed by closing(), exactly what FormatoHTML gives for the whole.
//
// A piece can be rendered on its own when no pass of FormatoHTML reaches
// across the place where it joins the text before it. That holds when the
// text before ends in "<br>" and the piece begins with Chr(2): no emoticon
// or list-picture code can span "<br>" followed by Chr(2). The colour pass
// also replaces the first matching Chr(3) of the whole text, which lies in
// the piece unless an earlier piece kept a Chr(3) it could not read; then
// the whole text is rendered again.
#include "core/Function.h"

#include <QString>

class GrowingFormat {
public:
    // Whether piece can be rendered on its own after what came before.
    bool continues(const QString& piece) const;
    // The HTML of piece after everything added so far (continues() must hold).
    QString add(QString piece);
    // The HTML of the whole text, which replaces everything added so far.
    QString restart(QString whole);
    // The closing tags that end the HTML of everything so far.
    QString closing() const { return Function::ClosingTags(state_); }

private:
    Function::FormatState state_;
    bool atWall_ = true;         // the text so far is empty or ends in "<br>"
    bool strayColour_ = false;   // its HTML keeps a Chr(3)
};
