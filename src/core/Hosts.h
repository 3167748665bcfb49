#pragma once
// The web hosts the program names. They all lie under vexlo-team.example, a
// domain that never resolves: the chat views serve the picture paths from
// Files/Pictures and fetch nothing from the network.
#include <QString>

namespace hosts {

// Emoticon and list pictures in chat text.
inline const QString kPictures = QStringLiteral("img.vexlo-team.example");
// The promotion web server; the welcome picture lies there too.
inline const QString kPromotion = QStringLiteral("promo.vexlo-team.example");
// The maker's web site: the web buttons, the caption and the farewell line.
inline const QString kSite = QStringLiteral("www.vexlo-team.example");
// The default chat server of the maker's own room.
inline const QString kChat = QStringLiteral("irc.vexlo-team.example");

inline QString siteAddress() { return QStringLiteral("http://") + kSite; }

}  // namespace hosts
