#include "core/GrowingFormat.h"

namespace {

constexpr QChar kBold(2);
constexpr QChar kColour(3);

bool endsAtWall(const QString& text) { return text.isEmpty() || text.endsWith(QLatin1String("<br>")); }

}  // namespace

bool GrowingFormat::continues(const QString& piece) const
{
    return atWall_ && piece.startsWith(kBold) && !(strayColour_ && piece.contains(kColour));
}

QString GrowingFormat::add(QString piece)
{
    atWall_ = endsAtWall(piece);
    Function::FormatoHTML(piece, state_);
    strayColour_ = strayColour_ || piece.contains(kColour);
    return piece;
}

QString GrowingFormat::restart(QString whole)
{
    atWall_ = endsAtWall(whole);
    state_ = {};
    Function::FormatoHTML(whole, state_);
    strayColour_ = whole.contains(kColour);
    return whole;
}
