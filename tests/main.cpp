#include "support/DataHome.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    trajecta::useTemporaryDataHome();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
