#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "records/case_store.h"
#include "records/lunar_conversion.h"
#include "records/record_data.h"

namespace tavrel {

// The two views of the case tree (settings key "showStyle").
enum TreeView : int { kCategoryView = 0, kListView = 1 };

// The five orders of the case tree (settings key "sort").
enum TreeOrder : int {
    kOrderNone = 0,
    kTimeDescending = 1,    // 近-远
    kTimeAscending = 2,     // 远-近
    kSurnameAscending = 3,  // a-z
    kSurnameDescending = 4  // z-a
};

// One case prepared for the tree.
struct TCusTreeItem {
    std::int32_t id = 0;
    std::string nodeText;
    std::string category;
    std::uint8_t sex = 0;         // 1 = male
    double instant = 0;           // Julian day of the solar birth; 0 with order none
    std::int32_t surnameKey = 0;  // initial's code × 1000 + surname rank; 0 with order none
};

// The traditional order of single-character surnames (434 entries, 尹 and 辛 twice).
std::string_view SurnameOrderText();

// 1-based rank of a surname character in SurnameOrderText (first occurrence), 0 when absent.
int SurnameRank(std::string_view character);

// The surname key of a name: the code of the first byte of the first character's initial (upper
// case for a Chinese character) × 1000 + its rank; 0 for an empty name.
std::int32_t SurnameKey(std::string_view name);

// The node text: name padded to 8 bytes, "  农" or "  公", "闰" for a leap lunar month, then
// "YYYY-MM-DD hh:mm" with the displayed year (year − 1 when year ≤ 0).
std::string MakeNodeText(const TRecordData& record);

// True when item a goes before item b in the order (a strict weak order; equal items keep the
// order in which they came, as the ordered insertion leaves them).
bool GoesBefore(int order, const TCusTreeItem& a, const TCusTreeItem& b);

// Arranges items in the order: the sequence the ordered insertion of the items one by one gives
// (equal items keep their order). Order none leaves them as they are.
void OrderItems(std::vector<TCusTreeItem>& items, int order);

// The items ready for FillTree and the categories that have cases among them, in the order of
// the stored category list.
struct PreparedTree {
    std::vector<TCusTreeItem> items;
    std::vector<std::string> categoriesInUse;
};

// Called with the number of cases read so far, every 50 cases.
using PrepareProgressFn = std::function<void(int done, int total)>;

// Reads the cases of `ids` in one batch and arranges them in `order`. Missing ids are skipped;
// with an order other than none a lunar case whose date does not convert is left out. `stop`
// (may be null) is checked between cases. False when stopped or the store cannot be read
// (`error` then says why); `tree` then holds nothing.
bool PrepareItems(MRecordBase& store, const std::vector<std::int32_t>& ids, int order,
                  const LunarToSolarFn& lunarToSolar, PreparedTree& tree, std::string& error,
                  const std::atomic<bool>* stop = nullptr,
                  const PrepareProgressFn& progress = nullptr);

// One node of the filled tree: a category root (id -1) or a case.
struct TreeNode {
    std::string text;
    std::int32_t id = -1;
    int image = 2;  // 2 category, 1 male, 0 female; a selected case node shows image 4
    std::vector<TreeNode> children;
};
inline constexpr int kSelectedCaseImage = 4;

// The tree FillTree builds: category view puts a root per category in use and, after them, a
// root for every further category met; list view gives the cases as roots.
std::vector<TreeNode> FillTree(const PreparedTree& tree, int view);

// Ids of the case nodes in tree order.
std::vector<std::int32_t> GetShownIds(const std::vector<TreeNode>& nodes);

// MergeAndShow's list: `newIds` when nothing is shown, else the shown ids followed by the new
// ids not shown yet, in their order.
std::vector<std::int32_t> MergeShownIds(const std::vector<std::int32_t>& shown,
                                        const std::vector<std::int32_t>& newIds);

// The caption of the menu item pMenuRecord: "【 n 条案例】".
std::string ShownCountCaption(int count);

// The ids of the first fill: the newest 1000 cases, newest first.
std::vector<std::int32_t> InitialTreeIds(std::int32_t lastId);
// The text appended to the comment editor after the first fill, "" when all cases are shown.
std::string InitialFillHint(std::int32_t lastId);

inline constexpr std::string_view kWaitForLoading = "请等待案例加载完毕！";
inline constexpr std::string_view kNothingToShow = "没有记录，无从显示。";
inline constexpr std::string_view kManyCasesNotice = "记录总数有点多，确定后请等待操作完成！";
inline constexpr std::string_view kStopLoadingQuestion = "是否停止显示案例？";
inline constexpr std::string_view kStopLoadingTitle = "显示案例";
inline constexpr std::string_view kPreparingCaption = "数据处理.....";
inline constexpr std::string_view kLoadingCaption = "加载.....";
inline constexpr std::string_view kIdleCaption = "Tavrel 3.5 ";

// What 显示全部命例 does before loading: refused with `refusal`, or started (after showing
// `notice` when it is not empty).
struct LoadAllCheck {
    bool start = false;
    std::string refusal;
    std::string notice;
};
LoadAllCheck CheckLoadAll(bool busy, std::int32_t lastId);

// The loading worker of 显示全部命例: prepares every case from the last id down to 1. The UI
// thread asks it to stop; the worker looks between two cases.
class CaseLoader {
  public:
    // The UI thread clears the request before it starts a worker and sets it to end one.
    void ClearStop() { stop_.store(false); }
    void RequestStop() { stop_.store(true); }
    bool StopRequested() const { return stop_.load(); }

    // Runs on the calling (worker) thread. False when stopped or failed.
    bool LoadAll(MRecordBase& store, int order, const LunarToSolarFn& lunarToSolar,
                 PreparedTree& tree, std::string& error, const PrepareProgressFn& progress);

  private:
    std::atomic<bool> stop_{false};
};

}  // namespace tavrel
