#include "records/comment_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "records/case_store.h"
#include "support/temp_folder.h"

namespace tavrel {
namespace {

using testing::TempFolder;

class CommentFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.File("dat"));
        ASSERT_EQ(store.Open(folder.File("dat/tavrel.db"), Root(), false), 0);
    }
    std::string Root() const { return folder.Path().string(); }

    TempFolder folder;
    MRecordBase store;
};

TRecordData Zhang() {
    TRecordData record;
    record.request.name = "张三";
    record.request.year = 1980;
    record.request.month = 5;
    record.request.day = 6;
    record.request.hour = 12;
    record.request.minute = 30;
    return record;
}

TEST_F(CommentFilesTest, MakeCommentFileNameSkipsNamesThatAreTaken) {
    std::string base;
    EXPECT_EQ(store.MakeCommentFileName(Zhang(), base), Root() + "/tavrel_f/张三_198005061230.rtf");
    EXPECT_EQ(base, "张三_198005061230");
    ASSERT_TRUE(WriteCommentFile(CommentFilePath(Root(), base), "x"));
    store.MakeCommentFileName(Zhang(), base);
    EXPECT_EQ(base, "张三_198005061230_0");
    // A file copied from Windows under its GBK name takes the name as well.
    ASSERT_TRUE(WriteCommentFile(CommentFilePath(Root(), Utf8ToGbk(base)), "x"));
    store.MakeCommentFileName(Zhang(), base);
    EXPECT_EQ(base, "张三_198005061230_1");
}

TEST_F(CommentFilesTest, MissingCommentFilesAreRebuiltFromTheDatabase) {
    TRecordData first = Zhang();
    first.remarkFile = "张三_198005061230";
    first.remarkText = "第一行's\n第二行";
    ASSERT_EQ(store.InsertCase(first), 1);
    TRecordData second = Zhang();
    second.remarkFile = "张三_198005061230_0";
    ASSERT_EQ(store.InsertCase(second), 2);
    TRecordData escaping = Zhang();
    escaping.remarkFile = "../../outside";
    ASSERT_EQ(store.InsertCase(escaping), 3);
    // The second case's file exists under its GBK name, as in a folder copied from Windows.
    const std::string gbkPath = CommentFilePath(Root(), Utf8ToGbk(second.remarkFile));
    ASSERT_TRUE(WriteCommentFile(gbkPath, "已有"));

    EXPECT_EQ(store.EnsureCommentFiles(), 1);
    EXPECT_EQ(ReadCommentText(CommentFilePath(Root(), first.remarkFile)), "第一行's\n第二行");
    EXPECT_FALSE(std::filesystem::exists(CommentFilePath(Root(), second.remarkFile)));
    EXPECT_EQ(FindCommentFile(Root(), second.remarkFile), gbkPath);
    EXPECT_EQ(ReadCommentText(gbkPath), "已有");
    EXPECT_FALSE(std::filesystem::exists(folder.Path().parent_path() / "outside.rtf"));
}

}  // namespace
}  // namespace tavrel
