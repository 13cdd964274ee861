#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "view/windowstyle.h"

namespace kelmor {
namespace {

// The tool bar's overflow arrows are drawn, one for each direction; every
// other icon is the platform style's own.
TEST(WindowStyle, DrawsTheToolBarsArrowsAndLeavesTheRest)
{
    WindowStyle style;
    const QImage right = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16, 16).toImage();
    const QImage down = style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16, 16).toImage();
    ASSERT_FALSE(right.isNull());
    EXPECT_NE(right, down);
    EXPECT_EQ(style.standardIcon(QStyle::SP_DialogOkButton).pixmap(16, 16).toImage(),
              style.baseStyle()->standardIcon(QStyle::SP_DialogOkButton).pixmap(16, 16).toImage());
}

}  // namespace
}  // namespace kelmor
