#pragma once
// A text box's own look over the skin's: the original's boxes took a text
// colour, a back colour, bold and underline one at a time. Each setter keeps
// the others.
#include <QColor>

class QWidget;

namespace platform {

void setForeColor(QWidget* box, const QColor& color);
void setBackColor(QWidget* box, const QColor& color);
void setBold(QWidget* box, bool bold);
void setUnderline(QWidget* box, bool underline);

}  // namespace platform
