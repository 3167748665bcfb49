#include "platform/Skin.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace platform {

namespace {

// One look for every window. Widgets pick their part by role:
// role="toolbar" / "marquee" frames, "panel" scroll areas, "compact" groups,
// primary buttons; a checked button is an option that is on.
const char* kStyle = R"(
QWidget {
    font-size: 9pt;
    color: #1d2733;
}
QWidget[skinned="true"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f7fb, stop:1 #e3e9f1);
}
QFrame[role="toolbar"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #27476f, stop:1 #1b3352);
    border: 1px solid #142740;
    border-radius: 6px;
}
QFrame[role="toolbar"] QPushButton {
    color: #f2f6fb;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a6395, stop:1 #2c4f7a);
    border: 1px solid #1b3352;
    border-radius: 4px;
    padding: 3px 7px;
}
QFrame[role="toolbar"] QPushButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4b7ab3, stop:1 #375f91);
}
QFrame[role="toolbar"] QPushButton:pressed { background: #1f3c60; }
QFrame[role="toolbar"] QPushButton:disabled {
    color: #7f93ad;
    background: #2a4567;
    border-color: #223a58;
}
QFrame[role="toolbar"] QPushButton:checked {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f39a3d, stop:1 #dc7b1c);
    border-color: #a85a10;
    color: #ffffff;
}
QFrame[role="toolbar"] QPushButton:checked:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f7ae5e, stop:1 #e68a2c);
}
QFrame[role="marquee"] {
    background: #13253c;
    border-radius: 4px;
}
QFrame[role="marquee"] QLineEdit {
    background: transparent;
    color: #ffd27a;
    font-weight: bold;
    border: none;
}
QLineEdit, QPlainTextEdit, QTextEdit {
    background: #ffffff;
    border: 1px solid #b7c3d3;
    border-radius: 4px;
    padding: 2px 4px;
    selection-background-color: #3a6fb0;
}
QLineEdit:focus, QPlainTextEdit:focus { border: 1px solid #3a6fb0; }
QLineEdit:read-only { background: #f3f6fa; }
QAbstractScrollArea[role="view"] {
    border: 1px solid #b7c3d3;
    border-radius: 4px;
    background: #ffffff;
}
QTreeView, QListView {
    background: #ffffff;
    alternate-background-color: #f5f8fc;
    border: 1px solid #b7c3d3;
    border-radius: 4px;
    selection-background-color: #3a6fb0;
    selection-color: #ffffff;
}
QHeaderView::section {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f2f5f9, stop:1 #dde4ee);
    border: none;
    border-right: 1px solid #c7d1de;
    border-bottom: 1px solid #c7d1de;
    padding: 3px 6px;
    font-weight: bold;
}
QGroupBox {
    background: #f9fbfd;
    border: 1px solid #c3cedc;
    border-radius: 6px;
    margin-top: 14px;
    padding-top: 4px;
    font-weight: bold;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 10px;
    padding: 0 4px;
    color: #27476f;
}
QPushButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e4eaf2);
    border: 1px solid #a9b7c9;
    border-radius: 4px;
    padding: 4px 12px;
}
QPushButton:hover { background: #eef3fa; border-color: #3a6fb0; }
QPushButton:pressed { background: #d6e0ec; }
QPushButton:disabled { color: #9aa6b4; }
QPushButton:default { border: 1px solid #3a6fb0; }
QPushButton:checked {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffd9a8, stop:1 #f6b566);
    border: 1px solid #c27a23;
}
QPushButton:checked:hover { background: #ffe2bc; }
QPushButton[primary="true"] {
    color: #ffffff;
    font-weight: bold;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a82c6, stop:1 #2f63a3);
    border: 1px solid #24507f;
}
QPushButton[primary="true"]:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5b92d4, stop:1 #386fb1);
}
QLabel[role="count"] {
    background: #ffffff;
    border: 1px solid #b7c3d3;
    border-radius: 4px;
    padding: 2px;
    font-weight: bold;
    color: #27476f;
}
QWidget[fixed="true"] QWidget { font-size: 8pt; }
QWidget[fixed="true"] QPushButton { padding: 0px 4px; }
QWidget[fixed="true"] QLineEdit { padding: 0px 3px; }
QWidget[fixed="true"] QHeaderView::section { padding: 0px 4px; }
QLabel[role="link"] { color: #2f63a3; text-decoration: underline; }
QWidget[role="alert"] { background: #1b3352; }
QLabel[role="alertPanel"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dfe8f3);
    border: 1px solid #27476f;
    border-radius: 6px;
}
QLabel[role="alertTitle"] { color: #27476f; font-weight: bold; font-size: 10pt; }
QLabel[role="alertText"] { font-weight: bold; }
QFrame[role="marquee"] QLabel {
    background: transparent;
    color: #ffd27a;
    font-size: 12pt;
    font-weight: bold;
}
QFrame[role="screen"] {
    background: #000000;
    border: 1px solid #142740;
}
QSplitter::handle { background: transparent; }
QScrollArea[role="panel"], QScrollArea[role="panel"] > QWidget > QWidget { background: transparent; }
QScrollArea[role="panel"] QPushButton, QWidget[role="compact"] QPushButton { padding: 2px 8px; }
QMenu {
    background: #ffffff;
    border: 1px solid #b7c3d3;
    padding: 3px;
}
QMenu::item { padding: 4px 18px; border-radius: 3px; }
QMenu::item:selected { background: #3a6fb0; color: #ffffff; }
QToolTip {
    color: #1d2733;
    background: #fffbe8;
    border: 1px solid #d7c98a;
}
)";

}  // namespace

void applySkin(QWidget* window)
{
    static bool styled = false;
    if (!styled && qApp) {
        styled = true;
        qApp->setStyle(QStringLiteral("Fusion"));
        qApp->setStyleSheet(QString::fromLatin1(kStyle));
    }
    if (window) {
        window->setProperty("skinned", true);
        window->setAttribute(Qt::WA_StyledBackground);
    }
}

}  // namespace platform
