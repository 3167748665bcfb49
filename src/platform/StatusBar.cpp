#include "platform/StatusBar.h"

#include "platform/Errors.h"

#include <QPainter>

namespace platform {

namespace {
constexpr int kGap = 2;
}

StatusBar::StatusBar(const QStringList& texts, const QList<int>& widths, QWidget* parent)
    : QWidget(parent), texts_(texts), widths_(widths)
{
    Q_ASSERT(widths_.size() == texts_.size() - 1);
    setObjectName(QStringLiteral("StatusBar"));
}

int StatusBar::checked(int panel) const
{
    if (panel < 1 || panel > panelCount())
        throw RuntimeError(errSubscript);
    return panel - 1;
}

QString StatusBar::panelText(int panel) const { return texts_.at(checked(panel)); }

void StatusBar::setPanelText(int panel, const QString& text)
{
    QString& t = texts_[checked(panel)];
    if (t == text)
        return;
    t = text;
    update(panelRect(panel));
}

QRect StatusBar::panelRect(int panel) const
{
    const int i = checked(panel);
    int others = 0;
    for (int w : widths_)
        others += w + kGap;
    const int first = qMax(0, width() - others);
    int left = 0;
    for (int k = 0; k < i; ++k)
        left += (k == 0 ? first : widths_.at(k - 1)) + kGap;
    return QRect(left, 0, i == 0 ? first : widths_.at(i - 1), height());
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    for (int panel = 1; panel <= panelCount(); ++panel) {
        const QRect r = panelRect(panel).adjusted(0, 1, -1, -1);
        p.setPen(pal.color(QPalette::Mid));
        p.setBrush(pal.color(QPalette::Base));
        p.drawRect(r);
        const QRect text = r.adjusted(4, 0, -3, 0);
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(texts_.at(panel - 1), Qt::ElideRight, text.width()));
    }
}

}  // namespace platform
