#include "media/frmVexlo.h"

#include "core/frmIRC.h"
#include "media/MovieWindow.h"
#include "platform/AppFiles.h"
#include "platform/Geometry.h"
#include "platform/MovieControl.h"
#include "platform/Skin.h"

using namespace platform;

frmVexlo::frmVexlo()
{
    setObjectName(QStringLiteral("frmVexlo"));
    setCaption(QStringLiteral("Vexlo Team Member"));
    // The movie is 30 twips taller than the window: its bottom strip is cut.
    ShockwaveFlash1 = makeMovieWindow(this, 7470, 4545, twipsRect(0, 0, 7455, 4575));
    centreOnScreen(this);  // its start position
}

void frmVexlo::Form_Load()
{
    setWindowIcon(frmIRC::instance()->windowIcon());
    ShockwaveFlash1->setMovie(FilesPath(QStringLiteral("Flash/Parlowen.swf")));
    applySkin(this);
}
