#include "core/ChatView.h"

#include "core/Function.h"
#include "platform/Errors.h"
#include "platform/HtmlView.h"

using namespace Function;

void writeChatLine(platform::HtmlView& view, QString tmstr)
{
    using platform::resumeNext;
    QString t;
    resumeNext("New_msg FormatoHTML", [&] { t = FormatoHTML(tmstr); });
    resumeNext("New_msg script strip", [&] {
        t.remove(QStringLiteral("<script>")).remove(QStringLiteral("php")).remove(QStringLiteral("</script>"));
    });
    resumeNext("New_msg EscapaJS", [&] { t = EscapaJS(t); });
    t += QStringLiteral("</font></b></u><br>");
    resumeNext("New_msg writeln", [&] {
        view.execScript(QStringLiteral("document.writeln('") + t + QStringLiteral("');"), QStringLiteral("JavaScript"));
    });
    if (AutoScroll)
        resumeNext("New_msg scroll", [&] { view.scroll(0, 800000000); });
}
