#pragma once
// The worst single lines a server can send: huge, without a place to
// break, or full of codes.
#include <QByteArray>

#include <random>
#include <vector>

namespace bench {

struct WorstLine {
    const char* name;
    QByteArray line;
};

// Chat texts, each to be sent as one PRIVMSG.
inline std::vector<WorstLine> worstTexts()
{
    std::mt19937 rng(7);
    auto letter = [&] { return char('a' + rng() % 26); };

    QByteArray printable(1000000, ' ');
    for (char& c : printable)
        c = char(0x20 + rng() % 95);

    // Every form of colour code, each followed by a letter.
    QByteArray colours;
    while (colours.size() < 500000) {
        const QByteArray fg = QByteArray::number(rng() % 16), bg = QByteArray::number(rng() % 16);
        colours += '\x03';
        switch (rng() % 4) {
        case 0: colours += fg; break;
        case 1: colours += fg.rightJustified(2, '0'); break;
        case 2: colours += fg + ',' + bg; break;
        default: colours += fg.rightJustified(2, '0') + ',' + bg.rightJustified(2, '0'); break;
        }
        colours += letter();
    }

    // Lone and doubled Chr(3) among colour codes: codes that replace an
    // earlier Chr(3) than their own.
    static const char* const pieces[] = {"\x03", "\x03\x03", "\x03" "5", "\x03" "4,1", "\x03" "12x", "a", ","};
    QByteArray stray;
    while (stray.size() < 500000)
        stray += pieces[rng() % std::size(pieces)];

    QByteArray toggles;
    while (toggles.size() < 600000) {
        toggles += rng() % 2 ? '\x02' : '\x1f';
        toggles += letter();
    }

    return {
        {"1 MB of one letter", QByteArray(1000000, 'a')},
        {"1 MB random printable", printable},
        {"500 kB of colour codes", colours},
        {"500 kB of stray colour codes", stray},
        {"600 kB of bold/underline toggles", toggles},
    };
}

// A names reply for "#sala" with count names, some of them with "@" or "+".
inline QByteArray namesLine(int count)
{
    QByteArray line = ":srv 353 yo = #sala :";
    line.reserve(count * 10 + 32);
    for (int i = 0; i < count; ++i)
        line += (i % 50 == 0 ? "@" : i % 20 == 0 ? "+" : "") + QByteArray("n") + QByteArray::number(i) + ' ';
    line.chop(1);
    return line;
}

}  // namespace bench
