#include "records/case_tree.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "case_fixture.h"

namespace tavrel {
namespace {

using testing::MakeCase;
using Ids = std::vector<std::int32_t>;

// The ordered insertion exactly as the tree builder describes it: binary search, then
// placement among the run of equals.
void InsertOrdered(std::vector<TCusTreeItem>& items, const TCusTreeItem& n, int order) {
    const bool timeOrder = order == kTimeDescending || order == kTimeAscending;
    auto field = [&](const TCusTreeItem& item) {
        return timeOrder ? item.instant : static_cast<double>(item.surnameKey);
    };
    auto left = [&](const TCusTreeItem& m) {
        switch (order) {
            case kTimeDescending:
                return n.instant > m.instant;
            case kTimeAscending:
                return n.instant < m.instant;
            case kSurnameAscending:
                return n.surnameKey < m.surnameKey;
            default:
                return n.surnameKey > m.surnameKey;
        }
    };
    int low = 0;
    int high = static_cast<int>(items.size()) - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const TCusTreeItem& m = items[static_cast<std::size_t>(middle)];
        if (field(m) == field(n)) {
            int pos = middle;
            while (pos > 0 && field(items[static_cast<std::size_t>(pos - 1)]) == field(n)) --pos;
            while (pos < static_cast<int>(items.size()) &&
                   field(items[static_cast<std::size_t>(pos)]) == field(n) &&
                   (timeOrder ? items[static_cast<std::size_t>(pos)].surnameKey <= n.surnameKey
                              : items[static_cast<std::size_t>(pos)].instant >= n.instant)) {
                ++pos;
            }
            items.insert(items.begin() + pos, n);
            return;
        }
        if (left(m)) {
            high = middle - 1;
        } else {
            low = middle + 1;
        }
    }
    items.insert(items.begin() + low, n);
}

TEST(OrderItems, GivesTheSequenceOfTheOrderedInsertion) {
    std::mt19937 random(12);
    for (int order = kTimeDescending; order <= kSurnameDescending; ++order) {
        for (int round = 0; round < 20; ++round) {
            // Few distinct values, so that runs of equals in both keys are common.
            std::vector<TCusTreeItem> items(300);
            for (std::size_t i = 0; i < items.size(); ++i) {
                items[i].id = static_cast<std::int32_t>(i + 1);
                items[i].instant = 2444000.5 + static_cast<double>(random() % 8);
                items[i].surnameKey = 65000 + static_cast<std::int32_t>(random() % 6);
            }
            std::vector<TCusTreeItem> inserted;
            for (const TCusTreeItem& item : items) InsertOrdered(inserted, item, order);
            OrderItems(items, order);
            Ids expected;
            Ids actual;
            for (const TCusTreeItem& item : inserted) expected.push_back(item.id);
            for (const TCusTreeItem& item : items) actual.push_back(item.id);
            ASSERT_EQ(actual, expected) << "order " << order;
        }
    }
}

TEST(SurnameKey, InitialCodeAndRank) {
    EXPECT_EQ(SurnameRank("赵"), 1);
    EXPECT_EQ(SurnameRank("张"), 24);
    EXPECT_EQ(SurnameRank("尹"), SurnameRank("尹"));
    EXPECT_EQ(SurnameOrderText().size(), 434u * 3);
    EXPECT_EQ(SurnameKey("张三"), 'Z' * 1000 + 24);
    EXPECT_EQ(SurnameKey("王五"), 'W' * 1000 + 8);
    // A Latin initial keeps its code: lower case sorts after every upper-case initial.
    EXPECT_EQ(SurnameKey("alice"), 'a' * 1000);
    EXPECT_EQ(SurnameKey("Bob"), 'B' * 1000);
    // 阿 is not in the surname order: rank 0, before the listed surnames of initial A.
    EXPECT_EQ(SurnameKey("阿三"), 'A' * 1000);
    EXPECT_LT(SurnameKey("阿三"), SurnameKey("艾"));
    EXPECT_EQ(SurnameKey(""), 0);
}

TEST(MakeNodeText, PadsTheNameAndWritesTheDate) {
    TRecordData record = MakeCase("张三", 1980, 5, 6, 12, 30);
    EXPECT_EQ(MakeNodeText(record), "张三      公1980-05-06 12:30");
    record.request.isLunar = 1;
    record.request.isLeapMonth = 1;
    record.request.year = 0;
    EXPECT_EQ(MakeNodeText(record), "张三      农闰-001-05-06 12:30");
    record.request.name = "LongName12";
    record.request.isLeapMonth = 0;
    EXPECT_EQ(MakeNodeText(record), "LongName12  农-001-05-06 12:30");
}

TEST(InitialFill, NewestThousandAndTheHint) {
    const Ids ids = InitialTreeIds(1500);
    ASSERT_EQ(ids.size(), 1000u);
    EXPECT_EQ(ids.front(), 1500);
    EXPECT_EQ(ids.back(), 501);
    EXPECT_EQ(InitialFillHint(1500),
              "\n\n案例总数大致：1500个，可以在树表上按鼠标右键，再点“显示全部命例”！");
    EXPECT_EQ(InitialTreeIds(3), (Ids{3, 2, 1}));
    EXPECT_TRUE(InitialTreeIds(0).empty());
    EXPECT_EQ(InitialFillHint(1000), "");
}

TEST(CheckLoadAll, RefusesWhileBusyOrEmpty) {
    EXPECT_EQ(CheckLoadAll(true, 10).refusal, "请等待案例加载完毕！");
    EXPECT_EQ(CheckLoadAll(false, 0).refusal, "没有记录，无从显示。");
    EXPECT_TRUE(CheckLoadAll(false, 2000).start);
    EXPECT_EQ(CheckLoadAll(false, 2000).notice, "");
    EXPECT_EQ(CheckLoadAll(false, 2001).notice, "记录总数有点多，确定后请等待操作完成！");
    EXPECT_EQ(ShownCountCaption(0), "【 0 条案例】");
}

TEST(MergeShownIds, ShownFirstThenTheNewOnes) {
    EXPECT_EQ(MergeShownIds({}, {4, 2}), (Ids{4, 2}));
    EXPECT_EQ(MergeShownIds({5, 3}, {3, 7, 1}), (Ids{5, 3, 7, 1}));
}

class CaseTreeTest : public testing::StoreTest {
  protected:
    Ids Prepared(int order, const Ids& ids, const LunarToSolarFn& lunar = nullptr) {
        PreparedTree tree;
        std::string error;
        EXPECT_TRUE(PrepareItems(store, ids, order, lunar, tree, error)) << error;
        Ids result;
        for (const TCusTreeItem& item : tree.items) result.push_back(item.id);
        return result;
    }
};

TEST_F(CaseTreeTest, EmptyDatabaseGivesAnEmptyTree) {
    PreparedTree tree;
    std::string error;
    CaseLoader loader;
    ASSERT_TRUE(loader.LoadAll(store, kTimeDescending, nullptr, tree, error, nullptr));
    EXPECT_TRUE(FillTree(tree, kCategoryView).empty());
}

TEST_F(CaseTreeTest, TieRulesOfTheOrders) {
    Add(MakeCase("王五", 1980, 5, 6, 12, 30));  // 1
    Add(MakeCase("张三", 1980, 5, 6, 12, 30));  // 2, same instant, larger key than 王
    Add(MakeCase("王二", 1990, 1, 1, 0, 0));    // 3, later birth
    Add(MakeCase("赵一", 1970, 1, 1, 0, 0));    // 4
    EXPECT_EQ(Prepared(kOrderNone, {4, 3, 2, 1}), (Ids{4, 3, 2, 1}));
    EXPECT_EQ(Prepared(kTimeDescending, {2, 1, 3, 4}), (Ids{3, 1, 2, 4}));
    EXPECT_EQ(Prepared(kTimeAscending, {2, 1, 3, 4}), (Ids{4, 1, 2, 3}));
    // Two of surname 王: the later birth first.
    EXPECT_EQ(Prepared(kSurnameAscending, {1, 2, 3, 4}), (Ids{3, 1, 4, 2}));
    EXPECT_EQ(Prepared(kSurnameDescending, {1, 2, 3, 4}), (Ids{2, 4, 3, 1}));
}

TEST_F(CaseTreeTest, UnconvertibleLunarCaseOnlyWithoutOrder) {
    Add(MakeCase("张三", 1980, 5, 6, 12, 30));
    TRecordData lunar = MakeCase("李四", 1980, 2, 30, 8, 0);
    lunar.request.isLunar = 1;
    Add(lunar);
    TRecordData good = MakeCase("王五", 1981, 1, 1, 8, 0);
    good.request.isLunar = 1;
    Add(good);
    // Only lunar 1981-01-01 converts, to 1981-02-05.
    const LunarToSolarFn fake = [](const TDateRec& date, bool, TDateRec& solar) {
        if (date.year != 1981) return false;
        solar = {1981, 2, 5, 0, 0};
        return true;
    };
    EXPECT_EQ(Prepared(kTimeDescending, {1, 2, 3}, fake), (Ids{3, 1}));
    EXPECT_EQ(Prepared(kOrderNone, {1, 2, 3}, fake), (Ids{1, 2, 3}));
}

TEST_F(CaseTreeTest, CategoryViewAndListViewShowTheSameCases) {
    Add(MakeCase("张三", 1980, 5, 6, 12, 30, "亲戚朋友"));
    Add(MakeCase("李四", 1981, 5, 6, 12, 30, "不在列表"));
    Add(MakeCase("王五", 1982, 5, 6, 12, 30, "家人", false));
    PreparedTree tree;
    std::string error;
    ASSERT_TRUE(PrepareItems(store, {1, 2, 3}, kOrderNone, nullptr, tree, error));
    EXPECT_EQ(tree.categoriesInUse, (std::vector<std::string>{"家人", "亲戚朋友"}));
    const std::vector<TreeNode> byCategory = FillTree(tree, kCategoryView);
    ASSERT_EQ(byCategory.size(), 3u);
    EXPECT_EQ(byCategory[0].text, "家人");
    EXPECT_EQ(byCategory[0].children.at(0).image, 0);
    EXPECT_EQ(byCategory[1].text, "亲戚朋友");
    EXPECT_EQ(byCategory[1].children.at(0).image, 1);
    // A category outside the stored list gets its root after the others.
    EXPECT_EQ(byCategory[2].text, "不在列表");
    EXPECT_EQ(GetShownIds(byCategory), (Ids{3, 1, 2}));
    const std::vector<TreeNode> list = FillTree(tree, kListView);
    EXPECT_EQ(GetShownIds(list), (Ids{1, 2, 3}));
    EXPECT_EQ(list[0].text, MakeNodeText(MakeCase("张三", 1980, 5, 6, 12, 30)));
}

TEST_F(CaseTreeTest, LoaderReportsEveryFiftyAndStopsBetweenCases) {
    ASSERT_TRUE(store.BeginBatch());
    for (int i = 0; i < 120; ++i) {
        TRecordData record = MakeCase("张" + std::to_string(i), 1980, 1, 1, 0, 0);
        store.InsertCaseBatch(record);
    }
    ASSERT_TRUE(store.EndBatch());
    CaseLoader loader;
    std::vector<int> reports;
    PreparedTree tree;
    std::string error;
    ASSERT_TRUE(loader.LoadAll(store, kOrderNone, nullptr, tree, error, [&](int done, int total) {
        reports.push_back(done);
        EXPECT_EQ(total, 120);
    }));
    EXPECT_EQ(reports, (std::vector<int>{50, 100}));
    EXPECT_EQ(tree.items.size(), 120u);
    EXPECT_EQ(tree.items.front().id, 120);

    // The UI thread asks the worker to stop while it runs.
    MRecordBase workerStore;
    ASSERT_EQ(workerStore.Open(store.DatabasePath(), store.ProgramFolder(), false), 0);
    loader.ClearStop();
    bool finished = true;
    std::thread worker([&] {
        finished = loader.LoadAll(workerStore, kTimeDescending, nullptr, tree, error,
                                  [&](int, int) { loader.RequestStop(); });
    });
    worker.join();
    EXPECT_FALSE(finished);
    EXPECT_TRUE(tree.items.empty());
}

}  // namespace
}  // namespace tavrel
