#pragma once
// The media player window: a playlist kept in "Files/Play List.ini",
// transport and volume in its menus, the scrolling title, time and progress
// in the status bar, the next entry at the end of each track, the song
// announced in the main room, and the now-playing record for the messenger.
#include "platform/Form.h"

#include <QString>
#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;

namespace platform {
class ListBox;
class PlayerControl;
class ProgressBar;
class StatusBar;
}  // namespace platform

class frmMedia : public platform::FormOf<frmMedia> {
    Q_OBJECT
public:
    frmMedia();

    // --- Playlist and transport -------------------------------------------------
    // An entry of the playlist: "{", the title, "}", 116 blanks, "[", the
    // target, "]".
    static QString Entry(const QString& title, const QString& target);
    // The target of an entry: what stands between the "[" after the fixed
    // run and the entry's last "]" (without the run, between its first "["
    // and its last "]"); "" when there is none.
    static QString EntryTarget(const QString& entry);
    // The title of a typed address: the text after its first "8000/",
    // without trailing blanks; "" without "8000/".
    static QString UrlTitle(const QString& url);
    // The last part of a path, split at "\" and at "/".
    static QString GetFileName(const QString& path);
    static QString configvol(QString& Porcento);
    void LoadList(platform::ListBox* lst);
    void AcomodarProgress();

    // --- Playback monitor and now-playing -------------------------------------
    // "h:mm.ss" of a whole number of seconds.
    static QString TimeString(qint32 seconds);
    // The now-playing record, UTF-16LE, as the messenger reads it.
    static QByteArray MusicInfoRecord(const QString& r_sArtist, const QString& r_sAlbum, const QString& r_sTitle,
                                      const QString& r_sWMContentID, const QString& r_sFormat, bool r_bShow);
    void SetMusicInfo(const QString& r_sArtist, const QString& r_sAlbum, const QString& r_sTitle,
                      const QString& r_sWMContentID = QString(), const QString& r_sFormat = QString(),
                      bool r_bShow = false);

    // --- Form variables -------------------------------------------------------
    // These two outlive the window: a new load keeps what they held.
    static inline qint16 IndiceActual = 0;
    static inline QString UltimoPublicado;
    qint32 BordeX = 0;
    qint32 BordeY = 0;
    QString TituloActual;

    // --- Controls -----------------------------------------------------------------
    QMenuBar* menuBar;
    QMenu* marchivo;
    QAction* mopen;
    QAction* ourl;
    QAction* mremove;
    QAction* mclean;
    QAction* mclose;
    QMenu* mreproduce;
    QAction* mplay;
    QAction* mpause;
    QAction* mstop;
    QAction* mnext;
    QAction* mbefore;
    QMenu* mvol;
    std::array<QAction*, 11> mvolumen;
    QMenu* mopciones;
    QAction* mdisplaymsn;
    QAction* mpublica;
    QMenu* mpop;
    QAction* mdelet;

    QWidget* client;  // the window below its menu bar
    QFrame* Picture1;
    QLabel* CurrentTitle;
    QFrame* Picture2;
    platform::PlayerControl* WMP;
    platform::ListBox* List1;
    platform::StatusBar* StatusBar1;
    platform::ProgressBar* Progreso;
    std::array<QLabel*, 2> Label1;  // duration and elapsed texts, out of sight
    QTimer* Marque;
    QTimer* Timer2;

    // --- Event handlers -------------------------------------------------------
    void Form_Resize();
    void List1_Click();
    void List1_MouseUp(int Button, int Shift, float X, float Y);
    void mopen_Click();
    void ourl_Click();
    void mremove_Click();
    void mdelet_Click();
    void mclean_Click();
    void mclose_Click();
    void mplay_Click();
    void mpause_Click();
    void mstop_Click();
    void mnext_Click();
    void mbefore_Click();
    void mvolumen_Click(qint16 Index);
    void mdisplaymsn_Click();
    void mpublica_Click();
    void Marque_Timer();
    void Timer2_Timer();
    void WMP_OpenStateChange(int NewState);
    void WMP_PlayStateChange(int NewState);
    void WMP_Error();

protected:
    void Form_Load() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildWindow();
    void connectHandlers();
    void SaveList(platform::ListBox* lst);
    // Adds an entry at the end, saves the list and plays the new entry.
    void addEntry(const QString& title, const QString& target);
    void removeRemembered();
    // Selecting an entry plays it; selecting the entry already selected
    // plays it again.
    void selectEntry(int index);
    // The entry after the selected one, the first after the last.
    void selectNext();
    void sendClearRecord();
    void sendShowRecord(const QString& title);

    bool announcing_ = false;
};
