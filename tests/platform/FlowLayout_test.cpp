// Rows that wrap: no item is ever narrower than it asks, an item that
// expands takes what its row leaves, and the height the layout asks for a
// width is the height it fills at that width.
#include "platform/FlowLayout.h"

#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

using platform::FlowLayout;

TEST(FlowLayout, WrapsWhatDoesNotFitAndFillsRowsWithWhatExpands)
{
    QWidget box;
    auto* flow = new FlowLayout(&box);
    flow->setContentsMargins(0, 0, 0, 0);
    flow->setSpacing(4);
    QList<QPushButton*> buttons;
    for (int i = 0; i < 3; ++i) {
        buttons << new QPushButton;
        buttons.last()->setFixedSize(100, 20);
        flow->addWidget(buttons.last());
    }
    auto* wide = new QWidget;
    wide->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    wide->setMinimumSize(150, 30);
    flow->addWidget(wide);

    struct Case {
        int width;
        int lastButtonY;  // the third button's row, centred on the row's height
        int wideX, wideW;  // where the expanding one lands
    } cases[] = {
        {500, 5, 312, 188},  // one row: 3 x 100 + 3 gaps, and the rest
        {400, 0, 0, 400},    // the buttons fill a row; it gets the next one whole
        {210, 24, 0, 210},   // two buttons, one, then it
        {90, 48, 0, 150},    // one to a row, none squeezed
    };
    for (const Case& c : cases) {
        const int height = flow->heightForWidth(c.width);
        box.setGeometry(0, 0, c.width, height);
        flow->setGeometry(box.rect());
        for (QPushButton* b : buttons)
            EXPECT_EQ(b->size(), QSize(100, 20)) << c.width;
        EXPECT_EQ(wide->geometry().x(), c.wideX) << c.width;
        EXPECT_EQ(wide->width(), c.wideW) << c.width;
        EXPECT_EQ(wide->geometry().bottom() + 1, height) << c.width;
        EXPECT_EQ(buttons.last()->geometry().y(), c.lastButtonY) << c.width;
    }
}
