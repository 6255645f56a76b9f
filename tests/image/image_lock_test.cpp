// One writer per image: the lock file, between threads of one program.
#include <gtest/gtest.h>

#include <thread>

#include "image/image_lock.h"
#include "tests/articles/article_test_files.h"

namespace {

TEST(ImageLock, ASecondTakerIsToldBusyUntilTheFirstDrops) {
    TempDir dir;
    const std::string path = dir.File("TE1.lock");
    ImageLock first;
    ImageLock second;
    ASSERT_EQ(first.Take(path), ImageLock::Outcome::Held);
    EXPECT_EQ(second.Take(path), ImageLock::Outcome::Busy);
    EXPECT_FALSE(second.Held());
    first.Drop();
    EXPECT_EQ(second.Take(path), ImageLock::Outcome::Held);
}

TEST(ImageLock, AnotherThreadIsExcludedToo) {
    TempDir dir;
    const std::string path = dir.File("TE1.lock");
    ImageLock mine;
    ASSERT_EQ(mine.Take(path), ImageLock::Outcome::Held);
    ImageLock::Outcome theirs = ImageLock::Outcome::Held;
    std::thread other([&] {
        ImageLock lock;
        theirs = lock.Take(path);
    });
    other.join();
    EXPECT_EQ(theirs, ImageLock::Outcome::Busy);
}

TEST(ImageLock, AFolderThatCannotHoldItFails) {
    TempDir dir;
    WriteBytes(dir.File("file"), "a file where the folder would go");
    ImageLock lock;
    EXPECT_EQ(lock.Take(dir.File("file") + "/TE1.lock"), ImageLock::Outcome::Failed);
}

} // namespace
