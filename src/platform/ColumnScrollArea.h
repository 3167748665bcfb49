#pragma once
// A scroll area for a column of controls: it scrolls up and down only, when
// the window is too short for the column, and is always as wide as the
// column needs, so nothing is cut at its side.
#include <QScrollArea>

namespace platform {

class ColumnScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit ColumnScrollArea(QWidget* column, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace platform
