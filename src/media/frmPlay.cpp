#include "media/frmPlay.h"

#include "core/frmIRC.h"
#include "media/MovieWindow.h"
#include "platform/AppFiles.h"
#include "platform/Geometry.h"
#include "platform/MovieControl.h"
#include "platform/Skin.h"

using namespace platform;

frmPlay::frmPlay()
{
    setObjectName(QStringLiteral("frmPlay"));
    setCaption(QStringLiteral("Tetris"));
    ShockwaveFlash1 = makeMovieWindow(this, 7485, 5910, twipsRect(120, 120, 7215, 5655));
}

void frmPlay::Form_Load()
{
    setWindowIcon(frmIRC::instance()->windowIcon());
    ShockwaveFlash1->setMovie(FilesPath(QStringLiteral("Flash/Tetriswm2.swf")));
    centreOnScreen(this);
    applySkin(this);
}
