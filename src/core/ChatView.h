#pragma once
// What every chat view of the program shares: how a line is written into
// it, and how names taken from the network go into its status lines.
#include <QString>

namespace platform {
class HtmlView;
}

// Received text goes into view HTML with "<" and ">" escaped. Escaping
// twice changes nothing more.
QString htmlText(QString s);

// One chat line, as every window's New_msg writes it: rendered, stripped of
// script words, escaped for the writeln script, closed, appended, and
// scrolled to when auto-scroll is on. Each step that fails is skipped.
void writeChatLine(platform::HtmlView& view, QString tmstr);
