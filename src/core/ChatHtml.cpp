// Placeholder until the renderer lands.
#include "core/Function.h"

namespace Function {

const QList<QString>& EmoticonCodes()
{
    static const QList<QString> codes;
    return codes;
}
QString FormatoHTML(QString& text) { return text; }
QString ColorHTML(qint16) { return QString(); }
QString EscapaJS(QString& text) { return text; }

}  // namespace Function
