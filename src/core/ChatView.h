#pragma once
// How every window's New_msg writes a chat line into its view.
#include <QString>

namespace platform {
class HtmlView;
}

// One chat line, as every window's New_msg writes it: rendered, stripped of
// script words, escaped for the writeln script, closed, appended, and
// scrolled to when auto-scroll is on. Each step that fails is skipped.
void writeChatLine(platform::HtmlView& view, QString tmstr);
