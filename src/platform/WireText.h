#pragma once
// Text on the wire and how the received stream is cut into lines.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// A received line: UTF-8 when it is valid UTF-8, else Windows-1252.
QString decodeLine(const QByteArray& line);

// An outgoing line: UTF-8, with CR, LF and NUL replaced by blanks so no text
// can become a second command. No line end is added.
QByteArray encodeLine(const QString& text);

// Cuts a byte stream into lines: CR is dropped wherever it stands, LF ends a
// line. A line longer than maxLine bytes is cut there; the bytes beyond are
// dropped up to its LF and the line is handed over once. A partial line
// stays until more bytes come.
class LineFramer {
public:
    static constexpr qsizetype kMaxLine = 1024 * 1024;

    explicit LineFramer(qsizetype maxLine = kMaxLine) : maxLine_(maxLine) {}

    void feed(const QByteArray& bytes);
    // The next complete line, in order; nullopt when none is complete yet.
    std::optional<QByteArray> takeLine();
    // Bytes of the unfinished line (CR already dropped).
    QByteArray partial() const;
    // Whether bytes wait that no takeLine() has looked at yet.
    bool hasUntaken() const { return pos_ < queue_.size(); }

private:
    void compact();

    qsizetype maxLine_;
    QByteArray queue_;      // bytes not yet taken, from pos_
    qsizetype pos_ = 0;
    QByteArray current_;    // the line being assembled across feeds
    bool dropping_ = false; // the current line hit maxLine; skip to its LF
};

}  // namespace platform
