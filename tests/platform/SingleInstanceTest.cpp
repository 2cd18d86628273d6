// One running copy per program.
#include "platform/SingleInstance.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstEnds) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    auto first = std::make_unique<SingleInstance>(QStringLiteral("TestProgram"));
    ASSERT_TRUE(first->acquire());
    SingleInstance second(QStringLiteral("TestProgram"));
    EXPECT_FALSE(second.acquire());
    SingleInstance other(QStringLiteral("OtherProgram"));
    EXPECT_TRUE(other.acquire());
    first.reset();
    EXPECT_TRUE(second.acquire());
}

} // namespace
