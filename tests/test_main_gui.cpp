#include "test_env.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    orvane::test::IsolateFromTheHost();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
