#include "GuiTest.h"

#include <QAction>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

using ScreenFitTest = GuiTest;

// A laptop screen at 150 %: 1920 × 1000 pixels with a panel, about 1280 × 667 for the window.
TEST_F(ScreenFitTest, TheWindowFitsASmallScreenAndItsPagesScroll) {
    OpenMain();
    const QRect available = main->screen()->availableGeometry();
    ASSERT_EQ(QSize(1280, 667), available.size()) << "the test needs its screen";
    EXPECT_TRUE(available.contains(main->frameGeometry())) << "opened within the screen";
    main->UpdateProgress(50);
    for (const char* name : {"StatusBar1", "ProgressBar1", "StatusBar1_Panel1"}) {
        auto* widget = Find<QWidget>(name);
        EXPECT_TRUE(widget->isVisible()) << name;
        const QRect onScreen(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        EXPECT_TRUE(available.contains(onScreen)) << name;
    }
    auto* toolbar = Find<QToolBar>("Toolbar1");
    for (QAction* action : toolbar->actions())
        EXPECT_TRUE(toolbar->widgetForAction(action)->isVisible()) << "every command shown";

    auto* tabs = Find<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(1);
    auto* limits = qobject_cast<QScrollArea*>(tabs->currentWidget());
    ASSERT_NE(nullptr, limits);
    EXPECT_GT(limits->verticalScrollBar()->maximum(), 0) << "the limits page scrolls";
    Find<QWidget>("cmbOnError_3")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // the lowest field comes into view
    ASSERT_EQ(Find("txtDelay_3"), QApplication::focusWidget());
    EXPECT_TRUE(limits->viewport()->rect().contains(
        Find("txtDelay_3")->mapTo(limits->viewport(), QPoint(0, 0))));

    const QSize smaller = main->minimumSize();
    main->resize(smaller);
    EXPECT_EQ(smaller, main->size()) << "the window can be made smaller";
    EXPECT_GE(smaller.width(), toolbar->sizeHint().width());
}

// A screen smaller than the window's least size (800 × 800 at 150 %): it still opens whole.
TEST_F(ScreenFitTest, OnAScreenSmallerThanTheLeastSizeTheWindowStillFits) {
    OpenMain();
    const QRect available = main->screen()->availableGeometry();
    ASSERT_EQ(QSize(533, 533), available.size()) << "the test needs its screen";
    ASSERT_GT(Find<QToolBar>("Toolbar1")->sizeHint().width(), available.width());
    EXPECT_TRUE(available.contains(main->frameGeometry()));
}

} // namespace
