#pragma once
// How the dispatcher reads one received line. Pure: no state, no windows.
//
// In: the line as the server sent it, without CR and LF.
// Out: for a line that starts with ":", the sender (from after the ":" up
// to the first "!", or up to the first blank when no "!" comes before it)
// and the body (everything after the first blank); when the body holds a
// blank, the command (the body up to it) and the parameters (after it),
// with the host key and the line channel. A line without the ":" gives
// nothing but prefixed = false. Positions in the line are 16-bit, as they
// were: a line whose first blank or first "!" (or, in a JOIN or PART line,
// first "#") lies past 32767 throws the run time's overflow error.
#include <QString>

struct ReceivedLine {
    bool prefixed = false;
    QString sender;           // "" when the line has no blank
    QString body;             // "" when the line has no blank
    bool hasCommand = false;  // the body holds a blank: what follows is set
    QString command;
    QString parameters;
    // After the first "@" (the whole line without one), cut after the first
    // "virtual" or else to 6 characters.
    QString hostKey;
    // In a line holding "JOIN" or "PART": the text after the first "#" up to
    // the next blank, or without a "#" the line up to its first blank.
    QString lineChannel;
};

ReceivedLine splitLine(const QString& line);
