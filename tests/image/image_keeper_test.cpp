#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ecr/talon_status_item.h"
#include "image/image_keeper.h"
#include "text/log_sink.h"
#include "tests/articles/article_test_files.h"
#include "text/code_page.h"

namespace {

class KeptLines : public LogSink {
public:
    void Line(const ECRString& text) override { Lines.push_back(Cp1251ToUtf16(text.Text())); }
    std::vector<std::u16string> Lines;
};

// The log tells the folder by its name, not by its bytes read in the log's code page.
TEST(ImageKeeper, UnsavedImageToldWithItsFolderName) {
    TempDir dir;
    WriteBytes(dir.File("Корисник"), "a file where the folder would go");
    ImageKeeper keeper(dir.File("Корисник") + "/registers");
    KeptLines log;
    keeper.Listed(TalonStatusItem(), ArticleTable(), log);
    ASSERT_EQ(log.Lines.size(), 1u);
    EXPECT_NE(log.Lines[0].find(u"Корисник/registers nije moguce snimiti"), std::u16string::npos);
}

} // namespace
