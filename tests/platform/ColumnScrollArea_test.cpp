// A column too tall for its place scrolls instead of squeezing its controls,
// and the area always keeps the column's full width.
#include "platform/ColumnScrollArea.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using platform::ColumnScrollArea;

TEST(ColumnScrollArea, ScrollsATallColumnAndKeepsItsWidth)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    QList<QPushButton*> buttons;
    for (int i = 0; i < 10; ++i) {
        buttons << new QPushButton(QStringLiteral("Botón %1").arg(i));
        buttons.last()->setMinimumHeight(30);
        layout->addWidget(buttons.last());
    }
    QWidget window;
    auto* row = new QHBoxLayout(&window);
    row->addWidget(new QWidget, 1);
    auto* area = new ColumnScrollArea(column);
    row->addWidget(area);
    const int columnWidth = column->minimumSizeHint().width();
    const int bar = area->verticalScrollBar()->sizeHint().width();

    struct Case {
        int height;
        bool scrolls;
    } cases[] = {{800, false}, {120, true}};
    for (const Case& c : cases) {
        window.resize(600, c.height);
        window.show();
        QApplication::processEvents();
        EXPECT_GE(area->width(), columnWidth + bar) << c.height;
        EXPECT_EQ(area->verticalScrollBar()->isVisible(), c.scrolls) << c.height;
        EXPECT_GE(column->width(), columnWidth) << c.height;
        for (QPushButton* b : buttons)
            EXPECT_GE(b->height(), 30) << c.height;
    }

    // A control that grows widens the column in its window.
    buttons.first()->setText(QStringLiteral("Un botón con un texto mucho más largo que los demás"));
    QApplication::processEvents();
    EXPECT_GE(area->width(), buttons.first()->sizeHint().width() + bar);
    EXPECT_GE(buttons.first()->width(), buttons.first()->sizeHint().width());
}
