#pragma once
// The colour pass of FormatoHTML.
#include <QString>

namespace Function {

struct ColourState {
    qint16 foreground = 0;
    qint16 background = 0;
    bool open = false;  // a colour tag is open
};

// Turns the colour codes of text into font tags, exactly as the pass that
// looks for each Chr(3) one place after the last one handled and replaces
// its code where it first occurs in the whole text. Costs n log n, also for
// texts full of stray Chr(3), where the code replaced is an earlier one.
void replaceColourCodes(QString& text, ColourState& state);

}  // namespace Function
