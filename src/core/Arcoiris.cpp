// The rainbow colouring of a whole chat line.
#include "core/Function.h"

#include "platform/Text.h"

namespace Function {

QString Arcoiris(QString& text)
{
    struct Piece {
        int start;
        int length;  // 0: to the end
        const char* code;
    };
    // Piece 17 is twice as long as its neighbours, and piece 7's code opens
    // with a blank.
    static constexpr Piece pieces[] = {
        {1, 10, "\x03" "02"},   {11, 10, "\x03" "04"},  {21, 10, "\x03" "07"},  {31, 10, "\x03" "04"},
        {41, 10, "\x03" "06"},  {51, 10, "\x03" "10"},  {61, 10, " \x03" "05"}, {71, 10, "\x03" "01"},
        {81, 10, "\x03" "12"},  {91, 10, "\x03" "07"},  {101, 10, "\x03" "06"}, {111, 10, "\x03" "09"},
        {121, 10, "\x03" "04"}, {131, 10, "\x03" "03"}, {141, 10, "\x03" "12"}, {151, 10, "\x03" "07"},
        {161, 20, "\x03" "03"}, {181, 10, "\x03" "04"}, {191, 10, "\x03" "09"}, {201, 10, "\x03" "07"},
        {211, 0, "\x03" "04"},
    };
    QString out;
    for (const Piece& p : pieces)
        out += QString::fromLatin1(p.code) + (p.length ? platform::Mid(text, p.start, p.length) : platform::Mid(text, p.start));
    text = out;
    return out;
}

}  // namespace Function
