#pragma once
// The window of one further room: its conversation, its user list with the
// count above it, and an input line. The dispatcher makes one for the first
// JOIN of a room and keeps it in VentanasSala under its caption, "Canal "
// and the room without '#'. It never talks to the server except through
// the main window.
#include "platform/Form.h"

#include <QPointer>
#include <QString>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

namespace platform {
class DefaultButtons;
class HtmlView;
class ListView;
}  // namespace platform

// Where the room window lays its controls out, in twips, for the window's
// outer size W x H: each step of the resize rule, and a size a control
// refuses (a negative width or height) leaves that control as it was in
// `current`. The button's left follows the input line's width as it stands
// after the line's own step.
struct RoomLayout {
    float listHeight;   // ListView1
    float inputTop;     // Text2
    float inputWidth;
    float buttonTop;    // Command1
    float buttonLeft;
    float viewWidth;    // DHTMLEdit1
    float viewHeight;
    bool operator==(const RoomLayout&) const = default;
};
RoomLayout roomLayout(float W, float H, const RoomLayout& current);

class frmRoom : public platform::Form {
    Q_OBJECT
public:
    frmRoom();
    ~frmRoom() override;

    // "Canal " and the room name without '#': the key the window is found by.
    static QString captionFor(const QString& room);
    // The room as the caption names it (from its 7th character).
    QString roomName() const;

    // --- What the rest of the program tells the window ----------------------
    void NickComming(QString& Entrantes);
    void NickJoin(const QString& LLega, const QString& IpEntrante);
    QString nickclean(QString msg);
    void nickexpulsado(const QString& Entrante, const QString& Saliente, const QString& salede);
    void NickChange(const QString& viejo, const QString& nuevo, const QString& servidor, const QString& host);
    void NickClose(QString Saliente, QString qMensaje);
    void NickPart(const QString& Saliente, const QString& qMensaje);
    void New_msg(QString tmstr);
    // Marks nick ignored ("+") or no longer ignored ("-") in the list.
    void ignora(const QString& nick, const QString& op);
    // The count box follows the list: every change to it ends here.
    void refreshCount();

    // Whether the nick last passed to nickclean began with "@" or "+".
    bool TeniaPrefijo = false;

    // --- Controls ---------------------------------------------------------------
    QLineEdit* Text1;  // the user count
    platform::ListView* ListView1;
    platform::HtmlView* DHTMLEdit1;
    QLineEdit* Text2;  // the input line
    QPushButton* Command1;  // "Enviar"
    // The list's pop-up menu. Its items live with the window; the menu that
    // shows them belongs to the main window, which no received line closes.
    QPointer<QMenu> mpop;
    QAction* mcopia;
    QAction* mmencione;
    QAction* mignore;
    QAction* mwhois;
    QAction* Freeprvd;

    // --- Event handlers -----------------------------------------------------------
    void Command1_Click();
    void Form_Resize();
    void Freeprvd_Click();
    void ListView1_DblClick();
    void ListView1_MouseUp(Qt::MouseButton Button, const QPoint& at);
    void mcopia_Click();
    void mignore_Click();
    void mmencione_Click();
    void mwhois_Click();
    void Text2_KeyPress();  // Enter

protected:
    void Form_Unload(qint16& Cancel) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWindow();
    void connectHandlers();
    void statusLine(const QString& html);
    // The entry of nick at the end of the list.
    int addEntry(const QString& nick, int icon, const QString& host);

    RoomLayout layout_;
    platform::DefaultButtons* defaultButtons;
};
