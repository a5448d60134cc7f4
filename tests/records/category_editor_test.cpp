#include "records/category_editor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "case_fixture.h"
#include "records/comment_files.h"

namespace tavrel {
namespace {

using testing::MakeCase;
using Messages = std::vector<std::string>;
const std::string kCleaned =
    "类别名中包含：\"、*、<、>、?、\\、/、|、'、：等字符。，已经处理为合适的文本！";

class CategoryEditorTest : public testing::StoreTest {
  protected:
    int LineOf(const std::string& name) const {
        for (std::size_t i = 0; i < editor.Lines().size(); ++i) {
            if (editor.Lines()[i].name == name) return static_cast<int>(i);
        }
        return -1;
    }
    CategoryEditor editor;
};

TEST_F(CategoryEditorTest, NewDatabaseListsTheDefaults) {
    ASSERT_TRUE(editor.Open(store));
    ASSERT_EQ(editor.Lines().size(), 15u);
    EXPECT_EQ(editor.LineText(0), "家人          0 案例");
    EXPECT_EQ(editor.Caption(), "编辑类别（全部案例，共0个）");
    EXPECT_FALSE(editor.Changed());
}

TEST_F(CategoryEditorTest, AddMoveAndTheirMessages) {
    ASSERT_TRUE(editor.Open(store));
    EXPECT_EQ(editor.Add("a b"), (Messages{kCleaned, "新增完成！"}));
    EXPECT_EQ(editor.Lines().back().name, "ab");
    EXPECT_EQ(editor.Add("ab"), (Messages{"ab：这个类别已经存在，请另外起一个名称！"}));
    EXPECT_EQ(editor.Add(""), (Messages{kCleaned, "新增完成！"}));
    EXPECT_EQ(editor.Lines().back().name, "甲");
    int selected = 0;
    EXPECT_EQ(editor.MoveUp(selected), (Messages{"移动超出列表范围！"}));
    selected = -1;
    EXPECT_EQ(editor.MoveDown(selected), (Messages{"请先点击选择一个类别！"}));
    selected = 0;
    EXPECT_TRUE(editor.MoveDown(selected).empty());
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(editor.Lines()[0].name, "亲戚朋友");
    EXPECT_TRUE(editor.Changed());
    ASSERT_TRUE(editor.Close(store));
    std::vector<std::string> stored;
    ASSERT_TRUE(store.ReadCategories(stored));
    EXPECT_EQ(stored.front(), "亲戚朋友");
    EXPECT_EQ(stored.back(), "甲");
    EXPECT_EQ(stored.size(), 17u);
}

TEST_F(CategoryEditorTest, DeleteRemovesTheCasesButNotTheirCommentFiles) {
    for (int i = 0; i < 3; ++i) {
        TRecordData record = MakeCase("张" + std::to_string(i), 1980, 1, 1, 0, 0, "历史人物");
        Add(record);
        ASSERT_TRUE(
            WriteCommentFile(CommentFilePath(store.ProgramFolder(), record.remarkFile), "x"));
    }
    Add(MakeCase("李四", 1980, 1, 1, 0, 0, "家人"));
    ASSERT_TRUE(editor.Open(store));
    EXPECT_EQ(editor.Caption(), "编辑类别（全部案例，共4个）");
    EXPECT_EQ(editor.Delete(store, -1), (Messages{"没有选择的类别可以删除！"}));
    EXPECT_EQ(DeleteCategoryQuestion("历史人物"), "确定要删除“历史人物”这个类别吗？");
    EXPECT_EQ(editor.Delete(store, LineOf("历史人物")), (Messages{"删除完成！"}));
    EXPECT_EQ(LineOf("历史人物"), -1);
    EXPECT_EQ(editor.Caption(), "编辑类别（全部案例）");
    TRecordData record;
    for (std::int32_t id = 1; id <= 3; ++id) EXPECT_FALSE(store.ReadCase(id, record));
    EXPECT_TRUE(store.ReadCase(4, record));
    EXPECT_TRUE(FindCommentFile(store.ProgramFolder(), "张0_1980"));
    // Ids are not given again.
    EXPECT_EQ(Add(MakeCase("王五", 1980, 1, 1, 0, 0)), 5);
}

TEST_F(CategoryEditorTest, RenameAndMerge) {
    Add(MakeCase("张三", 1980, 1, 1, 0, 0, "家人"));
    Add(MakeCase("李四", 1981, 1, 1, 0, 0, "家人"));
    Add(MakeCase("王五", 1982, 1, 1, 0, 0, "历史人物"));
    ASSERT_TRUE(editor.Open(store));
    const int family = LineOf("家人");
    EXPECT_EQ(editor.Rename(store, family, "家人"),
              (Messages{"类别名称没有改变，请输入新的名称！"}));
    EXPECT_EQ(editor.Rename(store, family, "历史人物"),
              (Messages{"历史人物：这个类别已经存在，请另外起一个名称！"}));
    EXPECT_EQ(editor.Rename(store, family, "亲人"), (Messages{"改名完成！"}));
    EXPECT_EQ(editor.Lines()[static_cast<std::size_t>(family)].name, "亲人");
    TRecordData record;
    ASSERT_TRUE(store.ReadCase(2, record));
    EXPECT_EQ(record.className, "亲人");

    EXPECT_EQ(editor.Merge(store, LineOf("文学家"), "亲人"),
              (Messages{"这个类别没有案例可以移动！"}));
    EXPECT_EQ(editor.Merge(store, family, "亲人"),
              (Messages{"同组类别不能移动，请输入已经存在的其他类别名称！"}));
    EXPECT_EQ(editor.Merge(store, family, "无此类"),
              (Messages{"请输入已经存在的类别名称，如果不存在可以先新建一个。"}));
    EXPECT_EQ(editor.Merge(store, family, "历史人物"), (Messages{"移动完成！"}));
    EXPECT_TRUE(editor.Lines()[static_cast<std::size_t>(family)].ids.empty());
    EXPECT_EQ(editor.Lines()[static_cast<std::size_t>(LineOf("历史人物"))].ids,
              (std::vector<std::int32_t>{3, 1, 2}));
    EXPECT_EQ(editor.LineText(static_cast<std::size_t>(family)), "亲人          0 案例");
    ASSERT_TRUE(store.ReadCase(1, record));
    EXPECT_EQ(record.className, "历史人物");
}

TEST_F(CategoryEditorTest, CategoryOutsideTheListIsShownAndStored) {
    Add(MakeCase("张三", 1980, 1, 1, 0, 0, "隐藏类"));
    ASSERT_TRUE(editor.Open(store));
    EXPECT_TRUE(editor.Changed());
    EXPECT_EQ(editor.Lines().back().name, "隐藏类");
    ASSERT_TRUE(editor.Close(store));
    std::vector<std::string> stored;
    ASSERT_TRUE(store.ReadCategories(stored));
    EXPECT_EQ(stored.back(), "隐藏类");
}

TEST(ChooseCategory, OnlyAnExistingName) {
    const std::vector<std::string> list{"家人", "IT名人"};
    EXPECT_EQ(ChooseCategory(list, " it名人 "), "IT名人");
    EXPECT_EQ(ChooseCategory(list, "新类"), std::nullopt);
}

}  // namespace
}  // namespace tavrel
