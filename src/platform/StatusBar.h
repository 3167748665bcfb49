#pragma once
// The status bar along a window's bottom: a row of panels, each a text in a
// sunken box. Panels count from 1; every panel but the first keeps its
// width, the first takes what they leave.
#include <QList>
#include <QStringList>
#include <QWidget>

namespace platform {

class StatusBar : public QWidget {
    Q_OBJECT
public:
    // The panels' texts, and the widths in pixels of panels 2 and on.
    StatusBar(const QStringList& texts, const QList<int>& widths, QWidget* parent = nullptr);

    int panelCount() const { return int(texts_.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    // The panel's box in the bar's coordinates.
    QRect panelRect(int panel) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int checked(int panel) const;

    QStringList texts_;
    QList<int> widths_;
};

}  // namespace platform
